// Crosses bred through the real meiosis with fixed seeds, checked with a chi-square test at the
// 0.1 % level: a correct engine fails one of these about once in a thousand seeds, a wrong
// ratio fails nearly always at these sample sizes.

#include "FlyFixtures.h"
#include "genetics/Random.h"
#include "phenotype/Drosphen.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numeric>

namespace {

using namespace fixtures;

// Critical values of the chi-square distribution at p = 0.001, by degrees of freedom.
const double Critical001[] = {0, 10.828, 13.816, 16.266};

double ChiSquare(const std::vector<int>& observed, const std::vector<double>& proportions) {
    const double total = std::accumulate(observed.begin(), observed.end(), 0.0);
    double sum = 0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        const double expected = total * proportions[i];
        sum += (observed[i] - expected) * (observed[i] - expected) / expected;
    }
    return sum;
}

// Offspring counts by phenotype name (with sex).
std::map<std::string, int> Breed(const CDrosophila& mother, const CDrosophila& father, int n) {
    std::map<std::string, int> counts;
    for (int i = 0; i < n; ++i) {
        CDrosophila child;
        child.Fertilize(mother, father);
        ++counts[CDrosPhenotype(&child).GetText(true)];
    }
    return counts;
}

TEST(Inheritance, MonohybridF2IsThreeToOne) {
    RandomSeed(2024);
    CDrosophila mother = WildFemale(), father = WildMale();
    SetLocus(mother, Chr2, Locus_vg, "vg+", "vg");
    SetLocus(father, Chr2, Locus_vg, "vg", "vg+");
    auto counts = Breed(mother, father, 4000);
    const int wild = counts["Wild (F)"] + counts["Wild (M)"];
    const int vestigial = counts["vg (F)"] + counts["vg (M)"];
    EXPECT_EQ(wild + vestigial, 4000);
    EXPECT_LT(ChiSquare({wild, vestigial}, {0.75, 0.25}), Critical001[1]);
}

TEST(Inheritance, WhiteEyesFollowTheX) {
    RandomSeed(1910);
    // White-eyed male x wild-type female: every F1 fly has red eyes.
    CDrosophila whiteMale = WildMale();
    MakeMutant(whiteMale, {{ChrX, Locus_w}});
    CDrosophila f1Female, f1Male;
    auto f1 = Breed(WildFemale(), whiteMale, 1000);
    EXPECT_EQ(f1["Wild (F)"] + f1["Wild (M)"], 1000);
    f1Female.Fertilize(WildFemale(), whiteMale);
    while (IsFemale(f1Female) == false)
        f1Female.Fertilize(WildFemale(), whiteMale);
    f1Male.Fertilize(WildFemale(), whiteMale);
    while (IsFemale(f1Male))
        f1Male.Fertilize(WildFemale(), whiteMale);

    // F2: all daughters red, half the sons white.
    auto f2 = Breed(f1Female, f1Male, 4000);
    EXPECT_EQ(f2["w (F)"], 0);
    EXPECT_EQ(f2["Wild (F)"] + f2["Wild (M)"] + f2["w (M)"], 4000);
    EXPECT_LT(ChiSquare({f2["Wild (F)"], f2["Wild (M)"], f2["w (M)"]}, {0.5, 0.25, 0.25}),
              Critical001[2]);

    // The reciprocal cross, white female x wild male: white sons, red daughters.
    CDrosophila whiteFemale = WildFemale();
    MakeMutant(whiteFemale, {{ChrX, Locus_w}});
    auto reciprocal = Breed(whiteFemale, WildMale(), 1000);
    EXPECT_EQ(reciprocal["Wild (F)"] + reciprocal["w (M)"], 1000);
    EXPECT_LT(ChiSquare({reciprocal["Wild (F)"], reciprocal["w (M)"]}, {0.5, 0.5}), Critical001[1]);
}

TEST(Inheritance, GenesOnDifferentChromosomesAssortIndependently) {
    // Test cross: vg+/vg; se+/se female x vg/vg; se/se male gives four classes 1:1:1:1.
    RandomSeed(1866);
    CDrosophila mother = WildFemale(), father = WildMale();
    SetLocus(mother, Chr2, Locus_vg, "vg", "vg+");
    SetLocus(mother, Chr3, Locus_se, "se+", "se");
    MakeMutant(father, {{Chr2, Locus_vg}, {Chr3, Locus_se}});
    std::map<std::string, int> classes;
    for (const auto& [name, count] : Breed(mother, father, 4000))
        classes[name.substr(0, name.size() - 4)] += count;
    EXPECT_LT(ChiSquare({classes["Wild"], classes["vg"], classes["se"], classes["se, vg"]},
                        {0.25, 0.25, 0.25, 0.25}),
              Critical001[3]);
}

// The chance that a female's gamete is recombinant between two loci of one chromosome, as the
// walk implies: no crossover in the first step (it would exchange both), then at least one in
// the steps whose position lies past the first locus and at or before the second.
double ExpectedRecombination(int pair, int first, int second) {
    const double q = ChanceThreshold(0.04f) / 32768.0;
    const float* positions = MapPositions[pair];
    int steps = 0;
    float pos = positions[0];
    for (int step = 0; pos < positions[second] + 1.0f; ++step, pos += 0.04f)
        if (pos > positions[first] && pos <= positions[second])
            ++steps;
    return (1 - q) * (1 - std::pow(1 - q, steps));
}

TEST(Inheritance, RecombinationFollowsTheMapDistance) {
    RandomSeed(1913);
    const struct {
        int pair, first, second;
    } intervals[] = {{ChrX, Locus_w, Locus_rb}, {Chr2, Locus_al, Locus_Cy}};
    for (const auto& interval : intervals) {
        // Coupling phase: both mutant alleles on homolog 0.
        CDrosophila female = WildFemale();
        for (int slot : {interval.first, interval.second}) {
            const std::string symbol = LocusSymbols[interval.pair][slot];
            SetLocus(female, interval.pair, slot, symbol, symbol + "+");
        }
        const int gametes = 20000;
        int recombinant = 0;
        for (int i = 0; i < gametes; ++i) {
            const auto gamete = female.MakeGamete();
            const auto& alleles = gamete->GetChr(interval.pair)->alleles;
            recombinant +=
                IsWildType(alleles[interval.first]) != IsWildType(alleles[interval.second]);
        }
        const double expected =
            ExpectedRecombination(interval.pair, interval.first, interval.second);
        EXPECT_NEAR(expected, 0.06, 0.005); // about one crossover per 100 map units
        EXPECT_LT(ChiSquare({recombinant, gametes - recombinant}, {expected, 1 - expected}),
                  Critical001[1])
            << LocusSymbols[interval.pair][interval.first] << " " << recombinant;
    }
}

TEST(Inheritance, DoubleCrossoversNeedMoreThanTheMinimumDistance) {
    // Between vg (67.0) and c (75.5) a double crossover would put L (72.0) alone on the other
    // homolog; with 10 map units skipped after each crossover that cannot happen, while it
    // does without interference.
    CDrosophila female = WildFemale();
    for (int slot : {Locus_vg, Locus_L, Locus_c})
        SetLocus(female, Chr2, slot, LocusSymbols[Chr2][slot],
                 std::string(LocusSymbols[Chr2][slot]) + "+");
    auto doubles = [&](float minDistance) {
        CrossOverMinDistance = minDistance;
        RandomSeed(99);
        int count = 0;
        for (int i = 0; i < 40000; ++i) {
            const auto gamete = female.MakeGamete();
            const auto& two = gamete->GetChr(Chr2)->alleles;
            const bool vg = IsWildType(two[Locus_vg]), L = IsWildType(two[Locus_L]),
                       c = IsWildType(two[Locus_c]);
            count += vg == c && L != vg;
        }
        return count;
    };
    EXPECT_EQ(doubles(10.0f), 0);
    EXPECT_GT(doubles(0.0f), 0);
    CrossOverMinDistance = 10.0f;
}

} // namespace

#include "FlyFixtures.h"
#include "fly/Error.h"
#include "genetics/Random.h"

#include <gtest/gtest.h>

namespace {

using namespace fixtures;

const char* const SexError = "Fatal error. Fruit fly is neither male nor female!";

TEST(Drosophila, BlankFlyHasNoSex) {
    CDrosophila fly;
    EXPECT_EQ(fly.count(), PairCount);
    EXPECT_EQ(fly.loci(), LociPerChromosome);
    try {
        IsFemale(fly);
        FAIL();
    } catch (const CGeneralError& error) {
        EXPECT_EQ(error.message, SexError);
    }
}

TEST(Drosophila, SexFollowsTheTypesOfTheXPair) {
    const struct {
        std::uint8_t a, b;
        bool female;
    } cases[] = {{1, 1, true}, {1, 2, false}, {2, 2, true}};
    for (const auto& c : cases) {
        CDrosophila fly;
        fly.GetPair(ChrX)->GetChr(0)->type = c.a;
        fly.GetPair(ChrX)->GetChr(1)->type = c.b;
        EXPECT_EQ(IsFemale(fly), c.female);
    }
    for (auto [a, b] : {std::pair{0, 1}, {1, 0}}) {
        CDrosophila fly;
        fly.GetPair(ChrX)->GetChr(0)->type = a;
        fly.GetPair(ChrX)->GetChr(1)->type = b;
        EXPECT_THROW(IsFemale(fly), CGeneralError);
    }
}

TEST(Drosophila, WildTypeFemaleCarriesEveryWildAllele) {
    const CDrosophila fly = WildFemale();
    EXPECT_TRUE(IsFemale(fly));
    const std::vector<std::string> x = {"w+", "rb+", "cv+", "t+", "f+", "B+", "-"};
    EXPECT_EQ(fly.GetPair(ChrX)->GetChr(0)->alleles, x);
    EXPECT_EQ(fly.GetPair(ChrX)->GetChr(1)->alleles, x);
    EXPECT_EQ(fly.GetPair(Chr3)->GetChr(1)->alleles[5], "-");
    EXPECT_EQ(fly.GetPair(Chr3)->GetChr(1)->alleles[6], "-");
    EXPECT_EQ(fly.GetPair(Chr4)->GetChr(0)->alleles,
              (std::vector<std::string>{"ci+", "sv+", "-", "-", "-", "-", "-"}));
    for (int pair = 0; pair < PairCount; ++pair) {
        EXPECT_EQ(fly.GetPair(pair)->GetChr(0)->type, pair == ChrX ? XChromosome : Autosome);
        for (int slot = 0; slot < LociPerChromosome; ++slot) {
            if (GetMapPosition(pair, slot) < 0)
                continue;
            const std::string wild = std::string(LocusSymbols[pair][slot]) + "+";
            EXPECT_EQ(fly.GetPair(pair)->GetAllelePair(slot), wild + "/" + wild);
        }
    }
}

TEST(Drosophila, WildTypeRejectsAnUnknownSexUnchanged) {
    CDrosophila fly;
    try {
        SetWildType(fly, 2);
        FAIL();
    } catch (const CGeneralError& error) {
        EXPECT_EQ(error.message, "Fatal error! Fruit fly is neither male nor female!");
    }
    EXPECT_EQ(fly.GetPair(ChrX)->GetChr(0)->type, Autosome);
    EXPECT_EQ(fly.GetPair(Chr2)->GetChr(0)->alleles[0], "-");
}

TEST(Drosophila, MapPositions) {
    EXPECT_EQ(GetMapPosition(ChrX, 6), -1.0f);
    EXPECT_EQ(GetMapPosition(Chr4, 1), 3.0f);
    EXPECT_EQ(GetMapPosition(Chr2, 0), 0.0f);
    EXPECT_EQ(GetMapPosition(ChrX, Locus_B), 57.0f);
    EXPECT_EQ(GetMapPosition(Chr3, Locus_sr), 62.0f);
}

TEST(Drosophila, MaleGametesAreExactCopiesOfHisHomologs) {
    CDrosophila male = WildMale();
    MakeMutant(male, {{ChrX, Locus_w}});
    SetLocus(male, Chr2, Locus_vg, "vg", "vg+");
    SetLocus(male, Chr2, Locus_al, "al+", "al");
    const std::uint64_t before = RandomDrawCount();
    RandomSeed(5);
    for (int i = 0; i < 200; ++i) {
        const auto gamete = male.MakeGamete();
        for (int pair = 0; pair < PairCount; ++pair) {
            const CChromosome& chromosome = *gamete->GetChr(pair);
            const CChromosomePair& own = *male.GetPair(pair);
            const auto same = [&](int h) {
                return chromosome.alleles == own.GetChr(h)->alleles &&
                       chromosome.type == own.GetChr(h)->type;
            };
            EXPECT_TRUE(same(0) || same(1));
        }
    }
    EXPECT_EQ(RandomDrawCount() - before, 200u * PairCount); // one draw per pair
}

TEST(Drosophila, FemaleGametesRecombineAndDrawTheWalkFirst) {
    // Heterozygous at w and B (both on the X): a crossover in the first step exchanges both, so
    // the gamete's X reads w+ ... B, then the homolog draw picks homolog 0 of the exchanged copy.
    CDrosophila female = WildFemale();
    SetLocus(female, ChrX, Locus_w, "w", "w+");
    SetLocus(female, ChrX, Locus_B, "B+", "B");
    // After the crossover at 1.5 the walk skips 10 map units and goes on quietly to B at 57.
    int stepsAfter = 0;
    for (float pos = 1.5f + 10.0f + 0.04f; pos < 57.0f; pos += 0.04f)
        ++stepsAfter;
    std::vector<int> values = {0};        // X: crossover at the first step
    values.resize(1 + stepsAfter, 20000); // the rest of the X walk
    values.push_back(0);                  // X: homolog 0
    for (int steps : {1888, 1070, 76}) {
        values.resize(values.size() + steps, 20000); // quiet walk
        values.push_back(1);                         // homolog 1
    }
    RandomScript script(values);
    const auto gamete = female.MakeGamete();
    EXPECT_EQ(script.Remaining(), 0u);
    EXPECT_EQ(gamete->GetChr(ChrX)->alleles[Locus_w], "w+");
    EXPECT_EQ(gamete->GetChr(ChrX)->alleles[Locus_B], "B");
    EXPECT_EQ(gamete->GetChr(ChrX)->type, XChromosome);
    // The mother herself is unchanged.
    EXPECT_EQ(female.GetPair(ChrX)->GetChr(0)->alleles[Locus_w], "w");
}

TEST(Drosophila, GameteOfASexlessFlyRaises) {
    CDrosophila fly;
    EXPECT_THROW(fly.MakeGamete(), CGeneralError);
    CDrosophila child;
    EXPECT_THROW(child.Fertilize(fly, WildMale()), CGeneralError);
    EXPECT_EQ(child.GetPair(ChrX)->GetChr(0)->type, Autosome); // untouched
}

} // namespace

#include "fly/Error.h"
#include "genetics/Genetic.h"
#include "genetics/Random.h"

#include <gtest/gtest.h>

namespace {

// An organism whose homologs are marked: pair i homolog h holds "<tag><i><h>" in every slot.
TOrganism Marked(char tag, int pairs = 3, int loci = 2) {
    TOrganism organism(pairs, loci);
    for (int i = 0; i < pairs; ++i)
        for (int h = 0; h < 2; ++h)
            for (std::string& allele : organism.GetPair(i)->GetChr(h)->alleles)
                allele = std::string(1, tag) + std::to_string(i) + std::to_string(h);
    return organism;
}

TEST(Organism, GetPairChecksItsBounds) {
    TOrganism organism(4, 7);
    for (int i : {-1, 4}) {
        try {
            organism.GetPair(i);
            FAIL() << i;
        } catch (const CGeneralError& error) {
            EXPECT_EQ(error.message,
                      "Invalid operation in function TOrganism::GetPair(). Memory out of reach.");
        }
    }
    EXPECT_EQ(organism.GetPair(3)->GetChr(1)->alleles, std::vector<std::string>(7, "-"));
}

TEST(Organism, GameteTakesTheHomologOfEachDraw) {
    const TOrganism organism = Marked('m');
    RandomScript script({1, 0, 3}); // odd values pick homolog 1
    const auto gamete = organism.MakeGamete();
    EXPECT_EQ(gamete->GetChr(0)->alleles[0], "m01");
    EXPECT_EQ(gamete->GetChr(1)->alleles[1], "m10");
    EXPECT_EQ(gamete->GetChr(2)->alleles[0], "m21");
}

TEST(Organism, EachHomologIsChosenAboutHalfTheTime) {
    const TOrganism organism = Marked('m', 1, 1);
    RandomSeed(11);
    int first = 0;
    const int gametes = 20000;
    for (int i = 0; i < gametes; ++i)
        first += organism.MakeGamete()->GetChr(0)->alleles[0] == "m00";
    EXPECT_NEAR(first, gametes / 2, 4 * 71); // four standard deviations
}

TEST(Organism, FertilizeTakesTheMothersDrawsFirst) {
    const TOrganism mother = Marked('m');
    const TOrganism father = Marked('f');
    TOrganism child(3, 2);
    RandomScript script({0, 1, 0, 1, 1, 0});
    child.Fertilize(mother, father);
    EXPECT_EQ(script.Remaining(), 0u);
    const char* expected[3][2] = {{"m00", "f01"}, {"m11", "f11"}, {"m20", "f20"}};
    for (int i = 0; i < 3; ++i)
        for (int h = 0; h < 2; ++h)
            EXPECT_EQ(child.GetPair(i)->GetChr(h)->alleles[1], expected[i][h]);
    // The parents are untouched.
    EXPECT_EQ(mother.GetPair(0)->GetChr(1)->alleles[0], "m01");
    EXPECT_EQ(father.GetPair(2)->GetChr(0)->alleles[0], "f20");
}

TEST(Organism, FathersSexChromosomeDecidesTheChildsType) {
    TOrganism mother(1, 1), father(1, 1);
    mother.GetPair(0)->GetChr(0)->type = mother.GetPair(0)->GetChr(1)->type = 1;
    father.GetPair(0)->GetChr(0)->type = 1;
    father.GetPair(0)->GetChr(1)->type = 2;
    RandomSeed(3);
    int sons = 0;
    const int children = 10000;
    TOrganism child(1, 1);
    for (int i = 0; i < children; ++i) {
        child.Fertilize(mother, father);
        EXPECT_EQ(child.GetPair(0)->GetChr(0)->type, 1);
        sons += child.GetPair(0)->GetChr(1)->type == 2;
    }
    EXPECT_NEAR(sons, children / 2, 4 * 50);
}

} // namespace

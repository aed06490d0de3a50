#include "fly/Drosophila.h"
#include "genetics/Genetic.h"
#include "genetics/Random.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A pair whose homolog 0 holds "A0".."A6" and homolog 1 "B0".."B6", so each slot shows
// which homolog its allele came from.
CChromosomePair MarkedPair(int loci = 7) {
    CChromosomePair pair(loci);
    for (int slot = 0; slot < loci; ++slot) {
        pair.GetChr(0)->alleles[slot] = "A" + std::to_string(slot);
        pair.GetChr(1)->alleles[slot] = "B" + std::to_string(slot);
    }
    return pair;
}

// The homolog ("A" or "B") each slot of homolog 0 holds.
std::string Origins(const CChromosomePair& pair) {
    std::string origins;
    for (const std::string& allele : pair.GetChr(0)->alleles)
        origins += allele[0];
    return origins;
}

// Steps of a walk with no crossover, from the first to the last locus.
int QuietSteps(const float* positions, float resolution) {
    float last = 0.0f;
    for (int slot = 0; slot < LociPerChromosome && positions[slot] >= 0; ++slot)
        last = positions[slot];
    int steps = 0;
    for (float pos = positions[0]; pos < last; pos += resolution)
        ++steps;
    return steps;
}

TEST(CrossOver, HugeResolutionCrossesAtEveryStep) {
    // Loci at 0, 100, 200: at 0 all three are exchanged, at 150 the locus at 200 goes back.
    const float positions[3] = {0.0f, 100.0f, 200.0f};
    CChromosomePair pair = MarkedPair(3);
    RandomScript script({32766, 32766});
    pair.CrossOver(positions, 150.0f, 0.0f);
    EXPECT_EQ(script.Remaining(), 0u); // two steps, two draws
    EXPECT_EQ(Origins(pair), "BBA");
    EXPECT_EQ(pair.GetChr(1)->alleles, (std::vector<std::string>{"A0", "A1", "B2"}));
}

TEST(CrossOver, WalkMakesOneDrawPerStepAtTheDefaults) {
    const int expected[PairCount] = {1388, 1888, 1070, 76};
    for (int chromosome = 0; chromosome < PairCount; ++chromosome) {
        EXPECT_EQ(QuietSteps(MapPositions[chromosome], 0.04f), expected[chromosome]);
        CChromosomePair pair = MarkedPair();
        RandomScript script(std::vector<int>(expected[chromosome] + 1, 20000));
        pair.CrossOver(MapPositions[chromosome], 0.04f, 10.0f);
        EXPECT_EQ(script.Remaining(), 1u) << "chromosome " << chromosome;
        EXPECT_EQ(Origins(pair), "AAAAAAA");
    }
}

TEST(CrossOver, CrossoverAtAStepExchangesTheDistalSegment) {
    // Chromosome 2 (loci at 0, 6.1, 48.5, 54.5, 67, 72, 75.5): a crossover in step k lies at
    // about 0.04 k map units and exchanges every locus at or beyond it.
    const float* positions = MapPositions[Chr2];
    const struct {
        int step;
        const char* origins;
    } cases[] = {
        {0, "BBBBBBB"},    // the first step sits on the first locus: everything exchanged
        {1, "ABBBBBB"},    // just past al
        {152, "ABBBBBB"},  // 6.08: Cy at 6.1 lies beyond it
        {153, "AABBBBB"},  // 6.12: Cy lies behind it
        {1887, "AAAAAAB"}, // the last step, 75.48, leaves only c
    };
    for (const auto& c : cases) {
        CChromosomePair pair = MarkedPair();
        std::vector<int> values(c.step, 20000);
        values.push_back(0); // the crossover
        RandomScript script(values);
        pair.CrossOver(positions, 0.04f, 100.0f); // 100 skipped: no second crossover
        EXPECT_EQ(script.Remaining(), 0u);
        EXPECT_EQ(Origins(pair), c.origins) << "step " << c.step;
    }
}

TEST(CrossOver, SkipsMinDistanceAfterACrossover) {
    // A crossover at step 0 of chromosome 2, then 10 + 0.04 map units skipped: the walk resumes
    // at 10.04 (past Cy) and a second crossover there exchanges the loci from b on back.
    CChromosomePair pair = MarkedPair();
    std::vector<int> values = {0, 0};
    values.resize(2000, 20000);
    RandomScript script(values);
    pair.CrossOver(MapPositions[Chr2], 0.04f, 10.0f);
    EXPECT_EQ(Origins(pair), "BBAAAAA");
}

TEST(CrossOver, ThresholdIsStrict) {
    // At 0.04 percent the values 0..13 cross over and 14 does not.
    for (int value : {13, 14}) {
        CChromosomePair pair = MarkedPair();
        std::vector<int> values(1, value);
        values.resize(1889, 20000);
        RandomScript script(values);
        pair.CrossOver(MapPositions[Chr2], 0.04f, 10.0f);
        EXPECT_EQ(Origins(pair), value == 13 ? "BBBBBBB" : "AAAAAAA");
    }
}

TEST(CrossOver, FourthChromosomeCrossesAtMostOnce) {
    // Loci at 0 and 3; the 10 skipped after a crossover ends the walk.
    const float* positions = MapPositions[Chr4];
    auto run = [&](int crossoverStep) {
        CChromosomePair pair = MarkedPair();
        for (int slot = 2; slot < 7; ++slot)
            pair.GetChr(0)->alleles[slot] = pair.GetChr(1)->alleles[slot] = "-";
        std::vector<int> values(crossoverStep, 20000);
        values.resize(80, 0); // every later draw would cross over
        RandomScript script(values);
        pair.CrossOver(positions, 0.04f, 10.0f);
        EXPECT_EQ(script.Remaining(), 80u - crossoverStep - 1);
        for (int slot = 2; slot < 7; ++slot)
            EXPECT_EQ(pair.GetChr(0)->alleles[slot], "-");
        return Origins(pair).substr(0, 2);
    };
    EXPECT_EQ(run(0), "BB");
    EXPECT_EQ(run(1), "AB");
    EXPECT_EQ(run(75), "AB");
}

TEST(CrossOver, IdenticalHomologsStayIdentical) {
    CChromosomePair pair(7);
    for (int slot = 0; slot < 7; ++slot)
        pair.GetChr(0)->alleles[slot] = pair.GetChr(1)->alleles[slot] = "x" + std::to_string(slot);
    RandomScript script(std::vector<int>(2000, 0));
    pair.CrossOver(MapPositions[Chr2], 0.04f, 0.0f);
    EXPECT_EQ(pair.GetChr(0)->alleles, pair.GetChr(1)->alleles);
}

TEST(CrossOver, NeverTouchesTypesOrLoneLoci) {
    CChromosomePair pair = MarkedPair();
    pair.GetChr(0)->type = XChromosome;
    pair.GetChr(1)->type = YChromosome;
    const float lone[7] = {5.0f, -1.0f, -1.0f, -1.0f, -1.0f, -1.0f, -1.0f};
    RandomScript script({0});
    pair.CrossOver(lone, 0.04f, 0.0f);
    EXPECT_EQ(script.Remaining(), 1u); // no step at all
    EXPECT_EQ(Origins(pair), "AAAAAAA");

    pair.CrossOver(MapPositions[ChrX], 200.0f, 0.0f);
    EXPECT_EQ(pair.GetChr(0)->type, XChromosome);
    EXPECT_EQ(pair.GetChr(1)->type, YChromosome);
}

TEST(CrossOver, ParametersThatWouldNeverEndMakeNoCrossover) {
    for (auto [resolution, minDistance] :
         {std::pair{0.0f, 10.0f}, {-0.04f, 10.0f}, {0.04f, -1.0f}, {NAN, 10.0f}}) {
        CChromosomePair pair = MarkedPair();
        RandomScript script({0, 0, 0});
        pair.CrossOver(MapPositions[Chr2], resolution, minDistance);
        EXPECT_EQ(script.Remaining(), 3u);
        EXPECT_EQ(Origins(pair), "AAAAAAA");
    }
}

TEST(CrossOver, StepsTooSmallToMoveThePositionMakeNoCrossover) {
    // 1e-6 map units vanish when added to 20 as a 32-bit float: the walk would stall there.
    const float positions[3] = {0.0f, 20.0f, 40.0f};
    CChromosomePair pair = MarkedPair(3);
    RandomScript script({0, 0, 0});
    pair.CrossOver(positions, 1e-6f, 0.0f);
    EXPECT_EQ(script.Remaining(), 3u);
    EXPECT_EQ(Origins(pair), "AAA");
}

TEST(CrossOver, FineResolutionWalksEveryStep) {
    // 0.0005 map units per step over the X is about 111000 steps; a crossover in the last one
    // exchanges only B.
    const float* positions = MapPositions[ChrX];
    int steps = 0;
    for (float pos = positions[0]; pos < positions[Locus_B]; pos += 0.0005f)
        ++steps;
    ASSERT_GT(steps, 1 << 16);
    std::vector<int> values(steps - 1, 20000);
    values.push_back(0);
    values.push_back(20000);
    RandomScript script(values);
    CChromosomePair pair = MarkedPair();
    pair.CrossOver(positions, 0.0005f, 10.0f);
    EXPECT_EQ(script.Remaining(), 1u);
    EXPECT_EQ(Origins(pair), "AAAAABA");
}

} // namespace

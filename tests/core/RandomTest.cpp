#include "genetics/Random.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

std::vector<int> AllValues() {
    std::vector<int> values(RandomMax + 1);
    std::iota(values.begin(), values.end(), 0);
    return values;
}

TEST(Random, ScriptedValuesComeFirstOnePerDraw) {
    const std::uint64_t before = RandomDrawCount();
    RandomScript script({5, 32767, 0});
    EXPECT_EQ(RandomNext(), 5);
    EXPECT_EQ(RandomFloat(2.0f, 3.5f), 3.5L); // 32767 reaches hi exactly
    EXPECT_EQ(RandomFloat(-1.0f, 1.0f), -1.0L);
    EXPECT_EQ(script.Remaining(), 0u);
    EXPECT_EQ(RandomDrawCount() - before, 3u);
}

TEST(Random, RandomIntTakesTheValueModuloTheSpan) {
    RandomScript script({0, 1, 2, 32767, 10, 32767});
    EXPECT_EQ(RandomInt(0, 1), 0);
    EXPECT_EQ(RandomInt(0, 1), 1);
    EXPECT_EQ(RandomInt(0, 1), 0);
    EXPECT_EQ(RandomInt(0, 1), 1);
    EXPECT_EQ(RandomInt(5, 7), 5 + 10 % 3);
    EXPECT_EQ(RandomInt(-3, 3), -3 + 32767 % 7);
}

TEST(Random, ChanceZeroNeverAndHundredAllButTheTop) {
    const std::vector<int> values = AllValues();
    int zero = 0, hundred = 0;
    {
        RandomScript script(values);
        for (std::size_t i = 0; i < values.size(); ++i)
            zero += Chance(0.0f);
    }
    {
        RandomScript script(values);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const bool success = Chance(100.0f);
            hundred += success;
            if (values[i] == RandomMax) {
                EXPECT_FALSE(success);
            }
        }
    }
    EXPECT_EQ(zero, 0);
    EXPECT_EQ(hundred, RandomMax);
}

TEST(Random, ThresholdMatchesChanceForEveryValue) {
    // The crossing-over walk compares values with the threshold instead of calling Chance.
    const std::vector<int> values = AllValues();
    for (float percent : {0.0f, 0.04f, 0.01f, 0.5f, 1.0f, 33.3f, 99.99f, 100.0f, 150.0f, -1.0f}) {
        const int threshold = ChanceThreshold(percent);
        RandomScript script(values);
        for (int value : values)
            ASSERT_EQ(Chance(percent), value < threshold) << percent << " at " << value;
    }
    EXPECT_EQ(ChanceThreshold(0.04f), 14); // values 0..13 succeed at the default resolution
}

TEST(Random, SeededGeneratorRepeatsAndSpreadsOverTheRange) {
    RandomSeed(42);
    std::vector<int> first(1000);
    for (int& value : first)
        value = RandomNext();
    RandomSeed(42);
    for (int value : first)
        EXPECT_EQ(RandomNext(), value);

    // Equal thirds of the range, and both halves of the low bit.
    RandomSeed(7);
    int thirds[3] = {}, odd = 0;
    const int draws = 300000;
    for (int i = 0; i < draws; ++i) {
        const int value = RandomNext();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, RandomMax);
        ++thirds[value * 3 / (RandomMax + 1)];
        odd += value & 1;
    }
    for (int count : thirds)
        EXPECT_NEAR(count, draws / 3, 1500); // about 5.5 standard deviations
    EXPECT_NEAR(odd, draws / 2, 1500);
}

} // namespace

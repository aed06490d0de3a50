// Breeding speed: a 50000-offspring table generation against the bare cost of its random
// draws. Prints breed_50000_ms, draw_floor_ms and their ratio (medians of several runs).

#include "BenchFlies.h"
#include "fly/Drosophila.h"
#include "genetics/Random.h"
#include "phenotype/Drosphen.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int Offspring = 50000;
constexpr int Runs = 5;

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    const CDrosophila mother = HeterozygousMother();
    CDrosophila father;
    SetWildType(father, 0);
    RandomSeed(20261211);

    std::vector<double> breedTimes, floorTimes;
    volatile long sink = 0;
    for (int run = 0; run < Runs; ++run) {
        const std::uint64_t drawsBefore = RandomDrawCount();
        const Clock::time_point start = Clock::now();
        std::unordered_map<std::string, int> tally;
        for (int i = 0; i < Offspring; ++i) {
            auto child = std::make_unique<CDrosophila>();
            child->Fertilize(mother, father);
            ++tally[CDrosPhenotype(child.get()).GetText(true)];
        }
        breedTimes.push_back(Milliseconds(Clock::now() - start));
        const std::uint64_t draws = RandomDrawCount() - drawsBefore;
        sink = sink + static_cast<long>(tally.size());

        const int threshold = ChanceThreshold(CrossOverResolution);
        const Clock::time_point floorStart = Clock::now();
        long crossings = 0;
        for (std::uint64_t d = 0; d < draws; ++d)
            crossings += RandomNext() < threshold;
        floorTimes.push_back(Milliseconds(Clock::now() - floorStart));
        sink = sink + crossings;
    }
    const double breed = Median(breedTimes);
    const double floor = Median(floorTimes);
    std::printf("breed_50000_ms %.1f\ndraw_floor_ms %.1f\nratio %.3f\n", breed, floor,
                breed / floor);
    return 0;
}

#include "genetics/Random.h"

#include <cassert>
#include <ctime>

namespace random_detail {
Generator generator;
}

void Randomize() {
    RandomSeed(static_cast<std::uint64_t>(std::time(nullptr)));
}

void RandomSeed(std::uint64_t seed) {
    random_detail::generator.state = seed;
}

int RandomInt(int lo, int hi) {
    return lo + RandomNext() % (hi - lo + 1);
}

namespace {
// r * (1/32767) is exactly 1 for the top value, so it reaches hi exactly.
long double ScaledValue(int r, float lo, float hi) {
    return lo + r * (1.0L / RandomMax) * (static_cast<long double>(hi) - lo);
}
} // namespace

long double RandomFloat(float lo, float hi) {
    return ScaledValue(RandomNext(), lo, hi);
}

bool Chance(float percent) {
    return RandomFloat(0, 100) < percent;
}

int ChanceThreshold(float percent) {
    // Smallest value that fails, by bisection over the monotonic scale.
    int low = 0;
    int high = RandomMax + 1;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (ScaledValue(mid, 0, 100) < percent)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

std::uint64_t RandomDrawCount() {
    return random_detail::generator.draws;
}

RandomScript::RandomScript(std::vector<int> values) : values_(std::move(values)) {
    assert(random_detail::generator.script == random_detail::generator.scriptEnd);
    random_detail::generator.script = values_.data();
    random_detail::generator.scriptEnd = values_.data() + values_.size();
}

RandomScript::~RandomScript() {
    random_detail::generator.script = nullptr;
    random_detail::generator.scriptEnd = nullptr;
}

std::size_t RandomScript::Remaining() const {
    return static_cast<std::size_t>(random_detail::generator.scriptEnd -
                                    random_detail::generator.script);
}

#pragma once

// The one process-wide pseudo-random generator of the system, values 0..32767.
// It is the only source of chance: meiosis draws every homolog choice and every step of the
// crossing-over walk from it. Not thread-safe; everything runs on the user-interface thread.

#include <cstdint>
#include <vector>

inline constexpr int RandomMax = 32767;

// Seeds the generator from the calendar time in whole seconds.
void Randomize();
// Seeds the generator with a fixed value, so that a run can be repeated.
void RandomSeed(std::uint64_t seed);

// lo + (r mod (hi - lo + 1)) for the next generator value r; needs lo <= hi.
int RandomInt(int lo, int hi);
// lo + r * (1/32767) * (hi - lo) in extended precision; r = 32767 gives exactly hi.
long double RandomFloat(float lo, float hi);
// True when RandomFloat(0, 100) < percent.
bool Chance(float percent);
// How many generator values make Chance(percent) succeed: Chance(percent) is exactly
// "next value < ChanceThreshold(percent)", since RandomFloat grows with the value.
int ChanceThreshold(float percent);

// Number of values drawn since the program started.
std::uint64_t RandomDrawCount();

namespace random_detail {
struct Generator {
    std::uint64_t state = 0x853c49e6748fea9bULL;
    std::uint64_t draws = 0;
    const int* script = nullptr; // values scripted by a test, returned before the generator's own
    const int* scriptEnd = nullptr;
};
extern Generator generator;
} // namespace random_detail

// The next generator value, 0..32767. Every draw goes through here, one value per draw.
inline int RandomNext() {
    random_detail::Generator& g = random_detail::generator;
    ++g.draws;
    if (g.script != g.scriptEnd) [[unlikely]]
        return *g.script++;
    // SplitMix64: a Weyl sequence through a 64-bit finaliser; the 15-bit value is its top bits.
    std::uint64_t z = (g.state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return static_cast<int>((z ^ (z >> 31)) >> 49);
}

// Test seam: while alive, the generator returns the given values (each 0..32767) first, in
// order, then goes on with its own sequence. Scripts do not nest.
class RandomScript {
public:
    explicit RandomScript(std::vector<int> values);
    ~RandomScript();
    RandomScript(const RandomScript&) = delete;
    RandomScript& operator=(const RandomScript&) = delete;

    // Scripted values not yet drawn.
    std::size_t Remaining() const;

private:
    std::vector<int> values_;
};

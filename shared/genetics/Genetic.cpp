#include "genetics/Genetic.h"

#include "fly/Error.h"
#include "genetics/Random.h"

#include <utility>

void SwapAlleles(std::string& a, std::string& b) {
    std::swap(a, b);
}

CChromosome::CChromosome(int count, std::uint8_t type) : alleles(count, "-"), type(type) {}

void CChromosome::Assign(const CChromosome& source) {
    alleles = source.alleles;
    type = source.type;
}

CChromosomePair::CChromosomePair(int loci)
    : homologs_{CChromosome(loci, Autosome), CChromosome(loci, Autosome)}, loci_(loci) {}

CChromosome* CChromosomePair::GetChr(int i) {
    return const_cast<CChromosome*>(std::as_const(*this).GetChr(i));
}

const CChromosome* CChromosomePair::GetChr(int i) const {
    if (i != 0 && i != 1)
        throw CGeneralError(
            "Invalid operation in function CChromosomePair::GetChr(). Memory out of reach.");
    return &homologs_[i];
}

std::string CChromosomePair::GetAllelePair(int locus) const {
    if (locus < 0 || locus >= homologs_[0].count())
        throw CGeneralError(
            "Invalid operation in function CChromosomePair::GetAllelePair(). Memory out of reach.");
    const std::string& a0 = homologs_[0].alleles[locus];
    const std::string& a1 = homologs_[1].alleles[locus];
    return IsWildType(a0) ? a0 + "/" + a1 : a1 + "/" + a0;
}

namespace {

// The walk from the first locus to the last, as long as no crossover happens, visits the same
// positions for every gamete of a chromosome. They are worked out once per map and resolution,
// with the same 32-bit sums the walk makes, so that the walk itself only draws and compares.
struct QuietWalk {
    float start;
    float last;
    float resolution;
    int threshold; // a step crosses over exactly when the drawn value is below it (Chance)
    std::vector<float> steps;
    float resume; // the position after the last precomputed step
};

// Very fine resolutions walk millions of steps; only the first ones are kept.
constexpr std::size_t MaxPrecomputedSteps = 1 << 16;

const QuietWalk& QuietWalkFor(float start, float last, float resolution) {
    // A handful of entries: one per chromosome and resolution in use. UI thread only.
    static std::vector<QuietWalk> walks;
    for (const QuietWalk& walk : walks)
        if (walk.start == start && walk.last == last && walk.resolution == resolution)
            return walk;
    if (walks.size() == 16)
        walks.clear();
    QuietWalk walk{start, last, resolution, ChanceThreshold(resolution), {}, start};
    while (walk.resume < last && walk.steps.size() < MaxPrecomputedSteps) {
        const float next = walk.resume + resolution;
        if (next == walk.resume)
            break; // the walk stalls here; the plain walk below ends it
        walk.steps.push_back(walk.resume);
        walk.resume = next;
    }
    walks.push_back(std::move(walk));
    return walks.back();
}

} // namespace

void CChromosomePair::CrossOver(const float* positions, float resolution, float minDistance) {
    if (!(resolution > 0) || !(minDistance >= 0))
        return;
    float last = 0.0f;
    for (int slot = 0; slot < loci_ && positions[slot] >= 0; ++slot)
        last = positions[slot];

    std::vector<std::string>& first = homologs_[0].alleles;
    std::vector<std::string>& second = homologs_[1].alleles;
    const auto crossOverAt = [&](float pos) {
        for (int slot = 0; slot < loci_; ++slot)
            if (positions[slot] >= pos)
                SwapAlleles(first[slot], second[slot]);
    };

    // Until the first crossover the walk follows the precomputed steps.
    const QuietWalk& walk = QuietWalkFor(positions[0], last, resolution);
    const std::size_t stepCount = walk.steps.size();
    std::size_t step = 0;
    while (step < stepCount && RandomNext() >= walk.threshold)
        ++step;
    float pos = walk.resume;
    if (step < stepCount) {
        pos = walk.steps[step];
        crossOverAt(pos);
        pos += minDistance;
        pos += resolution;
    }
    while (pos < last) {
        const float before = pos;
        if (RandomNext() < walk.threshold) {
            crossOverAt(pos);
            pos += minDistance;
        }
        pos += resolution;
        if (pos == before)
            return; // a step too small to move a 32-bit position would never end the walk
    }
}

CGamete::CGamete(int count, int loci) : chromosomes_(count, CChromosome(loci, Autosome)) {}

CChromosome* CGamete::GetChr(int i) {
    if (i < 0 || i >= count())
        throw CGeneralError(
            "Invalid operation in function CGamete::GetChr(). Memory out of reach.");
    return &chromosomes_[i];
}

TOrganism::TOrganism(int count, int loci) : pairs_(count, CChromosomePair(loci)), loci_(loci) {}

CChromosomePair* TOrganism::GetPair(int i) {
    return const_cast<CChromosomePair*>(std::as_const(*this).GetPair(i));
}

const CChromosomePair* TOrganism::GetPair(int i) const {
    if (i < 0 || i >= count())
        throw CGeneralError(
            "Invalid operation in function TOrganism::GetPair(). Memory out of reach.");
    return &pairs_[i];
}

std::unique_ptr<CGamete> TOrganism::MakeGamete() const {
    auto gamete = std::make_unique<CGamete>(count(), loci_);
    for (int i = 0; i < count(); ++i)
        gamete->GetChr(i)->Assign(*pairs_[i].GetChr(RandomInt(0, 1)));
    return gamete;
}

void TOrganism::Fertilize(const TOrganism& mother, const TOrganism& father) {
    const std::unique_ptr<CGamete> egg = mother.MakeGamete();
    const std::unique_ptr<CGamete> sperm = father.MakeGamete();
    // The gametes end here, so their chromosomes are moved rather than copied.
    for (int i = 0; i < count(); ++i) {
        *pairs_[i].GetChr(0) = std::move(*egg->GetChr(i));
        *pairs_[i].GetChr(1) = std::move(*sperm->GetChr(i));
    }
}

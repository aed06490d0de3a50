#include "genetics/Genetic.h"

#include "fly/Error.h"
#include "genetics/Random.h"

#include <cmath>
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

// The threshold of the last resolution used: every gamete walks with the same one.
int CrossOverThreshold(float resolution) {
    static float cachedResolution = 0.0f;
    static int cachedThreshold = 0;
    if (resolution != cachedResolution) {
        cachedThreshold = ChanceThreshold(resolution);
        cachedResolution = resolution;
    }
    return cachedThreshold;
}

// Whether every step of `resolution` moves a 32-bit position between start and last. Floats
// are spaced widest at the ends of that range, so checking both ends is enough.
bool StepsAlwaysMove(float start, float last, float resolution) {
    const float beforeLast = std::nextafter(last, start);
    return start + resolution != start && beforeLast + resolution != beforeLast;
}

} // namespace

void CChromosomePair::CrossOver(const float* positions, float resolution, float minDistance) {
    if (!(resolution > 0) || !(minDistance >= 0))
        return;
    float last = 0.0f;
    for (int slot = 0; slot < loci_ && positions[slot] >= 0; ++slot)
        last = positions[slot];
    if (positions[0] < last && !StepsAlwaysMove(positions[0], last, resolution))
        return;

    // A step crosses over exactly when the drawn value is below this threshold (Chance).
    const int threshold = CrossOverThreshold(resolution);
    std::vector<std::string>& first = homologs_[0].alleles;
    std::vector<std::string>& second = homologs_[1].alleles;
    float pos = positions[0];
    while (pos < last) {
        if (RandomNext() < threshold) [[unlikely]] {
            for (int slot = 0; slot < loci_; ++slot)
                if (positions[slot] >= pos)
                    SwapAlleles(first[slot], second[slot]);
            pos += minDistance;
        }
        pos += resolution;
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

#pragma once

// The genetics model: chromosomes of allele texts, homologous pairs, gametes and diploid
// organisms. Ownership is plain: an organism owns its pairs, a pair its two chromosomes, a
// chromosome its allele texts. Copies between chromosomes are deep and go through Assign.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Allele texts: "w+" is the wild type of locus w, "w" its mutant, "-" a slot without a locus.
// Any text holding a "+" counts as wild type.
inline bool IsWildType(const std::string& allele) {
    return allele.find('+') != std::string::npos;
}

void SwapAlleles(std::string& a, std::string& b);

enum ChromosomeType : std::uint8_t { Autosome = 0, XChromosome = 1, YChromosome = 2 };

class CChromosome {
public:
    CChromosome(int count, std::uint8_t type);

    // Makes this chromosome an exact copy of the source: slot count, texts and type.
    void Assign(const CChromosome& source);
    int count() const { return static_cast<int>(alleles.size()); }

    // Slots are not bounds-checked: callers loop over count() or the genome's fixed slot count.
    std::vector<std::string> alleles;
    std::uint8_t type;
};

class CChromosomePair {
public:
    explicit CChromosomePair(int loci);

    // Homolog 0 (from the mother) or 1 (from the father); the pair keeps ownership.
    CChromosome* GetChr(int i);
    const CChromosome* GetChr(int i) const;
    // The genotype at a slot, "a/b", with homolog 0's allele first when it is wild type and
    // homolog 1's otherwise, so a heterozygote always reads wild type first.
    std::string GetAllelePair(int locus) const;

    // The crossing-over walk along the genetic map. positions holds one map position (cM) per
    // slot, ascending, -1 for an empty slot and every slot after it. Each step of `resolution`
    // map units crosses over with a chance of `resolution` percent and exchanges every slot at or
    // beyond the step; after a crossover `minDistance` map units are skipped. A resolution of 0
    // or less, or a negative minDistance, would never end: then nothing is exchanged. So would a
    // step too small to move a 32-bit position somewhere on the map: then nothing is exchanged
    // either.
    void CrossOver(const float* positions, float resolution, float minDistance);

    int loci() const { return loci_; }

private:
    CChromosome homologs_[2];
    int loci_;
};

// A haploid set: one chromosome per chromosome pair of the parent, in pair order.
class CGamete {
public:
    CGamete(int count, int loci);

    CChromosome* GetChr(int i);
    int count() const { return static_cast<int>(chromosomes_.size()); }

private:
    std::vector<CChromosome> chromosomes_;
};

// A diploid organism of `count` pairs of `loci` slots. In every pair homolog 0 came from the
// mother and homolog 1 from the father.
class TOrganism {
public:
    TOrganism(int count, int loci);
    virtual ~TOrganism() = default;

    CChromosomePair* GetPair(int i);
    const CChromosomePair* GetPair(int i) const;

    // Meiosis: one homolog of each pair, chosen at random. Owned by the caller.
    virtual std::unique_ptr<CGamete> MakeGamete() const;
    // Overwrites every pair with one gamete of each parent: the mother's chromosomes become
    // homolog 0, the father's homolog 1. Both gametes are made before anything is copied.
    void Fertilize(const TOrganism& mother, const TOrganism& father);

    int count() const { return static_cast<int>(pairs_.size()); }
    int loci() const { return loci_; }

private:
    std::vector<CChromosomePair> pairs_;
    int loci_;
};

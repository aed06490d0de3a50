#pragma once

// Flies of known genotype, and scratch files, for the core tests.

#include "fly/Drosophila.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>

namespace fixtures {

inline CDrosophila WildFemale() {
    CDrosophila fly;
    SetWildType(fly, 1);
    return fly;
}

// A wild-type male: X with every "+" allele, a Y of "-".
inline CDrosophila WildMale() {
    CDrosophila fly;
    SetWildType(fly, 0);
    return fly;
}

// Sets the alleles of one locus on both homologs (homolog 1 untouched where it is a Y).
inline void SetLocus(CDrosophila& fly, int pair, int slot, const std::string& homolog0,
                     const std::string& homolog1) {
    CChromosomePair& chromosomes = *fly.GetPair(pair);
    chromosomes.GetChr(0)->alleles[slot] = homolog0;
    if (chromosomes.GetChr(1)->type != YChromosome)
        chromosomes.GetChr(1)->alleles[slot] = homolog1;
}

// Makes the fly homozygous (or hemizygous) mutant at each listed locus.
inline void MakeMutant(CDrosophila& fly, std::initializer_list<std::pair<int, int>> loci) {
    for (auto [pair, slot] : loci) {
        const std::string symbol = LocusSymbols[pair][slot];
        SetLocus(fly, pair, slot, symbol, symbol);
    }
}

// A file in a fresh scratch folder, removed with the object.
class ScratchFolder {
public:
    ScratchFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("genotrix-test-" + std::to_string(std::rand()) + "-" +
                 std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Write(const std::string& name, const std::string& content) const {
        std::ofstream(File(name), std::ios::binary) << content;
        return File(name);
    }

private:
    std::filesystem::path path_;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace fixtures

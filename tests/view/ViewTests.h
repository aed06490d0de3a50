#pragma once

// Shared helpers of the view tests.

#include "fly/Drosophila.h"

#include <QString>
#include <initializer_list>
#include <string>

namespace viewtests {

// The program folder's data, made by the build.
inline QString DataFolder() {
    return QStringLiteral(GENOTRIX_PROGRAM_DIR "/Data/");
}

// A fly homozygous (hemizygous in a male) for the given mutations.
inline CDrosophila Fly(std::initializer_list<std::string> mutations, bool male = false) {
    CDrosophila fly;
    SetWildType(fly, male ? 0 : 1);
    for (const std::string& symbol : mutations)
        for (int pair = 0; pair < PairCount; ++pair)
            for (int slot = 0; slot < LociPerChromosome; ++slot)
                if (symbol == LocusSymbols[pair][slot])
                    for (int homolog : {Homolog1, Homolog2})
                        if (fly.GetPair(pair)->GetChr(homolog)->alleles[slot] != "-")
                            fly.GetPair(pair)->GetChr(homolog)->alleles[slot] = symbol;
    return fly;
}

// Loads the program's meshes and skins into the process-wide manager.
void LoadProgramResources();

} // namespace viewtests

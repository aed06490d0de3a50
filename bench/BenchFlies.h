#pragma once

// Flies the breeding benchmarks share.

#include "fly/Drosophila.h"

// A female heterozygous at every locus: mutant alleles on homolog 0, wild type on homolog 1.
inline CDrosophila HeterozygousMother() {
    CDrosophila fly;
    SetWildType(fly, 1);
    for (int pair = 0; pair < PairCount; ++pair)
        for (int slot = 0; slot < LociPerChromosome; ++slot)
            if (GetMapPosition(pair, slot) >= 0)
                fly.GetPair(pair)->GetChr(0)->alleles[slot] = LocusSymbols[pair][slot];
    return fly;
}

#pragma once

// The fruit fly: four chromosome pairs (X, 2, 3, 4) of seven slots carrying twenty loci, with
// sex carried by the X pair (homolog 0 always X; homolog 1 X in a female, Y in a male) and
// crossing-over in females only. Also the fly file format.

#include "genetics/Genetic.h"

#include <cstdint>
#include <memory>
#include <string>

inline constexpr int ChrX = 0;
inline constexpr int Chr2 = 1;
inline constexpr int Chr3 = 2;
inline constexpr int Chr4 = 3;
inline constexpr int Homolog1 = 0;
inline constexpr int Homolog2 = 1;
inline constexpr int PairCount = 4;
inline constexpr int LociPerChromosome = 7;

// X chromosome
inline constexpr int Locus_w = 0;
inline constexpr int Locus_rb = 1;
inline constexpr int Locus_cv = 2;
inline constexpr int Locus_t = 3;
inline constexpr int Locus_f = 4;
inline constexpr int Locus_B = 5;
// Chromosome 2
inline constexpr int Locus_al = 0;
inline constexpr int Locus_Cy = 1;
inline constexpr int Locus_b = 2;
inline constexpr int Locus_pr = 3;
inline constexpr int Locus_vg = 4;
inline constexpr int Locus_L = 5;
inline constexpr int Locus_c = 6;
// Chromosome 3
inline constexpr int Locus_jv = 0;
inline constexpr int Locus_se = 1;
inline constexpr int Locus_th = 2;
inline constexpr int Locus_cu = 3;
inline constexpr int Locus_sr = 4;
// Chromosome 4
inline constexpr int Locus_ci = 0;
inline constexpr int Locus_sv = 1;

// The genetic map in centimorgans, one row per pair; -1 marks a slot without a locus.
inline constexpr float MapPositions[PairCount][LociPerChromosome] = {
    {1.5f, 7.5f, 13.7f, 27.5f, 56.7f, 57.0f, -1.0f},
    {0.0f, 6.1f, 48.5f, 54.5f, 67.0f, 72.0f, 75.5f},
    {19.2f, 26.0f, 43.2f, 50.0f, 62.0f, -1.0f, -1.0f},
    {0.0f, 3.0f, -1.0f, -1.0f, -1.0f, -1.0f, -1.0f},
};

// Locus symbols by pair and slot; empty slots have an empty symbol.
inline constexpr const char* LocusSymbols[PairCount][LociPerChromosome] = {
    {"w", "rb", "cv", "t", "f", "B", ""},
    {"al", "Cy", "b", "pr", "vg", "L", "c"},
    {"jv", "se", "th", "cu", "sr", "", ""},
    {"ci", "sv", "", "", "", "", ""},
};

// Process-wide crossing-over parameters, read by every female meiosis (see CrossOver).
extern float CrossOverResolution;  // map units per step, and percent chance per step
extern float CrossOverMinDistance; // map units skipped after a crossover

class CDrosophila : public TOrganism {
public:
    // A blank fly: every slot "-", every type 0, sex undefined.
    CDrosophila();

    // Each pair is copied, a female's copy crosses over along MapPositions, then one homolog is
    // drawn. The fly itself is never changed.
    std::unique_ptr<CGamete> MakeGamete() const override;
};

// True for a female; raises when the sex is undefined.
bool IsFemale(const TOrganism& fly);
// Makes the fly wild type; sex 1 = female, 0 = male. Slots without a locus are not written.
void SetWildType(CDrosophila& fly, std::uint8_t sex);
// The map position of a slot; -1 when the slot holds no locus. No bounds check.
float GetMapPosition(int pair, int slot);

// What the fly-file reader does when the file cannot be opened.
enum class OpenFailure {
    Raise,       // raise "Could not open file: " + path (the laboratory)
    ReturnFalse, // return false, the fly unchanged (the chromosome editor)
};

// Fills the fly from a fly file. Each allele token must start with the same character as the
// allele in its place, unless either is "-"; otherwise "Corrupt file." is raised with the fly
// partly loaded. A file that ends early, or holds a token too long to be an allele, is corrupt.
bool LoadFromFile(CDrosophila& fly, const std::string& path,
                  OpenFailure onOpenFailure = OpenFailure::Raise);
// Writes the fly file, replacing any file of that name. The sex is checked before the file is
// opened, so an undefined-sex fly leaves an existing file untouched.
void SaveToFile(const CDrosophila& fly, const std::string& path);

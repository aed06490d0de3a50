#pragma once

// The visible traits of a fly, worked out from its genotype: nine trait codes and the phenotype
// name under which generations count their flies. A plain value, computed again when needed.

#include <cstdint>
#include <string>

class TOrganism;

// Trait codes, one numbering shared by all categories; 0 is the wild type of each.
enum TraitCode : std::uint8_t {
    WildTrait = 0,
    WhiteEyes = 1,
    RubyEyes = 2,
    PurpleEyes = 3,
    SepiaEyes = 4,
    BarEyes = 5,
    LobeEyes = 6,
    Male = 7,
    Female = 8,
    TanBody = 9,
    BlackBody = 10,
    StripeThorax = 11,
    ForkedBristles = 12,
    JavelinBristles = 13,
    ShavenBristles = 14,
    VestigialWings = 15,
    CurledWings = 16,
    CurlyWings = 17,
    CurvedWings = 18,
    CrossveinlessVeins = 19,
    CubitusInterruptusVeins = 20,
    AristalessAntenna = 21,
    ThreadArista = 22,
};

// Where several eye-colour mutations show, the laboratory takes the first in the order white,
// ruby, purple, sepia; the chromosome editor the last.
enum class EyeColourRule { FirstMatch, LastMatch };

class CDrosPhenotype {
public:
    CDrosPhenotype() = default;
    explicit CDrosPhenotype(const TOrganism* fly) { Determine(fly); }

    // Clears to a wild-type female, then sets every code from the fly's genotype.
    void Determine(const TOrganism* fly, EyeColourRule rule = EyeColourRule::FirstMatch);
    // "Wild", or the mutant symbols joined by ", "; with withSex " (M)" or " (F)" follows.
    std::string GetText(bool withSex) const;

    std::uint8_t eyeColor = WildTrait;
    std::uint8_t eyeShape = WildTrait;
    std::uint8_t sex = Female;
    std::uint8_t bodyColor = WildTrait;
    std::uint8_t thorax = WildTrait;
    std::uint8_t bristles = WildTrait;
    std::uint8_t wings = WildTrait;
    std::uint8_t wingVeins = WildTrait;
    std::uint8_t antenna = WildTrait;
};

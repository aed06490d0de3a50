#include "FlyFixtures.h"
#include "fly/Error.h"
#include "phenotype/Drosphen.h"

#include <gtest/gtest.h>

namespace {

using namespace fixtures;

struct Case {
    const char* name;
    CDrosophila fly;
    EyeColourRule rule;
    CDrosPhenotype expected;
    const char* text; // GetText(true)
};

CDrosPhenotype Codes(std::initializer_list<std::pair<std::uint8_t CDrosPhenotype::*, int>> codes) {
    CDrosPhenotype phenotype;
    for (auto [field, value] : codes)
        phenotype.*field = static_cast<std::uint8_t>(value);
    return phenotype;
}

CDrosophila Female(std::initializer_list<std::pair<int, int>> mutant = {}) {
    CDrosophila fly = WildFemale();
    MakeMutant(fly, mutant);
    return fly;
}

CDrosophila MaleFly(std::initializer_list<std::pair<int, int>> mutant = {}) {
    CDrosophila fly = WildMale();
    MakeMutant(fly, mutant);
    return fly;
}

CDrosophila Heterozygous(int pair, int slot, bool male = false) {
    CDrosophila fly = male ? WildMale() : WildFemale();
    const std::string symbol = LocusSymbols[pair][slot];
    SetLocus(fly, pair, slot, symbol, symbol + "+");
    return fly;
}

using P = CDrosPhenotype;

std::vector<Case> Cases() {
    const auto first = EyeColourRule::FirstMatch;
    const auto last = EyeColourRule::LastMatch;
    return {
        {"wild female", Female(), first, Codes({}), "Wild (F)"},
        {"wild male", MaleFly(), first, Codes({{&P::sex, Male}}), "Wild (M)"},
        {"white male (hemizygous)", MaleFly({{ChrX, Locus_w}}), first,
         Codes({{&P::sex, Male}, {&P::eyeColor, WhiteEyes}}), "w (M)"},
        {"heterozygous white female", Heterozygous(ChrX, Locus_w), first, Codes({}), "Wild (F)"},
        {"Bar heterozygote", Heterozygous(ChrX, Locus_B), first, Codes({{&P::eyeShape, BarEyes}}),
         "B (F)"},
        {"Bar homozygote", Female({{ChrX, Locus_B}}), first, Codes({{&P::eyeShape, BarEyes}}),
         "B (F)"},
        {"Bar male", MaleFly({{ChrX, Locus_B}}), first,
         Codes({{&P::sex, Male}, {&P::eyeShape, BarEyes}}), "B (M)"},
        {"Bar beats Lobe", Female({{ChrX, Locus_B}, {Chr2, Locus_L}}), first,
         Codes({{&P::eyeShape, BarEyes}}), "B (F)"},
        {"Lobe heterozygote", Heterozygous(Chr2, Locus_L), first, Codes({{&P::eyeShape, LobeEyes}}),
         "L (F)"},
        {"Curly heterozygote", Heterozygous(Chr2, Locus_Cy), first,
         Codes({{&P::wings, CurlyWings}}), "Cy (F)"},
        {"vestigial beats Curly", Female({{Chr2, Locus_vg}, {Chr2, Locus_Cy}}), first,
         Codes({{&P::wings, VestigialWings}}), "vg (F)"},
        {"white and sepia, laboratory", Female({{ChrX, Locus_w}, {Chr3, Locus_se}}), first,
         Codes({{&P::eyeColor, WhiteEyes}}), "w (F)"},
        {"white and sepia, editor", Female({{ChrX, Locus_w}, {Chr3, Locus_se}}), last,
         Codes({{&P::eyeColor, SepiaEyes}}), "se (F)"},
        {"tan beats black", Female({{ChrX, Locus_t}, {Chr2, Locus_b}}), first,
         Codes({{&P::bodyColor, TanBody}}), "t (F)"},
        {"forked beats javelin and shaven",
         Female({{ChrX, Locus_f}, {Chr3, Locus_jv}, {Chr4, Locus_sv}}), first,
         Codes({{&P::bristles, ForkedBristles}}), "f (F)"},
        {"one of each category",
         Female({{Chr2, Locus_pr},
                 {Chr2, Locus_L},
                 {Chr2, Locus_b},
                 {Chr3, Locus_sr},
                 {Chr3, Locus_jv},
                 {Chr3, Locus_cu},
                 {Chr4, Locus_ci},
                 {Chr3, Locus_th}}),
         first,
         Codes({{&P::eyeColor, PurpleEyes},
                {&P::eyeShape, LobeEyes},
                {&P::bodyColor, BlackBody},
                {&P::thorax, StripeThorax},
                {&P::bristles, JavelinBristles},
                {&P::wings, CurledWings},
                {&P::wingVeins, CubitusInterruptusVeins},
                {&P::antenna, ThreadArista}}),
         "pr, L, b, sr, jv, cu, ci, th (F)"},
        {"the rest",
         Female({{ChrX, Locus_rb}, {ChrX, Locus_cv}, {Chr2, Locus_c}, {Chr2, Locus_al}}), first,
         Codes({{&P::eyeColor, RubyEyes},
                {&P::wings, CurvedWings},
                {&P::wingVeins, CrossveinlessVeins},
                {&P::antenna, AristalessAntenna}}),
         "rb, c, cv, al (F)"},
        {"shaven alone", Female({{Chr4, Locus_sv}}), first, Codes({{&P::bristles, ShavenBristles}}),
         "sv (F)"},
    };
}

bool operator==(const CDrosPhenotype& a, const CDrosPhenotype& b) {
    return a.eyeColor == b.eyeColor && a.eyeShape == b.eyeShape && a.sex == b.sex &&
           a.bodyColor == b.bodyColor && a.thorax == b.thorax && a.bristles == b.bristles &&
           a.wings == b.wings && a.wingVeins == b.wingVeins && a.antenna == b.antenna;
}

TEST(Phenotype, DeterminesCodesAndNames) {
    for (const Case& c : Cases()) {
        CDrosPhenotype phenotype;
        phenotype.Determine(&c.fly, c.rule);
        EXPECT_TRUE(phenotype == c.expected) << c.name;
        EXPECT_EQ(phenotype.GetText(true), c.text) << c.name;
    }
}

TEST(Phenotype, NameWithoutSexAndBarCurlyCubitus) {
    CDrosophila fly = Female({{ChrX, Locus_w}, {Chr2, Locus_vg}});
    EXPECT_EQ(CDrosPhenotype(&fly).GetText(false), "w, vg");
    fly = Female();
    SetLocus(fly, ChrX, Locus_B, "B", "B+");
    SetLocus(fly, Chr2, Locus_Cy, "Cy", "Cy+");
    MakeMutant(fly, {{Chr4, Locus_ci}});
    EXPECT_EQ(CDrosPhenotype(&fly).GetText(false), "B, Cy, ci");
    EXPECT_EQ(CDrosPhenotype().GetText(false), "Wild");
}

TEST(Phenotype, DetermineStartsFromAClearedState) {
    CDrosophila mutant = MaleFly({{ChrX, Locus_w}, {Chr2, Locus_vg}});
    CDrosophila wild = Female();
    CDrosPhenotype phenotype(&mutant);
    phenotype.Determine(&wild);
    EXPECT_TRUE(phenotype == CDrosPhenotype());
}

TEST(Phenotype, SexlessFlyRaises) {
    CDrosophila blank;
    CDrosPhenotype phenotype;
    EXPECT_THROW(phenotype.Determine(&blank), CGeneralError);
}

} // namespace

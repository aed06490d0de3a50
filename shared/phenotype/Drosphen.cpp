#include "phenotype/Drosphen.h"

#include "fly/Drosophila.h"

#include <array>
#include <initializer_list>

namespace {

bool Recessive(const std::string& pairText) {
    return !IsWildType(pairText);
}

bool OneOf(const std::string& pairText, std::initializer_list<const char*> texts) {
    for (const char* text : texts)
        if (pairText == text)
            return true;
    return false;
}

// The symbol of each trait code, as it appears in the phenotype name.
constexpr std::array<const char*, 23> TraitSymbols = {
    "",  "w",  "rb", "pr", "se", "B",  "L", "",   "",   "t",  "b",  "sr",
    "f", "jv", "sv", "vg", "cu", "Cy", "c", "cv", "ci", "al", "th",
};

} // namespace

void CDrosPhenotype::Determine(const TOrganism* fly, EyeColourRule rule) {
    *this = CDrosPhenotype();
    const CChromosomePair& x = *fly->GetPair(ChrX);
    const CChromosomePair& two = *fly->GetPair(Chr2);
    const CChromosomePair& three = *fly->GetPair(Chr3);
    const CChromosomePair& four = *fly->GetPair(Chr4);

    const std::string w = x.GetAllelePair(Locus_w);
    const std::string rb = x.GetAllelePair(Locus_rb);
    const std::string cv = x.GetAllelePair(Locus_cv);
    const std::string t = x.GetAllelePair(Locus_t);
    const std::string f = x.GetAllelePair(Locus_f);
    const std::string B = x.GetAllelePair(Locus_B);
    const std::string al = two.GetAllelePair(Locus_al);
    const std::string Cy = two.GetAllelePair(Locus_Cy);
    const std::string b = two.GetAllelePair(Locus_b);
    const std::string pr = two.GetAllelePair(Locus_pr);
    const std::string vg = two.GetAllelePair(Locus_vg);
    const std::string L = two.GetAllelePair(Locus_L);
    const std::string c = two.GetAllelePair(Locus_c);
    const std::string jv = three.GetAllelePair(Locus_jv);
    const std::string se = three.GetAllelePair(Locus_se);
    const std::string th = three.GetAllelePair(Locus_th);
    const std::string cu = three.GetAllelePair(Locus_cu);
    const std::string sr = three.GetAllelePair(Locus_sr);
    const std::string ci = four.GetAllelePair(Locus_ci);
    const std::string sv = four.GetAllelePair(Locus_sv);

    const std::pair<const std::string*, TraitCode> eyeColours[] = {
        {&w, WhiteEyes}, {&rb, RubyEyes}, {&pr, PurpleEyes}, {&se, SepiaEyes}};
    for (const auto& [pairText, code] : eyeColours) {
        if (Recessive(*pairText)) {
            eyeColor = code;
            if (rule == EyeColourRule::FirstMatch)
                break;
        }
    }

    if (OneOf(B, {"B+/B", "B/B", "B/-", "-/B"}))
        eyeShape = BarEyes;
    else if (OneOf(L, {"L+/L", "L/L"}))
        eyeShape = LobeEyes;

    if (!IsFemale(*fly))
        sex = Male;

    if (Recessive(t))
        bodyColor = TanBody;
    else if (Recessive(b))
        bodyColor = BlackBody;

    if (Recessive(sr))
        thorax = StripeThorax;

    if (Recessive(f))
        bristles = ForkedBristles;
    else if (Recessive(jv))
        bristles = JavelinBristles;
    else if (Recessive(sv))
        bristles = ShavenBristles;

    if (Recessive(vg))
        wings = VestigialWings;
    else if (Recessive(cu))
        wings = CurledWings;
    else if (OneOf(Cy, {"Cy+/Cy", "Cy/Cy"}))
        wings = CurlyWings;
    else if (Recessive(c))
        wings = CurvedWings;

    if (Recessive(cv))
        wingVeins = CrossveinlessVeins;
    else if (Recessive(ci))
        wingVeins = CubitusInterruptusVeins;

    if (Recessive(al))
        antenna = AristalessAntenna;
    else if (Recessive(th))
        antenna = ThreadArista;
}

std::string CDrosPhenotype::GetText(bool withSex) const {
    std::string text;
    for (std::uint8_t code :
         {eyeColor, eyeShape, bodyColor, thorax, bristles, wings, wingVeins, antenna}) {
        if (code != WildTrait) {
            text += ", ";
            text += TraitSymbols[code];
        }
    }
    if (text.empty())
        text = "Wild";
    else
        text.erase(0, 2);
    if (withSex)
        text += sex == Male ? " (M)" : " (F)";
    return text;
}

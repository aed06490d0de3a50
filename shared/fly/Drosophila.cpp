#include "fly/Drosophila.h"

#include "fly/Error.h"
#include "genetics/Random.h"

#include <cctype>
#include <filesystem>
#include <fstream>

float CrossOverResolution = 0.04f;
float CrossOverMinDistance = 10.0f;

CDrosophila::CDrosophila() : TOrganism(PairCount, LociPerChromosome) {}

std::unique_ptr<CGamete> CDrosophila::MakeGamete() const {
    const bool female = IsFemale(*this);
    auto gamete = std::make_unique<CGamete>(PairCount, LociPerChromosome);
    CChromosomePair copy(LociPerChromosome);
    for (int i = 0; i < PairCount; ++i) {
        const CChromosomePair& pair = *GetPair(i);
        copy.GetChr(0)->Assign(*pair.GetChr(0));
        copy.GetChr(1)->Assign(*pair.GetChr(1));
        if (female)
            copy.CrossOver(MapPositions[i], CrossOverResolution, CrossOverMinDistance);
        gamete->GetChr(i)->Assign(*copy.GetChr(RandomInt(0, 1)));
    }
    return gamete;
}

bool IsFemale(const TOrganism& fly) {
    const CChromosomePair& sexPair = *fly.GetPair(ChrX);
    const std::uint8_t a = sexPair.GetChr(0)->type;
    const std::uint8_t b = sexPair.GetChr(1)->type;
    if (a == 0 || b == 0)
        throw CGeneralError("Fatal error. Fruit fly is neither male nor female!");
    return a == b;
}

void SetWildType(CDrosophila& fly, std::uint8_t sex) {
    if (sex != 0 && sex != 1)
        throw CGeneralError("Fatal error! Fruit fly is neither male nor female!");
    const bool female = sex == 1;
    for (int pair = 0; pair < PairCount; ++pair) {
        CChromosomePair& chromosomes = *fly.GetPair(pair);
        for (int homolog = 0; homolog < 2; ++homolog) {
            CChromosome& chromosome = *chromosomes.GetChr(homolog);
            if (pair == ChrX)
                chromosome.type = homolog == 0 || female ? XChromosome : YChromosome;
            if (pair == ChrX && homolog == 1 && !female)
                continue; // the Y carries no loci
            for (int slot = 0; slot < LociPerChromosome; ++slot)
                if (MapPositions[pair][slot] >= 0)
                    chromosome.alleles[slot] = std::string(LocusSymbols[pair][slot]) + "+";
        }
    }
}

float GetMapPosition(int pair, int slot) {
    return MapPositions[pair][slot];
}

namespace {

// No allele comes close; a longer token means the file is not a fly file.
constexpr std::size_t MaxTokenLength = 255;

[[noreturn]] void ThrowCorrupt() {
    throw CGeneralError("Corrupt file.");
}

// The next white-space separated token. A file that ends before it is corrupt.
std::string ReadToken(std::istream& in) {
    std::string token;
    int c = in.get();
    while (c != EOF && std::isspace(c))
        c = in.get();
    while (c != EOF && !std::isspace(c)) {
        if (token.size() == MaxTokenLength)
            ThrowCorrupt();
        token.push_back(static_cast<char>(c));
        c = in.get();
    }
    if (token.empty())
        ThrowCorrupt();
    return token;
}

} // namespace

bool LoadFromFile(CDrosophila& fly, const std::string& path, OpenFailure onOpenFailure) {
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, error))
        in.open(path, std::ios::binary);
    if (!in.is_open()) {
        if (onOpenFailure == OpenFailure::ReturnFalse)
            return false;
        throw CGeneralError("Could not open file: " + path);
    }

    const std::string sex = ReadToken(in);
    CChromosomePair& sexPair = *fly.GetPair(ChrX);
    if (sex == "[M]")
        sexPair.GetChr(1)->type = YChromosome;
    else if (sex == "[F]")
        sexPair.GetChr(1)->type = XChromosome;
    sexPair.GetChr(0)->type = XChromosome;

    for (int pair = 0; pair < PairCount; ++pair) {
        CChromosomePair& chromosomes = *fly.GetPair(pair);
        for (int slot = 0; slot < LociPerChromosome; ++slot) {
            for (int homolog = 0; homolog < 2; ++homolog) {
                std::string token = ReadToken(in);
                std::string& place = chromosomes.GetChr(homolog)->alleles[slot];
                if (token != "-" && place != "-" && token[0] != place[0])
                    ThrowCorrupt();
                place = std::move(token);
            }
        }
    }
    return true;
}

void SaveToFile(const CDrosophila& fly, const std::string& path) {
    const bool female = IsFemale(fly);
    std::ofstream out(path, std::ios::trunc);
    if (!out.is_open())
        throw CGeneralError("Could not write to file.");
    out << (female ? "[F]" : "[M]") << '\n';
    for (int pair = 0; pair < fly.count(); ++pair) {
        const CChromosomePair& chromosomes = *fly.GetPair(pair);
        for (int slot = 0; slot < fly.loci(); ++slot)
            out << chromosomes.GetChr(0)->alleles[slot] << ' '
                << chromosomes.GetChr(1)->alleles[slot] << '\n';
    }
    out.close();
    if (out.fail())
        throw CGeneralError("Could not write to file.");
}

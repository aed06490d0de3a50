#include "fly/Error.h"
#include "genetics/Genetic.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CGeneralError& error) {
        return error.message;
    }
    return "no error";
}

TEST(Chromosome, NewChromosomeIsEmptyWithItsType) {
    CChromosome chromosome(7, XChromosome);
    EXPECT_EQ(chromosome.count(), 7);
    EXPECT_EQ(chromosome.type, XChromosome);
    for (const std::string& allele : chromosome.alleles)
        EXPECT_EQ(allele, "-");
}

TEST(Chromosome, AssignCopiesLengthTextsAndType) {
    CChromosome source(5, YChromosome);
    source.alleles = {"w+", "rb", "-", "t+", "f"};
    CChromosome target(7, Autosome);
    target.Assign(source);
    EXPECT_EQ(target.count(), 5);
    EXPECT_EQ(target.alleles, source.alleles);
    EXPECT_EQ(target.type, YChromosome);
    source.alleles[0] = "w"; // deep copy
    EXPECT_EQ(target.alleles[0], "w+");
}

TEST(Chromosome, SwapAllelesExchangesTexts) {
    std::string a = "w+", b = "w";
    SwapAlleles(a, b);
    EXPECT_EQ(a, "w");
    EXPECT_EQ(b, "w+");
}

TEST(ChromosomePair, NewPairHoldsTwoBlankAutosomes) {
    CChromosomePair pair(7);
    EXPECT_NE(pair.GetChr(0), pair.GetChr(1));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(pair.GetChr(i)->type, Autosome);
        EXPECT_EQ(pair.GetChr(i)->alleles, std::vector<std::string>(7, "-"));
    }
}

TEST(ChromosomePair, AccessorsCheckTheirBounds) {
    CChromosomePair pair(7);
    const std::string chrError =
        "Invalid operation in function CChromosomePair::GetChr(). Memory out of reach.";
    const std::string alleleError =
        "Invalid operation in function CChromosomePair::GetAllelePair(). Memory out of reach.";
    EXPECT_EQ(ErrorOf([&] { pair.GetChr(2); }), chrError);
    EXPECT_EQ(ErrorOf([&] { pair.GetChr(-1); }), chrError);
    EXPECT_EQ(ErrorOf([&] { pair.GetAllelePair(7); }), alleleError);
    EXPECT_EQ(ErrorOf([&] { pair.GetAllelePair(-1); }), alleleError);
    EXPECT_EQ(pair.GetAllelePair(6), "-/-");
}

TEST(ChromosomePair, AllelePairReadsWildTypeFirst) {
    const struct {
        const char* homolog0;
        const char* homolog1;
        const char* expected;
    } cases[] = {
        {"w+", "w", "w+/w"}, {"w", "w+", "w+/w"}, {"w+", "w+", "w+/w+"}, {"w", "w", "w/w"},
        {"B", "-", "-/B"},   {"B+", "-", "B+/-"}, {"-", "-", "-/-"},
    };
    for (const auto& c : cases) {
        CChromosomePair pair(1);
        pair.GetChr(0)->alleles[0] = c.homolog0;
        pair.GetChr(1)->alleles[0] = c.homolog1;
        EXPECT_EQ(pair.GetAllelePair(0), c.expected) << c.homolog0 << " " << c.homolog1;
    }
}

TEST(Gamete, HoldsBlankChromosomesAndChecksBounds) {
    CGamete gamete(4, 7);
    EXPECT_EQ(gamete.GetChr(3)->alleles, std::vector<std::string>(7, "-"));
    EXPECT_EQ(gamete.GetChr(0)->type, Autosome);
    const std::string message =
        "Invalid operation in function CGamete::GetChr(). Memory out of reach.";
    EXPECT_EQ(ErrorOf([&] { gamete.GetChr(4); }), message);
    EXPECT_EQ(ErrorOf([&] { gamete.GetChr(-1); }), message);
}

} // namespace

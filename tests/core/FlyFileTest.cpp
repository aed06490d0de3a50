#include "FlyFixtures.h"
#include "fly/Error.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using namespace fixtures;

const std::string WildFemaleFile = "[F]\n"
                                   "w+ w+\nrb+ rb+\ncv+ cv+\nt+ t+\nf+ f+\nB+ B+\n- -\n"
                                   "al+ al+\nCy+ Cy+\nb+ b+\npr+ pr+\nvg+ vg+\nL+ L+\nc+ c+\n"
                                   "jv+ jv+\nse+ se+\nth+ th+\ncu+ cu+\nsr+ sr+\n- -\n- -\n"
                                   "ci+ ci+\nsv+ sv+\n- -\n- -\n- -\n- -\n- -\n";

std::string ErrorLoading(CDrosophila& fly, const std::string& path) {
    try {
        LoadFromFile(fly, path);
    } catch (const CGeneralError& error) {
        return error.message;
    }
    return "no error";
}

bool SameGenotype(const CDrosophila& a, const CDrosophila& b) {
    for (int pair = 0; pair < PairCount; ++pair)
        for (int h = 0; h < 2; ++h)
            if (a.GetPair(pair)->GetChr(h)->alleles != b.GetPair(pair)->GetChr(h)->alleles ||
                a.GetPair(pair)->GetChr(h)->type != b.GetPair(pair)->GetChr(h)->type)
                return false;
    return true;
}

TEST(FlyFile, WritesTheDocumentedLayout) {
    ScratchFolder folder;
    SaveToFile(WildFemale(), folder.File("wild.fly"));
    EXPECT_EQ(ReadAll(folder.File("wild.fly")), WildFemaleFile);

    CDrosophila male = WildMale();
    MakeMutant(male, {{ChrX, Locus_w}});
    SaveToFile(male, folder.File("white.fly"));
    const std::string text = ReadAll(folder.File("white.fly"));
    EXPECT_EQ(text.substr(0, 42), "[M]\nw -\nrb+ -\ncv+ -\nt+ -\nf+ -\nB+ -\n- -\nal+");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 29);
}

TEST(FlyFile, RoundTripGivesAnEqualFly) {
    ScratchFolder folder;
    CDrosophila original = WildFemale();
    SetLocus(original, Chr2, Locus_vg, "vg", "vg+");
    SetLocus(original, ChrX, Locus_B, "B+", "B");
    SaveToFile(original, folder.File("fly.fly"));
    CDrosophila loaded;
    EXPECT_TRUE(LoadFromFile(loaded, folder.File("fly.fly")));
    EXPECT_TRUE(SameGenotype(original, loaded));
}

TEST(FlyFile, AnyWhiteSpaceSeparatesTokens) {
    ScratchFolder folder;
    std::string oneLine = WildFemaleFile, tabs = WildFemaleFile, crlf;
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    std::replace(tabs.begin(), tabs.end(), ' ', '\t');
    for (char c : WildFemaleFile)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& content : {oneLine, tabs, "  \n" + crlf}) {
        CDrosophila fly;
        LoadFromFile(fly, folder.Write("fly.fly", content));
        EXPECT_TRUE(SameGenotype(fly, WildFemale()));
    }
}

TEST(FlyFile, MaleFileGivesAMale) {
    ScratchFolder folder;
    std::string text = WildFemaleFile;
    text.replace(0, 3, "[M]");
    for (const char* locus : {"w+", "rb+", "cv+", "t+", "f+", "B+"})
        text.replace(text.find(std::string(locus) + " " + locus), 2 * strlen(locus) + 1,
                     std::string(locus) + " -");
    CDrosophila fly;
    LoadFromFile(fly, folder.Write("male.fly", text));
    EXPECT_FALSE(IsFemale(fly));
    EXPECT_EQ(fly.GetPair(ChrX)->GetAllelePair(Locus_w), "w+/-");
}

TEST(FlyFile, TokensMustMatchTheLocusInPlace) {
    ScratchFolder folder;
    std::string wrongLocus = WildFemaleFile;
    wrongLocus.replace(4, 5, "rb+ w+");
    CDrosophila fly = WildFemale();
    EXPECT_EQ(ErrorLoading(fly, folder.Write("bad.fly", wrongLocus)), "Corrupt file.");
    EXPECT_EQ(fly.GetPair(ChrX)->GetChr(0)->alleles[Locus_w], "w+"); // nothing taken

    // A later bad token leaves the fly partly loaded.
    std::string late = WildFemaleFile;
    late.replace(late.find("al+ al+"), 7, "al b+");
    CDrosophila partly = WildFemale();
    EXPECT_EQ(ErrorLoading(partly, folder.Write("late.fly", late)), "Corrupt file.");
    EXPECT_EQ(partly.GetPair(Chr2)->GetChr(0)->alleles[Locus_al], "al");
    EXPECT_EQ(partly.GetPair(Chr2)->GetChr(1)->alleles[Locus_al], "al+");
    EXPECT_EQ(partly.GetPair(ChrX)->GetChr(1)->alleles[Locus_B], "B+");
}

TEST(FlyFile, DashClearsAndBlankFlyAcceptsAnything) {
    ScratchFolder folder;
    std::string dash = WildFemaleFile;
    dash.replace(4, 5, "- w+");
    CDrosophila fly = WildFemale();
    LoadFromFile(fly, folder.Write("dash.fly", dash));
    EXPECT_EQ(fly.GetPair(ChrX)->GetChr(0)->alleles[Locus_w], "-");

    std::string odd = WildFemaleFile;
    odd.replace(4, 5, "rb+ x");
    CDrosophila blank;
    LoadFromFile(blank, folder.Write("odd.fly", odd));
    EXPECT_EQ(blank.GetPair(ChrX)->GetChr(0)->alleles[0], "rb+");
}

TEST(FlyFile, UnknownSexTokenLeavesTheSexUndefined) {
    ScratchFolder folder;
    std::string text = WildFemaleFile;
    text.replace(0, 3, "[X]");
    CDrosophila fly;
    EXPECT_TRUE(LoadFromFile(fly, folder.Write("x.fly", text)));
    EXPECT_EQ(fly.GetPair(ChrX)->GetChr(0)->type, XChromosome);
    try {
        SaveToFile(fly, folder.File("out.fly"));
        FAIL();
    } catch (const CGeneralError& error) {
        EXPECT_EQ(error.message, "Fatal error. Fruit fly is neither male nor female!");
    }
}

TEST(FlyFile, OpenFailureRaisesOrReturnsFalse) {
    const std::string missing = "/nonexistent folder/no such.fly";
    CDrosophila fly = WildFemale();
    EXPECT_EQ(ErrorLoading(fly, missing), "Could not open file: " + missing);
    EXPECT_FALSE(LoadFromFile(fly, missing, OpenFailure::ReturnFalse));
    EXPECT_TRUE(SameGenotype(fly, WildFemale()));
}

TEST(FlyFile, MalformedInputIsCorrupt) {
    ScratchFolder folder;
    std::string garbage(4096, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 7919) % 256);
    const struct {
        const char* name;
        std::string content;
        bool blankFlyAccepts = false;
    } cases[] = {
        {"empty", ""},
        {"only white space", " \n\t\r\n"},
        {"sex token only", "[F]\n"},
        {"one allele short", WildFemaleFile.substr(0, WildFemaleFile.rfind("- -"))},
        {"huge token", "[F] " + std::string(3'000'000, 'w')},
        {"token of 256 bytes", "[F] " + std::string(256, 'w')},
        {"binary garbage", garbage, true}, // enough short tokens, and a blank fly takes any
    };
    for (const auto& c : cases) {
        const std::string path = folder.Write("bad.fly", c.content);
        CDrosophila blank, wild = WildFemale();
        EXPECT_EQ(ErrorLoading(blank, path), c.blankFlyAccepts ? "no error" : "Corrupt file.")
            << c.name;
        EXPECT_EQ(ErrorLoading(wild, path), "Corrupt file.") << c.name;
    }
    CDrosophila fly;
    const std::string directory = folder.File("");
    EXPECT_NE(ErrorLoading(fly, directory), "no error");
}

TEST(FlyFile, SavingASexlessFlyLeavesAnExistingFileAlone) {
    ScratchFolder folder;
    const std::string path = folder.Write("keep.fly", WildFemaleFile);
    EXPECT_THROW(SaveToFile(CDrosophila(), path), CGeneralError);
    EXPECT_EQ(ReadAll(path), WildFemaleFile);
}

TEST(FlyFile, FailedWritesAreReported) {
    const struct { const char* path; } cases[] = {{"/nonexistent folder/fly.fly"}, {"/dev/full"}};
    for (const auto& c : cases) {
        if (std::string(c.path) == "/dev/full" && !std::filesystem::exists(c.path))
            continue;
        try {
            SaveToFile(WildFemale(), c.path);
            ADD_FAILURE() << c.path;
        } catch (const CGeneralError& error) {
            EXPECT_EQ(error.message, "Could not write to file.") << c.path;
        }
    }
}

} // namespace

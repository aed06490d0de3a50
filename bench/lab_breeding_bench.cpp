// Breeding through the laboratory's experiment window against the bare core: a 50000-offspring
// table generation of the same parents, bred both ways in the same run. Run it under an X
// server (xvfb-run). The two alternate, so that both meet the same load of the machine. Prints
// gui_ms and core_ms, medians of several runs, and last gui_over_core, the median of the runs'
// ratios.

#include "ChildWin.h"
#include "ProgramFolder.h"
#include "fly/Drosophila.h"
#include "genetics/Random.h"
#include "phenotype/Drosphen.h"
#include "tools/Settings.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int Offspring = 50000;
constexpr int Runs = 9;
constexpr std::uint64_t Seed = 20261211;

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A female heterozygous at every locus: mutant alleles on homolog 0, wild type on homolog 1.
CDrosophila HeterozygousMother() {
    CDrosophila fly;
    SetWildType(fly, 1);
    for (int pair = 0; pair < PairCount; ++pair)
        for (int slot = 0; slot < LociPerChromosome; ++slot)
            if (GetMapPosition(pair, slot) >= 0)
                fly.GetPair(pair)->GetChr(0)->alleles[slot] = LocusSymbols[pair][slot];
    return fly;
}

// The core's own breeding of a table generation: fertilize, name the phenotype, count it.
std::size_t CoreBreeding(const CDrosophila& mother, const CDrosophila& father) {
    std::unordered_map<std::string, int> tally;
    for (int i = 0; i < Offspring; ++i) {
        auto child = std::make_unique<CDrosophila>();
        child->Fertilize(mother, father);
        ++tally[CDrosPhenotype(child.get()).GetText(false)];
    }
    return tally.size();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    settings().LoadSettings();

    CDrosophila father;
    SetWildType(father, 0);
    const QString maleFile = folder.filePath("father.fly");
    const QString femaleFile = folder.filePath("mother.fly");
    SaveToFile(father, QFile::encodeName(maleFile).toStdString());
    SaveToFile(HeterozygousMother(), QFile::encodeName(femaleFile).toStdString());

    TExperimentForm experiment;
    experiment.MaleParentFile = maleFile;
    experiment.FemaleParentFile = femaleFile;
    experiment.show();
    if (!experiment.CreateParentalGeneration("P1"))
        return 1;
    DrosophilaIcon* const dad = experiment.NextFather;
    DrosophilaIcon* const mum = experiment.NextMother;

    std::vector<double> guiTimes, coreTimes, ratios;
    std::size_t phenotypes = 0;
    for (int run = 0; run < Runs; ++run) {
        experiment.NextFather = dad;
        experiment.NextMother = mum;
        RandomSeed(Seed + run);
        const Clock::time_point guiStart = Clock::now();
        experiment.BreedGeneration(Offspring, "F1", Table);
        guiTimes.push_back(Milliseconds(Clock::now() - guiStart));

        RandomSeed(Seed + run);
        const Clock::time_point coreStart = Clock::now();
        phenotypes += CoreBreeding(*mum->Fly, *dad->Fly);
        coreTimes.push_back(Milliseconds(Clock::now() - coreStart));
        ratios.push_back(guiTimes.back() / coreTimes.back());
    }
    std::printf("phenotypes %zu\ngui_ms %.1f\ncore_ms %.1f\ngui_over_core %.3f\n",
                phenotypes / Runs, Median(guiTimes), Median(coreTimes), Median(ratios));
    return 0;
}

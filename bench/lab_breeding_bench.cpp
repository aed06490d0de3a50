// Breeding through the laboratory's experiment window against the bare core: a 50000-offspring
// table generation of the same parents, bred both ways in the same run, alternately, several
// times. Run it under an X server (xvfb-run).
//
// Prints the medians of the wall-clock times and of the processor times the program spent, and
// last gui_over_core, the ratio of the processor times: on a machine shared with other work the
// wall clock mostly measures the others, the processor time what breeding itself costs.

#include "BenchFlies.h"
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
#include <ctime>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int Offspring = 50000;
constexpr int Runs = 7;
constexpr std::uint64_t Seed = 20261211;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Wall-clock and processor milliseconds of each run of one way of breeding.
struct Times {
    std::vector<double> wall;
    std::vector<double> processor;

    void Measure(const std::function<void()>& breed) {
        const auto wallStart = std::chrono::steady_clock::now();
        const std::clock_t processorStart = std::clock();
        breed();
        processor.push_back((std::clock() - processorStart) * 1000.0 / CLOCKS_PER_SEC);
        wall.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart)
                .count());
    }
};

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

    Times gui, core;
    std::size_t phenotypes = 0;
    for (int run = 0; run < Runs; ++run) {
        experiment.NextFather = dad;
        experiment.NextMother = mum;
        RandomSeed(Seed + run);
        gui.Measure([&] { experiment.BreedGeneration(Offspring, "F1", Table); });

        RandomSeed(Seed + run);
        core.Measure([&] { phenotypes += CoreBreeding(*mum->Fly, *dad->Fly); });
    }
    const double guiProcessor = Median(gui.processor);
    const double coreProcessor = Median(core.processor);
    std::printf("phenotypes %zu\ngui_wall_ms %.1f\ncore_wall_ms %.1f\ngui_cpu_ms %.1f\n"
                "core_cpu_ms %.1f\ngui_over_core %.3f\n",
                phenotypes / Runs, Median(gui.wall), Median(core.wall), guiProcessor, coreProcessor,
                guiProcessor / coreProcessor);
    return 0;
}

// Draws an experiment window with a fly in the microscope and counting jars in use into PNG
// files, for looking at them:
//   lab_gallery OUTPUT_FOLDER

#include "Image.h"
#include "LabTestSupport.h"
#include "genetics/Random.h"
#include "phenotype/Drosphen.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>

namespace {

void Wait(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void Save(QWidget& window, const QDir& folder, const QString& name) {
    Wait(300);
    window.grab().save(folder.filePath(name + ".png"));
}

TGeneration& BreedIcons(TExperimentForm* experiment, int count) {
    labtest::AnswerNewGeneration(count, Icons);
    experiment->BreedNewGeneration();
    return *experiment->Generations.back();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        qCritical("usage: lab_gallery OUTPUT_FOLDER");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    labtest::LoadFlyParts();
    RandomSeed(2026); // the same flies every time
    labtest::Lab lab;
    lab.main.resize(1000, 760);
    const QString female =
        lab.sandbox.SaveFly("vestigial sepia female.fly",
                            labtest::MutantFly(true, {{Chr2, Locus_vg}, {Chr3, Locus_se}}));
    TExperimentForm* experiment =
        labtest::NewExperiment(lab.main, lab.sandbox, lab.male, female, "Vestigial and sepia",
                               {"Wild", "Vestigial wings", "Sepia", "Both"});
    experiment->parentWidget()->showMaximized();

    TGeneration& f1 = BreedIcons(experiment, 40);
    for (DrosophilaIcon* parent : {labtest::FirstOfSex(f1, true), labtest::FirstOfSex(f1, false)}) {
        experiment->CurrentFly = parent;
        experiment->Makeparent1Click();
    }
    TGeneration& f2 = BreedIcons(experiment, 160);

    // The first 60 of F2 go into the jar of their phenotype; a double mutant to the microscope.
    const auto jarOf = [](const DrosophilaIcon* fly) {
        const QStringList traits =
            QString::fromStdString(CDrosPhenotype(fly->Fly.get()).GetText(false)).split(", ");
        return (traits.contains("vg") ? 1 : 0) + (traits.contains("se") ? 2 : 0);
    };
    for (int i = 0; i < 60; ++i) {
        experiment->CurrentFly = f2.Flies[i].get();
        experiment->JarImageDragDrop(experiment->Jars[jarOf(f2.Flies[i].get())]);
    }
    DrosophilaIcon* examined = nullptr;
    for (std::size_t i = 60; i < f2.Flies.size() && !examined; ++i)
        if (jarOf(f2.Flies[i].get()) == 3)
            examined = f2.Flies[i].get();
    experiment->CurrentFly = examined ? examined : f2.Flies[60].get();
    experiment->Moveflytomicroscope1Click();
    experiment->GenerationClick(&f2);
    Save(lab.main, folder, "experiment");
    Save(*experiment, folder, "experiment-window");
    const QPixmap jars = experiment->TopBox->grab(QRect(0, 0, 380, 150));
    jars.scaled(jars.size() * 2, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .save(folder.filePath("jars-closeup.png"));

    // A wild fly, turned to show its back, and the marker on it up close.
    experiment->CurrentFly = experiment->Generations[0]->Flies[0].get();
    experiment->Moveflytomicroscope1Click();
    Save(*experiment, folder, "experiment-wild-fly");
    const QRect marked = experiment->CurrentFly->Image->geometry().adjusted(-10, -10, 30, 10);
    experiment->Generations[0]
        ->Frame->grab(marked)
        .scaled(marked.size() * 4)
        .save(folder.filePath("marker-closeup.png"));
    return 0;
}

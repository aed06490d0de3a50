// Breeding in an experiment window: the parental generation, choosing parents, new generations
// of each display, removal, selection, fly labels and files, and the window's layout.

#include "BarChart.h"
#include "GenInfo.h"
#include "Image.h"
#include "LabTestSupport.h"
#include "genetics/Random.h"
#include "phenotype/Drosphen.h"

#include <QGroupBox>
#include <QScrollArea>
#include <QSlider>
#include <QSplitter>
#include <QtTest>

using namespace labtest;

namespace {

bool ShowsPicture(const DrosophilaIcon* icon, const QPixmap& picture) {
    return icon->Image->pixmap().cacheKey() == picture.cacheKey();
}

// Chooses a fly of each sex of the generation as the next parents.
void ChooseParents(TExperimentForm* experiment, const TGeneration& generation) {
    for (const auto& fly : generation.Flies) {
        experiment->CurrentFly = fly.get();
        experiment->Makeparent1Click();
    }
}

int SumOfPhenotypeColumns(const std::vector<std::pair<QString, int>>& columns) {
    int sum = 0;
    for (std::size_t i = 1; i < columns.size(); ++i)
        sum += columns[i].second;
    return sum;
}

} // namespace

class ExperimentTest : public QObject {
    Q_OBJECT
private slots:
    void f1IsBredFromTheParentalFliesRightAway();
    void afterABreedingTwoParentsMustBeChosenAgain();
    void parentsMustBeOfOppositeSex();
    void cancellingTheDialogKeepsTheParents();
    void choosingAParentReplacesTheEarlierOneOfItsSex();
    void parentsMayComeFromDifferentGenerations();
    void aTableCountsEveryOffspringUnderItsPhenotype();
    void aTableOf50000KeepsNoFlies();
    void aChartShowsEveryPhenotypeWithItsCount();
    void selectingAGenerationMarksItsParents();
    void removingAskesFirstAndNeedsASelection();
    void removalKeepsTheParentsOfLaterGenerations();
    void removalForgetsTheRemovedFlies();
    void collapsingMovesTheLaterFramesUp();
    void aRelabelledParentKeepsItsLabelInGenerationInfo();
    void savingAFlyAddsTheExtensionOnlyWithoutAFullStop_data();
    void savingAFlyAddsTheExtensionOnlyWithoutAFullStop();
    void aFlyThatCannotBeWrittenIsReported();
    void theUpperBandFollowsTheSplitter();
};

void ExperimentTest::f1IsBredFromTheParentalFliesRightAway() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* father = experiment->NextFather;
    DrosophilaIcon* mother = experiment->NextMother;
    QVERIFY(ShowsPicture(father, experiment->DrosIconParentNext));

    AnswerNewGeneration(100, Icons);
    experiment->BreedNewGeneration();
    QVERIFY(lab.sandbox.fake.boxes.empty());
    QCOMPARE(experiment->Generations.size(), std::size_t(2));
    const TGeneration& p1 = *experiment->Generations[0];
    const TGeneration& f1 = *experiment->Generations[1];
    QCOMPARE(f1.Name, QString("F1"));
    QCOMPARE(f1.Kind, Icons);
    QCOMPARE(f1.Individuals, 100);
    QCOMPARE(f1.Flies.size(), std::size_t(100));
    QCOMPARE(f1.Flies[36]->Label(), QString("F1 (37)"));
    QCOMPARE(f1.MotherFly, mother);
    QCOMPARE(f1.FatherFly, father);
    QVERIFY(mother->UsedAsParent && father->UsedAsParent);
    QVERIFY(!experiment->NextFather && !experiment->NextMother);
    QVERIFY(ShowsPicture(father, experiment->DrosIcon) &&
            ShowsPicture(mother, experiment->DrosIcon));
    QCOMPARE(experiment->NextFilialNumber, 2);
    // Below the parental generation, not selected.
    QCOMPARE(f1.Frame->pos(), QPoint(20, p1.Frame->y() + p1.Frame->height() + 20));
    QCOMPARE(experiment->SelectedGeneration, &p1);
    // White-eyed mother and wild father: white sons, wild daughters.
    for (const auto& fly : f1.Flies)
        QCOMPARE(QString::fromStdString(CDrosPhenotype(fly->Fly.get()).GetText(true)),
                 IsFemale(*fly->Fly) ? QString("Wild (F)") : QString("w (M)"));
    QVERIFY(!QApplication::activeModalWidget());
}

void ExperimentTest::afterABreedingTwoParentsMustBeChosenAgain() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    AnswerNewGeneration(10, Icons);
    experiment->BreedNewGeneration();
    experiment->BreedNewGeneration();
    QCOMPARE(lab.sandbox.fake.LastCaption(), QString("Error"));
    QCOMPARE(lab.sandbox.fake.LastText(), QString("Please select two parents first."));
    QCOMPARE(experiment->Generations.size(), std::size_t(2));

    // One parent is not enough either.
    experiment->CurrentFly = experiment->Generations[1]->Flies[0].get();
    experiment->Makeparent1Click();
    lab.sandbox.fake.boxes.clear();
    experiment->BreedNewGeneration();
    QCOMPARE(lab.sandbox.fake.LastText(), QString("Please select two parents first."));
}

void ExperimentTest::parentsMustBeOfOppositeSex() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    experiment->NextFather = experiment->NextMother;
    experiment->BreedNewGeneration();
    QCOMPARE(lab.sandbox.fake.LastText(), QString("Mother and father flies must be opposite sex."));
    QCOMPARE(experiment->Generations.size(), std::size_t(1));
}

void ExperimentTest::cancellingTheDialogKeepsTheParents() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* father = experiment->NextFather;
    WhenModal<TNewGenDlg>([](TNewGenDlg* dialog) { dialog->CancelBtn->click(); });
    experiment->BreedNewGeneration();
    QCOMPARE(experiment->Generations.size(), std::size_t(1));
    QCOMPARE(experiment->NextFather, father);
    QVERIFY(ShowsPicture(father, experiment->DrosIconParentNext));
    QVERIFY(!father->UsedAsParent);
    QCOMPARE(experiment->NextFilialNumber, 2);

    QString proposed;
    WhenModal<TNewGenDlg>([&proposed](TNewGenDlg* dialog) {
        proposed = dialog->NameLabel->text();
        dialog->reject();
    });
    experiment->BreedNewGeneration();
    QCOMPARE(proposed, QString("F2"));
}

void ExperimentTest::choosingAParentReplacesTheEarlierOneOfItsSex() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* earlierMother = experiment->NextMother;
    AnswerNewGeneration(40, Icons);
    experiment->BreedNewGeneration();
    experiment->NextMother = earlierMother;
    earlierMother->Image->SetPicture(experiment->DrosIconParentNext);

    DrosophilaIcon* daughter = nullptr;
    for (const auto& fly : experiment->Generations[1]->Flies)
        if (IsFemale(*fly->Fly))
            daughter = fly.get();
    QVERIFY(daughter);
    experiment->CurrentFly = daughter;
    experiment->Makeparent1Click();
    QCOMPARE(experiment->NextMother, daughter);
    QVERIFY(!experiment->NextFather);
    QVERIFY(ShowsPicture(daughter, experiment->DrosIconParentNext));
    QVERIFY(ShowsPicture(earlierMother, experiment->DrosIcon));

    experiment->CurrentFly = nullptr;
    experiment->Makeparent1Click(); // nothing pressed: nothing happens
    QCOMPARE(experiment->NextMother, daughter);
}

void ExperimentTest::parentsMayComeFromDifferentGenerations() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* grandmother = experiment->NextMother;
    AnswerNewGeneration(30, Icons);
    experiment->BreedNewGeneration();
    const TGeneration& f1 = *experiment->Generations[1];
    DrosophilaIcon* son = nullptr;
    for (const auto& fly : f1.Flies)
        if (!IsFemale(*fly->Fly))
            son = fly.get();
    QVERIFY(son);
    for (DrosophilaIcon* parent : {son, grandmother}) {
        experiment->CurrentFly = parent;
        experiment->Makeparent1Click();
    }
    AnswerNewGeneration(5, Icons, "Backcross");
    experiment->BreedNewGeneration();
    QCOMPARE(experiment->Generations.size(), std::size_t(3));
    const TGeneration& backcross = *experiment->Generations[2];
    QCOMPARE(backcross.Name, QString("Backcross"));
    QCOMPARE(backcross.MotherLabel(), QString("P1 (2)"));
    QCOMPARE(backcross.FatherLabel(), son->Label());
    QCOMPARE(backcross.Frame->y(), f1.Frame->y() + f1.Frame->height() + 20);
    QCOMPARE(experiment->NextFilialNumber, 2);
}

void ExperimentTest::aTableCountsEveryOffspringUnderItsPhenotype() {
    Lab lab;
    const QString female =
        lab.sandbox.SaveFly("double.fly", MutantFly(true, {{ChrX, Locus_w}, {Chr2, Locus_vg}}));
    TExperimentForm* experiment = NewExperiment(lab.main, lab.sandbox, lab.male, female);
    AnswerNewGeneration(60, Icons);
    experiment->BreedNewGeneration();
    ChooseParents(experiment, *experiment->Generations[1]);

    // The first phenotype column is the phenotype of the first offspring bred.
    RandomSeed(424242);
    CDrosophila first;
    first.Fertilize(*experiment->NextMother->Fly, *experiment->NextFather->Fly);
    RandomSeed(424242);
    AnswerNewGeneration(2000, Table);
    experiment->BreedNewGeneration();

    const TGeneration& f2 = *experiment->Generations[2];
    const auto columns = f2.TableColumns();
    QCOMPARE(columns.front().first, QString("Total"));
    QCOMPARE(columns.front().second, 2000);
    QCOMPARE(SumOfPhenotypeColumns(columns), 2000);
    QCOMPARE(columns[1].first, QString::fromStdString(CDrosPhenotype(&first).GetText(false)));
    QStringList headings;
    for (const auto& column : columns)
        headings << column.first;
    for (const char* phenotype : {"Wild", "w", "vg", "w, vg"})
        QVERIFY2(headings.contains(phenotype), phenotype);
    QCOMPARE(headings.size(), 5);
    QCOMPARE(f2.Individuals, 2000);
    QVERIFY(f2.Flies.empty());
}

void ExperimentTest::aTableOf50000KeepsNoFlies() {
    Lab lab;
    settings().SeparateSexes = true;
    TExperimentForm* experiment = lab.Open();
    AnswerNewGeneration(50000, Table);
    experiment->BreedNewGeneration();
    const TGeneration& f1 = *experiment->Generations[1];
    QCOMPARE(f1.Individuals, 50000);
    QVERIFY(f1.Flies.empty());
    const auto columns = f1.TableColumns();
    QCOMPARE(columns.front().second, 50000);
    QCOMPARE(SumOfPhenotypeColumns(columns), 50000);
    QCOMPARE(columns.size(), std::size_t(3)); // white sons and wild daughters
    QCOMPARE(f1.Frame->height(), 100);
}

void ExperimentTest::aChartShowsEveryPhenotypeWithItsCount() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    AnswerNewGeneration(700, Chart, "Chart F1");
    experiment->BreedNewGeneration();
    const TGeneration& chart = *experiment->Generations[1];
    QCOMPARE(chart.Kind, Chart);
    QVERIFY(chart.Flies.empty());
    QCOMPARE(chart.BarChart->chart()->title(), QString("Chart F1 phenotypes"));
    const auto bars = chart.BarChart->Bars();
    QCOMPARE(bars.size(), std::size_t(2));
    QCOMPARE(bars[0].second + bars[1].second, 700);
    QCOMPARE(chart.BarChart->width(), 410);
    QCOMPARE(chart.Frame->height(), 310);
}

void ExperimentTest::selectingAGenerationMarksItsParents() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    AnswerNewGeneration(20, Icons);
    experiment->BreedNewGeneration();
    TGeneration& p1 = *experiment->Generations[0];
    TGeneration& f1 = *experiment->Generations[1];
    const auto marked = [&p1] {
        return p1.Flies[0]->ParentMark->isVisible() && p1.Flies[1]->ParentMark->isVisible();
    };
    QVERIFY(!marked());

    QTest::mouseClick(f1.Frame, Qt::LeftButton, {}, QPoint(f1.Frame->width() - 5, 15));
    QCOMPARE(experiment->SelectedGeneration, &f1);
    QVERIFY(marked());
    QCOMPARE(f1.Frame->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(p1.Frame->palette().color(QPalette::WindowText) != QColor(Qt::red));

    experiment->GenerationClick(&p1);
    QVERIFY(!marked());
    QCOMPARE(p1.Frame->palette().color(QPalette::WindowText), QColor(Qt::red));

    // A press on an icon makes it the current fly and selects nothing.
    QTest::mouseClick(f1.Flies[3]->Image, Qt::LeftButton);
    QCOMPARE(experiment->CurrentFly, f1.Flies[3].get());
    QCOMPARE(experiment->SelectedGeneration, &p1);
}

void ExperimentTest::removingAskesFirstAndNeedsASelection() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    AnswerNewGeneration(20, Icons);
    experiment->BreedNewGeneration();
    experiment->GenerationClick(experiment->Generations[1].get());

    lab.sandbox.fake.answers = {QMessageBox::No};
    lab.main.RemoveGen->trigger();
    QCOMPARE(lab.sandbox.fake.LastCaption(), QString("Are you sure?"));
    QCOMPARE(lab.sandbox.fake.LastText(), QString("Remove generation F1?"));
    QCOMPARE(experiment->Generations.size(), std::size_t(2));

    lab.sandbox.fake.answers = {QMessageBox::Yes};
    lab.main.RemoveGen->trigger();
    QCOMPARE(experiment->Generations.size(), std::size_t(1));
    QVERIFY(!experiment->SelectedGeneration);

    lab.sandbox.fake.boxes.clear();
    lab.main.RemoveGen->trigger();
    QVERIFY(lab.sandbox.fake.boxes.empty());
    lab.main.GenInfo->trigger(); // nothing selected: no dialog
    QVERIFY(!QApplication::activeModalWidget());
}

void ExperimentTest::removalKeepsTheParentsOfLaterGenerations() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    AnswerNewGeneration(30, Icons);
    experiment->BreedNewGeneration();
    ChooseParents(experiment, *experiment->Generations[1]);
    const QString mother = experiment->NextMother->Label();
    const QString father = experiment->NextFather->Label();
    AnswerNewGeneration(10, Icons);
    experiment->BreedNewGeneration();
    AnswerNewGeneration(10, Table, "F3");
    ChooseParents(experiment, *experiment->Generations[2]);
    experiment->BreedNewGeneration();

    // Remove the parental generation and F1: F2 keeps naming its parents.
    for (int i = 0; i < 2; ++i) {
        experiment->GenerationClick(experiment->Generations[0].get());
        lab.sandbox.fake.answers = {QMessageBox::Yes};
        experiment->RemoveSelectedGeneration();
    }
    QCOMPARE(experiment->Generations.size(), std::size_t(2));
    TGeneration& f2 = *experiment->Generations[0];
    QCOMPARE(f2.Name, QString("F2"));
    QCOMPARE(f2.MotherLabel(), mother);
    QCOMPARE(f2.FatherLabel(), father);
    // The frames below moved up.
    QCOMPARE(f2.Frame->y(), 40);
    QCOMPARE(experiment->Generations[1]->Frame->y(), 40 + f2.Frame->height() + 20);
    // Selecting F2 is safe although its parents' icons are gone.
    experiment->GenerationClick(&f2);
    QCOMPARE(experiment->SelectedGeneration, &f2);

    TGenInfoDlg* shown = nullptr;
    QString shownMother;
    WhenModal<TGenInfoDlg>([&](TGenInfoDlg* dialog) {
        shown = dialog;
        shownMother = dialog->Mother->text();
        dialog->accept();
    });
    experiment->ShowGenerationInfo();
    QVERIFY(shown);
    QCOMPARE(shownMother, mother);
}

void ExperimentTest::removalForgetsTheRemovedFlies() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    AnswerNewGeneration(30, Icons);
    experiment->BreedNewGeneration();
    TGeneration* f1 = experiment->Generations[1].get();
    ChooseParents(experiment, *f1);
    experiment->CurrentFly = f1->Flies[0].get();
    experiment->GenerationClick(f1);
    lab.sandbox.fake.answers = {QMessageBox::Yes};
    experiment->RemoveSelectedGeneration();
    QVERIFY(!experiment->NextFather && !experiment->NextMother);
    QVERIFY(!experiment->CurrentFly);
    experiment->Makeparent1Click();
    experiment->BreedNewGeneration();
    QCOMPARE(lab.sandbox.fake.LastText(), QString("Please select two parents first."));
}

void ExperimentTest::collapsingMovesTheLaterFramesUp() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    AnswerNewGeneration(50, Chart);
    experiment->BreedNewGeneration();
    ChooseParents(experiment, *experiment->Generations[0]);
    AnswerNewGeneration(3, Icons);
    experiment->BreedNewGeneration();
    TGeneration& chart = *experiment->Generations[1];
    TGeneration& last = *experiment->Generations[2];
    QCOMPARE(last.Frame->y(), chart.Frame->y() + 310 + 20);

    QTest::mouseClick(chart.CollapseButton, Qt::LeftButton);
    QVERIFY(chart.BarChart->isHidden());
    QCOMPARE(chart.Frame->height(), 20);
    QCOMPARE(last.Frame->y(), chart.Frame->y() + 20 + 20);

    QTest::mouseClick(chart.CollapseButton, Qt::LeftButton);
    QCOMPARE(last.Frame->y(), chart.Frame->y() + 310 + 20);
}

void ExperimentTest::aRelabelledParentKeepsItsLabelInGenerationInfo() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* mother = experiment->NextMother;
    AnswerNewGeneration(10, Icons);
    experiment->BreedNewGeneration();

    experiment->CurrentFly = mother;
    lab.sandbox.fake.inputs = {"Queen"};
    experiment->Setflylabel1Click();
    QCOMPARE(lab.sandbox.fake.inputPrompts.back().caption, QString("New label"));
    QCOMPARE(lab.sandbox.fake.inputPrompts.back().text,
             QString("Enter the new label for the fly:|P1 (2)"));
    QCOMPARE(mother->Image->toolTip(), QString("Queen"));

    experiment->GenerationClick(experiment->Generations[1].get());
    QStringList shown;
    WhenModal<TGenInfoDlg>([&shown](TGenInfoDlg* dialog) {
        shown << dialog->GenName->text() << dialog->OffspringCount->text() << dialog->Mother->text()
              << dialog->Father->text();
        dialog->accept();
    });
    lab.main.GenInfo->trigger();
    QCOMPARE(shown, (QStringList{"F1", "10", "Queen", "P1 (1)"}));

    lab.sandbox.fake.inputs = {""};
    experiment->Setflylabel1Click();
    QCOMPARE(experiment->Generations[1]->MotherLabel(), QString(""));
}

void ExperimentTest::savingAFlyAddsTheExtensionOnlyWithoutAFullStop_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain name") << "Flies/keeper"
                                << "Flies/keeper.fly";
    QTest::newRow("own extension") << "Flies/keeper.txt"
                                   << "Flies/keeper.txt";
    QTest::newRow("full stop in the folder") << "my.flies/keeper"
                                             << "my.flies/keeper";
}

void ExperimentTest::savingAFlyAddsTheExtensionOnlyWithoutAFullStop() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    Lab lab;
    QDir(lab.sandbox.dir.path()).mkpath("my.flies");
    TExperimentForm* experiment = lab.Open();
    experiment->CurrentFly = experiment->NextMother;
    lab.sandbox.fake.saveFiles = {lab.sandbox.Path(chosen)};
    experiment->Saveflytofile1Click();
    QVERIFY(lab.sandbox.fake.boxes.empty());
    CDrosophila loaded;
    LoadFromFile(loaded, lab.sandbox.Path(written).toStdString());
    QVERIFY(IsFemale(loaded));
    QCOMPARE(loaded.GetPair(ChrX)->GetAllelePair(Locus_w), std::string("w/w"));
}

void ExperimentTest::aFlyThatCannotBeWrittenIsReported() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    experiment->CurrentFly = experiment->NextFather;
    lab.sandbox.fake.saveFiles = {lab.sandbox.Path("no such folder/fly.fly")};
    experiment->Saveflytofile1Click();
    QCOMPARE(lab.sandbox.fake.LastCaption(), QString("Error"));
    QCOMPARE(lab.sandbox.fake.LastText(), QString("Could not write to file."));
}

void ExperimentTest::theUpperBandFollowsTheSplitter() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    QCOMPARE(experiment->TopPanel->height(), 225);
    QCOMPARE(experiment->MicroPanel->geometry(), QRect(8, 8, 192, 175));
    QCOMPARE(experiment->ZoomBar->x(), 8 + 192 + 5);
    QCOMPARE(experiment->ZoomBar->height(), 175);
    QCOMPARE(experiment->EmptyBtn->y(), 225 - 25 - 5);
    QCOMPARE(experiment->ParentBtn->y(), experiment->EmptyBtn->y());
    const int boxWidth = experiment->TopPanel->width() - 192 - experiment->ZoomBar->width() - 30;
    QCOMPARE(experiment->TopBox->geometry(),
             QRect(experiment->TopPanel->width() - boxWidth, 0, boxWidth, 225));
    QCOMPARE(experiment->ZoomBar->minimum(), 1);
    QCOMPARE(experiment->ZoomBar->maximum(), 16);
    QCOMPARE(experiment->ZoomBar->value(), 8);

    // Dragging the splitter up shrinks the microscope and widens the jar area.
    experiment->Splitter->setSizes({205, experiment->height() - 210});
    emit experiment->Splitter->splitterMoved(205, 1);
    QCOMPARE(experiment->MicroPanel->size(), QSize(170, 155));
    QCOMPARE(experiment->TopBox->width(), boxWidth + 22);
}

QTEST_MAIN(ExperimentTest)
#include "ExperimentTest.moc"

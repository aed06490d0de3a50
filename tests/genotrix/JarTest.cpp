// Counting jars: dropping flies into them, the flies leaving their generations, chosen parents
// in a jar, placement in the jar area, renaming and emptying.

#include "Image.h"
#include "LabTestSupport.h"
#include "phenotype/MicroscopeView.h"

#include <QGroupBox>
#include <QMenu>
#include <QScrollArea>
#include <QSplitter>
#include <QtTest>

using namespace labtest;

namespace {

TGeneration& BreedIcons(TExperimentForm* experiment, int count) {
    AnswerNewGeneration(count, Icons);
    experiment->BreedNewGeneration();
    return *experiment->Generations.back();
}

void Drop(TExperimentForm* experiment, DrosophilaIcon* fly, Jar& jar) {
    experiment->CurrentFly = fly;
    QVERIFY(experiment->JarImageDragOver());
    experiment->JarImageDragDrop(jar);
}

// The name and the count are centred under the picture.
void VerifyCentred(const Jar& jar) {
    const QRect image = jar.Image->geometry();
    QCOMPARE(jar.NameText->pos(),
             QPoint(image.x() + image.width() / 2 - jar.NameText->width() / 2, image.bottom() + 1));
    QCOMPARE(jar.CountText->pos(),
             QPoint(image.x() + image.width() / 2 - jar.CountText->width() / 2,
                    image.bottom() + 1 + 13));
}

} // namespace

class JarTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aFlyDroppedInAJarIsCountedAndLeavesItsGeneration();
    void theFlyInTheMicroscopeIsDraggedIntoAJar();
    void aChosenNextParentInAJarIsStillUsedForBreeding();
    void jarsArePlacedInRowsThatWrapAtTheBoxWidth_data();
    void jarsArePlacedInRowsThatWrapAtTheBoxWidth();
    void renamingAppliesTheNameRule_data();
    void renamingAppliesTheNameRule();
    void emptyingAJarAsksFirstAndLeavesItsFliesHidden();
};

void JarTest::initTestCase() {
    LoadFlyParts();
}

void JarTest::aFlyDroppedInAJarIsCountedAndLeavesItsGeneration() {
    Lab lab;
    TExperimentForm* experiment = lab.Open("Cross", {"Sorted", "Other"});
    DrosophilaIcon* grandfather = experiment->NextFather;
    TGeneration& f1 = BreedIcons(experiment, 30);
    DrosophilaIcon* examined = f1.Flies[3].get();
    DrosophilaIcon* next = f1.Flies[4].get();
    DrosophilaIcon* watched = f1.Flies[10].get();
    const QPoint place = examined->Image->pos();
    Jar& jar = experiment->Jars[0];

    // The fly in the microscope: counted, hidden, the microscope emptied, the others close up.
    experiment->CurrentFly = examined;
    experiment->Moveflytomicroscope1Click();
    Drop(experiment, examined, jar);
    QCOMPARE(jar.Count, 1);
    QCOMPARE(jar.CountText->text(), QString("1"));
    QVERIFY(examined->Hidden() && examined->Image->isHidden());
    QVERIFY(!experiment->MicroscopeFly);
    QVERIFY(!experiment->GLPanel->HasModel());
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: Empty"));
    QVERIFY(experiment->MagnifyingGlass->isHidden());
    QCOMPARE(next->Image->pos(), place);
    QCOMPARE(f1.Flies.size(), std::size_t(30));
    QCOMPARE(f1.Individuals, 30);

    // Another fly: the microscope keeps its fly, and the marker moves along with it.
    experiment->CurrentFly = watched;
    experiment->Moveflytomicroscope1Click();
    Drop(experiment, next, jar);
    QCOMPARE(experiment->MicroscopeFly, watched);
    QCOMPARE(experiment->MagnifyingGlass->pos(), watched->Image->pos() + QPoint(5, 7));

    // A fly of another generation goes into the same jar; the other jar stays empty.
    Drop(experiment, grandfather, jar);
    QCOMPARE(jar.Count, 3);
    QCOMPARE(experiment->Jars[1].Count, 0);
    VerifyCentred(jar);

    // A fly in a jar is not counted twice, nor chosen as a parent.
    experiment->CurrentFly = examined;
    QVERIFY(!experiment->JarImageDragOver());
    experiment->JarImageDragDrop(jar);
    QCOMPARE(jar.Count, 3);
    experiment->Makeparent1Click();
    QVERIFY(!experiment->NextMother && !experiment->NextFather);
    QVERIFY(lab.sandbox.fake.boxes.empty());
}

void JarTest::theFlyInTheMicroscopeIsDraggedIntoAJar() {
    Lab lab;
    TExperimentForm* experiment = lab.Open("Cross", {"Jar 1"});
    DrosophilaIcon* mother = experiment->NextMother;
    experiment->CurrentFly = mother;
    experiment->Moveflytomicroscope1Click();
    experiment->CurrentFly = experiment->NextFather;
    MicroscopeView* view = experiment->GLPanel;
    Jar& jar = experiment->Jars[0];
    DragAndDrop(view, view->rect().center(), jar.Image, QPoint(38, 32));
    QCOMPARE(jar.Count, 1);
    QVERIFY(mother->Hidden());
    QVERIFY(!experiment->NextFather->Hidden());
    QVERIFY(!experiment->MicroscopeFly);
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: Empty"));
}

void JarTest::aChosenNextParentInAJarIsStillUsedForBreeding() {
    Lab lab;
    TExperimentForm* experiment = lab.Open("Cross", {"Jar 1"});
    TGeneration& f1 = BreedIcons(experiment, 30);
    DrosophilaIcon* daughter = FirstOfSex(f1, true);
    DrosophilaIcon* son = FirstOfSex(f1, false);
    DrosophilaIcon* otherDaughter = nullptr;
    for (const auto& fly : f1.Flies)
        if (IsFemale(*fly->Fly) && fly.get() != daughter)
            otherDaughter = fly.get();
    QVERIFY(daughter && son && otherDaughter);
    for (DrosophilaIcon* parent : {daughter, son}) {
        experiment->CurrentFly = parent;
        experiment->Makeparent1Click();
    }
    Jar& jar = experiment->Jars[0];
    Drop(experiment, daughter, jar);
    QCOMPARE(experiment->NextMother, daughter);

    // A daughter in the jar cannot take her place.
    Drop(experiment, otherDaughter, jar);
    experiment->Makeparent1Click();
    QCOMPARE(experiment->NextMother, daughter);
    QCOMPARE(otherDaughter->Image->pixmap().cacheKey(), experiment->DrosIcon.cacheKey());

    TGeneration& f2 = BreedIcons(experiment, 10);
    QCOMPARE(f2.MotherFly, daughter);
    QCOMPARE(f2.FatherFly, son);
    // Selecting the new generation marks only the father that is still on show.
    experiment->GenerationClick(&f2);
    QVERIFY(son->ParentMark->isVisible());
    QVERIFY(daughter->ParentMark->isHidden());
}

void JarTest::jarsArePlacedInRowsThatWrapAtTheBoxWidth_data() {
    QTest::addColumn<int>("boxWidth");
    QTest::addColumn<QPoint>("fourth");
    QTest::newRow("300 pixels") << 300 << QPoint(25, 144);
    QTest::newRow("one short of four across") << 368 << QPoint(25, 144);
    QTest::newRow("four across") << 369 << QPoint(283, 50);
}

void JarTest::jarsArePlacedInRowsThatWrapAtTheBoxWidth() {
    QFETCH(int, boxWidth);
    QFETCH(QPoint, fourth);
    Lab lab;
    TExperimentForm* experiment = lab.Open("Cross", {"Wild", "White eyed", "Vestigial wings", "e"});
    // A tall upper band leaves room for a narrow jar area in a window of the least width.
    QWidget* frame = experiment->parentWidget();
    frame->resize(frame->width(), 800);
    experiment->Splitter->setSizes({400, experiment->height() - 405});
    QCOMPARE(experiment->TopPanel->height(), 400);
    frame->resize(frame->width() + boxWidth - experiment->TopBox->width(), frame->height());
    QCOMPARE(experiment->TopBox->width(), boxWidth);

    QCOMPARE(experiment->Jars.size(), std::size_t(4));
    const QPoint expected[] = {{25, 50}, {111, 50}, {197, 50}, fourth};
    for (int i = 0; i < 4; ++i) {
        const Jar& jar = experiment->Jars[i];
        QCOMPARE(jar.Image->pos(), expected[i]);
        QCOMPARE(jar.Image->size(), QSize(76, 64));
        VerifyCentred(jar);
    }
    QCOMPARE(experiment->Jars[2].NameText->text(), QString("Vestigial ..."));
}

void JarTest::renamingAppliesTheNameRule_data() {
    QTest::addColumn<QString>("typed"); // null: cancelled
    QTest::addColumn<QString>("shown");
    QTest::newRow("15 characters") << "Vestigial wings"
                                   << "Vestigial ...";
    QTest::newRow("already shortened") << "Vestigial ..."
                                       << "Vestigial ...";
    QTest::newRow("10 characters") << "Ten chars!"
                                   << "Ten chars!";
    QTest::newRow("11 characters") << "Eleven char"
                                   << "Eleven cha...";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("cancelled") << QString() << "Jar 2";
}

void JarTest::renamingAppliesTheNameRule() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Lab lab;
    TExperimentForm* experiment = lab.Open("Cross", {"Jar 1", "Jar 2"});
    const QList<QAction*> items = experiment->JarMenu->actions();
    QCOMPARE(items, (QList<QAction*>{experiment->RenameJar, experiment->Emptyjar1}));
    QCOMPARE(experiment->RenameJar->text(), QString("Rename jar"));
    QCOMPARE(experiment->RenameJar->statusTip(), QString("Rename this jar"));
    QCOMPARE(experiment->Emptyjar1->text(), QString("Empty jar"));
    QCOMPARE(experiment->Emptyjar1->statusTip(), QString("Empty this jar"));

    Jar& jar = experiment->Jars[1];
    QTest::mousePress(jar.Image, Qt::RightButton);
    QCOMPARE(experiment->CurrentJar, &jar);
    lab.sandbox.fake.inputs = {typed};
    experiment->RenameJar->trigger();
    QCOMPARE(lab.sandbox.fake.inputPrompts.back().caption, QString("Rename jar"));
    QCOMPARE(lab.sandbox.fake.inputPrompts.back().text, QString("Enter new label:|Jar 2"));
    QCOMPARE(jar.NameText->text(), shown);
    VerifyCentred(jar);
    QCOMPARE(experiment->Jars[0].NameText->text(), QString("Jar 1"));
}

void JarTest::emptyingAJarAsksFirstAndLeavesItsFliesHidden() {
    Lab lab;
    TExperimentForm* experiment = lab.Open("Cross", {"White eyed"});
    TGeneration& f1 = BreedIcons(experiment, 30);
    Jar& jar = experiment->Jars[0];
    for (int i = 0; i < 12; ++i)
        Drop(experiment, f1.Flies[i].get(), jar);
    QCOMPARE(jar.CountText->text(), QString("12"));
    QCOMPARE(f1.Flies[12]->Image->pos(), QPoint(8, 24));

    QTest::mousePress(jar.Image, Qt::LeftButton);
    lab.sandbox.fake.answers = {QMessageBox::No};
    experiment->Emptyjar1->trigger();
    QCOMPARE(lab.sandbox.fake.LastCaption(), QString("Are you sure?"));
    QCOMPARE(lab.sandbox.fake.LastText(), QString("Empty jar \"White eyed\"?\nNo undo!"));
    QCOMPARE(jar.Count, 12);

    lab.sandbox.fake.answers = {QMessageBox::Yes};
    experiment->Emptyjar1->trigger();
    QCOMPARE(jar.Count, 0);
    QCOMPARE(jar.CountText->text(), QString("0"));
    VerifyCentred(jar);
    for (int i = 0; i < 12; ++i)
        QVERIFY(f1.Flies[i]->Hidden());
    QCOMPARE(f1.Flies[12]->Image->pos(), QPoint(8, 24));

    // Counting starts again from nothing.
    Drop(experiment, f1.Flies[12].get(), jar);
    QCOMPARE(jar.CountText->text(), QString("1"));
}

QTEST_MAIN(JarTest)
#include "JarTest.moc"

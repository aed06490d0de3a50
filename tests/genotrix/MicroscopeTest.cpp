// The microscope of the experiment window and dragging flies: showing and emptying, the marker
// on the examined fly, setting it as parent, drops on the microscope and on other flies, and
// where drags start.

#include "Image.h"
#include "LabTestSupport.h"
#include "phenotype/MicroscopeView.h"

#include <QDrag>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <optional>

using namespace labtest;

namespace {

// Runs `gesture` and reports whether it started a drag from `window` carrying data; the drag
// is cancelled as soon as it runs.
bool StartsDrag(TExperimentForm* window, const std::function<void()>& gesture) {
    bool started = false;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* drag = window->findChild<QDrag*>();
        if (!drag || started)
            return;
        started = drag->source() == window && !drag->mimeData()->formats().isEmpty();
        QDrag::cancel();
    });
    watch.start();
    gesture();
    watch.stop();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return started;
}

// The marker sits on the fly's icon, in the icon's frame, with the label it had when shown.
void VerifyMarks(const TExperimentForm* experiment, const DrosophilaIcon* fly,
                 const QString& label) {
    const QLabel* glass = experiment->MagnifyingGlass;
    QVERIFY(glass->isVisible());
    QCOMPARE(glass->parentWidget(), fly->Image->parentWidget());
    QCOMPARE(glass->pos(), fly->Image->pos() + QPoint(5, 7));
    QCOMPARE(glass->size(), QSize(19, 18));
    QCOMPARE(glass->toolTip(), label);
    QVERIFY(glass->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TGeneration& BreedIcons(TExperimentForm* experiment, int count) {
    AnswerNewGeneration(count, Icons);
    experiment->BreedNewGeneration();
    return *experiment->Generations.back();
}

} // namespace

class MicroscopeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void showingAFlyCaptionsAndMarksItAndEmptyingUndoesBoth();
    void theMarkerStaysOnItsFlyThroughLayoutsAndRemoval();
    void theBackgroundIsTheSettingAtEveryRepaint();
    void setAsParentTakesTheFlyInTheMicroscope();
    void theFlyInTheMicroscopeIsNotDroppedOnItAgain();
    void aFlyDroppedOnTheOppositeSexBreedsWithTheFemaleAsMother_data();
    void aFlyDroppedOnTheOppositeSexBreedsWithTheFemaleAsMother();
    void aDropOnTheSameSexOrOnItselfIsRefused();
    void aFlyIconIsDraggedWithTheLeftButtonPastTheDragDistance();
    void theMicroscopeStartsADragOnlyForAPlainPressOnAFly_data();
    void theMicroscopeStartsADragOnlyForAPlainPressOnAFly();
    void realDragsTakeFliesToTheMicroscopeAndToOtherFlies();
    void aFlyDraggedToAnotherWindowIsRefused();
};

void MicroscopeTest::initTestCase() {
    LoadFlyParts();
}

void MicroscopeTest::showingAFlyCaptionsAndMarksItAndEmptyingUndoesBoth() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: Empty"));
    QVERIFY(!experiment->GLPanel->HasModel());
    QVERIFY(experiment->Moveflytomicroscope1->isEnabled());

    DrosophilaIcon* mother = experiment->NextMother;
    experiment->CurrentFly = mother;
    experiment->Moveflytomicroscope1->trigger();
    QVERIFY(lab.sandbox.fake.boxes.empty());
    QCOMPARE(experiment->MicroscopeFly, mother);
    QVERIFY(experiment->GLPanel->HasModel());
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: P1 (2)"));
    VerifyMarks(experiment, mother, "P1 (2)");

    // Another fly takes its place; a new label shows only once the fly is shown again.
    DrosophilaIcon* father = experiment->NextFather;
    experiment->CurrentFly = father;
    experiment->Moveflytomicroscope1Click();
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: P1 (1)"));
    VerifyMarks(experiment, father, "P1 (1)");
    lab.sandbox.fake.inputs = {"Adam"};
    experiment->Setflylabel1Click();
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: P1 (1)"));
    QCOMPARE(experiment->MagnifyingGlass->toolTip(), QString("P1 (1)"));
    experiment->Moveflytomicroscope1Click();
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: Adam"));
    VerifyMarks(experiment, father, "Adam");

    experiment->EmptyBtn->click();
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: Empty"));
    QVERIFY(!experiment->GLPanel->HasModel());
    QVERIFY(!experiment->MicroscopeFly);
    QVERIFY(experiment->MagnifyingGlass->isHidden());
    QVERIFY(lab.sandbox.fake.boxes.empty());
}

void MicroscopeTest::theMarkerStaysOnItsFlyThroughLayoutsAndRemoval() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    TGeneration& f1 = BreedIcons(experiment, 60);
    DrosophilaIcon* examined = f1.Flies[40].get();
    experiment->CurrentFly = examined;
    experiment->Moveflytomicroscope1Click();
    const QPoint before = examined->Image->pos();

    // A wider window wraps the icons differently.
    QWidget* frame = experiment->parentWidget();
    frame->resize(frame->width() + 300, frame->height());
    QVERIFY(examined->Image->pos() != before);
    VerifyMarks(experiment, examined, "F1 (41)");
    QTest::mouseClick(f1.CollapseButton, Qt::LeftButton);
    QTest::mouseClick(f1.CollapseButton, Qt::LeftButton);
    VerifyMarks(experiment, examined, "F1 (41)");

    // Removing the generation empties the microscope; the marker outlives the frame.
    const QPointer<QLabel> glass = experiment->MagnifyingGlass;
    experiment->GenerationClick(&f1);
    lab.sandbox.fake.answers = {QMessageBox::Yes};
    experiment->RemoveSelectedGeneration();
    QVERIFY(glass);
    QVERIFY(glass->isHidden());
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: Empty"));
    QVERIFY(!experiment->MicroscopeFly);

    experiment->CurrentFly = experiment->Generations[0]->Flies[0].get();
    experiment->Moveflytomicroscope1Click();
    VerifyMarks(experiment, experiment->CurrentFly, "P1 (1)");
}

void MicroscopeTest::theBackgroundIsTheSettingAtEveryRepaint() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    for (const QColor colour : {QColor(20, 40, 200), QColor(250, 240, 10)}) {
        settings().SetMicroscopeColor(
            static_cast<std::int32_t>(colour.red() | colour.green() << 8 | colour.blue() << 16));
        const QImage drawn = experiment->GLPanel->grabFramebuffer();
        QCOMPARE(drawn.pixelColor(2, 2), colour);
    }
}

void MicroscopeTest::setAsParentTakesTheFlyInTheMicroscope() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    TGeneration& f1 = BreedIcons(experiment, 20);
    DrosophilaIcon* daughter = FirstOfSex(f1, true);
    QVERIFY(daughter);

    // An empty microscope sets nothing.
    experiment->CurrentFly = daughter;
    experiment->ParentBtn->click();
    QVERIFY(!experiment->NextMother);

    experiment->Moveflytomicroscope1Click();
    experiment->CurrentFly = f1.Flies[0].get() == daughter ? f1.Flies[1].get() : f1.Flies[0].get();
    experiment->ParentBtn->click();
    QCOMPARE(experiment->CurrentFly, daughter);
    QCOMPARE(experiment->NextMother, daughter);
    QVERIFY(!experiment->NextFather);
    QCOMPARE(daughter->Image->pixmap().cacheKey(), experiment->DrosIconParentNext.cacheKey());
}

void MicroscopeTest::theFlyInTheMicroscopeIsNotDroppedOnItAgain() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* mother = experiment->NextMother;
    experiment->CurrentFly = mother;
    QVERIFY(experiment->GLPanelDragOver());
    experiment->GLPanelDragDrop();
    QCOMPARE(experiment->MicroscopeFly, mother);
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: P1 (2)"));
    const CDrosModel* model = experiment->GLPanel->Model();

    QVERIFY(!experiment->GLPanelDragOver());
    experiment->GLPanelDragDrop();
    QCOMPARE(experiment->GLPanel->Model(), model);

    experiment->CurrentFly = experiment->NextFather;
    QVERIFY(experiment->GLPanelDragOver());
    experiment->GLPanelDragDrop();
    QCOMPARE(experiment->MicroscopeFly, experiment->NextFather);
    VerifyMarks(experiment, experiment->NextFather, "P1 (1)");
}

void MicroscopeTest::aFlyDroppedOnTheOppositeSexBreedsWithTheFemaleAsMother_data() {
    QTest::addColumn<bool>("femaleDragged");
    QTest::newRow("son of F1 dropped on the parental mother") << false;
    QTest::newRow("parental mother dropped on a son of F1") << true;
}

void MicroscopeTest::aFlyDroppedOnTheOppositeSexBreedsWithTheFemaleAsMother() {
    QFETCH(bool, femaleDragged);
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* mother = experiment->NextMother;
    TGeneration& f1 = BreedIcons(experiment, 20);
    DrosophilaIcon* son = FirstOfSex(f1, false);
    QVERIFY(son);
    DrosophilaIcon* dragged = femaleDragged ? mother : son;
    DrosophilaIcon* target = femaleDragged ? son : mother;

    experiment->CurrentFly = dragged;
    QVERIFY(experiment->DrosIconDragOver(target));
    QCOMPARE(experiment->DropTargetFly, target);
    QString proposed;
    WhenModal<TNewGenDlg>([&proposed](TNewGenDlg* dialog) {
        proposed = dialog->NameLabel->text();
        dialog->OffspringCount->setValue(8);
        dialog->OKBtn->click();
    });
    experiment->DrosIconDragDrop(target);
    QCOMPARE(proposed, QString("F2"));
    QCOMPARE(experiment->Generations.size(), std::size_t(3));
    const TGeneration& bred = *experiment->Generations[2];
    QCOMPARE(bred.MotherFly, mother);
    QCOMPARE(bred.FatherFly, son);
    QCOMPARE(bred.Individuals, 8);
    QVERIFY(lab.sandbox.fake.boxes.empty());
}

void MicroscopeTest::aDropOnTheSameSexOrOnItselfIsRefused() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* mother = experiment->NextMother;
    TGeneration& f1 = BreedIcons(experiment, 20);
    DrosophilaIcon* daughter = FirstOfSex(f1, true);
    QVERIFY(daughter);

    experiment->CurrentFly = mother;
    for (DrosophilaIcon* target : {daughter, mother}) {
        experiment->DropTargetFly = daughter;
        QVERIFY(!experiment->DrosIconDragOver(target));
        QVERIFY(!experiment->DropTargetFly);
        experiment->DrosIconDragDrop(target);
    }
    QCOMPARE(experiment->Generations.size(), std::size_t(2));
    QVERIFY(!experiment->NextMother && !experiment->NextFather);
    QCOMPARE(experiment->CurrentFly, mother);
    QVERIFY(lab.sandbox.fake.boxes.empty());
}

void MicroscopeTest::aFlyIconIsDraggedWithTheLeftButtonPastTheDragDistance() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* mother = experiment->NextMother;
    TImage* image = mother->Image;
    const QPoint at(8, 10);
    const QPoint far = at + QPoint(QApplication::startDragDistance(), 0);
    const QPoint near = at + QPoint(QApplication::startDragDistance() - 1, 0);

    // The right button chooses the fly but drags nothing.
    QVERIFY(!StartsDrag(experiment, [&] {
        QTest::mousePress(image, Qt::RightButton, {}, at);
        QTest::mouseMove(image, far);
        QTest::mouseRelease(image, Qt::RightButton, {}, far);
    }));
    QCOMPARE(experiment->CurrentFly, mother);

    experiment->CurrentFly = nullptr;
    QVERIFY(!StartsDrag(experiment, [&] {
        QTest::mousePress(image, Qt::LeftButton, {}, at);
        QTest::mouseMove(image, near);
    }));
    QCOMPARE(experiment->CurrentFly, mother);
    QVERIFY(StartsDrag(experiment, [&] { QTest::mouseMove(image, far); }));
    QTest::mouseRelease(image, Qt::LeftButton, {}, far);
    QCOMPARE(experiment->CurrentFly, mother);
}

void MicroscopeTest::theMicroscopeStartsADragOnlyForAPlainPressOnAFly_data() {
    QTest::addColumn<bool>("draggingOn");
    QTest::addColumn<bool>("flyShown");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::addColumn<bool>("drags");
    const Qt::KeyboardModifiers none;
    QTest::newRow("left button") << true << true << Qt::LeftButton << none << true;
    QTest::newRow("right button") << true << true << Qt::RightButton << none << true;
    QTest::newRow("Ctrl turns") << true << true << Qt::LeftButton
                                << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("Shift shifts") << true << true << Qt::LeftButton
                                  << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    QTest::newRow("empty microscope") << true << false << Qt::LeftButton << none << false;
    QTest::newRow("dragging off") << false << true << Qt::LeftButton << none << false;
}

void MicroscopeTest::theMicroscopeStartsADragOnlyForAPlainPressOnAFly() {
    QFETCH(bool, draggingOn);
    QFETCH(bool, flyShown);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, keys);
    QFETCH(bool, drags);
    Lab lab;
    settings().DragFromMicroscope = draggingOn;
    TExperimentForm* experiment = lab.Open();
    if (flyShown) {
        experiment->CurrentFly = experiment->NextMother;
        experiment->Moveflytomicroscope1Click();
    }
    experiment->CurrentFly = experiment->NextFather;
    MicroscopeView* view = experiment->GLPanel;
    const QPoint at = view->rect().center();
    const QPoint far = at + QPoint(QApplication::startDragDistance() + 2, 0);
    QCOMPARE(StartsDrag(experiment,
                        [&] {
                            QTest::mousePress(view, button, keys, at);
                            QTest::mouseMove(view, far);
                        }),
             drags);
    QTest::mouseRelease(view, button, keys, far);
    QCOMPARE(experiment->CurrentFly, drags ? experiment->NextMother : experiment->NextFather);
}

void MicroscopeTest::realDragsTakeFliesToTheMicroscopeAndToOtherFlies() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    DrosophilaIcon* father = experiment->NextFather;
    DrosophilaIcon* mother = experiment->NextMother;
    MicroscopeView* view = experiment->GLPanel;
    DragAndDrop(father->Image, QPoint(8, 10), view, view->rect().center());
    QCOMPARE(experiment->MicroscopeFly, father);
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: P1 (1)"));

    // Out of the microscope onto the mother: the new-generation dialog comes up after the drag.
    AnswerNewGeneration(6, Icons);
    DragAndDrop(view, view->rect().center(), mother->Image, QPoint(10, 12));
    QCOMPARE(experiment->Generations.size(), std::size_t(2));
    QCOMPARE(experiment->Generations[1]->MotherFly, mother);
    QCOMPARE(experiment->Generations[1]->FatherFly, father);
    QVERIFY(lab.sandbox.fake.boxes.empty());
}

void MicroscopeTest::aFlyDraggedToAnotherWindowIsRefused() {
    Lab lab;
    TExperimentForm* from = lab.Open("From", {"Jar 1"});
    TExperimentForm* to = lab.Open("To", {"Jar 1"});
    lab.main.WindowTileVertical1->trigger();
    QVERIFY(!from->parentWidget()->geometry().intersects(to->parentWidget()->geometry()));
    DrosophilaIcon* father = from->NextFather;
    // The other window has a fly pressed of its own; none of its targets takes the drag.
    to->CurrentFly = to->NextFather;
    DragAndDrop(father->Image, QPoint(8, 10), to->GLPanel, to->GLPanel->rect().center());
    QVERIFY(!to->MicroscopeFly);
    DragAndDrop(father->Image, QPoint(8, 10), to->Jars[0].Image, QPoint(38, 32));
    QCOMPARE(to->Jars[0].Count, 0);
    QVERIFY(!to->NextFather->Hidden());
    DragAndDrop(father->Image, QPoint(8, 10), to->NextMother->Image, QPoint(10, 12));
    QCOMPARE(to->Generations.size(), std::size_t(1));
    QVERIFY(!father->Hidden());
    QVERIFY(!from->MicroscopeFly);
    // The same gesture within the window takes the fly.
    DragAndDrop(father->Image, QPoint(8, 10), from->Jars[0].Image, QPoint(38, 32));
    QCOMPARE(from->Jars[0].Count, 1);
}

QTEST_MAIN(MicroscopeTest)
#include "MicroscopeTest.moc"

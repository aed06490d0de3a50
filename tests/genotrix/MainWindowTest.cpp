// The main window: its commands, menus and tool bar, new experiments, the experiment commands'
// enabling, jars added from the main window, the first paint, closing, and errors that escape
// an event handler.

#include "Application.h"
#include "Image.h"
#include "LabTestSupport.h"
#include "fly/Error.h"
#include "tools/StartupTips.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

using namespace labtest;

namespace {

struct Command {
    QAction* action;
    const char* category;
    const char* menuCaption;
    const char* shortcut;
    const char* tooltip;
    const char* statusTip;
    bool enabled;
};

QStringList Captions(const QList<QAction*>& actions) {
    QStringList captions;
    for (QAction* action : actions)
        captions << (action->isSeparator() ? QString("|") : action->text());
    return captions;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void everyCommandHasItsCaptionShortcutHintAndState();
    void theMenusListTheCommandsInOrder();
    void theToolBarHoldsTheCommandsInOrder();
    void aNewExperimentOpensItsWindowWithTheParentalGeneration();
    void cancellingANewExperimentChangesNothing();
    void theExperimentCommandsFollowTheOpenWindows();
    void aBadParentFileClosesTheNewWindowAndTheProgramGoesOn_data();
    void aBadParentFileClosesTheNewWindowAndTheProgramGoesOn();
    void addCountingJarShortensLongNames();
    void newGenerationRightAfterANewExperimentProposesF1();
    void theWindowMenuListsTheExperiments();
    void tilingSharesTheArea();
    void theFirstPaintShowsTheWelcomeOrTheTip_data();
    void theFirstPaintShowsTheWelcomeOrTheTip();
    void closingSavesTheSettings();
    void anErrorEscapingAHandlerIsShownAndTheProgramGoesOn();
};

void MainWindowTest::everyCommandHasItsCaptionShortcutHintAndState() {
    Lab lab;
    TMainForm& m = lab.main;
    const Command commands[] = {
        {m.FileNew1, "File", "&New experiment", "Ctrl+N", "New", "Create a new experiment", true},
        {m.FileClose1, "File", "&Close experiment", "", "Close", "Close current experiment", true},
        {m.FilePreview, "File", "Preview report...", "", "Show preview of the experiment",
         "Show preview of the experiment", true},
        {m.FilePrint, "File", "Print report...", "Ctrl+P", "File", "Print report", true},
        {m.FileExportPdf, "File", "Export report as PDF...", "", "Export report",
         "Save the report of the experiment as a PDF file", true},
        {m.FileExit1, "File", "E&xit", "", "Exit", "Exit application", true},
        {m.WindowCascade1, "Window", "&Cascade", "", "Cascade", "Cascade", true},
        {m.WindowTileHorizontal1, "Window", "Tile &Horizontally", "", "Tile Horizontally",
         "Tile Horizontally", true},
        {m.WindowTileVertical1, "Window", "Tile &Vertically", "", "Tile Vertically",
         "Tile Vertically", true},
        {m.WindowMinimizeAll1, "Window", "&Minimize All", "", "Minimize All", "Minimize All", true},
        {m.WindowArrangeAll1, "Window", "&Arrange All", "", "Arrange All", "Arrange All", true},
        {m.NewGen, "Experiment", "New generation...", "Ctrl+G", "Create a new generation",
         "Create a new generation", false},
        {m.RemoveGen, "Experiment", "Remove generation", "Del", "Remove the selected generation",
         "Remove the selected generation", false},
        {m.GenInfo, "Experiment", "Generation info...", "Ctrl+I",
         "Show info about the selected generation", "Show info about the selected generation",
         false},
        {m.AddJar, "Experiment", "Add counting jar", "Ctrl+J", "Add a new counting jar",
         "Add a new counting jar", false},
        {m.ToolsChrMap, "Tools", "Chromosome map...", "",
         "Show a chromosome map with phenotype descriptions",
         "Show a chromosome map with phenotype descriptions", true},
        {m.ToolsChiSquare, "Tools", "Chi-square...", "", "Chi-square calculator",
         "Chi-square calculator", true},
        {m.ToolsSettings, "Tools", "Settings...", "", "Edit program settings",
         "Edit program settings", true},
        {m.ChromosomeEditor1, "Tools", "Chromosome Editor...", "", "Start the Chromosome Editor",
         "Start the Chromosome Editor", true},
        {m.HelpContents, "Help", "Help contents", "F1", "View help contents", "View help contents",
         true},
        {m.HelpTutorial, "Help", "Tutorial 1", "", "Tutorial 1: Creating a simple experiment",
         "Tutorial 1: Creating a simple experiment", true},
        {m.HelpTutorial2, "Help", "Tutorial 2", "",
         "Tutorial 2: Creating a more advanced experiment",
         "Tutorial 2: Creating a more advanced experiment", true},
        {m.HelpWebpage, "Help", "Genotrix website", "", "Visit Genotrix online",
         "Visit Genotrix online", true},
        {m.TipOfTheDay, "Help", "Tip of the day...", "", "Show startup tips", "Show startup tips",
         true},
        {m.HelpAbout1, "Help", "&About...", "", "About Genotrix", "About Genotrix", true},
    };
    for (const Command& command : commands) {
        const QByteArray name = command.menuCaption;
        QVERIFY2(command.action->text() == command.menuCaption, name);
        QVERIFY2(command.action->property("category").toString() == command.category, name);
        QVERIFY2(command.action->shortcut() == QKeySequence(command.shortcut), name);
        QVERIFY2(command.action->toolTip() == command.tooltip, name);
        QVERIFY2(command.action->statusTip() == command.statusTip, name);
        QVERIFY2(command.action->isEnabled() == command.enabled, name);
    }
    QCOMPARE(m.FileNew1->iconText(), QString("&New"));
    QCOMPARE(m.ShowWelcome->text(), QString("Welcome page..."));
    QCOMPARE(m.windowTitle(), QString("Genotrix"));
}

void MainWindowTest::theMenusListTheCommandsInOrder() {
    Lab lab;
    QCOMPARE(Captions(lab.main.menuBar()->actions()),
             (QStringList{"&File", "&Window", "Experiment", "Tools", "&Help"}));
    QCOMPARE(Captions(lab.main.FileMenu->actions()),
             (QStringList{"&New experiment", "&Close experiment", "|", "Preview report...",
                          "Print report...", "Export report as PDF...", "|", "E&xit"}));
    QCOMPARE(Captions(lab.main.WindowMenu->actions()),
             (QStringList{"&Cascade", "Tile &Horizontally", "Tile &Vertically", "&Minimize All",
                          "&Arrange All"}));
    QCOMPARE(Captions(lab.main.ExperimentMenu->actions()),
             (QStringList{"New generation...", "Remove generation", "Generation info...",
                          "Add counting jar"}));
    QCOMPARE(Captions(lab.main.ToolsMenu->actions()),
             (QStringList{"Chromosome Editor...", "Chromosome map...", "Chi-square...", "|",
                          "Settings..."}));
    QCOMPARE(Captions(lab.main.HelpMenu->actions()),
             (QStringList{"Genotrix website", "Help contents", "|", "Tutorial 1", "Tutorial 2", "|",
                          "Tip of the day...", "Welcome page...", "|", "&About..."}));
    QCOMPARE(lab.main.FileMenu->menuAction()->statusTip(), QString("File related commands"));
    QCOMPARE(lab.main.WindowMenu->menuAction()->statusTip(), QString("Window related commands"));
    QCOMPARE(lab.main.HelpMenu->menuAction()->statusTip(), QString("Help topics"));
}

void MainWindowTest::theToolBarHoldsTheCommandsInOrder() {
    Lab lab;
    TMainForm& m = lab.main;
    const QList<QAction*> expected = {m.FileNew1,
                                      nullptr,
                                      m.WindowCascade1,
                                      m.WindowTileHorizontal1,
                                      m.WindowTileVertical1,
                                      nullptr,
                                      m.RemoveGen,
                                      m.NewGen,
                                      m.GenInfo,
                                      nullptr,
                                      m.ToolsSettings,
                                      nullptr,
                                      m.HelpContents,
                                      m.HelpWebpage,
                                      m.TipOfTheDay};
    const QList<QAction*> actual = m.ToolBar->actions();
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        if (expected[i])
            QCOMPARE(actual[i], expected[i]);
        else
            QVERIFY(actual[i]->isSeparator());
        if (expected[i])
            QVERIFY(!actual[i]->icon().isNull());
    }
    QCOMPARE(m.ToolBar->height(), 30);
}

void MainWindowTest::aNewExperimentOpensItsWindowWithTheParentalGeneration() {
    Lab lab;
    TExperimentForm* experiment = lab.Open("Eye colour", {"Red", "White eyed flies"});
    QVERIFY(experiment);
    QCOMPARE(experiment->windowTitle(), QString("Eye colour"));
    QCOMPARE(experiment->MaleParentFile, lab.male);
    QCOMPARE(experiment->FemaleParentFile, lab.female);
    QCOMPARE(experiment->Generations.size(), std::size_t(1));
    const TGeneration& parental = *experiment->Generations.front();
    QCOMPARE(parental.Name, QString("P1"));
    QCOMPARE(parental.Individuals, 2);
    QCOMPARE(parental.Flies[0]->Label(), QString("P1 (1)"));
    QCOMPARE(parental.Flies[1]->Label(), QString("P1 (2)"));
    QVERIFY(!IsFemale(*parental.Flies[0]->Fly) && IsFemale(*parental.Flies[1]->Fly));
    QCOMPARE(experiment->NextFather, parental.Flies[0].get());
    QCOMPARE(experiment->NextMother, parental.Flies[1].get());
    QCOMPARE(experiment->SelectedGeneration, &parental);
    QCOMPARE(parental.MotherLabel(), QString("None"));
    QCOMPARE(parental.FatherLabel(), QString("None"));
    QCOMPARE(parental.Frame->geometry().topLeft(), QPoint(20, 40));
    QCOMPARE(parental.Frame->width(), experiment->width() - 40);
    QCOMPARE(experiment->Jars.size(), std::size_t(2));
    QCOMPARE(experiment->Jars[1].NameText->text(), QString("White eyed..."));
    QCOMPARE(experiment->MicroPanel->title(), QString("Microscope: Empty"));
    for (QAction* command :
         {lab.main.NewGen, lab.main.RemoveGen, lab.main.GenInfo, lab.main.AddJar})
        QVERIFY(command->isEnabled());
    QCOMPARE(lab.main.ActiveExperiment(), experiment);
}

void MainWindowTest::cancellingANewExperimentChangesNothing() {
    Lab lab;
    WhenModal<TNewExpDlg>([](TNewExpDlg* dialog) { dialog->CancelBtn->click(); });
    lab.main.FileNew1->trigger();
    QVERIFY(lab.main.Experiments().isEmpty());
    QVERIFY(!lab.main.NewGen->isEnabled());

    QVERIFY(lab.Open());
    WhenModal<TNewExpDlg>([](TNewExpDlg* dialog) { dialog->reject(); });
    lab.main.FileNew1->trigger();
    QCOMPARE(lab.main.Experiments().size(), 1);
    QVERIFY(lab.main.NewGen->isEnabled());
}

void MainWindowTest::theExperimentCommandsFollowTheOpenWindows() {
    Lab lab;
    TExperimentForm* first = lab.Open("First");
    TExperimentForm* second = lab.Open("Second");
    QVERIFY(first && second);
    QCOMPARE(lab.main.ActiveExperiment(), second);

    lab.main.FileClose1->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(lab.main.Experiments(), QList<TExperimentForm*>{first});
    QVERIFY(lab.main.NewGen->isEnabled() && lab.main.AddJar->isEnabled());

    lab.main.FileClose1->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(lab.main.Experiments().isEmpty());
    for (QAction* command :
         {lab.main.NewGen, lab.main.RemoveGen, lab.main.GenInfo, lab.main.AddJar})
        QVERIFY(!command->isEnabled());
}

void MainWindowTest::aBadParentFileClosesTheNewWindowAndTheProgramGoesOn_data() {
    QTest::addColumn<QByteArray>("maleText"); // empty: the file vanished
    QTest::addColumn<QString>("message");
    QTest::newRow("vanished") << QByteArray() << "Could not open file: ";
    QTest::newRow("cut short") << QByteArray("[M]\nw+ -\nrb+ -\n") << "Corrupt file.";
    QTest::newRow("token too long") << QByteArray("[M] ") + QByteArray(300, 'w') << "Corrupt file.";
}

void MainWindowTest::aBadParentFileClosesTheNewWindowAndTheProgramGoesOn() {
    QFETCH(QByteArray, maleText);
    QFETCH(QString, message);
    Lab lab;
    QVERIFY(lab.Open("Good one"));
    const QString male = lab.sandbox.WriteFile("bad male.fly", "[M]\n");
    lab.sandbox.fake.openFiles = {male, lab.female};
    WhenModal<TNewExpDlg>([male, maleText](TNewExpDlg* dialog) {
        dialog->MaleImageClick();
        dialog->FemaleImageClick();
        // The file changes after it was picked.
        if (maleText.isEmpty())
            QFile::remove(male);
        else
            labtest::Sandbox::Overwrite(male, maleText);
        dialog->OKBtn->click();
    });
    lab.main.FileNew1->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(lab.sandbox.fake.LastCaption(), QString("Error"));
    QCOMPARE(lab.sandbox.fake.LastText(),
             message == "Could not open file: " ? message + male : message);
    QCOMPARE(lab.main.Experiments().size(), 1);
    QVERIFY(lab.main.NewGen->isEnabled());
    QVERIFY(lab.Open("Still working"));
}

void MainWindowTest::addCountingJarShortensLongNames() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    lab.sandbox.fake.inputs = {"Eleven char", QString(), "Ten chars!"};
    lab.main.AddJar->trigger();
    lab.main.AddJar->trigger();
    lab.main.AddJar->trigger();
    QCOMPARE(lab.sandbox.fake.inputPrompts.front().caption, QString("Add jar"));
    QCOMPARE(lab.sandbox.fake.inputPrompts.front().text, QString("Enter jar label:|New jar"));
    QCOMPARE(experiment->Jars.size(), std::size_t(2));
    QCOMPARE(experiment->Jars[0].NameText->text(), QString("Eleven cha..."));
    QCOMPARE(experiment->Jars[1].NameText->text(), QString("Ten chars!"));
    QCOMPARE(experiment->Jars[1].CountText->text(), QString("0"));
    QCOMPARE(experiment->Jars[0].Image->pos(), QPoint(25, 50));
    QCOMPARE(experiment->Jars[1].Image->pos(), QPoint(111, 50));
    QCOMPARE(experiment->Jars[0].Image->size(), QSize(76, 64));
}

void MainWindowTest::newGenerationRightAfterANewExperimentProposesF1() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    QString proposed;
    WhenModal<TNewGenDlg>([&proposed](TNewGenDlg* dialog) {
        proposed = dialog->NameLabel->text();
        dialog->OKBtn->click();
    });
    lab.main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&lab.main));
    QTest::keyClick(&lab.main, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(proposed, QString("F1"));
    QCOMPARE(experiment->Generations.size(), std::size_t(2));
    const TGeneration& f1 = *experiment->Generations.back();
    QCOMPARE(f1.MotherLabel(), QString("P1 (2)"));
    QCOMPARE(f1.FatherLabel(), QString("P1 (1)"));
    QCOMPARE(f1.Individuals, 100);
}

void MainWindowTest::theWindowMenuListsTheExperiments() {
    Lab lab;
    lab.Open("Alpha");
    lab.Open("Beta");
    emit lab.main.WindowMenu->aboutToShow();
    QStringList captions = Captions(lab.main.WindowMenu->actions()).mid(5);
    QCOMPARE(captions, (QStringList{"|", "&1 Alpha", "&2 Beta"}));
    QVERIFY(lab.main.WindowMenu->actions().last()->isChecked());
    lab.main.WindowMenu->actions()[6]->trigger();
    QCOMPARE(lab.main.ActiveExperiment()->windowTitle(), QString("Alpha"));
    emit lab.main.WindowMenu->aboutToShow();
    QCOMPARE(lab.main.WindowMenu->actions().size(), 8);
}

void MainWindowTest::tilingSharesTheArea() {
    Lab lab;
    lab.Open("Alpha");
    lab.Open("Beta");
    const QRect area = lab.main.MdiArea->viewport()->rect();
    const QList<QMdiSubWindow*> windows = lab.main.MdiArea->subWindowList();

    lab.main.WindowTileHorizontal1->trigger();
    QCOMPARE(windows[0]->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    QCOMPARE(windows[1]->geometry().top(), area.height() / 2);
    QCOMPARE(windows[1]->geometry().bottom(), area.bottom());

    lab.main.WindowTileVertical1->trigger();
    QCOMPARE(windows[0]->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    QCOMPARE(windows[1]->geometry().right(), area.right());

    lab.main.WindowMinimizeAll1->trigger();
    QVERIFY(windows[0]->isMinimized() && windows[1]->isMinimized());
    lab.main.WindowArrangeAll1->trigger();
    QCOMPARE(windows[0]->geometry().bottom(), area.bottom());
    QCOMPARE(windows[1]->x(), windows[0]->width());
}

void MainWindowTest::theFirstPaintShowsTheWelcomeOrTheTip_data() {
    QTest::addColumn<QByteArray>("settingsFile"); // empty: none
    QTest::addColumn<bool>("welcome");
    QTest::addColumn<bool>("tip");
    QTest::newRow("first run") << QByteArray() << true << false;
    QTest::newRow("tips on") << QByteArray("0 1 0 0 1 0 1 1 0 0 0 0.04 10") << false << true;
    QTest::newRow("tips off") << QByteArray("0 1 0 0 0 0 1 1 0 0 0 0.04 10") << false << false;
}

void MainWindowTest::theFirstPaintShowsTheWelcomeOrTheTip() {
    QFETCH(QByteArray, settingsFile);
    QFETCH(bool, welcome);
    QFETCH(bool, tip);
    Sandbox sandbox;
    if (!settingsFile.isEmpty())
        sandbox.WriteFile("../settings", settingsFile);
    QDir(sandbox.Path("")).mkpath("Data/Tips");
    sandbox.WriteFile("../Data/Tips/startuptips.txt", "A tip.\n[NEXTTIP]\n");
    TMainForm main;
    QStringList shown;
    const auto record = [&shown](QDialog* dialog) {
        shown << dialog->windowTitle();
        dialog->reject();
    };
    if (welcome)
        WhenModal<TWelcomeForm>(record);
    if (tip)
        WhenModal<TTipForm>(record);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.repaint();
    QTest::qWait(100);
    QStringList expected;
    if (welcome)
        expected << "Welcome";
    if (tip)
        expected << "Tip of the day";
    QCOMPARE(shown, expected);
    // Only the first paint.
    main.repaint();
    QTest::qWait(100);
    QCOMPARE(shown, expected);
}

void MainWindowTest::closingSavesTheSettings() {
    Lab lab;
    lab.Open();
    settings().Charts3D = true;
    lab.main.close();
    QFile file(lab.sandbox.Path("settings"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("-2147483618 1 0 1 1 0 1 1 0 0 0 0.04 10\n"));
}

void MainWindowTest::anErrorEscapingAHandlerIsShownAndTheProgramGoesOn() {
    Sandbox sandbox;
    struct Thrower : QObject {
        bool event(QEvent* event) override {
            if (event->type() == QEvent::User)
                throw CGeneralError("Could not write to file.");
            return QObject::event(event);
        }
    } thrower;
    QEvent event(QEvent::User);
    QVERIFY(!QApplication::sendEvent(&thrower, &event));
    QCOMPARE(sandbox.fake.LastText(), QString("Could not write to file."));
    QCOMPARE(sandbox.fake.LastCaption(), QString("Genotrix"));
}

int main(int argc, char** argv) {
    TGenotrixApplication application(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"

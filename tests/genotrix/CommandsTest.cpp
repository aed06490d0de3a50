// The main window's commands reach their windows: the long-lived windows made at start-up, the
// tools, the password-guarded chromosome map, the help pages through the desktop, the tip of the
// day, welcome and about windows, and the report of the active experiment in the preview, the
// print dialog and a PDF file.

#include "Application.h"
#include "BarChart.h"
#include "LabTestSupport.h"
#include "tools/Chisquare.h"
#include "tools/ChrMapForm.h"
#include "tools/Preview.h"
#include "tools/SettingsForm.h"
#include "tools/StartupTips.h"
#include "tools/about.h"

#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QUrl>
#include <QtTest>

using namespace labtest;

namespace {

// Every address the desktop is asked to open, for the life of the object.
class OpenedUrls {
public:
    OpenedUrls() {
        SetDesktopOpener([this](const QUrl& url) { urls << url; });
    }
    ~OpenedUrls() { SetDesktopOpener({}); }
    QList<QUrl> urls;
};

QList<QWidget*> VisibleWindows(const QList<QWidget*>& windows) {
    QList<QWidget*> visible;
    for (QWidget* window : windows)
        if (window->isVisible())
            visible << window;
    return visible;
}

void WriteTips(const Sandbox& sandbox) {
    QDir(sandbox.Path("")).mkpath("Data/Tips");
    Sandbox::Overwrite(sandbox.Path("Data/Tips/startuptips.txt"), "A tip.\n[NEXTTIP]\n");
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void theLongLivedWindowsAreMadeAfterTheMainWindowInOrder();
    void theToolsOpenTheirWindowsWithoutWaiting();
    void theChromosomeMapIsBehindThePassword_data();
    void theChromosomeMapIsBehindThePassword();
    void theHelpCommandsAskTheDesktopForTheirPages();
    void theHelpWindowsOpenAndWait();
    void untickingShowTipsSavesAndReachesTheSettingsWindow();
    void theReportDescribesTheActiveExperiment();
    void previewPrintAndExportReachTheReport();
};

void CommandsTest::theLongLivedWindowsAreMadeAfterTheMainWindowInOrder() {
    Lab lab;
    const QObjectList children = lab.main.children();
    const QList<QWidget*> windows = {lab.main.AboutBox, lab.main.SettingsForm, lab.main.WelcomeForm,
                                     lab.main.ChrMap};
    qsizetype previous = -1;
    for (QWidget* window : windows) {
        const qsizetype place = children.indexOf(window);
        QVERIFY2(place > previous, window->metaObject()->className());
        QVERIFY(window->isWindow() && !window->isVisible());
        previous = place;
    }
}

void CommandsTest::theToolsOpenTheirWindowsWithoutWaiting() {
    Lab lab;
    lab.main.ToolsChiSquare->trigger();
    lab.main.ToolsChiSquare->trigger();
    const QList<TChiSquareForm*> calculators = lab.main.findChildren<TChiSquareForm*>();
    QCOMPARE(calculators.size(), 2);
    for (TChiSquareForm* calculator : calculators)
        QVERIFY(calculator->isVisible() && calculator->isWindow());

    lab.main.ToolsSettings->trigger();
    QVERIFY(lab.main.SettingsForm->isVisible());
    QVERIFY(!lab.main.SettingsForm->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    // Shown again, it is the same window.
    lab.main.SettingsForm->Button2->click();
    lab.main.ToolsSettings->trigger();
    QCOMPARE(lab.main.findChildren<TSettingsForm*>().size(), 1);
    QVERIFY(lab.sandbox.fake.passwordNotes.empty());
}

void CommandsTest::theChromosomeMapIsBehindThePassword_data() {
    QTest::addColumn<bool>("passwordEnabled");
    QTest::addColumn<bool>("protectMap");
    QTest::addColumn<QString>("answer"); // null: cancelled
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("shown");
    QTest::newRow("password off") << false << true << QString() << false << true;
    QTest::newRow("map unprotected") << true << false << QString() << false << true;
    QTest::newRow("right password") << true << true << QString("846") << true << true;
    QTest::newRow("wrong password") << true << true << QString("468") << true << false;
    QTest::newRow("cancelled") << true << true << QString() << true << false;
}

void CommandsTest::theChromosomeMapIsBehindThePassword() {
    QFETCH(bool, passwordEnabled);
    QFETCH(bool, protectMap);
    QFETCH(QString, answer);
    QFETCH(bool, asked);
    QFETCH(bool, shown);
    Lab lab;
    settings().PasswordEnabled = passwordEnabled;
    settings().ProtectChromosomeMap = protectMap;
    lab.sandbox.fake.passwords = {answer};
    lab.main.ToolsChrMap->trigger();
    QCOMPARE(lab.sandbox.fake.passwordNotes.size(), std::size_t(asked ? 1 : 0));
    QCOMPARE(lab.main.ChrMap->isVisible(), shown);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(lab.main.findChildren<TChrMap*>().size(), 1);
}

void CommandsTest::theHelpCommandsAskTheDesktopForTheirPages() {
    Lab lab;
    OpenedUrls opened;
    Sandbox::Overwrite(lab.sandbox.Path("Genotrix Website.url"),
                       "[InternetShortcut]\r\nURL=https://school.example.net/genotrix/\r\n");
    lab.main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&lab.main));
    QTest::keyClick(&lab.main, Qt::Key_F1);
    lab.main.HelpTutorial->trigger();
    lab.main.HelpTutorial2->trigger();
    lab.main.HelpWebpage->trigger();
    QCOMPARE(opened.urls,
             (QList<QUrl>{QUrl::fromLocalFile(lab.sandbox.Path("Docs/GenotrixHelp.html")),
                          QUrl::fromLocalFile(lab.sandbox.Path("Docs/Tutorial1.html")),
                          QUrl::fromLocalFile(lab.sandbox.Path("Docs/Tutorial2.html")),
                          QUrl("https://school.example.net/genotrix/")}));
}

void CommandsTest::theHelpWindowsOpenAndWait() {
    Lab lab;
    WriteTips(lab.sandbox);
    QStringList shown;
    const auto record = [&shown](QDialog* dialog) {
        shown << dialog->windowTitle();
        dialog->reject();
    };
    WhenModal<TTipForm>(record);
    lab.main.TipOfTheDay->trigger();
    WhenModal<TWelcomeForm>(record);
    lab.main.ShowWelcome->trigger();
    WhenModal<TAboutBox>(record);
    lab.main.HelpAbout1->trigger();
    QCOMPARE(shown, (QStringList{"Tip of the day", "Welcome", " About Genotrix"}));
    // The welcome and about windows live on, hidden.
    QCOMPARE(lab.main.findChildren<TWelcomeForm*>().size(), 1);
    QCOMPARE(lab.main.findChildren<TAboutBox*>().size(), 1);
    QVERIFY(lab.main.findChildren<TTipForm*>().isEmpty());
}

void CommandsTest::untickingShowTipsSavesAndReachesTheSettingsWindow() {
    Lab lab;
    WriteTips(lab.sandbox);
    QVERIFY(lab.main.SettingsForm->CheckBox4->isChecked());
    WhenModal<TTipForm>([](TTipForm* tip) {
        tip->ShowTips->click();
        tip->Button3->click();
    });
    lab.main.TipOfTheDay->trigger();
    QVERIFY(!settings().ShowTipsAtStartup);
    QVERIFY(!lab.main.SettingsForm->CheckBox4->isChecked());
    QFile file(lab.sandbox.Path("settings"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("-2147483618 1 0 0 0 0 1 1 0 0 0 0.04 10\n"));
}

void CommandsTest::theReportDescribesTheActiveExperiment() {
    Lab lab;
    QVERIFY(!lab.main.ActiveReport());
    TExperimentForm* experiment = lab.Open("Eye colour", {"Red", "White eyed flies"});
    QVERIFY(experiment);
    AnswerNewGeneration(40, Table, "F1 table");
    experiment->BreedNewGeneration();
    // Again from the same parents.
    for (const std::unique_ptr<DrosophilaIcon>& parent : experiment->Generations[0]->Flies) {
        experiment->CurrentFly = parent.get();
        experiment->Makeparent1Click();
    }
    AnswerNewGeneration(40, Chart, "F1 chart");
    experiment->BreedNewGeneration();
    QCOMPARE(experiment->Generations.size(), std::size_t(3));
    experiment->Jars[1].Count = 3;

    const std::optional<ReportData> report = lab.main.ActiveReport();
    QVERIFY(report);
    QCOMPARE(report->name, QString("Eye colour"));
    QCOMPARE(report->generations.size(), std::size_t(3));
    const ReportGeneration& parental = report->generations[0];
    QCOMPARE(parental.name, QString("P1"));
    QCOMPARE(parental.motherLabel, QString("None"));
    QCOMPARE(parental.fatherLabel, QString("None"));
    QCOMPARE(parental.individuals, 2);
    QCOMPARE(parental.kind, ReportKind::Icons);

    const ReportGeneration& table = report->generations[1];
    QCOMPARE(table.name, QString("F1 table"));
    QCOMPARE(table.motherLabel, QString("P1 (2)"));
    QCOMPARE(table.fatherLabel, QString("P1 (1)"));
    QCOMPARE(table.individuals, 40);
    QCOMPARE(table.kind, ReportKind::Table);
    QCOMPARE(table.tableColumns, experiment->Generations[1]->TableColumns());
    QCOMPARE(table.tableColumns.front(), (std::pair<QString, int>{"Total", 40}));

    const ReportGeneration& chart = report->generations[2];
    QCOMPARE(chart.kind, ReportKind::Chart);
    QCOMPARE(chart.individuals, 40);
    QCOMPARE(chart.chartSize, experiment->Generations[2]->BarChart->size());
    QVERIFY(chart.drawChart);
    QImage picture(chart.chartSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    chart.drawChart(painter, picture.rect());
    painter.end();
    // The chart's red bars reach the picture.
    bool red = false;
    for (int y = 0; y < picture.height() && !red; ++y)
        for (int x = 0; x < picture.width() && !red; ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            red = pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80;
        }
    QVERIFY(red);

    QCOMPARE(report->jars.size(), std::size_t(2));
    QCOMPARE(report->jars[0].name, QString("Red"));
    QCOMPARE(report->jars[0].count, 0);
    QCOMPARE(report->jars[1].name, QString("White eyed..."));
    QCOMPARE(report->jars[1].count, 3);

    // Always the experiment active at that moment.
    TExperimentForm* second = lab.Open("Second");
    QCOMPARE(lab.main.ActiveReport()->name, QString("Second"));
    lab.main.MdiArea->setActiveSubWindow(lab.main.MdiArea->subWindowList().front());
    QCOMPARE(lab.main.ActiveReport()->name, QString("Eye colour"));
    QVERIFY(second);
}

void CommandsTest::previewPrintAndExportReachTheReport() {
    Lab lab;
    // Without an experiment nothing is printed or exported.
    lab.main.FilePrint->trigger();
    lab.main.FileExportPdf->trigger();
    QCOMPARE(lab.sandbox.fake.printDialogs, 0);

    QVERIFY(lab.Open("Eye colour"));
    lab.main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&lab.main));
    QTest::keyClick(&lab.main, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(lab.sandbox.fake.printDialogs, 1);

    lab.sandbox.fake.saveFiles = {lab.sandbox.Path("eye colour report")};
    lab.main.FileExportPdf->trigger();
    QFile pdf(lab.sandbox.Path("eye colour report.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");

    lab.main.FilePreview->trigger();
    lab.main.FilePreview->trigger();
    const QList<TPreviewForm*> previews = lab.main.findChildren<TPreviewForm*>();
    QCOMPARE(previews.size(), 2);
    QCOMPARE(VisibleWindows({previews[0], previews[1]}).size(), 2);
    QVERIFY(!QApplication::activeModalWidget());
}

int main(int argc, char** argv) {
    TGenotrixApplication application(argc, argv);
    CommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CommandsTest.moc"

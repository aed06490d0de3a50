// The new-experiment, new-generation and generation-info dialogs and the status window.

#include "GenInfo.h"
#include "Image.h"
#include "LabTestSupport.h"
#include "NewExp.h"
#include "NewGen.h"
#include "StatusForm.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace labtest;

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void theNewExperimentDialogStartsEmpty();
    void okNeedsBothParentsInEitherOrder_data();
    void okNeedsBothParentsInEitherOrder();
    void parentFilesAreCheckedByTheirFirstWord_data();
    void parentFilesAreCheckedByTheirFirstWord();
    void cancellingTheFileDialogChangesNothing();
    void jarNamesAreAddedShortenedAndRemoved();
    void theNewGenerationDialogProposesTheNextFilialName();
    void closingAdvancesTheCounterOnlyForFAndADigit_data();
    void closingAdvancesTheCounterOnlyForFAndADigit();
    void theOffspringLimitsDependOnTheDisplay_data();
    void theOffspringLimitsDependOnTheDisplay();
    void tablesAndChartsMayNeedThePassword_data();
    void tablesAndChartsMayNeedThePassword();
    void generationInfoShowsItsFourValues();
    void theStatusWindowIsAThinProgressBar();
};

void DialogsTest::theNewExperimentDialogStartsEmpty() {
    Sandbox sandbox;
    TNewExpDlg dialog;
    QCOMPARE(dialog.windowTitle(), QString("Create new experiment"));
    QCOMPARE(dialog.size(), QSize(313, 486));
    QCOMPARE(dialog.NameLabel->text(), QString("Untitled experiment"));
    QCOMPARE(dialog.NameLabel->selectedText(), QString("Untitled experiment"));
    QCOMPARE(dialog.ParentGenName->text(), QString("P1"));
    QVERIFY(!dialog.OKBtn->isEnabled());
    QVERIFY(dialog.MaleParentFile.isEmpty() && dialog.FemaleParentFile.isEmpty());
    QCOMPARE(dialog.FemaleImage->toolTip(), QString("Click to load female fly"));
    QCOMPARE(dialog.MaleImage->size(), QSize(22, 29));

    QTest::keyClicks(dialog.NameLabel, "Crossing w");
    QCOMPARE(dialog.ExperimentName, QString("Crossing w"));
}

void DialogsTest::okNeedsBothParentsInEitherOrder_data() {
    QTest::addColumn<bool>("maleFirst");
    QTest::newRow("male first") << true;
    QTest::newRow("female first") << false;
}

void DialogsTest::okNeedsBothParentsInEitherOrder() {
    QFETCH(bool, maleFirst);
    Sandbox sandbox;
    const QString male = sandbox.SaveFly("wild male.fly", WildFly(false));
    const QString female = sandbox.SaveFly("white female.fly", MutantFly(true, {{ChrX, Locus_w}}));
    TNewExpDlg dialog;
    sandbox.fake.openFiles = {maleFirst ? male : female, maleFirst ? female : male};

    QTest::mouseClick(maleFirst ? dialog.MaleImage : dialog.FemaleImage, Qt::LeftButton);
    QVERIFY(!dialog.OKBtn->isEnabled());
    QTest::mouseClick(maleFirst ? dialog.FemaleImage : dialog.MaleImage, Qt::LeftButton);
    QVERIFY(dialog.OKBtn->isEnabled());

    QVERIFY(sandbox.fake.boxes.empty());
    QCOMPARE(dialog.MaleParentFile, male);
    QCOMPARE(dialog.FemaleParentFile, female);
    QCOMPARE(dialog.MaleLabel->text(), QString("Male: wild male.fly"));
    QCOMPARE(dialog.FemaleLabel->text(), QString("Female: white female.fly"));
    QCOMPARE(sandbox.fake.openCaptions,
             (std::vector<QString>{maleFirst ? "Select male fly" : "Select female fly",
                                   maleFirst ? "Select female fly" : "Select male fly"}));
    QCOMPARE(sandbox.fake.openFolders.front(), sandbox.Path("Flies"));
    QCOMPARE(QDir::currentPath(), QDir(sandbox.dir.path()).canonicalPath());
}

void DialogsTest::parentFilesAreCheckedByTheirFirstWord_data() {
    QTest::addColumn<bool>("male");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("male marker") << true << QByteArray("[M]\nw -\n") << "";
    QTest::newRow("blanks before the marker") << true << QByteArray(" \t\r\n [M] x") << "";
    QTest::newRow("female picked for the male")
        << true << QByteArray("[F]\n") << "You must select a male fly.";
    QTest::newRow("male picked for the female")
        << false << QByteArray("[M]\n") << "You must select a female fly.";
    QTest::newRow("marker run into the next word")
        << true << QByteArray("[M]w -\n") << "You must select a male fly.";
    QTest::newRow("lower case") << false << QByteArray("[f]\n") << "You must select a female fly.";
    QTest::newRow("empty file") << false << QByteArray() << "You must select a female fly.";
    QTest::newRow("binary") << true << QByteArray("\x89PNG\r\n\x1a\n", 8)
                            << "You must select a male fly.";
}

void DialogsTest::parentFilesAreCheckedByTheirFirstWord() {
    QFETCH(bool, male);
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    Sandbox sandbox;
    // The other parent: a female when the male is picked, and the other way round.
    const QString earlier = sandbox.SaveFly("earlier.fly", WildFly(male));
    const QString picked = sandbox.WriteFile("picked.fly", text);
    TNewExpDlg dialog;
    sandbox.fake.openFiles = {earlier, picked};
    TImage* image = male ? dialog.FemaleImage : dialog.MaleImage;
    QTest::mouseClick(image, Qt::LeftButton); // the other parent, loaded first
    image = male ? dialog.MaleImage : dialog.FemaleImage;
    QTest::mouseClick(image, Qt::LeftButton);

    const QString& path = male ? dialog.MaleParentFile : dialog.FemaleParentFile;
    if (message.isEmpty()) {
        QVERIFY(sandbox.fake.boxes.empty());
        QCOMPARE(path, picked);
        QVERIFY(dialog.OKBtn->isEnabled());
    } else {
        QCOMPARE(sandbox.fake.LastCaption(), QString("Error"));
        QCOMPARE(sandbox.fake.LastText(), message);
        QVERIFY(path.isEmpty());
        QVERIFY(!dialog.OKBtn->isEnabled());
    }
}

void DialogsTest::cancellingTheFileDialogChangesNothing() {
    Sandbox sandbox;
    const QString male = sandbox.SaveFly("male.fly", WildFly(false));
    TNewExpDlg dialog;
    sandbox.fake.openFiles = {male, QString(), sandbox.Path("Flies/missing.fly")};
    QTest::mouseClick(dialog.MaleImage, Qt::LeftButton);
    QTest::mouseClick(dialog.MaleImage, Qt::LeftButton); // cancelled
    QCOMPARE(dialog.MaleParentFile, male);
    QVERIFY(sandbox.fake.boxes.empty());
    QTest::mouseClick(dialog.MaleImage, Qt::LeftButton); // a file that is not there
    QCOMPARE(sandbox.fake.LastText(), QString("Couldn't open file."));
    QCOMPARE(dialog.MaleParentFile, male);
}

void DialogsTest::jarNamesAreAddedShortenedAndRemoved() {
    Sandbox sandbox;
    TNewExpDlg dialog;
    sandbox.fake.inputs = {"Jar 1", "Vestigial wings", QString(), "", "0123456789"};
    for (int i = 0; i < 5; ++i)
        dialog.Addjar1Click();
    QCOMPARE(dialog.JarNameList(), (QStringList{"Jar 1", "Vestigial ...", "", "0123456789"}));
    QCOMPARE(sandbox.fake.inputPrompts[0].caption, QString("Add jar"));
    QCOMPARE(sandbox.fake.inputPrompts[0].text, QString("Enter jar label:|Jar 1"));
    QCOMPARE(sandbox.fake.inputPrompts[2].text, QString("Enter jar label:|Jar 3"));

    dialog.Removejar1Click(); // nothing selected
    QCOMPARE(dialog.JarNames->count(), 4);
    dialog.JarNames->setCurrentRow(1);
    dialog.Removejar1Click();
    QCOMPARE(dialog.JarNameList(), (QStringList{"Jar 1", "", "0123456789"}));
}

void DialogsTest::theNewGenerationDialogProposesTheNextFilialName() {
    Sandbox sandbox;
    int counter = 1;
    TNewGenDlg dialog(nullptr, counter);
    QCOMPARE(dialog.windowTitle(), QString("New generation"));
    QCOMPARE(dialog.size(), QSize(313, 270));
    QCOMPARE(dialog.NameLabel->text(), QString("F1"));
    QCOMPARE(dialog.OffspringCount->value(), 100);
    QCOMPARE(dialog.OffspringCount->minimum(), 1);
    QCOMPARE(dialog.OffspringCount->maximum(), 50000);
    QCOMPARE(dialog.Kind(), Icons);
    QCOMPARE(dialog.Type->title(), QString("Show result as..."));
}

void DialogsTest::closingAdvancesTheCounterOnlyForFAndADigit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("counter");
    QTest::newRow("confirmed F1") << "F1" << true << 2;
    QTest::newRow("cancelled F1") << "F1" << false << 2;
    QTest::newRow("renamed F7") << "F7" << true << 2;
    QTest::newRow("F and a digit, then more") << "F2 backcross" << false << 2;
    QTest::newRow("Backcross") << "Backcross" << true << 1;
    QTest::newRow("lower-case f") << "f3" << true << 1;
    QTest::newRow("F alone") << "F" << true << 1;
    QTest::newRow("empty") << "" << true << 1;
    QTest::newRow("FF") << "FF" << false << 1;
}

void DialogsTest::closingAdvancesTheCounterOnlyForFAndADigit() {
    QFETCH(QString, name);
    QFETCH(bool, confirm);
    QFETCH(int, counter);
    Sandbox sandbox;
    int next = 1;
    TNewGenDlg dialog(nullptr, next);
    dialog.show();
    dialog.NameLabel->setText(name);
    (confirm ? dialog.OKBtn : dialog.CancelBtn)->click();
    QCOMPARE(dialog.result(), confirm ? QDialog::Accepted : QDialog::Rejected);
    QCOMPARE(next, counter);
    QCOMPARE(dialog.GenerationName(), name);

    // The close box counts as well.
    TNewGenDlg again(nullptr, next);
    QCOMPARE(again.NameLabel->text(), QString("F%1").arg(counter));
    again.show();
    again.close();
    QCOMPARE(next, counter + 1);
}

void DialogsTest::theOffspringLimitsDependOnTheDisplay_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("500 icons") << int(Icons) << 500 << true;
    QTest::newRow("501 icons") << int(Icons) << 501 << false;
    QTest::newRow("50000 in a table") << int(Table) << 50000 << true;
    QTest::newRow("50000 in a chart") << int(Chart) << 50000 << true;
    QTest::newRow("1 icon") << int(Icons) << 1 << true;
}

void DialogsTest::theOffspringLimitsDependOnTheDisplay() {
    QFETCH(int, kind);
    QFETCH(int, count);
    QFETCH(bool, accepted);
    Sandbox sandbox;
    int next = 1;
    TNewGenDlg dialog(nullptr, next);
    dialog.show();
    dialog.TypeChoice->button(kind)->click();
    dialog.OffspringCount->setValue(count);
    dialog.OKBtn->click();
    QCOMPARE(dialog.isVisible(), !accepted);
    if (accepted) {
        QVERIFY(sandbox.fake.boxes.empty());
        QCOMPARE(dialog.Offspring(), count);
        QCOMPARE(int(dialog.Kind()), kind);
    } else {
        QCOMPARE(sandbox.fake.LastCaption(), QString("Warning"));
        QCOMPARE(sandbox.fake.LastText(), QString("The maximum number of offspring is 500."));
    }
    QVERIFY(sandbox.fake.passwordNotes.empty());
}

void DialogsTest::tablesAndChartsMayNeedThePassword_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("protectTable");
    QTest::addColumn<bool>("protectChart");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("icons, everything protected")
        << int(Icons) << true << true << "" << false << true;
    QTest::newRow("table unprotected") << int(Table) << false << true << "" << false << true;
    QTest::newRow("table, right password") << int(Table) << true << false << "846" << true << true;
    QTest::newRow("table, wrong password") << int(Table) << true << false << "1" << true << false;
    QTest::newRow("chart, cancelled") << int(Chart) << false << true << QString() << true << false;
    QTest::newRow("chart, right password") << int(Chart) << false << true << "846" << true << true;
}

void DialogsTest::tablesAndChartsMayNeedThePassword() {
    QFETCH(int, kind);
    QFETCH(bool, protectTable);
    QFETCH(bool, protectChart);
    QFETCH(QString, answer);
    QFETCH(bool, asked);
    QFETCH(bool, accepted);
    Sandbox sandbox;
    settings().PasswordEnabled = true;
    settings().ProtectTable = protectTable;
    settings().ProtectChart = protectChart;
    sandbox.fake.passwords = {answer};
    int next = 4;
    TNewGenDlg dialog(nullptr, next);
    dialog.show();
    dialog.TypeChoice->button(kind)->click();
    dialog.OffspringCount->setValue(250);
    dialog.OKBtn->click();
    QCOMPARE(sandbox.fake.passwordNotes.size(), std::size_t(asked ? 1 : 0));
    QCOMPARE(dialog.isVisible(), !accepted);
    // A refused password keeps the user's choices.
    QCOMPARE(dialog.OffspringCount->value(), 250);
    QCOMPARE(int(dialog.Kind()), kind);
    QCOMPARE(next, accepted ? 5 : 4);
}

void DialogsTest::generationInfoShowsItsFourValues() {
    TGenInfoDlg dialog(nullptr, "P1", 2, "None", "None");
    QCOMPARE(dialog.windowTitle(), QString("Generation info"));
    QCOMPARE(dialog.size(), QSize(313, 177));
    QCOMPARE(dialog.GenName->text(), QString("P1"));
    QCOMPARE(dialog.OffspringCount->text(), QString("2"));
    QCOMPARE(dialog.Mother->text(), QString("None"));
    QCOMPARE(dialog.Father->text(), QString("None"));
}

void DialogsTest::theStatusWindowIsAThinProgressBar() {
    TStatusScreen status;
    QCOMPARE(status.windowTitle(), QString("Generating..."));
    QCOMPARE(status.size(), QSize(443, 16));
    QCOMPARE(status.ProgressBar->minimum(), 0);
    QCOMPARE(status.ProgressBar->maximum(), 100);
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"

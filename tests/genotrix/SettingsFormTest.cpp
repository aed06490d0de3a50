// The settings window: its pages and controls, what "OK" and "Cancel" take over, the numbers in
// the user's notation, the colour swatch, the password-guarded teacher page and the password
// change, and the microscope redrawn on "OK".

#include "tools/SettingsForm.h"

#include "Application.h"
#include "LabTestSupport.h"
#include "phenotype/MicroscopeView.h"
#include "tools/NewPassForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

using namespace labtest;

namespace {

QByteArray ReadSettingsFile(const Sandbox& sandbox) {
    QFile file(sandbox.Path("settings"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QStringList GroupTitles(QWidget* page) {
    QStringList titles;
    for (QGroupBox* group : page->findChildren<QGroupBox*>())
        titles << group->title();
    return titles;
}

// The user's locale for the life of the object.
class UserLocale {
public:
    explicit UserLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~UserLocale() { QLocale::setDefault(QLocale::c()); }
};

const QLocale DecimalComma(QLocale::German, QLocale::Germany);
const QLocale DecimalPoint(QLocale::English, QLocale::UnitedStates);

} // namespace

class SettingsFormTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowHasItsPagesGroupsAndSize();
    void everyControlHasItsCaptionHintAndDefault();
    void theDefaultNumbersShowInTheUsersNotationAndSaveAsDefaults_data();
    void theDefaultNumbersShowInTheUsersNotationAndSaveAsDefaults();
    void loadedNumbersShowFiveDecimals();
    void okTakesEveryControlOverSavesAndHides();
    void cancelTakesNothingOverButTheControlsKeepTheChange();
    void aTinyResolutionIsAcceptedAndSavedInExponentNotation();
    void unusableNumbersAreRefusedAndNothingIsTakenOver_data();
    void unusableNumbersAreRefusedAndNothingIsTakenOver();
    void theSwatchChoosesAColourTakenOverOnlyByOk();
    void theTeacherPageAsksForThePasswordEveryTime_data();
    void theTeacherPageAsksForThePasswordEveryTime();
    void hidingOnTheTeacherPageReturnsToGeneral();
    void aChangedPasswordIsSavedAtOnce();
    void okRedrawsTheActiveMicroscopeInTheNewColour();
};

void SettingsFormTest::theWindowHasItsPagesGroupsAndSize() {
    Sandbox sandbox;
    TSettingsForm form;
    QCOMPARE(form.windowTitle(), QString("Settings"));
    // As designed, or larger where the desktop font needs more room.
    QVERIFY(form.width() >= 307 && form.height() >= 439);
    QCOMPARE(form.PageControl1->count(), 2);
    QCOMPARE(form.PageControl1->tabText(0), QString("General"));
    QCOMPARE(form.PageControl1->tabText(1), QString("Teacher settings"));
    QCOMPARE(GroupTitles(form.GeneralPage),
             (QStringList{"Microscope", "Generations", "Misc", "Advanced"}));
    QCOMPARE(GroupTitles(form.TeacherPage),
             (QStringList{"Teacher password", "Password protection"}));
    QCOMPARE(form.Button1->text(), QString("OK"));
    QCOMPARE(form.Button2->text(), QString("Cancel"));
    QCOMPARE(form.Shape1->size(), QSize(17, 17));
    QCOMPARE(form.Shape1->toolTip(), QString("Click to set background color of microscope"));

    // Everything stays whole inside the window and its page.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (QWidget* button : {form.Button1, form.Button2})
        QVERIFY(form.rect().contains(button->geometry()));
    sandbox.fake.passwords = {"846"};
    for (QWidget* page : {form.GeneralPage, form.TeacherPage}) {
        form.PageControl1->setCurrentWidget(page);
        QCOMPARE(form.PageControl1->currentWidget(), page);
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if (!control->isVisible())
                continue;
            const QRect onPage(control->mapTo(page, QPoint(0, 0)), control->size());
            const QByteArray name = control->metaObject()->className();
            QVERIFY2(page->rect().contains(onPage), name);
            QVERIFY2(control->width() >= control->minimumSizeHint().width(), name);
        }
    }
}

void SettingsFormTest::everyControlHasItsCaptionHintAndDefault() {
    Sandbox sandbox;
    TSettingsForm form;
    struct Box {
        QCheckBox* box;
        const char* caption;
        const char* hint;
        bool checked;
    };
    const Box boxes[] = {
        {form.CheckBox1, "Enable dragging of flies from microscope",
         "Set this to be able to drag flies from the microscope", true},
        {form.CheckBox2, "Separate males from females in charts and tables",
         "Check to create separate entries for males and females in charts and tables", false},
        {form.CheckBox12, "3D charts", "", false},
        {form.CheckBox4, "Show tips on startup", "Check to display tip of the day on startup",
         true},
        {form.CheckBox5, "Enable teacher password", "Check to enable password protection", false},
        {form.CheckBox6, "Chromosome editor", "Demand password to open the chromosome editor",
         true},
        {form.CheckBox7, "Chromosome chart", "Demand password to view chromosome chart", true},
        {form.CheckBox10, "Represent generation as table", "Demand password to create tables",
         false},
        {form.CheckBox11, "Represent generation as chart", "Demand password to create charts",
         false},
    };
    for (const Box& box : boxes) {
        QVERIFY2(box.box->text() == box.caption, box.caption);
        QVERIFY2(box.box->toolTip() == box.hint, box.caption);
        QVERIFY2(box.box->isChecked() == box.checked, box.caption);
    }
    QCOMPARE(form.Button3->text(), QString("Set/change teacher password"));
    QCOMPARE(form.Button3->toolTip(), QString("Click to set or change the teacher password"));
    QCOMPARE(form.Label2->text(), QString("Require password for the following actions:"));
    const auto buddyText = [&form](QLineEdit* edit) {
        for (QLabel* label : form.findChildren<QLabel*>())
            if (label->buddy() == edit)
                return label->text();
        return QString();
    };
    QCOMPARE(buddyText(form.ResEdit), QString("Resolution for crossing-over:"));
    QCOMPARE(buddyText(form.MinDistEdit), QString("Minimum distance for crossing-over:"));
    QCOMPARE(form.SwatchColor(), MenuBarSystemColor);
    QCOMPARE(form.Shape1->palette().color(QPalette::Window), ResolveColor(MenuBarSystemColor));
}

void SettingsFormTest::theDefaultNumbersShowInTheUsersNotationAndSaveAsDefaults_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("minDistance");
    QTest::newRow("decimal comma") << DecimalComma << "0,04"
                                   << "10,0";
    QTest::newRow("decimal point") << DecimalPoint << "0.04"
                                   << "10.0";
}

void SettingsFormTest::theDefaultNumbersShowInTheUsersNotationAndSaveAsDefaults() {
    QFETCH(QLocale, locale);
    QFETCH(QString, resolution);
    QFETCH(QString, minDistance);
    UserLocale user(locale);
    Sandbox sandbox;
    TSettingsForm form;
    QCOMPARE(form.ResEdit->text(), resolution);
    QCOMPARE(form.MinDistEdit->text(), minDistance);
    form.show();
    form.Button1->click();
    QVERIFY(sandbox.fake.boxes.empty());
    QVERIFY(!form.isVisible());
    QCOMPARE(ReadSettingsFile(sandbox), QByteArray("-2147483618 1 0 0 1 0 1 1 0 0 0 0.04 10\n"));
}

void SettingsFormTest::loadedNumbersShowFiveDecimals() {
    UserLocale user(DecimalComma);
    Sandbox sandbox;
    sandbox.WriteFile("../settings", "0 1 1 1 0 1 0 0 1 1 1 0.5 2.5\n");
    TSettingsForm form;
    QCOMPARE(form.ResEdit->text(), QString("0,50000"));
    QCOMPARE(form.MinDistEdit->text(), QString("2,50000"));
    QCOMPARE(form.SwatchColor(), 0);
    const bool expected[] = {true, true, true, false, true, false, false, true, true};
    const QCheckBox* boxes[] = {form.CheckBox1, form.CheckBox2,  form.CheckBox12,
                                form.CheckBox4, form.CheckBox5,  form.CheckBox6,
                                form.CheckBox7, form.CheckBox10, form.CheckBox11};
    for (int i = 0; i < 9; ++i)
        QVERIFY2(boxes[i]->isChecked() == expected[i], qPrintable(boxes[i]->text()));

    // "OK" without changes writes the same line, the reserved flag included.
    form.show();
    form.Button1->click();
    QCOMPARE(ReadSettingsFile(sandbox), QByteArray("0 1 1 1 0 1 0 0 1 1 1 0.5 2.5\n"));
}

void SettingsFormTest::okTakesEveryControlOverSavesAndHides() {
    UserLocale user(DecimalComma);
    Sandbox sandbox;
    TSettingsForm form;
    form.show();
    for (QCheckBox* box :
         {form.CheckBox1, form.CheckBox2, form.CheckBox12, form.CheckBox4, form.CheckBox5,
          form.CheckBox6, form.CheckBox7, form.CheckBox10, form.CheckBox11})
        box->toggle();
    form.ResEdit->setText("0,25");
    form.MinDistEdit->setText("7,5");
    QSignalSpy takenOver(&form, &TSettingsForm::SettingsTakenOver);
    form.Button1->click();

    QVERIFY(!form.isVisible());
    QCOMPARE(takenOver.count(), 1);
    const TSettings& current = settings();
    QVERIFY(!current.DragFromMicroscope && current.SeparateSexes && current.Charts3D);
    QVERIFY(!current.ShowTipsAtStartup && current.PasswordEnabled);
    QVERIFY(!current.ProtectEditor && !current.ProtectChromosomeMap);
    QVERIFY(current.ProtectTable && current.ProtectChart);
    QCOMPARE(CrossOverResolution, 0.25f);
    QCOMPARE(CrossOverMinDistance, 7.5f);
    QCOMPARE(ReadSettingsFile(sandbox), QByteArray("-2147483618 0 1 1 0 1 0 0 0 1 1 0.25 7.5\n"));
}

void SettingsFormTest::cancelTakesNothingOverButTheControlsKeepTheChange() {
    Sandbox sandbox;
    TSettingsForm form;
    form.show();
    form.CheckBox12->setChecked(true);
    form.ResEdit->setText("0.5");
    form.Button2->click();
    QVERIFY(!form.isVisible());
    QVERIFY(!settings().Charts3D);
    QCOMPARE(CrossOverResolution, 0.04f);
    QVERIFY(!QFile::exists(sandbox.Path("settings")));

    form.show();
    QVERIFY(form.CheckBox12->isChecked());
    QCOMPARE(form.ResEdit->text(), QString("0.5"));
    // Escape cancels the same way.
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    QVERIFY(!settings().Charts3D);
}

void SettingsFormTest::aTinyResolutionIsAcceptedAndSavedInExponentNotation() {
    UserLocale user(DecimalComma);
    Sandbox sandbox;
    TSettingsForm form;
    form.show();
    form.ResEdit->setText("0,00001");
    form.Button1->click();
    QVERIFY(sandbox.fake.boxes.empty());
    QCOMPARE(CrossOverResolution, 1e-05f);
    QCOMPARE(ReadSettingsFile(sandbox), QByteArray("-2147483618 1 0 0 1 0 1 1 0 0 0 1e-05 10\n"));
}

void SettingsFormTest::unusableNumbersAreRefusedAndNothingIsTakenOver_data() {
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("minDistance");
    QTest::addColumn<QString>("message");
    QTest::newRow("resolution not a number")
        << "abc"
        << "5,0"
        << "Resolution for crossing-over: \"abc\" is not a number.";
    QTest::newRow("distance not a number")
        << "0,5"
        << ""
        << "Minimum distance for crossing-over: \"\" is not a number.";
    QTest::newRow("point where the separator is a comma")
        << "0.5"
        << "5,0"
        << "Resolution for crossing-over: \"0.5\" is not a number.";
    QTest::newRow("grouped thousands")
        << "0,5"
        << "1.000"
        << "Minimum distance for crossing-over: \"1.000\" is not a number.";
    QTest::newRow("infinite") << "inf"
                              << "5,0"
                              << "Resolution for crossing-over: \"inf\" is not a number.";
    QTest::newRow("zero resolution") << "0"
                                     << "5,0"
                                     << "Resolution for crossing-over must be greater than 0.";
    QTest::newRow("negative resolution") << "-0,04"
                                         << "5,0"
                                         << "Resolution for crossing-over must be greater than 0.";
    QTest::newRow("negative distance")
        << "0,5"
        << "-1"
        << "Minimum distance for crossing-over must not be negative.";
}

void SettingsFormTest::unusableNumbersAreRefusedAndNothingIsTakenOver() {
    QFETCH(QString, resolution);
    QFETCH(QString, minDistance);
    QFETCH(QString, message);
    UserLocale user(DecimalComma);
    Sandbox sandbox;
    TSettingsForm form;
    form.show();
    form.CheckBox12->setChecked(true);
    form.ResEdit->setText(resolution);
    form.MinDistEdit->setText(minDistance);
    QSignalSpy takenOver(&form, &TSettingsForm::SettingsTakenOver);
    form.Button1->click();

    QCOMPARE(sandbox.fake.LastText(), message);
    QCOMPARE(sandbox.fake.LastCaption(), QString("Error"));
    QVERIFY(form.isVisible());
    QCOMPARE(takenOver.count(), 0);
    QVERIFY(!settings().Charts3D);
    QCOMPARE(CrossOverResolution, 0.04f);
    QCOMPARE(CrossOverMinDistance, 10.0f);
    QVERIFY(!QFile::exists(sandbox.Path("settings")));
}

void SettingsFormTest::theSwatchChoosesAColourTakenOverOnlyByOk() {
    Sandbox sandbox;
    TSettingsForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    sandbox.fake.colours = {QColor(), QColor(10, 20, 30)};

    QTest::mouseClick(form.Shape1, Qt::LeftButton);
    QCOMPARE(sandbox.fake.colourInitials.back(), ResolveColor(MenuBarSystemColor));
    QCOMPARE(form.SwatchColor(), MenuBarSystemColor);

    QTest::mouseClick(form.Shape1, Qt::RightButton);
    const std::int32_t chosen = 10 | 20 << 8 | 30 << 16;
    QCOMPARE(form.SwatchColor(), chosen);
    QCOMPARE(form.Shape1->palette().color(QPalette::Window), QColor(10, 20, 30));
    QCOMPARE(settings().MicroscopeColor, MenuBarSystemColor);

    form.Button1->click();
    QCOMPARE(settings().MicroscopeColor, chosen);
    QCOMPARE(settings().MicroscopeRGB,
             (std::array<float, 3>{10 / 255.0f, 20 / 255.0f, 30 / 255.0f}));
    QVERIFY(ReadSettingsFile(sandbox).startsWith(QByteArray::number(chosen) + ' '));

    // The next choice starts from the swatch's colour.
    form.show();
    QTest::mouseClick(form.Shape1, Qt::LeftButton);
    QCOMPARE(sandbox.fake.colourInitials.back(), QColor(10, 20, 30));
}

void SettingsFormTest::theTeacherPageAsksForThePasswordEveryTime_data() {
    QTest::addColumn<bool>("passwordEnabled");
    QTest::addColumn<QString>("answer"); // null: cancelled
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("message");
    QTest::newRow("right, password off") << false << QString("846") << true << QString();
    QTest::newRow("right, password on") << true << QString("846") << true << QString();
    QTest::newRow("wrong") << false << QString("848") << false << QString("Invalid password.");
    QTest::newRow("cancelled") << true << QString() << false << QString();
}

void SettingsFormTest::theTeacherPageAsksForThePasswordEveryTime() {
    QFETCH(bool, passwordEnabled);
    QFETCH(QString, answer);
    QFETCH(bool, opens);
    QFETCH(QString, message);
    Sandbox sandbox;
    settings().PasswordEnabled = passwordEnabled;
    TSettingsForm form;
    form.show();
    sandbox.fake.passwords = {answer};
    form.PageControl1->setCurrentIndex(TSettingsForm::TeacherPageIndex);

    QCOMPARE(sandbox.fake.passwordNotes, std::vector<bool>{true});
    QCOMPARE(form.PageControl1->currentIndex(),
             opens ? TSettingsForm::TeacherPageIndex : TSettingsForm::GeneralPageIndex);
    QCOMPARE(form.TeacherControls->isVisible(), opens);
    QCOMPARE(sandbox.fake.LastText(), message);
    if (!opens)
        return;

    // Back to "General" is never asked; the teacher page asks again.
    form.PageControl1->setCurrentIndex(TSettingsForm::GeneralPageIndex);
    QCOMPARE(sandbox.fake.passwordNotes.size(), std::size_t(1));
    sandbox.fake.passwords = {"wrong"};
    form.PageControl1->setCurrentIndex(TSettingsForm::TeacherPageIndex);
    QCOMPARE(sandbox.fake.passwordNotes.size(), std::size_t(2));
    QCOMPARE(form.PageControl1->currentIndex(), TSettingsForm::GeneralPageIndex);
    QVERIFY(!form.TeacherControls->isVisible());
}

void SettingsFormTest::hidingOnTheTeacherPageReturnsToGeneral() {
    Sandbox sandbox;
    TSettingsForm form;
    form.show();
    sandbox.fake.passwords = {"846"};
    form.PageControl1->setCurrentIndex(TSettingsForm::TeacherPageIndex);
    QCOMPARE(form.PageControl1->currentIndex(), TSettingsForm::TeacherPageIndex);
    form.Button2->click();
    form.show();
    QCOMPARE(form.PageControl1->currentIndex(), TSettingsForm::GeneralPageIndex);
    QCOMPARE(sandbox.fake.passwordNotes.size(), std::size_t(1));
    QVERIFY(!form.TeacherControls->isVisible());
}

void SettingsFormTest::aChangedPasswordIsSavedAtOnce() {
    Sandbox sandbox;
    TSettingsForm form;
    form.show();
    form.CheckBox12->setChecked(true);
    WhenModal<TNewPass>([](TNewPass* dialog) {
        dialog->OldEdit->setText("846");
        dialog->NewEdit->setText("Mendel");
        dialog->AgainEdit->setText("Mendel");
        dialog->OKButton->click();
    });
    form.Button3->click();
    QCOMPARE(sandbox.fake.LastCaption(), QString("Success!"));
    form.Button2->click();

    // The password reached the store; the page's other changes were cancelled.
    QVERIFY(!settings().Charts3D);
    settings().TeacherPassword = "forgotten";
    settings().LoadSettings();
    QCOMPARE(settings().TeacherPassword, QString("Mendel"));
    QVERIFY(!settings().Charts3D);

    // A cancelled change saves nothing.
    QFile::remove(sandbox.Path("settings"));
    WhenModal<TNewPass>([](TNewPass* dialog) { dialog->CancelButton->click(); });
    form.Button3->click();
    QVERIFY(!QFile::exists(sandbox.Path("settings")));
}

void SettingsFormTest::okRedrawsTheActiveMicroscopeInTheNewColour() {
    Lab lab;
    TExperimentForm* experiment = lab.Open();
    QVERIFY(experiment);
    QVERIFY(QTest::qWaitForWindowExposed(experiment->GLPanel));
    QTest::qWait(200);
    QSignalSpy redrawn(experiment->GLPanel, &QOpenGLWidget::frameSwapped);

    lab.main.ToolsSettings->trigger();
    QVERIFY(lab.main.SettingsForm->isVisible());
    lab.sandbox.fake.colours = {QColor(200, 0, 0)};
    QTest::mouseClick(lab.main.SettingsForm->Shape1, Qt::LeftButton);
    lab.main.SettingsForm->Button1->click();

    QTRY_VERIFY(redrawn.count() > 0);
    const QImage picture = experiment->GLPanel->grabFramebuffer();
    QCOMPARE(picture.pixelColor(1, 1).rgb(), QColor(200, 0, 0).rgb());
}

int main(int argc, char** argv) {
    TGenotrixApplication application(argc, argv);
    SettingsFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SettingsFormTest.moc"

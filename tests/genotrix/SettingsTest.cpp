// The settings object, its one-line file and the stored teacher password.

#include "LabTestSupport.h"

#include <QFile>
#include <QLocale>
#include <QtTest>
#include <locale>

using namespace labtest;

namespace {

// A C++ locale that writes and reads numbers with a decimal comma.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

QByteArray ReadSettingsFile(const Sandbox& sandbox) {
    QFile file(sandbox.Path("settings"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WriteSettingsFile(const Sandbox& sandbox, const QByteArray& text) {
    QFile file(sandbox.Path("settings"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunUsesDefaultsAndSavesTheDefaultLine();
    void aFullLineLoadsAndSavesBackUnchanged();
    void theFileIsWrittenTheSameInADecimalCommaLocale();
    void aTinyResolutionIsWrittenInExponentNotationAndReadBackExactly();
    void malformedTokensKeepTheirDefaults_data();
    void malformedTokensKeepTheirDefaults();
    void colourReferencesResolve();
    void scramblingIsItsOwnInverseWithTheKeyRepeating();
    void passwordsSurviveTheStore_data();
    void passwordsSurviveTheStore();
    void anEmptyPasswordReadsBackAsTheDefault();
};

void SettingsTest::firstRunUsesDefaultsAndSavesTheDefaultLine() {
    Sandbox sandbox;
    const TSettings& current = settings();
    QVERIFY(current.FirstRun);
    QCOMPARE(current.MicroscopeColor, MenuBarSystemColor);
    QVERIFY(current.DragFromMicroscope && current.ShowTipsAtStartup && current.ProtectEditor &&
            current.ProtectChromosomeMap);
    QVERIFY(!current.SeparateSexes && !current.Charts3D && !current.PasswordEnabled &&
            !current.ReservedFlag && !current.ProtectTable && !current.ProtectChart);
    QCOMPARE(current.TeacherPassword, QString("846"));
    QCOMPARE(CrossOverResolution, 0.04f);
    QCOMPARE(CrossOverMinDistance, 10.0f);

    current.SaveSettings();
    QCOMPARE(ReadSettingsFile(sandbox), QByteArray("-2147483618 1 0 0 1 0 1 1 0 0 0 0.04 10\n"));
}

void SettingsTest::aFullLineLoadsAndSavesBackUnchanged() {
    Sandbox sandbox;
    WriteSettingsFile(sandbox, "0 1 1 1 0 1 0 0 1 1 1 0.5 2.5\n");
    TSettings& current = settings();
    current.LoadSettings();

    QVERIFY(!current.FirstRun);
    QCOMPARE(current.MicroscopeColor, 0);
    QCOMPARE(current.MicroscopeRGB, (std::array<float, 3>{0, 0, 0}));
    QVERIFY(current.DragFromMicroscope && current.SeparateSexes && current.Charts3D);
    QVERIFY(!current.ShowTipsAtStartup);
    QVERIFY(current.PasswordEnabled);
    QVERIFY(!current.ProtectEditor && !current.ProtectChromosomeMap);
    QVERIFY(current.ReservedFlag && current.ProtectTable && current.ProtectChart);
    QCOMPARE(CrossOverResolution, 0.5f);
    QCOMPARE(CrossOverMinDistance, 2.5f);

    current.SaveSettings();
    QCOMPARE(ReadSettingsFile(sandbox), QByteArray("0 1 1 1 0 1 0 0 1 1 1 0.5 2.5\n"));
}

void SettingsTest::theFileIsWrittenTheSameInADecimalCommaLocale() {
    Sandbox sandbox;
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    WriteSettingsFile(sandbox, "255 1 0 0 1 0 1 1 0 0 0 0.25 7.5\n");
    settings().LoadSettings();
    QCOMPARE(CrossOverResolution, 0.25f);
    QCOMPARE(CrossOverMinDistance, 7.5f);
    settings().SaveSettings();
    const QByteArray written = ReadSettingsFile(sandbox);

    std::locale::global(previous);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(written, QByteArray("255 1 0 0 1 0 1 1 0 0 0 0.25 7.5\n"));
    QCOMPARE(settings().MicroscopeRGB, (std::array<float, 3>{1, 0, 0}));
}

void SettingsTest::aTinyResolutionIsWrittenInExponentNotationAndReadBackExactly() {
    Sandbox sandbox;
    CrossOverResolution = 1e-05f;
    settings().SaveSettings();
    QCOMPARE(ReadSettingsFile(sandbox), QByteArray("-2147483618 1 0 0 1 0 1 1 0 0 0 1e-05 10\n"));
    CrossOverResolution = 0.04f;
    settings().LoadSettings();
    QCOMPARE(CrossOverResolution, 1e-05f);
}

void SettingsTest::malformedTokensKeepTheirDefaults_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("savedLine");
    const QByteArray defaults = "-2147483618 1 0 0 1 0 1 1 0 0 0 0.04 10";
    QTest::newRow("empty file") << QByteArray() << defaults;
    QTest::newRow("not numbers") << QByteArray("blue yes no\n") << defaults;
    QTest::newRow("cut short") << QByteArray("0 0 1")
                               << QByteArray("0 0 1 0 1 0 1 1 0 0 0 0.04 10");
    QTest::newRow("flag 2 and bad float") << QByteArray("16777215 2 1 1 0 1 0 0 1 1 1 abc 2.5")
                                          << QByteArray("16777215 1 1 1 0 1 0 0 1 1 1 0.04 2.5");
    QTest::newRow("colour too large") << QByteArray("99999999999 0 0 0 0 0 0 0 0 0 0 1 1")
                                      << QByteArray("-2147483618 0 0 0 0 0 0 0 0 0 0 1 1");
    QTest::newRow("infinite and nan") << QByteArray("0 1 0 0 1 0 1 1 0 0 0 inf nan")
                                      << QByteArray("0 1 0 0 1 0 1 1 0 0 0 0.04 10");
    QTest::newRow("binary junk") << QByteArray("\x01\xff\x00 7 \n\t 1", 10)
                                 << QByteArray("-2147483618 1 1 0 1 0 1 1 0 0 0 0.04 10");
    QTest::newRow("tabs and line breaks") << QByteArray("0\t1\n1 1 0 1 0 0 1 1 1\r\n0.5 2.5")
                                          << QByteArray("0 1 1 1 0 1 0 0 1 1 1 0.5 2.5");
}

void SettingsTest::malformedTokensKeepTheirDefaults() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, savedLine);
    Sandbox sandbox;
    WriteSettingsFile(sandbox, text);
    settings().LoadSettings();
    QVERIFY(!settings().FirstRun);
    QCOMPARE(settings().SettingsLine(), savedLine);
}

void SettingsTest::colourReferencesResolve() {
    QCOMPARE(ResolveColor(0x00FF8000), QColor(0x00, 0x80, 0xFF));
    QCOMPARE(ResolveColor(MenuBarSystemColor), QApplication::palette().color(QPalette::Window));
    TSettings chosen;
    chosen.SetMicroscopeColor(0x00FF0000);
    QCOMPARE(chosen.MicroscopeRGB, (std::array<float, 3>{0, 0, 1}));
}

void SettingsTest::scramblingIsItsOwnInverseWithTheKeyRepeating() {
    const QByteArray text = "a password that is longer than the forty-nine character key";
    const QByteArray scrambled = ScramblePassword(text);
    QCOMPARE(scrambled.size(), text.size());
    QCOMPARE(ScramblePassword(scrambled), text);
    QCOMPARE(scrambled[0], char('a' ^ 'p'));
    QCOMPARE(scrambled[48], char(text[48] ^ 'u'));
    QCOMPARE(scrambled[49], char(text[49] ^ 'p'));
    QCOMPARE(scrambled[50], char(text[50] ^ 'q'));
}

void SettingsTest::passwordsSurviveTheStore_data() {
    QTest::addColumn<QString>("password");
    QTest::newRow("plain") << QString("teacher");
    QTest::newRow("bytes equal to their key bytes") << QString("pqwmXbx");
    QTest::newRow("longer than the key") << QString(60, QChar('k'));
    QTest::newRow("accents") << QString::fromUtf8("l\xc3\xa4rare");
    QTest::newRow("spaces kept") << QString(" 846 ");
}

void SettingsTest::passwordsSurviveTheStore() {
    QFETCH(QString, password);
    Sandbox sandbox;
    settings().TeacherPassword = password;
    settings().SaveSettings();
    settings().TeacherPassword = "something else";
    settings().LoadSettings();
    QCOMPARE(settings().TeacherPassword, password);
}

void SettingsTest::anEmptyPasswordReadsBackAsTheDefault() {
    Sandbox sandbox;
    settings().TeacherPassword = "";
    settings().SaveSettings();
    settings().LoadSettings();
    QCOMPARE(settings().TeacherPassword, QString("846"));
}

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"

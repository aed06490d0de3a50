#include "RecordingDialogs.h"
#include "genetics/Random.h"
#include "tools/StartupTips.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using Tips = QList<QStringList>;

class TipsTest : public QObject {
    Q_OBJECT

private:
    // A program folder whose tips file holds `content`.
    static void WriteTips(const QTemporaryDir& folder, const QByteArray& content) {
        QVERIFY(QDir(folder.path()).mkpath("Data/Tips"));
        QFile file(QDir(folder.path()).filePath(TipsFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static const QByteArray SixLines;

private slots:
    void Reading_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Tips>("tips");
        QTest::newRow("two tips and a loose last line")
            << SixLines << Tips{{"First tip."}, {"Second tip,", "on two lines."}};
        QTest::newRow("Windows line ends")
            << QByteArray("One.\r\n[NEXTTIP]\r\nTwo,\r\nthree.\r\n[NEXTTIP]\r\n")
            << Tips{{"One."}, {"Two,", "three."}};
        QTest::newRow("no line end after the last marker")
            << QByteArray("Only tip.\n[NEXTTIP]") << Tips{{"Only tip."}};
        QTest::newRow("lines kept as they are")
            << QByteArray("  indented\n\nafter a blank line\n[NEXTTIP]\n")
            << Tips{{"  indented", "", "after a blank line"}};
        QTest::newRow("markers in a row hold no tip")
            << QByteArray("[NEXTTIP]\nOne.\n[NEXTTIP]\n[NEXTTIP]\n") << Tips{{"One."}};
        QTest::newRow("a marker must be the whole line")
            << QByteArray("One.\n [NEXTTIP]\n[NEXTTIP] \n[nexttip]\n") << Tips{};
        QTest::newRow("no complete tip") << QByteArray("Text without a marker.\n") << Tips{};
        QTest::newRow("empty file") << QByteArray() << Tips{};
    }

    void Reading() {
        QFETCH(QByteArray, content);
        QFETCH(Tips, tips);
        QTemporaryDir folder;
        WriteTips(folder, content);
        const std::optional<Tips> read = ReadTips(QDir(folder.path()).filePath(TipsFile));
        QVERIFY(read.has_value());
        QCOMPARE(*read, tips);
    }

    void MissingFileReadsAsNothing() {
        QTemporaryDir folder;
        QVERIFY(!ReadTips(QDir(folder.path()).filePath(TipsFile)).has_value());
    }

    void StartsAtARandomTipAndWrapsAround() {
        QTemporaryDir folder;
        WriteTips(folder, SixLines);
        RandomScript script({32767}); // 32767 mod 2 tips: the second
        TTipForm form(true, nullptr, folder.path());
        QVERIFY(form.HasTips());
        QCOMPARE(form.CurrentTip, 1);
        QCOMPARE(form.TipMemo->toPlainText(), QString("Second tip,\non two lines."));
        QCOMPARE(form.TipMemo->document()->blockCount(), 2);

        form.Button2->click(); // "Next >>" from the last tip
        QCOMPARE(form.CurrentTip, 0);
        QCOMPARE(form.TipMemo->toPlainText(), QString("First tip."));

        form.Button1->click(); // "<< Previous" from the first tip
        QCOMPARE(form.CurrentTip, 1);
        QCOMPARE(form.TipMemo->toPlainText(), QString("Second tip,\non two lines."));
    }

    void NothingToShow_data() {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("missing file") << false;
        QTest::newRow("no complete tip") << true;
    }

    void NothingToShow() {
        QFETCH(bool, fileExists);
        QTemporaryDir folder;
        if (fileExists)
            WriteTips(folder, "A line without its marker.\n");
        RecordingDialogs dialogs;
        TTipForm form(true, nullptr, folder.path());
        QVERIFY(!form.HasTips());
        QCOMPARE(dialogs.messages, QStringList{"Error: Unable to show startup tips."});
    }

    void ShowTipsBoxReportsTheUsersChoice_data() {
        QTest::addColumn<bool>("atStartup");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }

    void ShowTipsBoxReportsTheUsersChoice() {
        QFETCH(bool, atStartup);
        QTemporaryDir folder;
        WriteTips(folder, SixLines);
        TTipForm form(atStartup, nullptr, folder.path());
        QSignalSpy changed(&form, &TTipForm::ShowTipsAtStartupChanged);
        QCOMPARE(form.ShowTips->isChecked(), atStartup);
        QCOMPARE(changed.size(), 0);

        form.ShowTips->click();

        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toBool(), !atStartup);
    }

    void CommandShowsTheWindowAndPassesTheChoiceOn() {
        QTemporaryDir folder;
        WriteTips(folder, SixLines);
        QList<bool> choices;
        QTimer::singleShot(0, [] {
            auto* form = qobject_cast<TTipForm*>(QApplication::activeModalWidget());
            QVERIFY(form);
            form->ShowTips->click();
            form->Button3->click();
        });
        ShowTipOfTheDay(
            nullptr, true, [&](bool on) { choices.append(on); }, folder.path());
        QCOMPARE(choices, QList<bool>{false});
    }

    void CommandWithoutTipsShowsOnlyTheMessage() {
        QTemporaryDir folder;
        RecordingDialogs dialogs;
        bool called = false;
        ShowTipOfTheDay(
            nullptr, true, [&](bool) { called = true; }, folder.path());
        QCOMPARE(dialogs.messages, QStringList{"Error: Unable to show startup tips."});
        QVERIFY(!called);
    }

    void WindowLooksAsDesigned() {
        QTemporaryDir folder;
        WriteTips(folder, SixLines);
        TTipForm form(true, nullptr, folder.path());
        QCOMPARE(form.windowTitle(), QString("Tip of the day"));
        QCOMPARE(form.size(), QSize(489, 265));
        QCOMPARE(form.Button1->text(), QString("<< Previous"));
        QCOMPARE(form.Button2->text(), QString("Next >>"));
        QCOMPARE(form.Button3->text(), QString("Close"));
        QCOMPARE(form.ShowTips->text(), QString("Show tips at startup"));
        QVERIFY(form.TipMemo->isReadOnly());
    }

    // The shipped tips: every line belongs to a tip, so none is silently never shown.
    void ShippedTipsAreAllComplete() {
        QFile file(GENOTRIX_SOURCE_DIR "/data/Tips/startuptips.txt");
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.last(), QString("[NEXTTIP]"));
        const Tips tips = *ReadTips(file.fileName());
        QVERIFY(!tips.isEmpty());
        for (const QStringList& tip : tips)
            QVERIFY2(!tip.join("").trimmed().isEmpty(), "a tip without text");
    }
};

const QByteArray TipsTest::SixLines =
    "First tip.\n[NEXTTIP]\nSecond tip,\non two lines.\n[NEXTTIP]\nNever shown.\n";

QTEST_MAIN(TipsTest)
#include "TipsTest.moc"

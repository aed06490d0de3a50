// The editor run from a folder without the fly's part files: every rebuild of the preview
// reports the first missing file, and the edits still reach the fly.

#include "EditorFixture.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class MissingPartsTest : public QObject {
    Q_OBJECT

private slots:
    void missingPartIsReportedAndTheEditKept() {
        QTemporaryDir installation;
        QVERIFY(QDir(installation.path()).mkpath("Karyopad"));
        ScriptedDialogs dialogs;
        std::unique_ptr<TForm1> form =
            OpenEditor(dialogs, {"Karyopad"}, installation.filePath("Karyopad"));

        QCOMPARE(dialogs.boxes.size(), 1u);
        QCOMPARE(dialogs.boxes[0].caption, "Error");
        QCOMPARE(dialogs.boxes[0].text, "File: eyes.bmp couldn't be loaded.");

        QTest::mouseClick(form->AlleleLabels[0], Qt::LeftButton);
        QCOMPARE(dialogs.boxes.size(), 2u);
        QCOMPARE(dialogs.boxes[1].caption, "Error");
        QCOMPARE(form->AlleleLabels[0]->text(), "w");
        QCOMPARE(form->Organism.GetPair(ChrX)->GetChr(Homolog1)->alleles[Locus_w], "w");
        form.reset();
        SetDialogs(nullptr);
    }
};

QTEST_MAIN(MissingPartsTest)
#include "MissingPartsTest.moc"

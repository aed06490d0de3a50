// Loading and saving fly files, and the fly file named on the command line.

#include "EditorFixture.h"
#include "phenotype/MicroscopeView.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString FliesFolder() {
    return QDir::cleanPath(ProgramFolder() + "/../Flies");
}

// A male file whose fourth X line names the wrong locus.
const QByteArray CorruptMaleFile = "[M]\nw -\nrb -\nt+ -\nt+ -\nf+ -\nB+ -\n- -\n";

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dialogs = {};
        // A folder without a full stop in its path, for the save name rules.
        folder.emplace(QDir::tempPath() + "/karyopad-XXXXXX");
        if (folder->path().contains('.'))
            QSKIP("The temporary folder's path holds a full stop.");
        form = OpenEditor(dialogs);
    }
    void cleanup() {
        form.reset();
        SetDialogs(nullptr);
        folder.reset();
    }

    void loadShowsTheFly() {
        dialogs.fileName = WriteFile(folder->filePath("white.fly"), WhiteVestigialMaleFile);
        form->Load1->trigger();

        QCOMPARE(dialogs.fileRequests.size(), 1u);
        QCOMPARE(dialogs.fileRequests[0].caption, "Load file");
        QCOMPARE(dialogs.fileRequests[0].start, FliesFolder());
        QCOMPARE(dialogs.fileRequests[0].filter, "Saved flies (*.fly)");
        QCOMPARE(form->AlleleLabels[0]->text(), "w");
        QCOMPARE(form->AlleleLabels[20]->text(), "vg");
        QVERIFY(form->MaleBtn->isChecked());
        QCOMPARE(form->StatusFileName->text(), dialogs.fileName);
        QCOMPARE(form->Panel->Model()->wings, VestigialWings);
        QVERIFY(dialogs.boxes.empty());

        // The save dialog proposes the loaded file.
        const QString loaded = dialogs.fileName;
        dialogs.fileName.clear();
        form->Save1->trigger();
        QCOMPARE(dialogs.fileRequests.back().start, loaded);
    }

    void cancelledLoadChangesNothing() {
        form->Load1->trigger();
        QCOMPARE(dialogs.fileRequests.size(), 1u);
        QCOMPARE(form->StatusFileName->text(), "Untitled.fly");
        QVERIFY(form->FemaleBtn->isChecked());
    }

    void corruptFileIsReportedAndTheFlyKept() {
        QTest::mouseClick(form->AlleleLabels[2], Qt::LeftButton); // rb on the first X
        const QStringList shown = LabelTexts(*form);
        const CDrosophila before = form->Organism;

        dialogs.fileName = WriteFile(folder->filePath("corrupt.fly"), CorruptMaleFile);
        form->Load1->trigger();
        QCOMPARE(dialogs.boxes.size(), 1u);
        QCOMPARE(dialogs.boxes[0].caption, "Error.");
        QCOMPARE(dialogs.boxes[0].text, "Corrupt file.");

        // Nothing of the half-read file stays: labels, buttons, names and the fly itself.
        QCOMPARE(LabelTexts(*form), shown);
        QVERIFY(form->FemaleBtn->isChecked());
        QCOMPARE(form->StatusFileName->text(), "Untitled.fly");
        QCOMPARE(form->SaveDialogFileName, "Untitled.fly");
        for (int pair = 0; pair < PairCount; ++pair)
            for (const int homolog : {Homolog1, Homolog2}) {
                const CChromosome& now = *form->Organism.GetPair(pair)->GetChr(homolog);
                const CChromosome& then = *before.GetPair(pair)->GetChr(homolog);
                QCOMPARE(now.alleles, then.alleles);
                QCOMPARE(now.type, then.type);
            }

        // So the next save writes the fly that is shown.
        dialogs.fileName = folder->filePath("after.fly");
        form->Save1->trigger();
        QVERIFY(ReadFile(dialogs.fileName).startsWith("[F]\nw+ w+\nrb rb+\n"));
    }

    void missingFileChangesNothing() {
        const QStringList shown = LabelTexts(*form);
        dialogs.fileName = folder->filePath("missing.fly");
        form->Load1->trigger();
        QVERIFY(dialogs.boxes.empty());
        QCOMPARE(LabelTexts(*form), shown);
        QVERIFY(form->FemaleBtn->isChecked());
        QCOMPARE(form->StatusFileName->text(), "Untitled.fly");
        QCOMPARE(form->SaveDialogFileName, "Untitled.fly");
    }

    void saveAddsExtensionOnlyWithoutFullStop_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("bare name") << "myfly"
                                   << "myfly.fly";
        QTest::newRow("name with extension") << "myfly.txt"
                                             << "myfly.txt";
        QTest::newRow("folder with full stop") << "flies.old/myfly"
                                               << "flies.old/myfly";
    }
    void saveAddsExtensionOnlyWithoutFullStop() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QVERIFY(QDir(folder->path()).mkpath("flies.old"));
        QTest::mouseClick(form->AlleleLabels[0], Qt::LeftButton); // w on the first X

        dialogs.fileName = folder->filePath(chosen);
        form->Save1->trigger();
        QCOMPARE(dialogs.fileRequests.size(), 1u);
        QCOMPARE(dialogs.fileRequests[0].caption, "Save file");
        QCOMPARE(dialogs.fileRequests[0].start, FliesFolder() + "/Untitled.fly");
        QCOMPARE(dialogs.fileRequests[0].filter, "Saved files (*.fly)");
        QVERIFY(dialogs.boxes.empty());

        const QString path = folder->filePath(written);
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFile::exists(folder->filePath(chosen)), chosen == written);
        QVERIFY(ReadFile(path).startsWith("[F]\nw w+\nrb+ rb+\n"));
        QCOMPARE(form->StatusFileName->text(), path);
        QCOMPARE(form->SaveDialogFileName, path);

        // The saved file loads back as the same fly.
        dialogs.fileName = path;
        form->New1->trigger();
        QCOMPARE(form->AlleleLabels[0]->text(), "w+");
        form->Load1->trigger();
        QCOMPARE(form->AlleleLabels[0]->text(), "w");
    }

    void failedSaveIsReported() {
        dialogs.fileName = folder->filePath("no such folder/myfly.fly");
        form->Save1->trigger();
        QCOMPARE(dialogs.boxes.size(), 1u);
        QCOMPARE(dialogs.boxes[0].caption, "Error");
        QCOMPARE(dialogs.boxes[0].text, "Could not write to file.");
        QCOMPARE(form->StatusFileName->text(), "Untitled.fly");
        QCOMPARE(form->SaveDialogFileName, "Untitled.fly");
    }

    void cancelledSaveWritesNothing() {
        form->Save1->trigger();
        QCOMPARE(dialogs.fileRequests.size(), 1u);
        QVERIFY(QDir(folder->path()).isEmpty());
        QCOMPARE(form->StatusFileName->text(), "Untitled.fly");
    }

    void commandLineOpensFly_data() {
        QTest::addColumn<QString>("subfolder");
        QTest::newRow("plain path") << "flies";
        QTest::newRow("path with blanks") << "my flies/for class 2";
    }
    void commandLineOpensFly() {
        QFETCH(QString, subfolder);
        QVERIFY(QDir(folder->path()).mkpath(subfolder));
        const QString path =
            WriteFile(folder->filePath(subfolder + "/white male.fly"), WhiteVestigialMaleFile);
        form = OpenEditor(dialogs, {"Karyopad", path});

        QVERIFY(form->MaleBtn->isChecked());
        QCOMPARE(form->AlleleLabels[0]->text(), "w");
        QCOMPARE(form->AlleleLabels[1]->text(), "");
        QCOMPARE(form->StatusFileName->text(), path);
        QCOMPARE(form->SaveDialogFileName, path);
        QCOMPARE(form->Panel->Model()->eyeColor, WhiteEyes);
        QVERIFY(dialogs.boxes.empty());
    }

    void commandLineWithoutFileStartsWildType() {
        form = OpenEditor(dialogs, {"Karyopad", ""});
        QVERIFY(form->FemaleBtn->isChecked());
        QCOMPARE(form->StatusFileName->text(), "Untitled.fly");
        form = OpenEditor(dialogs, {"Karyopad", folder->filePath("missing.fly")});
        QVERIFY(form->FemaleBtn->isChecked());
        QCOMPARE(form->StatusFileName->text(), "Untitled.fly");
        QVERIFY(dialogs.boxes.empty());
    }

private:
    ScriptedDialogs dialogs;
    std::optional<QTemporaryDir> folder;
    std::unique_ptr<TForm1> form;
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"

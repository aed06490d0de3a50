// Starting the chromosome editor from the Tools menu and from a fly's "Edit fly": the teacher
// password, the hand-over file, the failures, and a real Karyopad opening the handed-over fly
// from a program folder whose path holds blanks.

#include "Launch.h"

#include "Application.h"
#include "LabTestSupport.h"

#include <QDateTime>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

using namespace labtest;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

struct Start {
    QString program;
    QStringList arguments;
};

// Records every start instead of starting anything, for the life of the object.
class RecordedStarts {
public:
    RecordedStarts() {
        SetProcessStarter([this](const QString& program, const QStringList& arguments) {
            starts.push_back({program, arguments});
            return true;
        });
    }
    ~RecordedStarts() { SetProcessStarter({}); }
    std::vector<Start> starts;
};

// "Edit fly" on the experiment's first fly.
void EditFirstFly(TExperimentForm& experiment) {
    experiment.CurrentFly = experiment.Generations.front()->Flies.front().get();
    experiment.Editfly1->trigger();
}

} // namespace

class LaunchTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetProcessStarter({}); }
    void startFailuresAreReported_data();
    void startFailuresAreReported();
    void theEditorCommandsAskForThePasswordWhenProtected_data();
    void theEditorCommandsAskForThePasswordWhenProtected();
    void editFlyWithoutTheEditorsFolderCannotWriteTheHandOverFile();
    void theRealEditorOpensTheHandedOverFlyFromAFolderWithBlanks();
};

void LaunchTest::startFailuresAreReported_data() {
    QTest::addColumn<QByteArray>("editor"); // empty: no editor at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "Couldn't find file.";
    QTest::newRow("not a program") << QByteArray("not a program") << "Unknown error.";
}

void LaunchTest::startFailuresAreReported() {
    QFETCH(QByteArray, editor);
    QFETCH(QString, message);
    Lab lab;
    if (!editor.isEmpty()) {
        QDir(lab.sandbox.Path("")).mkpath("Karyopad");
        Sandbox::Overwrite(lab.sandbox.Path("Karyopad/Karyopad"), editor);
    }
    lab.main.ChromosomeEditor1->trigger();
    QCOMPARE(lab.sandbox.fake.LastText(), message);
    QCOMPARE(lab.sandbox.fake.LastCaption(), QString("Error"));
    QCOMPARE(lab.sandbox.fake.boxes.size(), std::size_t(1));
}

void LaunchTest::theEditorCommandsAskForThePasswordWhenProtected_data() {
    QTest::addColumn<bool>("editFly"); // else the Tools menu's "Chromosome Editor..."
    QTest::addColumn<bool>("passwordEnabled");
    QTest::addColumn<bool>("protectEditor");
    QTest::addColumn<QString>("answer"); // null: cancelled
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("starts");
    for (const bool editFly : {false, true}) {
        const QByteArray command = editFly ? "Edit fly, " : "Chromosome Editor, ";
        QTest::newRow(command + "password off")
            << editFly << false << true << QString() << false << true;
        QTest::newRow(command + "editor unprotected")
            << editFly << true << false << QString() << false << true;
        QTest::newRow(command + "right password")
            << editFly << true << true << QString("846") << true << true;
        QTest::newRow(command + "wrong password")
            << editFly << true << true << QString("864") << true << false;
        QTest::newRow(command + "cancelled")
            << editFly << true << true << QString() << true << false;
    }
}

void LaunchTest::theEditorCommandsAskForThePasswordWhenProtected() {
    QFETCH(bool, editFly);
    QFETCH(bool, passwordEnabled);
    QFETCH(bool, protectEditor);
    QFETCH(QString, answer);
    QFETCH(bool, asked);
    QFETCH(bool, starts);
    Lab lab;
    RecordedStarts recorded;
    settings().PasswordEnabled = passwordEnabled;
    settings().ProtectEditor = protectEditor;
    lab.sandbox.fake.passwords = {answer};
    QDir(lab.sandbox.Path("")).mkpath("Karyopad");
    const QString handOver = lab.sandbox.Path("Karyopad/temp.fly");
    Sandbox::Overwrite(handOver, "an earlier hand-over");

    if (editFly) {
        TExperimentForm* experiment = lab.Open();
        QVERIFY(experiment);
        EditFirstFly(*experiment);
    } else {
        lab.main.ChromosomeEditor1->trigger();
    }

    QCOMPARE(lab.sandbox.fake.passwordNotes.size(), std::size_t(asked ? 1 : 0));
    QCOMPARE(recorded.starts.size(), std::size_t(starts ? 1 : 0));
    if (asked && !starts && !answer.isNull())
        QCOMPARE(lab.sandbox.fake.LastText(), QString("Invalid password."));
    if (!editFly || !starts) {
        // The hand-over file is left as it was.
        QCOMPARE(ReadAll(handOver), QByteArray("an earlier hand-over"));
        if (starts) {
            QCOMPARE(recorded.starts[0].program, lab.sandbox.Path("Karyopad/Karyopad"));
            QVERIFY(recorded.starts[0].arguments.isEmpty());
        }
        return;
    }
    // The fly went to the hand-over file, whose full path is the editor's one argument.
    QCOMPARE(recorded.starts[0].program, lab.sandbox.Path("Karyopad/Karyopad"));
    QCOMPARE(recorded.starts[0].arguments, QStringList{handOver});
    const QString expected = lab.sandbox.Path("expected.fly");
    SaveToFile(*lab.main.ActiveExperiment()->CurrentFly->Fly, expected.toStdString());
    QCOMPARE(ReadAll(handOver), ReadAll(expected));
}

void LaunchTest::editFlyWithoutTheEditorsFolderCannotWriteTheHandOverFile() {
    Lab lab;
    RecordedStarts recorded;
    TExperimentForm* experiment = lab.Open();
    QVERIFY(experiment);
    EditFirstFly(*experiment);
    QCOMPARE(lab.sandbox.fake.LastText(), QString("Could not write to file."));
    QCOMPARE(lab.sandbox.fake.LastCaption(), QString("Error"));
    QVERIFY(recorded.starts.empty());
}

void LaunchTest::theRealEditorOpensTheHandedOverFlyFromAFolderWithBlanks() {
    // The editor shows that it read the file only on its screen; the file's last access time
    // tells it here, where the file system keeps access times.
    QTemporaryDir temporary;
    const QString probe = temporary.filePath("probe");
    Sandbox::Overwrite(probe, "probe");
    QTest::qWait(20);
    ReadAll(probe);
    if (QFileInfo(probe).lastRead() <= QFileInfo(probe).lastModified())
        QSKIP("This file system does not record when a file was read.");

    Lab lab;
    const QString folder = temporary.filePath("Genotrix program folder");
    QVERIFY(QDir().mkpath(folder + "/Karyopad"));
    QVERIFY(QFile::copy(GENOTRIX_PROGRAM_DIR "/Karyopad/Karyopad", folder + "/Karyopad/Karyopad"));
    QVERIFY(QFile::link(GENOTRIX_PROGRAM_DIR "/Data", folder + "/Data"));
    SetProgramFolder(folder);

    // The editor runs as its own process; the test keeps hold of it to end it afterwards.
    QProcess editor;
    QStringList arguments;
    SetProcessStarter([&editor, &arguments](const QString& program, const QStringList& given) {
        arguments = given;
        editor.start(program, given);
        return editor.waitForStarted(10000);
    });
    TExperimentForm* experiment = lab.Open();
    QVERIFY(experiment);
    EditFirstFly(*experiment);

    const QString handOver = folder + "/Karyopad/temp.fly";
    QCOMPARE(arguments, QStringList{handOver});
    QVERIFY(lab.sandbox.fake.boxes.empty());
    const QDateTime written = QFileInfo(handOver).lastModified();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(handOver).lastRead() > written, 30000);
    QCOMPARE(editor.state(), QProcess::Running);
    editor.kill();
    editor.waitForFinished(5000);
}

int main(int argc, char** argv) {
    TGenotrixApplication application(argc, argv);
    LaunchTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LaunchTest.moc"

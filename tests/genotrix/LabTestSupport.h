#pragma once

// What the laboratory's GUI tests share: scripted answers for every box and prompt of the dialog
// seam, a sandbox standing in for the program's folder and the per-machine store, fly files of
// known genotype, and answering the program's own modal dialogs.

#include "ProgramFolder.h"
#include "fly/Drosophila.h"
#include "phenotype/Resource.h"
#include "tools/Settings.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace labtest {

// Records every box shown and answers from scripts; an unscripted question is answered No,
// an unscripted input box, password prompt, file or colour dialog is cancelled, and so is every
// print dialog. A null QString scripts
// a cancelled input box or prompt.
class FakeDialogs : public Dialogs {
public:
    struct Box {
        QString caption;
        QString text;
    };
    std::vector<Box> boxes;
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> inputs;
    std::vector<Box> inputPrompts;
    std::deque<QString> openFiles;
    std::vector<QString> openCaptions;
    std::vector<QString> openFolders;
    std::deque<QString> saveFiles;
    std::deque<QString> passwords;
    std::vector<bool> passwordNotes;
    std::deque<QColor> colours; // an invalid colour scripts a cancelled chooser
    std::vector<QColor> colourInitials;
    int printDialogs = 0;

    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString& caption,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons) override {
        boxes.push_back({caption, text});
        if (!answers.empty()) {
            const QMessageBox::StandardButton answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }
    std::optional<QString> Input(QWidget*, const QString& caption, const QString& prompt,
                                 const QString& initial) override {
        inputPrompts.push_back({caption, prompt + "|" + initial});
        return Answer(Take(inputs, QString()));
    }
    QString OpenFileName(QWidget*, const QString& caption, const QString& folder,
                         const QString&) override {
        openCaptions.push_back(caption);
        openFolders.push_back(folder);
        return Take(openFiles, QString());
    }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return Take(saveFiles, QString());
    }
    std::optional<QColor> Colour(QWidget*, const QColor& initial) override {
        colourInitials.push_back(initial);
        const QColor chosen = Take(colours, QColor());
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }
    // The print dialog is always cancelled.
    bool Print(QWidget*, QPrinter*) override {
        ++printDialogs;
        return false;
    }
    std::optional<QString> Password(QWidget*, bool showDefaultNote) override {
        passwordNotes.push_back(showDefaultNote);
        return Answer(Take(passwords, QString()));
    }

    // The text of the last box, or nothing when none was shown.
    QString LastText() const { return boxes.empty() ? QString() : boxes.back().text; }
    QString LastCaption() const { return boxes.empty() ? QString() : boxes.back().caption; }

private:
    static std::optional<QString> Answer(const QString& text) {
        if (text.isNull())
            return std::nullopt;
        return text;
    }
    template <class T> static T Take(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

// A temporary program folder (with a Flies folder) and per-machine store, with FakeDialogs
// installed, for the life of the object. Settings are loaded from the empty folder, and are
// the defaults again afterwards.
class Sandbox {
public:
    Sandbox() {
        QDir(dir.path()).mkpath("Flies");
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir.filePath("store"));
        SetProgramFolder(dir.path());
        SetDialogs(&fake);
        settings().LoadSettings();
    }
    ~Sandbox() {
        settings() = TSettings();
        CrossOverResolution = 0.04f;
        CrossOverMinDistance = 10.0f;
        SetDialogs(nullptr);
        SetProgramFolder(QString());
        QDir::setCurrent(QDir::tempPath());
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    QString Path(const QString& name) const { return dir.filePath(name); }

    // Writes a fly file into Flies and returns its path.
    QString SaveFly(const QString& name, const CDrosophila& fly) const {
        const QString path = dir.filePath("Flies/" + name);
        SaveToFile(fly, path.toStdString());
        return path;
    }
    // Writes any text as a file into Flies and returns its path.
    QString WriteFile(const QString& name, const QByteArray& text) const {
        const QString path = dir.filePath("Flies/" + name);
        Overwrite(path, text);
        return path;
    }
    static void Overwrite(const QString& path, const QByteArray& text) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QTemporaryDir dir;
    FakeDialogs fake;
};

inline CDrosophila WildFly(bool female) {
    CDrosophila fly;
    SetWildType(fly, female ? 1 : 0);
    return fly;
}

// A fly homozygous (hemizygous on a male X) mutant at the given (pair, slot) loci.
inline CDrosophila MutantFly(bool female, std::initializer_list<std::pair<int, int>> loci) {
    CDrosophila fly = WildFly(female);
    for (auto [pair, slot] : loci) {
        CChromosomePair& chromosomes = *fly.GetPair(pair);
        for (int homolog = 0; homolog < 2; ++homolog)
            if (chromosomes.GetChr(homolog)->type != YChromosome)
                chromosomes.GetChr(homolog)->alleles[slot] = LocusSymbols[pair][slot];
    }
    return fly;
}

// Loads the meshes and skins of the 3D fly that the build put into the program folder.
inline void LoadFlyParts() {
    CRsrcMgr::Instance().LoadAll(GENOTRIX_PROGRAM_DIR "/Data/Models",
                                 GENOTRIX_PROGRAM_DIR "/Data/Skins");
}

// Runs `answer` on the next modal dialog of type Dialog as soon as it is showing.
template <class Dialog> void WhenModal(std::function<void(Dialog*)> answer) {
    auto* poll = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && waited->elapsed() < 5000)
            return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (dialog)
            answer(dialog);
        else
            qWarning("No dialog of the expected type came up.");
    });
    poll->start(5);
}

// Presses `button` on `from` at `at`, drags past the drag distance to `to` at `where` and
// releases there, as a user does; whatever the drop does has run when this returns.
inline void DragAndDrop(QWidget* from, QPoint at, QWidget* to, QPoint where,
                        Qt::MouseButton button = Qt::LeftButton) {
    // The drag runs its own event loop from the first move past the distance to the release.
    constexpr int step = 20;
    QTimer::singleShot(step, to, [to, where, button] {
        QTest::mouseMove(to, where - QPoint(2, 0));
        QTimer::singleShot(step, to, [to, where, button] {
            QTest::mouseMove(to, where);
            QTimer::singleShot(step, to,
                               [to, where, button] { QTest::mouseRelease(to, button, {}, where); });
        });
    });
    QTest::mousePress(from, button, {}, at);
    QTest::mouseMove(from, at + QPoint(QApplication::startDragDistance() + 2, 0));
    QTest::qWait(4 * step);
}

} // namespace labtest

#include "ChildWin.h"
#include "NewExp.h"
#include "NewGen.h"
#include "main.h"
#include "tools/Welcome.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace labtest {

// Runs File > New experiment with these parent files, name and jar names, and returns the
// window it opened (none when it closed again).
inline TExperimentForm* NewExperiment(TMainForm& main, Sandbox& sandbox, const QString& male,
                                      const QString& female, const QString& name = "Cross",
                                      const QStringList& jars = {}) {
    sandbox.fake.openFiles.push_back(male);
    sandbox.fake.openFiles.push_back(female);
    for (const QString& jar : jars)
        sandbox.fake.inputs.push_back(jar);
    WhenModal<TNewExpDlg>([name, jars](TNewExpDlg* dialog) {
        dialog->NameLabel->setText(name);
        dialog->MaleImageClick();
        dialog->FemaleImageClick();
        for (int i = 0; i < jars.size(); ++i)
            dialog->Addjar1Click();
        dialog->OKBtn->click();
    });
    const QList<TExperimentForm*> before = main.Experiments();
    main.FileNew1->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (TExperimentForm* experiment : main.Experiments())
        if (!before.contains(experiment))
            return experiment;
    return nullptr;
}

// Answers the next new-generation dialog with these choices (an empty name keeps the one
// proposed) and confirms it.
inline void AnswerNewGeneration(int count, GenerationKind kind, const QString& name = {}) {
    WhenModal<TNewGenDlg>([count, kind, name](TNewGenDlg* dialog) {
        if (!name.isEmpty())
            dialog->NameLabel->setText(name);
        dialog->OffspringCount->setValue(count);
        dialog->TypeChoice->button(kind)->click();
        dialog->OKBtn->click();
    });
}

// The first fly of that sex in an icon generation, none when there is none.
inline DrosophilaIcon* FirstOfSex(const TGeneration& generation, bool female) {
    for (const auto& fly : generation.Flies)
        if (IsFemale(*fly->Fly) == female)
            return fly.get();
    return nullptr;
}

// A main window, past the welcome window of its first run, with a wild-type male and a
// white-eyed female in the sandbox's Flies.
struct Lab {
    Lab() {
        main.resize(1200, 900);
        bool welcomed = false;
        WhenModal<TWelcomeForm>([&welcomed](TWelcomeForm* welcome) {
            welcome->Button1->click();
            welcomed = true;
        });
        main.show();
        QTRY_VERIFY(welcomed);
        male = sandbox.SaveFly("wild male.fly", WildFly(false));
        female = sandbox.SaveFly("white female.fly", MutantFly(true, {{ChrX, Locus_w}}));
    }
    TExperimentForm* Open(const QString& name = "Cross", const QStringList& jars = {}) {
        return NewExperiment(main, sandbox, male, female, name, jars);
    }
    Sandbox sandbox;
    TMainForm main;
    QString male;
    QString female;
};

} // namespace labtest

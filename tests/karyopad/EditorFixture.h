#pragma once

// What the editor's tests share: dialogs that answer from a script and record what was asked,
// and an editor window that is shown and ready, running from the build's program folder.

#include "Unit1.h"
#include "ui/Dialogs.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class ScriptedDialogs : public Dialogs {
public:
    struct Box {
        QString caption;
        QString text;
    };
    struct FileRequest {
        QString caption;
        QString start;
        QString filter;
    };

    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& caption, const QString& text,
                                        QMessageBox::StandardButtons buttons) override;
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    std::optional<QColor> Colour(QWidget* parent, const QColor& initial) override;

    // The answers: the button pressed in a question, the path chosen in the next file dialog
    // (empty: cancelled) and the colour chosen (none: cancelled).
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QString fileName;
    std::optional<QColor> colour;

    // What was asked.
    std::vector<Box> boxes;
    std::vector<FileRequest> fileRequests;
    std::vector<QColor> coloursOffered;
};

// The folder the editor runs from in the build, beside the Data folder.
QString ProgramFolder();

// Opens the editor with the given command line, installs `dialogs` for the test and waits until
// the preview is ready and the command line has been handled.
std::unique_ptr<TForm1> OpenEditor(ScriptedDialogs& dialogs,
                                   const QStringList& arguments = {"Karyopad"},
                                   const QString& programFolder = ProgramFolder());

// The texts of the 40 allele labels in label order.
QStringList LabelTexts(const TForm1& form);

// Writes a text file; returns its path.
QString WriteFile(const QString& path, const QByteArray& content);

// Fly files.
extern const QByteArray WildFemaleFile;
// A white-eyed (w) male with vestigial wings (vg/vg).
extern const QByteArray WhiteVestigialMaleFile;

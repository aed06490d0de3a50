#pragma once

// The one seam through which both programs ask the user something: message boxes, input boxes,
// file, colour and print dialogs and the teacher-password prompt. Production uses the real Qt
// dialogs; GUI tests install their own answers with SetDialogs.

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box; returns the button pressed.
    virtual QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& caption, const QString& text,
                                                QMessageBox::StandardButtons buttons);
    // A one-line input box; nothing when cancelled.
    virtual std::optional<QString> Input(QWidget* parent, const QString& caption,
                                         const QString& prompt, const QString& initial);
    // File dialogs; an empty text when cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter);
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter);
    // A colour chooser; nothing when cancelled.
    virtual std::optional<QColor> Colour(QWidget* parent, const QColor& initial);
    // The print dialog for the printer; true when the user chose to print.
    virtual bool Print(QWidget* parent, QPrinter* printer);
    // The teacher-password prompt; the text typed, nothing when cancelled. `showDefaultNote`
    // asks the prompt to remind the user of the default password.
    virtual std::optional<QString> Password(QWidget* parent, bool showDefaultNote);

    // The password prompt itself is a window of the laboratory; it registers its factory here.
    using PasswordPrompt = std::optional<QString> (*)(QWidget* parent, bool showDefaultNote);
    static void SetPasswordPrompt(PasswordPrompt prompt);
};

// The dialogs in use; the real ones unless a test replaced them.
Dialogs& dialogs();
// Replaces the dialogs (not owned); nullptr restores the real ones.
void SetDialogs(Dialogs* replacement);

// Shorthands for the common boxes.
void ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                 QMessageBox::Icon icon = QMessageBox::Warning);
bool AskYesNo(QWidget* parent, const QString& caption, const QString& question);

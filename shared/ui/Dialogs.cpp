#include "ui/Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {
Dialogs realDialogs;
Dialogs* current = &realDialogs;
Dialogs::PasswordPrompt passwordPrompt = nullptr;
} // namespace

QMessageBox::StandardButton Dialogs::Message(QWidget* parent, QMessageBox::Icon icon,
                                             const QString& caption, const QString& text,
                                             QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> Dialogs::Input(QWidget* parent, const QString& caption,
                                      const QString& prompt, const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString Dialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString Dialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

std::optional<QColor> Dialogs::Colour(QWidget* parent, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

bool Dialogs::Print(QWidget* parent, QPrinter* printer) {
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> Dialogs::Password(QWidget* parent, bool showDefaultNote) {
    if (!passwordPrompt)
        return std::nullopt;
    return passwordPrompt(parent, showDefaultNote);
}

void Dialogs::SetPasswordPrompt(PasswordPrompt prompt) {
    passwordPrompt = prompt;
}

Dialogs& dialogs() {
    return *current;
}

void SetDialogs(Dialogs* replacement) {
    current = replacement ? replacement : &realDialogs;
}

void ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                 QMessageBox::Icon icon) {
    dialogs().Message(parent, icon, caption, text, QMessageBox::Ok);
}

bool AskYesNo(QWidget* parent, const QString& caption, const QString& question) {
    return dialogs().Message(parent, QMessageBox::Question, caption, question,
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

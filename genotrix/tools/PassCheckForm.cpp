#include "tools/PassCheckForm.h"

#include "tools/Settings.h"
#include "ui/Dialogs.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int ClientWidth = 284;
constexpr int ClientHeight = 137;
// The title bar and border the outer height includes.
constexpr int FrameHeight = 30;

void ShowInvalidPassword(QWidget* parent) {
    ShowMessage(parent, "Error", "Invalid password.", QMessageBox::Critical);
}

std::optional<QString> AskPassword(QWidget* parent, bool /*showDefaultNote*/) {
    TPassCheck prompt(parent);
    if (prompt.exec() != QDialog::Accepted)
        return std::nullopt;
    return prompt.Edit1->text();
}

} // namespace

TPassCheck::TPassCheck(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Your password, please...");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* request = new QLabel(
        "You have requested a password-protected feature. Please enter teacher password:", this);
    request->setWordWrap(true);
    request->setGeometry(8, 6, 268, 30);

    Edit1 = new QLineEdit(this);
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setGeometry(8, 42, 268, 22);

    // Neither button answers Enter or Escape.
    OKButton = new QPushButton("OK", this);
    OKButton->setAutoDefault(false);
    OKButton->setGeometry(58, 72, 75, 25);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setAutoDefault(false);
    CancelButton->setGeometry(150, 72, 75, 25);
    connect(OKButton, &QPushButton::clicked, this, &TPassCheck::Button1Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    NoteLabel = new QLabel(
        "Password is currently set to default (\"846\"). See the documentation for more info.",
        this);
    NoteLabel->setWordWrap(true);
    NoteLabel->setStyleSheet("color: red");
    NoteLabel->setGeometry(8, 104, 268, 30);

    int height = ClientHeight;
    if (settings().TeacherPassword != DefaultPassword) {
        NoteLabel->hide();
        height = OuterHeightWithoutNote - FrameHeight;
    }
    setFixedSize(ClientWidth, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TPassCheck::keyPressEvent(QKeyEvent* event) {
    // Escape would cancel a dialog; the prompt closes only through its buttons.
    if (event->key() != Qt::Key_Escape)
        QDialog::keyPressEvent(event);
}

void TPassCheck::Button1Click() {
    if (Edit1->text() == settings().TeacherPassword) {
        accept();
        return;
    }
    ShowInvalidPassword(this);
    reject();
}

bool AskTeacherPassword(QWidget* parent) {
    const std::optional<QString> answer =
        dialogs().Password(parent, settings().TeacherPassword == DefaultPassword);
    if (!answer)
        return false;
    if (*answer != settings().TeacherPassword) {
        ShowInvalidPassword(parent);
        return false;
    }
    return true;
}

bool CheckPassword(bool protectionFlag, QWidget* parent) {
    return !protectionFlag || !settings().PasswordEnabled || AskTeacherPassword(parent);
}

void InstallPasswordPrompt() {
    Dialogs::SetPasswordPrompt(&AskPassword);
}

#include "tools/NewPassForm.h"

#include "tools/Settings.h"
#include "ui/Dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TNewPass::TNewPass(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Change/set password");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(342, 199);

    const auto addEntry = [this](const QString& caption, int top) {
        auto* label = new QLabel(caption, this);
        label->setGeometry(16, top, 310, 16);
        auto* edit = new QLineEdit(this);
        edit->setEchoMode(QLineEdit::Password);
        edit->setGeometry(16, top + 18, 310, 22);
        label->setBuddy(edit);
        return edit;
    };
    OldEdit = addEntry("Enter old password:", 10);
    NewEdit = addEntry("Enter new password:", 56);
    AgainEdit = addEntry("Enter new password again:", 102);

    OKButton = new QPushButton("OK", this);
    OKButton->setDefault(true);
    OKButton->setGeometry(88, 160, 75, 25);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setGeometry(180, 160, 75, 25);
    connect(OKButton, &QPushButton::clicked, this, &TNewPass::Button1Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewPass::Button1Click() {
    TSettings& current = settings();
    if (OldEdit->text() != current.TeacherPassword) {
        ShowMessage(this, "Error", "Old password is incorrect.", QMessageBox::Critical);
        return;
    }
    if (NewEdit->text() != AgainEdit->text()) {
        ShowMessage(this, "Error", "Passwords do not match.", QMessageBox::Critical);
        return;
    }
    current.TeacherPassword = NewEdit->text();
    ShowMessage(this, "Success!", "Password changed.", QMessageBox::Information);
    accept();
}

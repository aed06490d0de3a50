#pragma once

// The dialog that sets or changes the teacher password.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TNewPass : public QDialog {
    Q_OBJECT
public:
    explicit TNewPass(QWidget* parent = nullptr);

    QLineEdit* OldEdit;
    QLineEdit* NewEdit;
    QLineEdit* AgainEdit;
    QPushButton* OKButton;
    QPushButton* CancelButton;

    // Takes the new password over when the old one is right and both new entries agree;
    // otherwise says why and stays open.
    void Button1Click();
};

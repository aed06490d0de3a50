#pragma once

// The teacher-password gate and its prompt.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The prompt "Your password, please...": one try per question. It closes with OK only when the
// text typed is the current teacher password; a wrong one is reported and closes it with Cancel.
class TPassCheck : public QDialog {
    Q_OBJECT
public:
    explicit TPassCheck(QWidget* parent = nullptr);

    // The window's outer height when the default-password note is hidden.
    static constexpr int OuterHeightWithoutNote = 138;

    QLineEdit* Edit1;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QLabel* NoteLabel;

    void Button1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Asks for the teacher password, whatever the protection settings say. True when it was given;
// a wrong one is reported.
bool AskTeacherPassword(QWidget* parent = nullptr);

// May a protected action go on? True when its protection flag or the password as a whole is
// off, otherwise only when the teacher password is given at the prompt.
bool CheckPassword(bool protectionFlag, QWidget* parent = nullptr);

// Makes TPassCheck the password prompt of the dialog seam.
void InstallPasswordPrompt();

// The teacher-password gate, its prompt and the change-password dialog.

#include "LabTestSupport.h"
#include "tools/NewPassForm.h"
#include "tools/PassCheckForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace labtest;

class PasswordTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallPasswordPrompt(); }
    void thePromptShowsTheDefaultNoteOnlyForTheDefaultPassword_data();
    void thePromptShowsTheDefaultNoteOnlyForTheDefaultPassword();
    void thePromptAcceptsOnlyTheExactPasswordInOneTry_data();
    void thePromptAcceptsOnlyTheExactPasswordInOneTry();
    void theSeamShowsTheRealPrompt();
    void theGateAsksOnlyWhenTheFlagAndThePasswordAreOn_data();
    void theGateAsksOnlyWhenTheFlagAndThePasswordAreOn();
    void changingThePasswordChecksOldAndRepeatedEntries_data();
    void changingThePasswordChecksOldAndRepeatedEntries();
};

void PasswordTest::thePromptShowsTheDefaultNoteOnlyForTheDefaultPassword_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("noteShown");
    QTest::addColumn<int>("height");
    QTest::newRow("default") << QString("846") << true << 137;
    QTest::newRow("changed") << QString("teacher") << false
                             << TPassCheck::OuterHeightWithoutNote - 30;
    QTest::newRow("empty") << QString("") << false << TPassCheck::OuterHeightWithoutNote - 30;
}

void PasswordTest::thePromptShowsTheDefaultNoteOnlyForTheDefaultPassword() {
    QFETCH(QString, password);
    QFETCH(bool, noteShown);
    QFETCH(int, height);
    Sandbox sandbox;
    settings().TeacherPassword = password;
    TPassCheck prompt;
    prompt.show();
    QCOMPARE(prompt.windowTitle(), QString("Your password, please..."));
    QCOMPARE(prompt.NoteLabel->isVisible(), noteShown);
    QCOMPARE(prompt.size(), QSize(284, height));
    QVERIFY(prompt.NoteLabel->text().startsWith("Password is currently set to default (\"846\")."));
    QCOMPARE(prompt.Edit1->echoMode(), QLineEdit::Password);
    // The buttons stay whole inside the window either way.
    QVERIFY(prompt.rect().contains(prompt.OKButton->geometry()));
    QVERIFY(prompt.rect().contains(prompt.CancelButton->geometry()));
    QVERIFY(!prompt.OKButton->isDefault() && !prompt.OKButton->autoDefault());
    QTest::keyClick(&prompt, Qt::Key_Escape);
    QVERIFY(prompt.isVisible());
}

void PasswordTest::thePromptAcceptsOnlyTheExactPasswordInOneTry_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("right") << QString("Secret") << true;
    QTest::newRow("other case") << QString("secret") << false;
    QTest::newRow("trailing blank") << QString("Secret ") << false;
    QTest::newRow("empty") << QString("") << false;
}

void PasswordTest::thePromptAcceptsOnlyTheExactPasswordInOneTry() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    Sandbox sandbox;
    settings().TeacherPassword = "Secret";
    TPassCheck prompt;
    prompt.Edit1->setText(typed);
    prompt.Button1Click();
    QCOMPARE(prompt.result(), accepted ? QDialog::Accepted : QDialog::Rejected);
    if (accepted) {
        QVERIFY(sandbox.fake.boxes.empty());
    } else {
        QCOMPARE(sandbox.fake.boxes.size(), std::size_t(1));
        QCOMPARE(sandbox.fake.LastCaption(), QString("Error"));
        QCOMPARE(sandbox.fake.LastText(), QString("Invalid password."));
    }
}

void PasswordTest::theSeamShowsTheRealPrompt() {
    Sandbox sandbox;
    Dialogs real;
    WhenModal<TPassCheck>([](TPassCheck* prompt) {
        QTest::keyClicks(prompt->Edit1, "846");
        QTest::mouseClick(prompt->OKButton, Qt::LeftButton);
    });
    QCOMPARE(real.Password(nullptr, true), std::optional<QString>("846"));

    WhenModal<TPassCheck>([](TPassCheck* prompt) {
        QTest::keyClicks(prompt->Edit1, "845");
        QTest::mouseClick(prompt->OKButton, Qt::LeftButton);
    });
    QCOMPARE(real.Password(nullptr, true), std::nullopt);
    QCOMPARE(sandbox.fake.LastText(), QString("Invalid password."));

    WhenModal<TPassCheck>([](TPassCheck* prompt) { prompt->CancelButton->click(); });
    QCOMPARE(real.Password(nullptr, true), std::nullopt);
}

void PasswordTest::theGateAsksOnlyWhenTheFlagAndThePasswordAreOn_data() {
    QTest::addColumn<bool>("flag");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("answer"); // a null text cancels the prompt
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QString>("message");
    QTest::newRow("flag off") << false << true << "846"
                              << "x" << false << true << "";
    QTest::newRow("password off") << true << false << "846"
                                  << "x" << false << true << "";
    QTest::newRow("right") << true << true << "846"
                           << "846" << true << true << "";
    QTest::newRow("wrong") << true << true << "846"
                           << "847" << true << false << "Invalid password.";
    QTest::newRow("cancelled") << true << true << "846" << QString() << true << false << "";
    QTest::newRow("changed password") << true << true << "owl"
                                      << "owl" << true << true << "";
    QTest::newRow("empty password") << true << true << ""
                                    << "" << true << true << "";
}

void PasswordTest::theGateAsksOnlyWhenTheFlagAndThePasswordAreOn() {
    QFETCH(bool, flag);
    QFETCH(bool, enabled);
    QFETCH(QString, password);
    QFETCH(QString, answer);
    QFETCH(bool, asked);
    QFETCH(bool, allowed);
    QFETCH(QString, message);
    Sandbox sandbox;
    settings().PasswordEnabled = enabled;
    settings().TeacherPassword = password;
    sandbox.fake.passwords.push_back(answer);

    QCOMPARE(CheckPassword(flag), allowed);
    QCOMPARE(sandbox.fake.passwordNotes.size(), std::size_t(asked ? 1 : 0));
    if (asked)
        QCOMPARE(sandbox.fake.passwordNotes.front(), password == "846");
    QCOMPARE(sandbox.fake.LastText(), message);
}

void PasswordTest::changingThePasswordChecksOldAndRepeatedEntries_data() {
    QTest::addColumn<QString>("oldEntry");
    QTest::addColumn<QString>("newEntry");
    QTest::addColumn<QString>("againEntry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("password");
    QTest::newRow("changed") << "846"
                             << "owl"
                             << "owl"
                             << "Success!"
                             << "Password changed."
                             << "owl";
    QTest::newRow("emptied") << "846"
                             << ""
                             << ""
                             << "Success!"
                             << "Password changed."
                             << "";
    QTest::newRow("old wrong") << "84"
                               << "owl"
                               << "owl"
                               << "Error"
                               << "Old password is incorrect."
                               << "846";
    QTest::newRow("old wrong and mismatch") << "x"
                                            << "owl"
                                            << "owls"
                                            << "Error"
                                            << "Old password is incorrect."
                                            << "846";
    QTest::newRow("mismatch") << "846"
                              << "owl"
                              << "Owl"
                              << "Error"
                              << "Passwords do not match."
                              << "846";
}

void PasswordTest::changingThePasswordChecksOldAndRepeatedEntries() {
    QFETCH(QString, oldEntry);
    QFETCH(QString, newEntry);
    QFETCH(QString, againEntry);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(QString, password);
    Sandbox sandbox;
    TNewPass dialog;
    QCOMPARE(dialog.windowTitle(), QString("Change/set password"));
    QCOMPARE(dialog.size(), QSize(342, 199));
    dialog.show();
    dialog.OldEdit->setText(oldEntry);
    dialog.NewEdit->setText(newEntry);
    dialog.AgainEdit->setText(againEntry);
    dialog.OKButton->click();

    QCOMPARE(sandbox.fake.LastCaption(), caption);
    QCOMPARE(sandbox.fake.LastText(), message);
    QCOMPARE(settings().TeacherPassword, password);
    const bool changed = caption == "Success!";
    QCOMPARE(dialog.isVisible(), !changed);
    QCOMPARE(dialog.result(), changed ? QDialog::Accepted : 0);
    if (!changed) // the entries stay for the user to correct
        QCOMPARE(dialog.NewEdit->text(), newEntry);
}

QTEST_MAIN(PasswordTest)
#include "PasswordTest.moc"

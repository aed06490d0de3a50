#pragma once

// The tip of the day: a window showing one tip at a time from the tips file, starting at a
// random tip, with buttons to step through the tips and the "Show tips at startup" setting.

#include <QCoreApplication>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The tips file, relative to the program folder.
inline constexpr char TipsFile[] = "Data/Tips/startuptips.txt";

// One tip is one or more lines, each ended by a line that is exactly [NEXTTIP]; lines after the
// last [NEXTTIP] belong to no tip. Nothing when the file cannot be opened.
std::optional<QList<QStringList>> ReadTips(const QString& path);

class TTipForm : public QDialog {
    Q_OBJECT
public:
    // Reads the tips from the program folder's tips file and shows a random one. When there is
    // no tip to show, the user is told and HasTips() is false: the window must not be shown.
    explicit TTipForm(bool showTipsAtStartup, QWidget* parent = nullptr,
                      const QString& programFolder = QCoreApplication::applicationDirPath());

    bool HasTips() const { return !Tips.isEmpty(); }

    QList<QStringList> Tips;
    int CurrentTip = 0;

    QLabel* Label1;
    QPlainTextEdit* TipMemo;
    QLabel* Image1;
    QCheckBox* ShowTips;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

signals:
    // The user toggled "Show tips at startup"; the new state.
    void ShowTipsAtStartupChanged(bool on);

public slots:
    void Button1Click(); // "<< Previous"
    void Button2Click(); // "Next >>"
    void Button3Click(); // "Close"
    void ShowTipsClick();

private:
    bool FormCreate(bool showTipsAtStartup, const QString& programFolder);
    void ShowCurrentTip();
};

// The "Tip of the day..." command: shows a tip window modally, unless there are no tips (then
// only the message). `showTipsChanged` gets every new state of "Show tips at startup".
void ShowTipOfTheDay(QWidget* parent, bool showTipsAtStartup,
                     const std::function<void(bool)>& showTipsChanged,
                     const QString& programFolder = QCoreApplication::applicationDirPath());

// A light bulb, the tip window's picture (107 x 133).
QPixmap DrawLightBulb();

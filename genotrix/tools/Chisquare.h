#pragma once

// The chi-square calculator: up to nine rows of observed and expected counts, their chi-square
// sum and the 95% critical value for the degrees of freedom entered. Independent of experiments;
// the user types the numbers.

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTableWidget;
class QLabel;

// Upper 5% points of the chi-square distribution, indexed by degrees of freedom (1 to 10; a
// test always has at least one, so index 0 is never read).
inline constexpr float CriticalValues95[] = {0.0f,      3.84146f,  5.99146f,  7.81473f,
                                             9.48773f,  11.0705f,  12.59159f, 14.06714f,
                                             15.50731f, 16.91898f, 18.30704f};

class TChiSquareForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int DataRows = 9;

    explicit TChiSquareForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QTableWidget* FreqTable; // its header row is the fixed row; data rows 0 to 8
    QLineEdit* Result;
    QLineEdit* Crit;
    QPushButton* Button1;
    QPushButton* Button2;

public slots:
    void Button1Click(); // "Calculate"
    void Button2Click(); // "Close"

private:
    QString CellText(int row, int column) const;
};

// The "Chi-square..." command: a new calculator each time, shown without waiting and released
// when closed.
void ShowChiSquareCalculator(QWidget* parent);

#pragma once

// "New generation": the name, the number of offspring and the display of a generation to be
// bred. It proposes "F" and the experiment's next filial number, and advances that number
// whenever it closes with an F-and-digit name.

#include "Generation.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TNewGenDlg : public QDialog {
    Q_OBJECT
public:
    TNewGenDlg(QWidget* parent, int& nextFilialNumber);

    static constexpr int MaxOffspring = 50000;
    static constexpr int MaxIcons = 500;

    QLineEdit* NameLabel;
    QSpinBox* OffspringCount;
    QGroupBox* Type;
    QButtonGroup* TypeChoice;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // What the dialog was confirmed with.
    int Offspring() const { return offspring; }
    QString GenerationName() const;
    GenerationKind Kind() const;

    void OKBtnClick();
    // Every way of closing ends here: OK, Cancel and the close box.
    void done(int result) override;

private:
    int& nextFilialNumber;
    int offspring = 0;
};

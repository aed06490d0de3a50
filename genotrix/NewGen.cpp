#include "NewGen.h"

#include "tools/PassCheckForm.h"
#include "tools/Settings.h"
#include "ui/Dialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <algorithm>

TNewGenDlg::TNewGenDlg(QWidget* parent, int& nextFilialNumber)
    : QDialog(parent), nextFilialNumber(nextFilialNumber) {
    setWindowTitle("New generation");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(313, 270);

    auto* nameCaption = new QLabel("Generation name:", this);
    nameCaption->setGeometry(12, 10, 289, 16);
    NameLabel = new QLineEdit(QString("F%1").arg(nextFilialNumber), this);
    NameLabel->setGeometry(12, 28, 289, 22);
    nameCaption->setBuddy(NameLabel);

    auto* countCaption = new QLabel("Number of offspring:", this);
    countCaption->setGeometry(12, 62, 289, 16);
    OffspringCount = new QSpinBox(this);
    OffspringCount->setRange(1, MaxOffspring);
    OffspringCount->setValue(100);
    OffspringCount->setGeometry(12, 80, 120, 22);
    countCaption->setBuddy(OffspringCount);

    Type = new QGroupBox("Show result as...", this);
    Type->setGeometry(8, 114, 297, 110);
    TypeChoice = new QButtonGroup(this);
    const char* const kinds[] = {"Icons (max 500 individuals)", "Table (max 50000 individuals)",
                                 "Chart (max 50000 individuals)"};
    for (int i = 0; i < 3; ++i) {
        auto* choice = new QRadioButton(kinds[i], Type);
        choice->setGeometry(14, 24 + i * 26, 270, 22);
        TypeChoice->addButton(choice, i);
    }
    TypeChoice->button(Icons)->setChecked(true);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setGeometry(142, 236, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setGeometry(228, 236, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &TNewGenDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    NameLabel->setFocus();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString TNewGenDlg::GenerationName() const {
    return NameLabel->text();
}

GenerationKind TNewGenDlg::Kind() const {
    return static_cast<GenerationKind>(TypeChoice->checkedId());
}

void TNewGenDlg::OKBtnClick() {
    bool whole = false;
    const int typed = OffspringCount->cleanText().toInt(&whole);
    if (!whole)
        OffspringCount->setValue(1);
    offspring = whole ? std::clamp(typed, 1, MaxOffspring) : 1;

    switch (Kind()) {
    case Icons:
        if (offspring > MaxIcons) {
            ShowMessage(this, "Warning", "The maximum number of offspring is 500.");
            return;
        }
        break;
    case Table:
        if (!CheckPassword(settings().ProtectTable, this))
            return;
        break;
    case Chart:
        if (!CheckPassword(settings().ProtectChart, this))
            return;
        break;
    }
    accept();
}

void TNewGenDlg::done(int result) {
    const QString name = NameLabel->text();
    if (name.size() >= 2 && name[0] == 'F' && name[1].isDigit())
        ++nextFilialNumber;
    QDialog::done(result);
}

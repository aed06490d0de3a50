#include "tools/Chisquare.h"

#include "ui/Dialogs.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <cmath>
#include <optional>

namespace {

// The user's own notation without group separators, as a calculator shows plain numbers.
QLocale UserNotation() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

// Students type decimals with a point or a comma whatever their desktop uses, so both are read
// as the user's decimal separator and the cell is rewritten in that notation.
QString InUserNotation(QString text) {
    const QString separator = UserNotation().decimalPoint();
    return text.replace(QLatin1Char('.'), separator).replace(QLatin1Char(','), separator);
}

std::optional<double> ReadExpected(const QString& text) {
    bool ok = false;
    const double value = UserNotation().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value) || value == 0.0)
        return std::nullopt;
    return value;
}

std::optional<int> ReadObserved(const QString& text) {
    bool ok = false;
    const int value = UserNotation().toInt(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QLineEdit* LabelledEdit(QWidget* parent, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->move(left, top - 16);
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(left, top, 225, 21);
    edit->setReadOnly(true);
    label->setBuddy(edit);
    return edit;
}

} // namespace

TChiSquareForm::TChiSquareForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Chi-square calculator"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(297, 390);

    Label1 = new QLabel(QStringLiteral("Chi-square test: random variations vs non-random."), this);
    Label1->setWordWrap(true);
    Label1->setGeometry(32, 8, 176, 34);

    FreqTable = new QTableWidget(DataRows, 2, this);
    FreqTable->setGeometry(32, 48, 225, 177);
    FreqTable->setHorizontalHeaderLabels(
        {QStringLiteral("Observed:"), QStringLiteral("Expected:")});
    FreqTable->verticalHeader()->hide();
    FreqTable->verticalHeader()->setDefaultSectionSize(24);
    FreqTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FreqTable->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FreqTable->setColumnWidth(0, 100);
    FreqTable->setColumnWidth(1, 100);
    FreqTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FreqTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FreqTable->setEditTriggers(QAbstractItemView::AllEditTriggers);
    for (int row = 0; row < DataRows; ++row)
        for (int column = 0; column < 2; ++column)
            FreqTable->setItem(row, column, new QTableWidgetItem);

    Result = LabelledEdit(this, QStringLiteral("Chi-square sum:"), 32, 256);
    Crit = LabelledEdit(this, QStringLiteral("Critical value for 95%:"), 32, 304);

    Button1 = new QPushButton(QStringLiteral("Calculate"), this);
    Button1->setGeometry(96, 336, 75, 25);
    Button2 = new QPushButton(QStringLiteral("Close"), this);
    Button2->setGeometry(184, 336, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TChiSquareForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TChiSquareForm::Button2Click);

    move(screen()->availableGeometry().center() - rect().center());
}

QString TChiSquareForm::CellText(int row, int column) const {
    return FreqTable->item(row, column)->text();
}

void TChiSquareForm::Button1Click() {
    for (int row = 0; row < DataRows; ++row)
        for (int column = 0; column < 2; ++column)
            FreqTable->item(row, column)->setText(InUserNotation(CellText(row, column)));

    double sum = 0.0;
    int rows = 0;
    bool failed = false;
    for (int row = 0; row < DataRows; ++row) {
        const QString observedText = CellText(row, 0);
        const QString expectedText = CellText(row, 1);
        if (observedText.isEmpty() || expectedText.isEmpty())
            break;
        const std::optional<double> expected = ReadExpected(expectedText);
        const std::optional<int> observed = ReadObserved(observedText);
        if (!expected || !observed) {
            failed = true;
            break;
        }
        const double deviation = *observed - *expected;
        sum += deviation * deviation / *expected;
        ++rows;
    }

    if (failed) {
        Result->setText(QStringLiteral("0.0"));
        ShowMessage(this, QStringLiteral("Error"), QStringLiteral("Enter an integer value."),
                    QMessageBox::Critical);
    } else {
        Result->setText(UserNotation().toString(sum, 'f', 5));
    }

    if (rows >= 2) {
        const int degreesOfFreedom = rows - 1;
        Crit->setText(UserNotation().toString(CriticalValues95[degreesOfFreedom], 'f', 5) +
                      QStringLiteral("  (") + QString::number(degreesOfFreedom) +
                      QStringLiteral(" d.f.)"));
    } else {
        ShowMessage(this, QStringLiteral("Error"), QStringLiteral("Too few rows."),
                    QMessageBox::Critical);
    }
}

void TChiSquareForm::Button2Click() {
    close();
}

void ShowChiSquareCalculator(QWidget* parent) {
    auto* form = new TChiSquareForm(parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
}

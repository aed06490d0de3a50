#include "GenInfo.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TGenInfoDlg::TGenInfoDlg(QWidget* parent, const QString& name, int individuals,
                         const QString& mother, const QString& father)
    : QDialog(parent) {
    setWindowTitle("Generation info");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(313, 177);

    auto* area = new QFrame(this);
    area->setFrameShape(QFrame::StyledPanel);
    area->setFrameShadow(QFrame::Sunken);
    area->setGeometry(8, 8, 297, 122);
    auto* rows = new QGridLayout(area);
    rows->setContentsMargins(14, 10, 14, 10);
    rows->setHorizontalSpacing(12);
    rows->setColumnStretch(1, 1);
    const auto addRow = [area, rows](int row, const QString& caption, const QString& value) {
        auto* captionLabel = new QLabel(caption, area);
        auto* valueLabel = new QLabel(value, area);
        QFont bold = valueLabel->font();
        bold.setBold(true);
        valueLabel->setFont(bold);
        valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        rows->addWidget(captionLabel, row, 0);
        rows->addWidget(valueLabel, row, 1);
        return valueLabel;
    };
    GenName = addRow(0, "Generation:", name);
    OffspringCount = addRow(1, "Number of individuals:", QString::number(individuals));
    Mother = addRow(2, "Mother:", mother);
    Father = addRow(3, "Father:", father);

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    ok->setGeometry(119, 142, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

#include "About.h"

#include "Karyotype.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About");
    setFixedSize(314, 165);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 298, 113);

    ProgramIcon = new QLabel(panel);
    ProgramIcon->setPixmap(Karyotype::ProgramIcon().pixmap(48, 48));
    ProgramIcon->setGeometry(16, 16, 48, 48);

    ProductName = new QLabel("Chromosome Editor", panel);
    QFont nameFont("Arial", 14, QFont::Bold);
    ProductName->setFont(nameFont);
    ProductName->setGeometry(80, 18, 206, 28);

    Version = new QLabel(QString("Version %1").arg(KARYOPAD_VERSION), panel);
    Version->setGeometry(80, 50, 206, 20);

    OKButton = new QPushButton("OK", this);
    OKButton->setGeometry(120, 130, 75, 27);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

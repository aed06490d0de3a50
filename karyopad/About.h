#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The editor's about box: the program's icon, name and version.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent);

    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QPushButton* OKButton;
};

#pragma once

// "Generation info": name, number of individuals, mother and father of a generation.

#include <QDialog>

class QLabel;

class TGenInfoDlg : public QDialog {
    Q_OBJECT
public:
    TGenInfoDlg(QWidget* parent, const QString& name, int individuals, const QString& mother,
                const QString& father);

    QLabel* GenName;
    QLabel* OffspringCount;
    QLabel* Mother;
    QLabel* Father;
};

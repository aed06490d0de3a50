#pragma once

// The welcome window shown at the very first start and by "Welcome page...": where to find the
// documentation, the tutorials and the web site.

#include <QDialog>

class QLabel;
class QPushButton;

class TWelcomeForm : public QDialog {
    Q_OBJECT
public:
    explicit TWelcomeForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* Button1;

public slots:
    void Button1Click();
};

#pragma once

// "Generating...": the progress of a breeding, 0 to 100.

#include <QWidget>

class QProgressBar;

class TStatusScreen : public QWidget {
    Q_OBJECT
public:
    explicit TStatusScreen(QWidget* parent = nullptr);

    QProgressBar* ProgressBar;
};

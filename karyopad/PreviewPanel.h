#pragma once

// Stands in for the 3D view until it is available: it keeps the preview's phenotype and shows
// the background colour.

#include "phenotype/Drosphen.h"

#include <QColor>
#include <QWidget>

class PreviewPanel : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPanel(QWidget* parent);

    // The phenotype shown; the window determines it again after every edit.
    CDrosPhenotype& Model() { return model_; }
    void SetBackground(const QColor& colour);

signals:
    // The panel is ready to show the fly, once, when it is first shown.
    void Initialized();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CDrosPhenotype model_;
    QColor background_ = QColor::fromRgbF(0.4f, 0.4f, 1.0f);
    bool initialized_ = false;
};

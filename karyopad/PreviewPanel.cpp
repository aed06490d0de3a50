#include "PreviewPanel.h"

#include <QPainter>

PreviewPanel::PreviewPanel(QWidget* parent) : QWidget(parent) {}

void PreviewPanel::SetBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void PreviewPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!initialized_) {
        initialized_ = true;
        emit Initialized();
    }
}

void PreviewPanel::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), background_);
}

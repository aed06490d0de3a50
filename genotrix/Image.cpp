#include "Image.h"

#include <QMouseEvent>

TImage::TImage(QWidget* parent) : QLabel(parent) {}

void TImage::SetPicture(const QPixmap& picture) {
    setPixmap(picture);
    resize(picture.deviceIndependentSize().toSize());
}

void TImage::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit Pressed(event);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}

#include "Image.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>

TImage::TImage(QWidget* parent) : QLabel(parent) {}

void TImage::SetPicture(const QPixmap& picture) {
    setPixmap(picture);
    resize(picture.deviceIndependentSize().toSize());
}

void TImage::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        dragStart = event->position().toPoint();
    emit Pressed(event);
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
    if (!dragStart || !event->buttons().testFlag(Qt::LeftButton))
        return;
    if ((event->position().toPoint() - *dragStart).manhattanLength() <
        QApplication::startDragDistance())
        return;
    dragStart.reset();
    emit DragRequested();
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    dragStart.reset();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}

void TImage::dragEnterEvent(QDragEnterEvent* event) {
    emit DragOver(event);
}

void TImage::dragMoveEvent(QDragMoveEvent* event) {
    emit DragOver(event);
}

void TImage::dropEvent(QDropEvent* event) {
    emit DragDrop(event);
}

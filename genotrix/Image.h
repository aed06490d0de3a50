#pragma once

// A picture control: shows a pixmap at its own size and reports presses, clicks, the start of
// a drag and the drags that pass over it.

#include <QLabel>
#include <QPoint>
#include <optional>

class QDragMoveEvent;
class QDropEvent;

class TImage : public QLabel {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);
    // Shows the picture and takes its size.
    void SetPicture(const QPixmap& picture);

signals:
    // Any mouse button pressed on the picture.
    void Pressed(QMouseEvent* event);
    // The left button pressed and released on the picture.
    void Clicked();
    // The left button pressed on the picture and the mouse moved past the drag distance.
    void DragRequested();
    // A drag entered or moved over the picture; accepting the event lets it drop here. Only
    // while drops are accepted (setAcceptDrops).
    void DragOver(QDragMoveEvent* event);
    void DragDrop(QDropEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Where the left button went down, until a drag starts or the button is released.
    std::optional<QPoint> dragStart;
};

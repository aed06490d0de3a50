#pragma once

// A picture control: shows a pixmap at its own size and reports presses and clicks.

#include <QLabel>

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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

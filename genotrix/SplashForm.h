#pragma once

// The window shown while the program loads: the title banner, "Loading..." and the version,
// shaped so that nothing around them shows.

#include <QWidget>

class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture of the whole window; transparent where the desktop shows through.
    QPixmap Picture() const;
};

#include "SplashForm.h"

#include "Pictures.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

const QRect BannerArea(16, 24, 564, 75);
const QPoint LoadingAt(256, 104);
const QPoint VersionAt(424, 85);

} // namespace

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(589, 137);
    setMask(Picture().createMaskFromColor(Qt::transparent, Qt::MaskInColor));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QPixmap TSplashScreen::Picture() const {
    QPixmap picture(size());
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPixmap(BannerArea.topLeft(), pictures::TitleBanner());

    QFont version = font();
    version.setPixelSize(13);
    version.setBold(true);
    p.setFont(version);
    p.setPen(QColor(255, 230, 140));
    p.drawText(QRect(VersionAt, QSize(120, 14)), Qt::AlignLeft | Qt::AlignTop, "v 1.0");

    QFont loading = font();
    loading.setPixelSize(16);
    loading.setBold(true);
    p.setFont(loading);
    const QRect text = QFontMetrics(loading).boundingRect("Loading...").translated(LoadingAt);
    const QRect tag(text.left() - 12, LoadingAt.y() - 1, text.width() + 24, 26);
    p.setPen(QPen(QColor(10, 40, 40), 1.5));
    p.setBrush(QColor(250, 250, 240));
    p.drawRoundedRect(QRectF(tag).adjusted(0.75, 0.75, -0.75, -0.75), 8, 8);
    p.setPen(QColor(20, 80, 60));
    p.drawText(tag, Qt::AlignCenter, "Loading...");
    return picture;
}

void TSplashScreen::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, Picture());
}

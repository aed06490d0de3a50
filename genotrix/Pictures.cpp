#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace pictures {

namespace {

constexpr QSize FlySize(22, 29);
constexpr int ToolSize = 24;

QPixmap Blank(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A fruit fly from above, fitted to a 22 x 29 box: legs, wings folded back over the abdomen,
// striped abdomen, thorax and head with its red eyes. An outline-only fly when `outline`.
void PaintFly(QPainter& p, bool outline) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = outline ? QColor(140, 140, 140) : QColor(60, 40, 25);
    QPen leg(ink, 0.9);
    p.setPen(leg);
    p.setBrush(Qt::NoBrush);
    const QLineF legs[] = {{8, 11, 3, 8},    {14, 11, 19, 8},  {8, 13, 2, 14},
                           {14, 13, 20, 14}, {8.5, 15, 4, 20}, {13.5, 15, 18, 20}};
    for (const QLineF& line : legs)
        p.drawLine(line);

    QPen edge(ink, outline ? 1.0 : 0.7, outline ? Qt::DashLine : Qt::SolidLine);
    const auto shape = [&](const QColor& fill) {
        p.setPen(edge);
        p.setBrush(outline ? QBrush(Qt::NoBrush) : QBrush(fill));
    };

    // Abdomen with darker bands.
    shape(QColor(196, 150, 90));
    p.drawEllipse(QRectF(7, 14, 8, 13));
    if (!outline) {
        p.setPen(QPen(QColor(110, 70, 35), 1.2));
        for (qreal y : {18.5, 21.5, 24.5}) {
            const qreal half = y < 24 ? 3.2 : 2.2;
            p.drawLine(QPointF(11 - half, y), QPointF(11 + half, y));
        }
    }
    // Wings, translucent, lying back over the abdomen.
    const QColor wing(200, 215, 235, outline ? 0 : 170);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(11 + side * 2.5, 13);
        p.rotate(side * -22);
        shape(wing);
        p.drawEllipse(QRectF(-3, 0, 6, 15));
        p.restore();
    }
    // Thorax.
    shape(QColor(170, 120, 65));
    p.drawEllipse(QRectF(7, 7.5, 8, 8));
    // Head and eyes.
    shape(QColor(180, 130, 70));
    p.drawEllipse(QRectF(8, 3, 6, 5));
    if (!outline) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(205, 30, 25));
        p.drawEllipse(QRectF(6.8, 3, 3.4, 4));
        p.drawEllipse(QRectF(11.8, 3, 3.4, 4));
    } else {
        p.drawEllipse(QRectF(6.8, 3, 3.4, 4));
        p.drawEllipse(QRectF(11.8, 3, 3.4, 4));
    }
}

QPixmap Fly(bool outline, bool badge) {
    QPixmap pixmap = Blank(FlySize);
    QPainter p(&pixmap);
    if (badge) {
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient gold(0, 0, 0, FlySize.height());
        gold.setColorAt(0, QColor(255, 244, 160));
        gold.setColorAt(1, QColor(255, 200, 60));
        p.setPen(QPen(QColor(220, 120, 0), 1.2));
        p.setBrush(gold);
        p.drawRoundedRect(QRectF(0.6, 0.6, FlySize.width() - 1.2, FlySize.height() - 1.2), 4, 4);
    }
    PaintFly(p, outline);
    return pixmap;
}

QPixmap Sign(bool plus) {
    QPixmap pixmap = Blank(QSize(11, 11));
    QPainter p(&pixmap);
    p.setPen(QColor(110, 110, 110));
    p.setBrush(Qt::white);
    p.drawRect(0, 0, 10, 10);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(3, 5, 7, 5);
    if (plus)
        p.drawLine(5, 3, 5, 7);
    return pixmap;
}

// A little window with a blue title bar, for the window-arrangement pictures.
void PaintWindow(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(40, 60, 110), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 110, 200));
    p.drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 0.5, 3));
}

void PaintTool(QPainter& p, Tool tool) {
    p.setRenderHint(QPainter::Antialiasing);
    switch (tool) {
    case Tool::NewExperiment: {
        // A flask half full of green culture, with a sparkle.
        QPainterPath flask;
        flask.moveTo(9, 3);
        flask.lineTo(9, 10);
        flask.lineTo(3.5, 20);
        flask.quadTo(3, 22, 5, 22);
        flask.lineTo(17, 22);
        flask.quadTo(19, 22, 18.5, 20);
        flask.lineTo(13, 10);
        flask.lineTo(13, 3);
        QPainterPath liquid;
        liquid.moveTo(6.4, 15);
        liquid.lineTo(15.6, 15);
        liquid.lineTo(18.5, 20);
        liquid.quadTo(19, 22, 17, 22);
        liquid.lineTo(5, 22);
        liquid.quadTo(3, 22, 3.5, 20);
        liquid.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 240, 250));
        p.drawPath(flask);
        p.setBrush(QColor(90, 180, 80));
        p.drawPath(liquid);
        p.setPen(QPen(QColor(50, 70, 90), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(flask);
        p.drawLine(QPointF(8, 3), QPointF(14, 3));
        p.setPen(QPen(QColor(240, 170, 0), 1.6));
        p.drawLine(QPointF(19, 3), QPointF(19, 9));
        p.drawLine(QPointF(16, 6), QPointF(22, 6));
        break;
    }
    case Tool::Cascade:
        PaintWindow(p, QRectF(2.5, 2.5, 13, 10));
        PaintWindow(p, QRectF(5.5, 6.5, 13, 10));
        PaintWindow(p, QRectF(8.5, 10.5, 13, 10));
        break;
    case Tool::TileHorizontally:
        PaintWindow(p, QRectF(2.5, 2.5, 19, 9));
        PaintWindow(p, QRectF(2.5, 12.5, 19, 9));
        break;
    case Tool::TileVertically:
        PaintWindow(p, QRectF(2.5, 2.5, 9, 19));
        PaintWindow(p, QRectF(12.5, 2.5, 9, 19));
        break;
    case Tool::RemoveGeneration:
    case Tool::NewGeneration: {
        // A generation frame holding flies, crossed out in red or joined by a green plus.
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(250, 250, 245));
        p.drawRoundedRect(QRectF(1.5, 5.5, 17, 13), 2, 2);
        for (int i = 0; i < 3; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(170, 120, 65));
            p.drawEllipse(QRectF(4 + i * 4.5, 9, 3, 6));
            p.setBrush(QColor(205, 30, 25));
            p.drawEllipse(QRectF(4.5 + i * 4.5, 8, 2, 2));
        }
        if (tool == Tool::RemoveGeneration) {
            p.setPen(QPen(QColor(210, 20, 20), 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(14, 13), QPointF(21.5, 20.5));
            p.drawLine(QPointF(21.5, 13), QPointF(14, 20.5));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 150, 40));
            p.drawEllipse(QRectF(12.5, 11.5, 10.5, 10.5));
            p.setPen(QPen(Qt::white, 2));
            p.drawLine(QPointF(17.75, 13.8), QPointF(17.75, 19.7));
            p.drawLine(QPointF(14.8, 16.75), QPointF(20.7, 16.75));
        }
        break;
    }
    case Tool::GenerationInfo: {
        QRadialGradient blue(QPointF(9, 8), 14);
        blue.setColorAt(0, QColor(110, 170, 255));
        blue.setColorAt(1, QColor(20, 70, 180));
        p.setPen(QPen(QColor(15, 50, 130), 1));
        p.setBrush(blue);
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(10.4, 5.6, 3.2, 3.2));
        p.drawRoundedRect(QRectF(10.5, 10, 3, 8.5), 1, 1);
        break;
    }
    case Tool::Settings: {
        // A gear.
        QPainterPath gear;
        constexpr int teeth = 8;
        for (int i = 0; i < teeth * 4; ++i) {
            const double angle = i * M_PI * 2 / (teeth * 4);
            const double radius = (i % 4 < 2) ? 10.0 : 7.2;
            const QPointF point(12 + radius * std::cos(angle), 12 + radius * std::sin(angle));
            i == 0 ? gear.moveTo(point) : gear.lineTo(point);
        }
        gear.closeSubpath();
        gear.addEllipse(QPointF(12, 12), 3.2, 3.2);
        p.setPen(QPen(QColor(60, 60, 70), 1));
        p.setBrush(QColor(150, 155, 170));
        p.drawPath(gear);
        break;
    }
    case Tool::HelpContents: {
        // A blue book with a question mark.
        p.setPen(QPen(QColor(20, 40, 110), 1));
        p.setBrush(QColor(50, 90, 190));
        p.drawRoundedRect(QRectF(4.5, 2.5, 15, 19), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 19.5, 13, 2));
        QFont font;
        font.setPixelSize(14);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(5, 2, 15, 17), Qt::AlignCenter, "?");
        break;
    }
    case Tool::Website: {
        // A globe with meridians and parallels.
        QRadialGradient sea(QPointF(9, 9), 14);
        sea.setColorAt(0, QColor(140, 210, 255));
        sea.setColorAt(1, QColor(30, 110, 200));
        p.setPen(QPen(QColor(20, 70, 140), 1));
        p.setBrush(sea);
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(230, 245, 255), 0.9));
        p.drawEllipse(QRectF(7.5, 2.5, 9, 19));
        p.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
        p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
        p.drawLine(QPointF(4.5, 7), QPointF(19.5, 7));
        p.drawLine(QPointF(4.5, 17), QPointF(19.5, 17));
        break;
    }
    case Tool::TipOfTheDay: {
        // A lit bulb.
        QRadialGradient glow(QPointF(11, 8), 9);
        glow.setColorAt(0, QColor(255, 255, 210));
        glow.setColorAt(1, QColor(255, 210, 40));
        p.setPen(QPen(QColor(150, 110, 0), 1));
        p.setBrush(glow);
        QPainterPath bulb;
        bulb.addEllipse(QRectF(5.5, 1.5, 13, 13));
        p.drawPath(bulb);
        p.setBrush(QColor(150, 150, 160));
        p.setPen(QPen(QColor(80, 80, 90), 1));
        p.drawRect(QRectF(9, 15.5, 6, 5));
        p.drawLine(QPointF(9, 17.5), QPointF(15, 17.5));
        p.setBrush(QColor(80, 80, 90));
        p.drawRect(QRectF(10.5, 20.5, 3, 1.5));
        break;
    }
    }
}

} // namespace

QPixmap FlyIcon() {
    static const QPixmap picture = Fly(false, false);
    return picture;
}

QPixmap ParentNextFlyIcon() {
    static const QPixmap picture = Fly(false, true);
    return picture;
}

QPixmap EmptyFlyIcon() {
    static const QPixmap picture = Fly(true, false);
    return picture;
}

QPixmap CollapseSign() {
    static const QPixmap picture = Sign(false);
    return picture;
}

QPixmap ExpandSign() {
    static const QPixmap picture = Sign(true);
    return picture;
}

QPixmap Jar() {
    static const QPixmap picture = [] {
        QPixmap pixmap = Blank(QSize(76, 64));
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        // A culture bottle: a soft shadow, the glass with shoulders and a neck, brown food at
        // the bottom, a foam plug in the neck, and the glints of the glass.
        QRadialGradient shadow(QPointF(38, 61), 26);
        shadow.setColorAt(0, QColor(0, 0, 0, 70));
        shadow.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(QRectF(10, 57, 56, 7));

        QPainterPath bottle;
        bottle.moveTo(29, 10);
        bottle.lineTo(29, 16);
        bottle.cubicTo(29, 20, 17, 21, 17, 28);
        bottle.lineTo(17, 55);
        bottle.quadTo(17, 60, 22, 60);
        bottle.lineTo(54, 60);
        bottle.quadTo(59, 60, 59, 55);
        bottle.lineTo(59, 28);
        bottle.cubicTo(59, 21, 47, 20, 47, 16);
        bottle.lineTo(47, 10);
        bottle.closeSubpath();

        QLinearGradient glass(17, 0, 59, 0);
        glass.setColorAt(0, QColor(170, 200, 225, 190));
        glass.setColorAt(0.3, QColor(236, 245, 252, 150));
        glass.setColorAt(0.75, QColor(205, 225, 242, 150));
        glass.setColorAt(1, QColor(150, 180, 210, 200));
        p.setBrush(glass);
        p.drawPath(bottle);

        // The food fills the bottom, with a gently uneven top.
        QPainterPath food;
        food.moveTo(17, 47);
        food.cubicTo(27, 44.5, 36, 48.5, 45, 46);
        food.cubicTo(51, 44.5, 56, 46, 59, 46.5);
        food.lineTo(59, 55);
        food.quadTo(59, 60, 54, 60);
        food.lineTo(22, 60);
        food.quadTo(17, 60, 17, 55);
        food.closeSubpath();
        QLinearGradient brown(0, 45, 0, 60);
        brown.setColorAt(0, QColor(196, 140, 72));
        brown.setColorAt(1, QColor(140, 90, 40));
        p.setBrush(brown);
        p.drawPath(food.intersected(bottle));

        p.setPen(QPen(QColor(70, 100, 135), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bottle);

        // A rim at the mouth and the foam plug standing out of it.
        QLinearGradient foam(0, 2, 0, 18);
        foam.setColorAt(0, QColor(255, 246, 200));
        foam.setColorAt(1, QColor(226, 200, 130));
        p.setPen(QPen(QColor(170, 140, 80), 1));
        p.setBrush(foam);
        p.drawRoundedRect(QRectF(30, 2.5, 16, 15), 4, 4);
        p.setPen(QPen(QColor(70, 100, 135), 1.3));
        p.setBrush(QColor(215, 232, 245));
        p.drawRoundedRect(QRectF(27.5, 9, 21, 3.5), 1.5, 1.5);

        // Glints on the glass.
        p.setPen(QPen(QColor(255, 255, 255, 220), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 29), QPointF(22, 42));
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(25.5, 30), QPointF(25.5, 35));
        p.drawLine(QPointF(54, 31), QPointF(54, 40));
        return pixmap;
    }();
    return picture;
}

QPixmap MagnifyingGlass() {
    static const QPixmap picture = [] {
        QPixmap pixmap = Blank(QSize(19, 18));
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        // A lens in a dark rim, tinted and glinting, with a handle to the lower right.
        p.setPen(QPen(QColor(60, 35, 15), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 11.5), QPointF(17, 16.5));
        p.setPen(QPen(QColor(150, 95, 45), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12.5, 12), QPointF(16.6, 16.1));
        QRadialGradient lens(QPointF(6, 5.5), 7);
        lens.setColorAt(0, QColor(235, 248, 255, 150));
        lens.setColorAt(1, QColor(140, 190, 230, 130));
        p.setPen(QPen(QColor(30, 30, 40), 1.8));
        p.setBrush(lens);
        p.drawEllipse(QPointF(7.5, 7), 5.7, 5.7);
        p.setPen(QPen(QColor(255, 255, 255, 230), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 3.5, 7, 7), 100 * 16, 70 * 16);
        return pixmap;
    }();
    return picture;
}

QPixmap TitleBanner() {
    static const QPixmap picture = [] {
        const QSize size(564, 75);
        QPixmap pixmap = Blank(size);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient band(0, 0, size.width(), 0);
        band.setColorAt(0, QColor(20, 80, 60));
        band.setColorAt(0.55, QColor(30, 120, 110));
        band.setColorAt(1, QColor(25, 70, 120));
        p.setPen(QPen(QColor(10, 40, 40), 1.5));
        p.setBrush(band);
        p.drawRoundedRect(QRectF(0.75, 0.75, size.width() - 1.5, size.height() - 1.5), 12, 12);

        // A double helix on the left.
        for (int strand = 0; strand < 2; ++strand) {
            QPainterPath helix;
            for (int x = 0; x <= 90; ++x) {
                const double y = 37 + 22 * std::sin(x / 90.0 * 2 * M_PI + strand * M_PI);
                x == 0 ? helix.moveTo(20 + x, y) : helix.lineTo(20 + x, y);
            }
            p.setPen(QPen(strand ? QColor(250, 210, 90) : QColor(140, 220, 255), 3));
            p.setBrush(Qt::NoBrush);
            p.drawPath(helix);
        }
        p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
        for (int x = 26; x < 110; x += 8) {
            const double y0 = 37 + 22 * std::sin((x - 20) / 90.0 * 2 * M_PI);
            p.drawLine(QPointF(x, y0), QPointF(x, 74 - y0));
        }

        // The name, with a soft shadow, and what the program is.
        QFont title;
        title.setPixelSize(44);
        title.setBold(true);
        p.setFont(title);
        p.setPen(QColor(0, 0, 0, 90));
        p.drawText(QRect(133, 3, 300, 52), Qt::AlignLeft | Qt::AlignVCenter, "Genotrix");
        p.setPen(Qt::white);
        p.drawText(QRect(130, 0, 300, 52), Qt::AlignLeft | Qt::AlignVCenter, "Genotrix");
        QFont subtitle;
        subtitle.setPixelSize(14);
        subtitle.setItalic(true);
        p.setFont(subtitle);
        p.setPen(QColor(220, 240, 235));
        p.drawText(QRect(132, 48, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   "The virtual fruit-fly genetics laboratory");

        // A large fly on the right.
        p.save();
        p.translate(478, 5);
        p.scale(2.2, 2.2);
        PaintFly(p, false);
        p.restore();
        return pixmap;
    }();
    return picture;
}

QIcon ToolIcon(Tool tool) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(ToolSize * scale, ToolSize * scale);
        pixmap.fill(Qt::transparent);
        pixmap.setDevicePixelRatio(scale);
        QPainter p(&pixmap);
        PaintTool(p, tool);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int side : {16, 32, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 29.0, side / 29.0);
        p.translate(3.5, 0);
        PaintFly(p, false);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace pictures

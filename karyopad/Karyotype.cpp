#include "Karyotype.h"

#include "fly/Drosophila.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <vector>

namespace Karyotype {

namespace {

constexpr int BarWidth = 32;
// A bar starts this far left of its label column, so the allele texts sit on its light middle.
constexpr int BarLeftOfLabel = 4;
// Allele labels are about 16 pixels high; rows are 30 apart, leaving a 14 pixel gap for bands.
constexpr int LabelHeight = 16;
constexpr int RowSpacing = 30;

const QColor BarEdge(150, 134, 186);
const QColor BarLight(246, 243, 251);
const QColor BarOutline(75, 58, 112);
const QColor BandColour(70, 52, 110);
const QColor HeadingColour(45, 35, 70);

// Where each pair's centromere lies: after this slot (-1: before the first). X and IV are
// acrocentric, II and III metacentric; the map order puts the X centromere after B, II's after
// pr and III's after th.
constexpr std::array<int, PairCount> CentromereAfterSlot = {5, 3, 2, -1};
constexpr std::array<const char*, PairCount> Headings = {"XY/XX", "II", "III", "IV"};

struct Band {
    int offset; // from the middle of a gap between rows
    qreal thickness;
    int alpha;
};

// Band groups handed out in turn to the gaps, so neighbouring chromosomes band differently
// while both homologs of a pair band alike.
const std::vector<std::vector<Band>> BandGroups = {
    {{0, 7, 190}}, {{-4, 2, 140}, {3, 4, 175}},
    {{0, 3, 120}}, {{-3, 4, 205}, {4, 2, 110}},
    {{1, 5, 150}}, {{-5, 2, 160}, {0, 2, 100}, {4, 2, 135}},
};

int LociOf(int pair) {
    int loci = 0;
    for (int slot = 0; slot < LociPerChromosome; ++slot)
        if (GetMapPosition(pair, slot) >= 0)
            ++loci;
    return loci;
}

int RowMiddle(int slot) {
    return LabelPosition(0, 0, slot).y() + LabelHeight / 2;
}

// The middle of the gap below a slot's row (slot -1: the gap above the first row).
int GapMiddle(int slot) {
    return RowMiddle(slot) + RowSpacing / 2;
}

QPainterPath Arm(qreal left, qreal top, qreal bottom) {
    QPainterPath arm;
    const qreal height = bottom - top;
    arm.addRoundedRect(QRectF(left, top, BarWidth, height), BarWidth / 2.0,
                       std::min(10.0, height / 2));
    return arm;
}

// One chromosome: two arms joined by a narrow waist at the centromere; an acrocentric
// chromosome's short arm is a small knob.
QPainterPath ChromosomeOutline(int pair, qreal left) {
    constexpr qreal KnobLength = 18;
    constexpr qreal TipBeyondRow = 24;
    const int loci = LociOf(pair);
    const qreal centromere = GapMiddle(CentromereAfterSlot[pair]);
    const qreal top =
        CentromereAfterSlot[pair] < 0 ? centromere - 2 - KnobLength : RowMiddle(0) - TipBeyondRow;
    const qreal bottom = CentromereAfterSlot[pair] == loci - 1 ? centromere + 2 + KnobLength
                                                               : RowMiddle(loci - 1) + TipBeyondRow;

    QPainterPath outline = Arm(left, top, centromere - 2).united(Arm(left, centromere + 2, bottom));
    QPainterPath waist;
    waist.addRoundedRect(QRectF(left + BarWidth * 0.25, centromere - 7, BarWidth * 0.5, 14), 4, 4);
    return outline.united(waist);
}

void DrawBands(QPainter& painter, int pair, qreal left) {
    const int loci = LociOf(pair);
    const qreal right = left + BarWidth;
    int group = pair * 2;
    for (int slot = -1; slot < loci; ++slot) {
        const int middle = GapMiddle(slot);
        if (slot == CentromereAfterSlot[pair]) {
            // The dark heterochromatin around the centromere.
            QColor dark = BandColour;
            dark.setAlpha(215);
            painter.fillRect(QRectF(left, middle - 8, BarWidth, 16), dark);
            continue;
        }
        for (const Band& band : BandGroups[group++ % BandGroups.size()]) {
            QColor colour = BandColour;
            colour.setAlpha(band.alpha);
            const qreal y = middle + band.offset - band.thickness / 2;
            painter.fillRect(QRectF(left, y, right - left, band.thickness), colour);
        }
    }
}

QLinearGradient Shading(qreal left, qreal width) {
    QLinearGradient shading(left, 0, left + width, 0);
    shading.setColorAt(0.0, BarEdge);
    shading.setColorAt(0.3, BarLight);
    shading.setColorAt(0.6, BarLight);
    shading.setColorAt(1.0, BarEdge.darker(115));
    return shading;
}

void DrawChromosome(QPainter& painter, int pair, int homolog) {
    const qreal left = LabelPosition(pair, homolog, 0).x() - BarLeftOfLabel;
    const QPainterPath outline = ChromosomeOutline(pair, left);

    painter.fillPath(outline.translated(2, 2), QColor(0, 0, 0, 35));
    painter.fillPath(outline, Shading(left, BarWidth));
    painter.save();
    painter.setClipPath(outline);
    DrawBands(painter, pair, left);
    painter.restore();
    painter.strokePath(outline, QPen(BarOutline, 1.3));
}

void DrawHeading(QPainter& painter, int pair) {
    const int left = LabelPosition(pair, 0, 0).x() - BarLeftOfLabel;
    const int right = LabelPosition(pair, 1, 0).x() - BarLeftOfLabel + BarWidth;
    QFont font("Arial", 13, QFont::Bold);
    painter.setFont(font);
    painter.setPen(HeadingColour);
    painter.drawText(QRect(left - 30, 14, right - left + 60, 26), Qt::AlignCenter, Headings[pair]);
    painter.setPen(QPen(BarEdge, 1));
    painter.drawLine(QPointF(left, 46.5), QPointF(right, 46.5));
}

} // namespace

QPixmap Picture() {
    QPixmap picture(PictureWidth, PictureHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int pair = 0; pair < PairCount; ++pair) {
        DrawHeading(painter, pair);
        DrawChromosome(painter, pair, Homolog1);
        DrawChromosome(painter, pair, Homolog2);
    }
    QFont font("Arial", 9);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(110, 100, 135));
    painter.drawText(QRect(150, 368, PictureWidth - 162, 20), Qt::AlignRight | Qt::AlignVCenter,
                     "Drosophila melanogaster, 2n = 8");
    return picture;
}

QIcon ProgramIcon() {
    constexpr int Size = 64;
    QPixmap icon(Size, Size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    // Two sister chromatids crossing at the centromere.
    for (const qreal angle : {-16.0, 16.0}) {
        painter.save();
        painter.translate(Size / 2.0, Size / 2.0);
        painter.rotate(angle);
        const QRectF chromatid(-7, -29, 14, 58);
        QPainterPath outline;
        outline.addRoundedRect(chromatid, 7, 7);
        painter.fillPath(outline, Shading(chromatid.left(), chromatid.width()));
        painter.setClipPath(outline);
        for (const qreal y : {-20.0, -11.0, 9.0, 18.0})
            painter.fillRect(QRectF(-7, y, 14, 3), BandColour);
        painter.setClipping(false);
        painter.strokePath(outline, QPen(BarOutline, 1.5));
        painter.restore();
    }
    return QIcon(icon);
}

} // namespace Karyotype

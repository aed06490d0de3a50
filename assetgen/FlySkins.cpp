#include "FlySkins.h"

#include "Atlas.h"
#include "FlyShape.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>

namespace assetgen::fly {

namespace {

using Colour = QVector3D; // red, green, blue from 0 to 1

Colour Mix(const Colour& a, const Colour& b, float t) {
    return a + (b - a) * std::clamp(t, 0.0f, 1.0f);
}

QColor ToQColor(const Colour& colour) {
    return QColor::fromRgbF(std::clamp(colour.x(), 0.0f, 1.0f), std::clamp(colour.y(), 0.0f, 1.0f),
                            std::clamp(colour.z(), 0.0f, 1.0f));
}

// A picture painted pixel by pixel from texture coordinates (v = 0 at the bottom row).
QImage PaintPixels(int width, int height, const std::function<Colour(float u, float v)>& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float v = 1.0f - (y + 0.5f) / height;
        for (int x = 0; x < width; ++x)
            line[x] = ToQColor(colour((x + 0.5f) / width, v)).rgb();
    }
    return image;
}

// The pixel position of texture coordinates.
QPointF Pixel(const QImage& image, float u, float v) {
    return QPointF(u * image.width(), (1.0f - v) * image.height());
}

// Smooth value noise from 0 to 1 that repeats every `period` lattice cells in both directions.
float ValueNoise(float x, float y, int period, std::uint32_t seed) {
    const auto lattice = [&](int i, int j) {
        i = ((i % period) + period) % period;
        j = ((j % period) + period) % period;
        std::uint32_t h = seed * 374761393u + static_cast<std::uint32_t>(i) * 668265263u +
                          static_cast<std::uint32_t>(j) * 2246822519u;
        h = (h ^ (h >> 13)) * 1274126177u;
        return static_cast<float>((h ^ (h >> 16)) & 0xffff) / 65535.0f;
    };
    const int i = static_cast<int>(std::floor(x)), j = static_cast<int>(std::floor(y));
    const float fx = Smoothstep(0, 1, x - i), fy = Smoothstep(0, 1, y - j);
    const float top = lattice(i, j) + (lattice(i + 1, j) - lattice(i, j)) * fx;
    const float bottom = lattice(i, j + 1) + (lattice(i + 1, j + 1) - lattice(i, j + 1)) * fx;
    return top + (bottom - top) * fy;
}

// Noise over texture coordinates that repeats across the texture, centred on 0.
float Mottle(float u, float v, int cells, std::uint32_t seed, int octaves = 3) {
    float sum = 0, amplitude = 0.5f;
    for (int octave = 0; octave < octaves; ++octave) {
        const int period = cells << octave;
        sum += amplitude * (ValueNoise(u * period, v * period, period, seed + octave) - 0.5f);
        amplitude *= 0.5f;
    }
    return sum;
}

// Distance around a wrapped coordinate.
float WrappedDistance(float a, float b) {
    const float d = std::abs(a - b);
    return std::min(d, 1.0f - d);
}

// Small dark hair sockets scattered over a region.
float Hairs(float u, float v, int cells, std::uint32_t seed) {
    const float x = u * cells, y = v * cells;
    const int i = static_cast<int>(std::floor(x)), j = static_cast<int>(std::floor(y));
    float darkest = 0;
    for (int di = -1; di <= 1; ++di) {
        for (int dj = -1; dj <= 1; ++dj) {
            const int ci = i + di, cj = j + dj;
            std::mt19937 random(seed +
                                static_cast<std::uint32_t>(((ci % cells) + cells) % cells) * 7919u +
                                static_cast<std::uint32_t>(cj) * 104729u);
            std::uniform_real_distribution<float> jitter(0.15f, 0.85f);
            const float px = ci + jitter(random), py = cj + jitter(random);
            const float d = std::hypot(x - px, y - py);
            darkest = std::max(darkest, 1.0f - Smoothstep(0.06f, 0.16f, d));
        }
    }
    return darkest;
}

// ---------------------------------------------------------------------------------------------

const Colour Chitin(0.66f, 0.46f, 0.27f); // the thorax's back
const Colour Pleura(0.76f, 0.6f, 0.38f);  // the thorax's sides
const Colour Pale(0.84f, 0.72f, 0.5f);    // undersides
const Colour Band(0.27f, 0.17f, 0.10f);   // abdominal bands

// How far round from the top a point of a lofted body is (u = 0.25 on top): 0 on top, 0.5 below.
float FromTop(float u) {
    return WrappedDistance(u, 0.25f);
}

Colour ThoraxBody(float u, float v, bool stripe) {
    const float fromTop = FromTop(u);
    Colour colour = Mix(Chitin, Pleura, Smoothstep(0.12f, 0.2f, fromTop));
    // The underside lies in the body's own shadow.
    colour = Mix(colour, Pale * 0.85f, Smoothstep(0.3f, 0.42f, fromTop));
    // Faint darker lines along the rows of bristles, and a paler neck.
    const float lines = std::exp(-std::pow((fromTop - 0.045f) / 0.012f, 2.0f)) +
                        std::exp(-std::pow((fromTop - 0.11f) / 0.015f, 2.0f)) * 0.7f;
    colour *= 1.0f - 0.1f * lines * Smoothstep(0.15f, 0.3f, v);
    colour = Mix(colour, Pale, 1 - Smoothstep(0.04f, 0.14f, v));
    colour *= 1.0f + 0.5f * Mottle(u, v, 8, 3) -
              0.3f * Hairs(u * 3, v * 2, 24, 5) * (1 - Smoothstep(0.14f, 0.2f, fromTop));
    if (stripe) {
        const float inStripe = (1 - Smoothstep(0.035f, 0.06f, fromTop)) *
                               Smoothstep(0.08f, 0.2f, v) * (1 - Smoothstep(0.93f, 0.99f, v));
        colour = Mix(colour, Colour(0.22f, 0.16f, 0.11f) * (1 + 0.3f * Mottle(u, v, 16, 9)),
                     inStripe * 0.95f);
    }
    return colour;
}

Colour Scutellum(float u, float v, bool stripe) {
    const float fromTop = FromTop(u);
    // A smooth shield, a little paler than the thorax, with a darker rim where it meets it.
    Colour colour = Mix(Chitin * 1.08f, Pale * 0.85f, Smoothstep(0.2f, 0.4f, fromTop));
    colour *= (1.0f + 0.3f * Mottle(u, v, 6, 4)) * (0.8f + 0.2f * Smoothstep(0.0f, 0.2f, v));
    if (stripe)
        colour = Mix(colour, Colour(0.24f, 0.18f, 0.12f),
                     (1 - Smoothstep(0.05f, 0.09f, fromTop)) * (1 - Smoothstep(0.75f, 0.95f, v)));
    return colour;
}

// A leg segment: u along, darker towards the joints.
Colour LegSegment(float u) {
    const float joint = std::max(1 - Smoothstep(0.0f, 0.14f, u), Smoothstep(0.86f, 1.0f, u));
    return Mix(Colour(0.7f, 0.53f, 0.33f), Colour(0.38f, 0.26f, 0.16f), joint);
}

Colour Tarsus(float u) {
    const float segment = std::fmod(u * 5, 1.0f);
    const float joint =
        std::max(1 - Smoothstep(0.0f, 0.2f, segment), Smoothstep(0.85f, 1.0f, segment));
    return Mix(Colour(0.66f, 0.5f, 0.32f), Colour(0.3f, 0.21f, 0.13f),
               std::max(joint, Smoothstep(0.8f, 1.0f, u)));
}

// ---------------------------------------------------------------------------------------------
// Wings

// A vein: across the wing (0 at the hind edge, 1 at the front edge) as a function of the
// position along it, drawn from `from` to `to`, `width` pixels wide at its start.
struct Vein {
    Profile across;
    float from, to;
    float width;
};

std::vector<Vein> WingVeinPaths(WingVeins kind) {
    std::vector<Vein> veins = {
        {Profile(1.0f), 0.02f, 0.975f, 7.0f},                                       // costa
        {Profile{{0.04f, 0.8f}, {0.25f, 0.9f}, {0.42f, 1.0f}}, 0.04f, 0.42f, 5.0f}, // L1
        {Profile{{0.16f, 0.64f}, {0.3f, 0.74f}, {0.6f, 0.86f}, {0.83f, 1.0f}}, 0.16f, 0.83f,
         4.5f}, // L2
        {Profile{{0.02f, 0.58f}, {0.2f, 0.6f}, {0.5f, 0.55f}, {0.9f, 0.56f}, {1.0f, 0.6f}}, 0.02f,
         0.985f, 5.0f}, // L3
        {Profile{{0.04f, 0.42f}, {0.3f, 0.42f}, {0.6f, 0.36f}, {0.85f, 0.25f}, {0.96f, 0.08f}},
         0.04f, 0.955f, 4.5f}, // L4
        {Profile{{0.08f, 0.3f}, {0.3f, 0.22f}, {0.6f, 0.12f}, {0.77f, 0.0f}}, 0.08f, 0.77f,
         4.5f},                                                                     // L5
        {Profile{{0.05f, 0.18f}, {0.2f, 0.1f}, {0.3f, 0.05f}}, 0.05f, 0.28f, 3.5f}, // L6
    };
    // The L4 of cubitus interruptus breaks off before the margin, with a gap on the way.
    if (kind == WingVeins::CubitusInterruptus) {
        Vein& l4 = veins[4];
        Vein distal = l4;
        l4.to = 0.55f;
        distal.from = 0.68f;
        distal.to = 0.8f;
        distal.width = 3.5f;
        veins.push_back(distal);
    }
    return veins;
}

// A crossvein between two veins at positions along the wing.
struct Crossvein {
    std::size_t front, back; // indices of the veins it joins
    float frontS, backS;
    float reach = 1; // how much of the way across it runs
};

std::vector<Crossvein> WingCrossveins(WingVeins kind) {
    switch (kind) {
    case WingVeins::Crossveinless:
        return {};
    case WingVeins::CubitusInterruptus: // a short anterior crossvein only
        return {{3, 4, 0.41f, 0.42f, 0.45f}, {4, 5, 0.61f, 0.64f, 1.0f}};
    case WingVeins::Wild:
        break;
    }
    return {{3, 4, 0.41f, 0.42f, 1.0f}, {4, 5, 0.61f, 0.64f, 1.0f}};
}

// Texture coordinates of a point of the wing.
QPointF WingPixel(const QImage& image, float s, float across) {
    const float back = -WingPosterior(s), front = WingAnterior(s);
    const float y = back + across * (front - back);
    return Pixel(image, s, (y - WingPictureMin) / (WingPictureMax - WingPictureMin));
}

bool InsideWing(float u, float v) {
    const float y = WingPictureMin + v * (WingPictureMax - WingPictureMin);
    return y <= WingAnterior(u) && y >= -WingPosterior(u);
}

// ---------------------------------------------------------------------------------------------
// Arista

// The arista's card in model units: x along the shaft, y across it from the shaft.
QTransform AristaCard(const QImage& image) {
    const float left = atlas::AristaLeft * image.width();
    const float scaleX = (image.width() - left) / atlas::AristaCardLength;
    const float scaleY = image.height() / (2 * atlas::AristaCardHalfWidth);
    QTransform transform;
    transform.translate(left, (1 - atlas::AristaShaft) * image.height());
    transform.scale(scaleX, -scaleY);
    return transform;
}

} // namespace

QImage EyesSkin() {
    // A honeycomb of facets in a tile that repeats: 8 columns, 10 rows, every other row offset.
    constexpr int size = 128, columns = 8, rows = 10;
    constexpr float dx = static_cast<float>(size) / columns, dy = static_cast<float>(size) / rows;
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float nearest = 1e9f, second = 1e9f;
            QPointF nearestCentre;
            for (int row = -1; row <= rows; ++row) {
                const float offset = (row % 2 != 0) ? dx / 2 : 0.0f;
                for (int column = -1; column <= columns; ++column) {
                    const QPointF centre(column * dx + offset, row * dy);
                    const float d = std::hypot(x + 0.5f - centre.x(), y + 0.5f - centre.y());
                    if (d < nearest) {
                        second = nearest;
                        nearest = d;
                        nearestCentre = centre;
                    } else if (d < second) {
                        second = d;
                    }
                }
            }
            // Bright lenses with a soft dark rim and a small highlight above their centre.
            const float rim = 1 - Smoothstep(0.0f, 3.5f, second - nearest);
            const float highlight = 1 - Smoothstep(0.0f, 2.6f,
                                                   std::hypot(x + 0.5f - nearestCentre.x() + 1.5f,
                                                              y + 0.5f - nearestCentre.y() + 1.8f));
            const float value = 0.9f - 0.3f * rim + 0.1f * highlight;
            image.setPixel(x, y, ToQColor(Colour(value, value, value)).rgb());
        }
    }
    return image;
}

QImage HeadSkin() {
    return PaintPixels(256, 256, [](float u, float v) {
        if (v > atlas::HeadTop) // the proboscis
            return Mix(Colour(0.86f, 0.74f, 0.52f), Colour(0.7f, 0.56f, 0.38f),
                       (v - atlas::HeadTop) / (1 - atlas::HeadTop));
        // u runs across the head from its left side, `around` from the face over the top (the
        // surface itself starts at the back).
        const float around = std::fmod(1.5f - v / atlas::HeadTop, 1.0f);
        const float fromMiddle = std::abs(u - 0.5f);
        const float fromFace = WrappedDistance(around, 0.0f);
        // An orange face between the eyes, tan cuticle round the sides and back, paler below.
        Colour colour =
            Mix(Colour(0.80f, 0.50f, 0.27f), Colour(0.66f, 0.48f, 0.3f),
                std::max(Smoothstep(0.16f, 0.3f, fromFace), Smoothstep(0.17f, 0.25f, fromMiddle)));
        colour = Mix(colour, Colour(0.76f, 0.62f, 0.42f),
                     (1 - std::abs(fromMiddle - 0.14f) / 0.04f) *
                         (1 - Smoothstep(0.2f, 0.3f, fromFace)));
        // The cheeks and temples round the eyes: darker cuticle with fine hairs. All directions
        // round the head meet at its sides, so only the plainest colouring suits them.
        const float cheek = Smoothstep(0.22f, 0.3f, fromMiddle);
        colour = Mix(colour, Colour(0.6f, 0.43f, 0.27f), cheek);
        colour *= 1.0f - 0.25f * cheek * Hairs(u * 2, v, 40, 23);
        colour = Mix(colour, Pale * 0.95f,
                     Smoothstep(0.72f, 0.8f, around) * (1 - Smoothstep(0.9f, 0.97f, around)) *
                         (1 - Smoothstep(0.2f, 0.3f, fromMiddle)));
        // The ocellar triangle with its three simple eyes on top of the head.
        const float triangle =
            std::max(std::abs(around - 0.22f) * 1.4f, fromMiddle) + 0.6f * (around - 0.22f);
        colour = Mix(colour, Colour(0.32f, 0.22f, 0.14f), 1 - Smoothstep(0.045f, 0.06f, triangle));
        const QPointF ocelli[] = {{0.5, 0.19}, {0.47, 0.235}, {0.53, 0.235}};
        for (const QPointF& ocellus : ocelli) {
            const float d = std::hypot((u - ocellus.x()) * 1.0f, (around - ocellus.y()) * 0.8f);
            colour = Mix(colour, Colour(0.85f, 0.45f, 0.25f), 1 - Smoothstep(0.008f, 0.014f, d));
            colour = Mix(colour, Colour(1.0f, 0.85f, 0.6f), 1 - Smoothstep(0.0f, 0.005f, d));
        }
        return colour * (1.0f + 0.35f * Mottle(u, v, 8, 21));
    });
}

QImage ThoraxSkin(bool stripe) {
    return PaintPixels(512, 512, [stripe](float u, float v) {
        if (v < atlas::ThoraxTop)
            return ThoraxBody(u, v / atlas::ThoraxTop, stripe);
        if (v < atlas::ScutellumTop)
            return Scutellum(u, (v - atlas::ThoraxTop) / (atlas::ScutellumTop - atlas::ThoraxTop),
                             stripe);
        if (v < atlas::LegTop)
            return LegSegment(u) * (1.0f + 0.2f * Mottle(u, v, 8, 31));
        return Tarsus(u);
    });
}

QImage AbdomenSkin(bool male) {
    const std::vector<float>& bounds = TergiteBounds(male);
    return PaintPixels(512, 512, [male, &bounds](float u, float v) {
        const float fromTop = FromTop(u);
        Colour colour = Mix(Colour(0.85f, 0.68f, 0.4f), Pale, Smoothstep(0.24f, 0.34f, fromTop));
        // Each tergite ends in a dark band, broad on the back and narrowing down the sides.
        for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
            if (v < bounds[i] || v >= bounds[i + 1])
                continue;
            const float f = (v - bounds[i]) / (bounds[i + 1] - bounds[i]);
            const float breadth = 0.5f * (1 - Smoothstep(0.08f, 0.27f, fromTop)) *
                                  (1 - 0.25f * std::exp(-std::pow(fromTop / 0.03f, 2.0f)));
            const bool darkTip = male && i + 3 >= bounds.size();
            const float band = darkTip ? 1 - Smoothstep(0.25f, 0.3f, fromTop)
                                       : Smoothstep(1 - breadth - 0.06f, 1 - breadth, f);
            colour = Mix(colour, Band, band * 0.95f);
            // The thin pale joint between segments.
            colour = Mix(colour, Pale, (1 - Smoothstep(0.0f, 0.06f, f)) * 0.5f);
        }
        if (v >= bounds.back()) // the tip
            colour = Mix(colour, male ? Band : Colour(0.5f, 0.35f, 0.22f),
                         male ? 0.95f : Smoothstep(bounds.back(), 1.0f, v));
        colour *= 1.0f + 0.3f * Mottle(u, v, 8, 41) - 0.25f * Hairs(u, v, 40, 43);
        return colour;
    });
}

QImage BristlesSkin() {
    return PaintPixels(32, 32, [](float, float v) {
        return Mix(Colour(0.16f, 0.11f, 0.07f), Colour(0.34f, 0.25f, 0.16f), v);
    });
}

QImage WingsSkin(WingVeins kind) {
    QImage image = PaintPixels(512, 256, [](float u, float v) {
        if (!InsideWing(u, v))
            return Colour(1, 1, 1);
        // A faint grey membrane, darkest near the base.
        const float shade =
            0.89f - 0.04f * (1 - Smoothstep(0.0f, 0.3f, u)) + 0.04f * Mottle(u, v, 32, 51, 2);
        return Colour(shade, shade, shade * 1.01f);
    });

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor veinColour = ToQColor(Colour(0.3f, 0.26f, 0.22f));
    const auto stroke = [&](const std::vector<QPointF>& points, float startWidth, float endWidth) {
        for (std::size_t i = 1; i < points.size(); ++i) {
            const float t = static_cast<float>(i) / (points.size() - 1);
            painter.setPen(QPen(veinColour, startWidth + (endWidth - startWidth) * t, Qt::SolidLine,
                                Qt::RoundCap));
            painter.drawLine(points[i - 1], points[i]);
        }
    };

    // The fine fringe along the hind edge.
    std::vector<QPointF> hind;
    for (int i = 0; i <= 80; ++i) {
        const float s = 0.02f + 0.98f * i / 80.0f;
        hind.push_back(WingPixel(image, s, 0.015f));
    }
    painter.setOpacity(0.45);
    stroke(hind, 2.5f, 2.5f);
    painter.setOpacity(1.0);

    const std::vector<Vein> veins = WingVeinPaths(kind);
    for (const Vein& vein : veins) {
        std::vector<QPointF> points;
        constexpr int steps = 60;
        for (int i = 0; i <= steps; ++i) {
            const float s = vein.from + (vein.to - vein.from) * i / steps;
            points.push_back(WingPixel(image, s, vein.across(s)));
        }
        stroke(points, vein.width * 1.15f, vein.width * 0.65f);
    }
    for (const Crossvein& cross : WingCrossveins(kind)) {
        const QPointF front =
            WingPixel(image, cross.frontS, veins[cross.front].across(cross.frontS));
        const QPointF back = WingPixel(image, cross.backS, veins[cross.back].across(cross.backS));
        stroke({front, front + (back - front) * cross.reach}, 6.5f, 6.5f);
    }
    return image;
}

QImage AntennaSkin(Arista arista) {
    constexpr int width = 128, height = 64;
    QImage image = PaintPixels(width, height, [](float u, float v) {
        if (u >= atlas::AristaLeft)
            return Colour(1, 1, 1);
        // Antennal segments: brown, paler along one side, finely furred.
        const float along = u / atlas::AristaLeft;
        Colour colour = Mix(Colour(0.64f, 0.46f, 0.3f), Colour(0.78f, 0.6f, 0.42f),
                            0.5f + 0.5f * std::sin(2 * Pi * v));
        colour = Mix(colour, Colour(0.48f, 0.34f, 0.22f), 1 - Smoothstep(0.0f, 0.25f, along));
        return colour * (1.0f - 0.2f * Hairs(u * 4, v, 24, 61));
    });

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(AristaCard(image));
    const QColor colour = ToQColor(Colour(0.24f, 0.19f, 0.14f));
    const auto line = [&](QPointF from, QPointF to, float thickness) {
        painter.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
    };
    // The thick base every arista has; lengths are fractions of the card.
    const float length = atlas::AristaCardLength;
    const auto at = [length](float along, float across) { return QPointF(along * length, across); };
    line(at(0.0f, 0.0f), at(0.13f, 0.0f), 0.16f);
    switch (arista) {
    case Arista::Aristaless: // a stub, hardly any feather
        line(at(0.1f, 0.0f), at(0.2f, 0.02f), 0.08f);
        break;
    case Arista::Thread: // a thin bare thread
        line(at(0.1f, 0.0f), at(0.97f, -0.05f), 0.05f);
        break;
    case Arista::Wild: {
        QPainterPath shaft;
        shaft.moveTo(at(0.1f, 0.0f));
        shaft.quadTo(at(0.55f, 0.02f), at(0.96f, -0.05f));
        painter.setPen(QPen(colour, 0.07, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shaft);
        // Branches: six above and three below, curving towards the tip.
        const auto branch = [&](float at, float size, float side) {
            const QPointF root = shaft.pointAtPercent(at);
            QPainterPath path;
            path.moveTo(root);
            path.quadTo(root + QPointF(size * 0.3, side * size * 0.7),
                        root + QPointF(size * 0.85, side * size * 0.9));
            painter.setPen(QPen(colour, 0.045, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(path);
        };
        for (int i = 0; i < 6; ++i)
            branch(0.14f + 0.14f * i, 0.46f - 0.03f * i, 1);
        for (int i = 0; i < 3; ++i)
            branch(0.25f + 0.2f * i, 0.36f - 0.05f * i, -1);
        line(at(0.88f, -0.04f), at(0.98f, 0.06f), 0.04f);
        break;
    }
    }
    return image;
}

} // namespace assetgen::fly

#include "FlyShape.h"

#include <algorithm>
#include <cmath>

namespace assetgen::fly {

namespace {

// The axial position a of a blob as the v of its surface.
float AlongV(float a) {
    return std::acos(std::clamp(-a, -1.0f, 1.0f)) / Pi;
}

// The overlap of abdominal segments: each ring swells towards its rear edge and steps down to
// the next segment.
float SegmentRidges(float a, const std::vector<float>& bounds) {
    const float v = AlongV(a);
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
        if (v >= bounds[i] && v < bounds[i + 1]) {
            const float f = (v - bounds[i]) / (bounds[i + 1] - bounds[i]);
            return 1.0f + 0.04f * (Smoothstep(0.0f, 0.8f, f) - Smoothstep(0.8f, 1.0f, f));
        }
    }
    return 1.0f;
}

} // namespace

const std::vector<float>& TergiteBounds(bool male) {
    static const std::vector<float> female = {0.10f, 0.22f, 0.345f, 0.465f,
                                              0.58f, 0.69f, 0.79f,  0.88f};
    static const std::vector<float> maleBounds = {0.11f, 0.25f, 0.39f, 0.53f, 0.67f, 0.80f};
    return male ? maleBounds : female;
}

Blob Head() {
    Blob head;
    head.centre = QVector3D(0.0f, 1.9f, -7.3f);
    head.axis = QVector3D(1, 0, 0);
    head.side = QVector3D(0, 0, 1); // the seam round the head lies at the back, against the thorax
    head.up = QVector3D(0, 1, 0);
    head.halfLength = 2.75f;
    head.halfWidth =
        Profile{{-1.0f, 1.2f}, {-0.5f, 1.55f}, {0.0f, 1.6f}, {0.5f, 1.55f}, {1.0f, 1.2f}};
    head.top = Profile(2.1f);
    head.bottom = Profile(2.25f);
    head.squareness = 2.3f;
    return head;
}

Blob Thorax() {
    Blob thorax;
    thorax.centre = QVector3D(0.0f, 1.3f, -2.6f);
    thorax.halfLength = 4.0f;
    thorax.halfWidth =
        Profile{{-1.0f, 1.5f}, {-0.6f, 2.8f}, {-0.1f, 3.1f}, {0.4f, 2.95f}, {1.0f, 2.0f}};
    thorax.top = Profile{{-1.0f, 1.2f}, {-0.7f, 2.6f}, {-0.2f, 3.05f}, {0.4f, 2.85f}, {1.0f, 1.5f}};
    thorax.bottom =
        Profile{{-1.0f, 1.2f}, {-0.5f, 2.3f}, {0.0f, 2.45f}, {0.6f, 2.15f}, {1.0f, 1.4f}};
    thorax.lift = Profile{{-1.0f, -0.4f}, {-0.5f, 0.1f}, {0.0f, 0.4f}, {0.6f, 0.35f}, {1.0f, 0.3f}};
    thorax.squareness = 2.1f;
    return thorax;
}

Blob Scutellum() {
    Blob scutellum;
    scutellum.centre = QVector3D(0.0f, 3.15f, 0.85f);
    scutellum.halfLength = 1.55f;
    scutellum.halfWidth = Profile{{-1.0f, 1.9f}, {0.0f, 1.7f}, {1.0f, 0.9f}};
    scutellum.top = Profile{{-1.0f, 1.0f}, {0.0f, 0.8f}, {1.0f, 0.45f}};
    scutellum.bottom = Profile(0.6f);
    return scutellum;
}

Blob Abdomen(bool male) {
    Blob abdomen;
    const std::vector<float>& bounds = TergiteBounds(male);
    if (male) {
        abdomen.centre = QVector3D(0.0f, 0.55f, 3.5f);
        abdomen.halfLength = 3.9f;
        const Profile width{{-1.0f, 2.1f}, {-0.3f, 2.75f}, {0.4f, 2.6f}, {1.0f, 1.9f}};
        abdomen.halfWidth = [width, bounds](float a) {
            return width(a) * SegmentRidges(a, bounds);
        };
        const Profile top{{-1.0f, 2.0f}, {-0.2f, 2.45f}, {0.5f, 2.3f}, {1.0f, 1.8f}};
        abdomen.top = [top, bounds](float a) { return top(a) * SegmentRidges(a, bounds); };
        abdomen.bottom = Profile{{-1.0f, 1.9f}, {0.0f, 2.2f}, {1.0f, 1.8f}};
        abdomen.lift = Profile{{-1.0f, 0.4f}, {0.0f, 0.0f}, {1.0f, -0.7f}};
        abdomen.backRoundness = 0.55f;
    } else {
        abdomen.centre = QVector3D(0.0f, 0.45f, 4.6f);
        abdomen.halfLength = 5.2f;
        const Profile width{
            {-1.0f, 2.1f}, {-0.5f, 2.9f}, {0.0f, 3.05f}, {0.5f, 2.7f}, {1.0f, 1.6f}};
        abdomen.halfWidth = [width, bounds](float a) {
            return width(a) * SegmentRidges(a, bounds);
        };
        const Profile top{{-1.0f, 2.0f}, {-0.4f, 2.55f}, {0.1f, 2.6f}, {0.6f, 2.2f}, {1.0f, 1.4f}};
        abdomen.top = [top, bounds](float a) { return top(a) * SegmentRidges(a, bounds); };
        abdomen.bottom = Profile{{-1.0f, 1.9f}, {0.0f, 2.35f}, {1.0f, 1.5f}};
        abdomen.lift = Profile{{-1.0f, 0.5f}, {0.0f, 0.0f}, {1.0f, -0.4f}};
        abdomen.backRoundness = 0.95f;
    }
    return abdomen;
}

float EyeOutline::Radius(float angle) const {
    float difference = std::remainder(angle - notchAngle, 2 * Pi);
    return 1.0f - notchDepth * std::exp(-(difference / 0.38f) * (difference / 0.38f));
}

EyeOutline EyeOutlineFor(EyeShape shape) {
    switch (shape) {
    case EyeShape::Bar:
        return {0.36f, 1.55f, 0.1f, 0.32f, 0.0f, 0.0f};
    case EyeShape::Lobe:
        return {0.95f, 1.2f, 0.45f, 0.45f, 0.5f, -0.9f};
    case EyeShape::Wild:
        break;
    }
    return {1.25f, 1.85f, 0.15f, 0.6f, 0.0f, 0.0f};
}

namespace {

// Rounds the wing's tip: 1 before `start`, a quarter ellipse down to 0 at the tip.
float TipRounding(float s, float start) {
    if (s <= start)
        return 1.0f;
    const float x = std::min((s - start) / (1.0f - start), 1.0f);
    return std::sqrt(1.0f - x * x);
}

} // namespace

float WingAnterior(float s) {
    static const Profile edge{
        {0.0f, 0.025f}, {0.15f, 0.06f}, {0.45f, 0.125f}, {0.75f, 0.145f}, {1.0f, 0.15f}};
    return edge(s) * TipRounding(s, 0.74f);
}

float WingPosterior(float s) {
    static const Profile edge{{0.0f, 0.03f},  {0.1f, 0.11f},  {0.16f, 0.12f}, {0.22f, 0.17f},
                              {0.45f, 0.27f}, {0.65f, 0.29f}, {1.0f, 0.24f}};
    return edge(s) * TipRounding(s, 0.6f);
}

} // namespace assetgen::fly

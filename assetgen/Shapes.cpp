#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

float Profile::operator()(float x) const {
    if (keys_.size() == 1 || x <= keys_.front().first)
        return keys_.front().second;
    if (x >= keys_.back().first)
        return keys_.back().second;
    std::size_t i = 0;
    while (keys_[i + 1].first < x)
        ++i;
    // Cubic Hermite with Catmull-Rom slopes; flat at both ends.
    const auto slope = [&](std::size_t k) {
        if (k == 0 || k + 1 == keys_.size())
            return 0.0f;
        return (keys_[k + 1].second - keys_[k - 1].second) /
               (keys_[k + 1].first - keys_[k - 1].first);
    };
    const float x0 = keys_[i].first, x1 = keys_[i + 1].first;
    const float y0 = keys_[i].second, y1 = keys_[i + 1].second;
    const float h = x1 - x0;
    const float s = (x - x0) / h;
    const float s2 = s * s, s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * y0 + (s3 - 2 * s2 + s) * h * slope(i) + (-2 * s3 + 3 * s2) * y1 +
           (s3 - s2) * h * slope(i + 1);
}

QVector3D Path::At(float t) const {
    const int segments = static_cast<int>(points_.size()) - 1;
    const float scaled = std::clamp(t, 0.0f, 1.0f) * segments;
    const int i = std::min(static_cast<int>(scaled), segments - 1);
    const float s = scaled - i;
    const QVector3D& p1 = points_[i];
    const QVector3D& p2 = points_[i + 1];
    const QVector3D p0 = i > 0 ? points_[i - 1] : 2 * p1 - p2;
    const QVector3D p3 = i + 2 <= segments ? points_[i + 2] : 2 * p2 - p1;
    const float s2 = s * s, s3 = s2 * s;
    return 0.5f * ((2 * p1) + (-p0 + p2) * s + (2 * p0 - 5 * p1 + 4 * p2 - p3) * s2 +
                   (-p0 + 3 * p1 - 3 * p2 + p3) * s3);
}

QVector3D Path::Tangent(float t) const {
    constexpr float h = 1e-3f;
    const float a = std::max(t - h, 0.0f), b = std::min(t + h, 1.0f);
    return (At(b) - At(a)).normalized();
}

namespace {

float SignedPower(float value, float exponent) {
    return std::copysign(std::pow(std::abs(value), exponent), value);
}

} // namespace

QVector3D Blob::Position(float u, float v) const {
    const float a = -std::cos(Pi * v);
    const float roundness = a < 0 ? frontRoundness : backRoundness;
    const float scale = std::pow(std::max(1 - a * a, 0.0f), roundness);
    const float angle = 2 * Pi * u;
    const float across = SignedPower(std::cos(angle), 2 / squareness);
    const float upward = SignedPower(std::sin(angle), 2 / squareness);
    const float height = upward >= 0 ? top(a) : bottom(a);
    return Inside(v) + side * (halfWidth(a) * scale * across) + up * (height * scale * upward);
}

QVector3D Blob::Inside(float v) const {
    const float a = -std::cos(Pi * v);
    return centre + axis * (a * halfLength) + up * lift(a);
}

Surface BlobSurface(const Blob& blob, int stepsU, int stepsV,
                    std::function<QVector2D(float u, float v)> texcoord) {
    Surface surface;
    surface.position = [blob](float u, float v) { return blob.Position(u, v); };
    surface.inside = [blob](float, float v) { return blob.Inside(v); };
    surface.texcoord = std::move(texcoord);
    surface.stepsU = stepsU;
    surface.stepsV = stepsV;
    surface.closedU = true;
    return surface;
}

QVector3D Tube::Position(float u, float t) const {
    const QVector3D tangent = path.Tangent(t);
    const QVector3D normal = QVector3D::crossProduct(tangent, reference).normalized();
    const QVector3D binormal = QVector3D::crossProduct(normal, tangent);
    const float angle = 2 * Pi * u;
    return path.At(t) + radius(t) * (std::cos(angle) * normal + std::sin(angle) * binormal);
}

Surface TubeSurface(const Tube& tube, int sides, int steps,
                    std::function<QVector2D(float u, float v)> texcoord) {
    Surface surface;
    surface.position = [tube](float u, float v) { return tube.Position(u, v); };
    surface.inside = [tube](float, float v) { return tube.path.At(v); };
    surface.texcoord = std::move(texcoord);
    surface.stepsU = sides;
    surface.stepsV = steps;
    surface.closedU = true;
    return surface;
}

std::function<QVector2D(float, float)> AtlasRect(float u0, float v0, float u1, float v1) {
    return [=](float u, float v) { return QVector2D(u0 + (u1 - u0) * u, v0 + (v1 - v0) * v); };
}

float Smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

} // namespace assetgen

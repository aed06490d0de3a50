#pragma once

// Shapes for the fly's parts, as parametric surfaces: lofted bodies with rounded or pointed
// ends, tubes along smooth paths, and smooth profiles that shape them.

#include "MeshBuilder.h"

#include <initializer_list>
#include <utility>

namespace assetgen {

constexpr float Pi = 3.14159265358979f;

// A smooth function through key points (x ascending), constant beyond the ends.
class Profile {
public:
    Profile(float constant = 0) : keys_{{0.0f, constant}} {}
    Profile(std::initializer_list<std::pair<float, float>> keys) : keys_(keys) {}
    float operator()(float x) const;

private:
    std::vector<std::pair<float, float>> keys_;
};

// A smooth path through points (Catmull-Rom), with the parameter t in [0, 1].
class Path {
public:
    explicit Path(std::vector<QVector3D> points) : points_(std::move(points)) {}
    QVector3D At(float t) const;
    QVector3D Tangent(float t) const;

private:
    std::vector<QVector3D> points_;
};

// A body lofted along an axis: rings of superellipses whose size follows profiles of the axial
// position a, from -1 (front pole, v = 0) to 1 (back pole, v = 1). Around the ring u = 0 is
// the side direction and u = 0.25 the up direction.
struct Blob {
    QVector3D centre;
    QVector3D axis{0, 0, 1};
    QVector3D side{1, 0, 0};
    QVector3D up{0, 1, 0};
    float halfLength = 1;
    // Functions of the axial position a.
    std::function<float(float)> halfWidth = Profile(1);
    std::function<float(float)> top = Profile(1);    // extent above the ring centre
    std::function<float(float)> bottom = Profile(1); // extent below the ring centre
    std::function<float(float)> lift = Profile(0);   // ring centre offset along up
    float frontRoundness = 0.5f;                     // pole shape: 0.5 round, larger pointed
    float backRoundness = 0.5f;
    float squareness = 2; // ring superellipse exponent: 2 ellipse, larger boxier

    QVector3D Position(float u, float v) const;
    QVector3D Inside(float v) const;
};

Surface BlobSurface(const Blob& blob, int stepsU, int stepsV,
                    std::function<QVector2D(float u, float v)> texcoord);

// A tube along a path with a radius profile over t; its ring frame keeps `reference` to one side.
struct Tube {
    Path path;
    std::function<float(float)> radius;
    QVector3D reference{0, 1, 0};

    QVector3D Position(float u, float t) const;
};

Surface TubeSurface(const Tube& tube, int sides, int steps,
                    std::function<QVector2D(float u, float v)> texcoord);

// Maps (u, v) into the rectangle [u0, u1] x [v0, v1] of a texture atlas.
std::function<QVector2D(float, float)> AtlasRect(float u0, float v0, float u1, float v1);

float Smoothstep(float edge0, float edge1, float x);

} // namespace assetgen

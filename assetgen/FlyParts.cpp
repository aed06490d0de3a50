#include "FlyParts.h"

#include "Atlas.h"

#include <QMatrix4x4>
#include <algorithm>
#include <cmath>
#include <random>

namespace assetgen::fly {

namespace {

const QVector3D Up(0, 1, 0);
const QVector3D Backwards(0, 0, 1);

QVector3D Mirror(const QVector3D& point, float side) {
    return QVector3D(point.x() * side, point.y(), point.z());
}

QVector3D Rotated(const QVector3D& vector, const QVector3D& axis, float degrees) {
    QMatrix4x4 rotation;
    rotation.rotate(degrees, axis);
    return rotation.map(vector);
}

// Any unit vector at right angles to `direction`.
QVector3D Perpendicular(const QVector3D& direction) {
    const QVector3D helper = std::abs(direction.y()) < 0.9f ? Up : QVector3D(1, 0, 0);
    return QVector3D::crossProduct(direction, helper).normalized();
}

// A rounded, nearly cylindrical segment from a to b (a leg segment, an antenna segment).
Blob Segment(const QVector3D& a, const QVector3D& b, float radiusA, float radiusB,
             float roundness = 0.3f) {
    Blob blob;
    blob.axis = (b - a).normalized();
    blob.side = Perpendicular(blob.axis);
    blob.up = QVector3D::crossProduct(blob.side, blob.axis).normalized();
    blob.centre = (a + b) / 2;
    blob.halfLength = (b - a).length() / 2;
    const Profile radius{{-1.0f, radiusA}, {0.0f, std::max(radiusA, radiusB)}, {1.0f, radiusB}};
    blob.halfWidth = radius;
    blob.top = radius;
    blob.bottom = radius;
    blob.frontRoundness = roundness;
    blob.backRoundness = roundness;
    return blob;
}

// The point and outward normal of a blob's surface at (u, v).
struct SurfacePoint {
    QVector3D position;
    QVector3D normal;
};

SurfacePoint OnBlob(const Blob& blob, float u, float v) {
    const Surface surface = BlobSurface(blob, 8, 8, AtlasRect(0, 0, 1, 1));
    return {blob.Position(u, v), SurfaceNormal(surface, u, v)};
}

// ---------------------------------------------------------------------------------------------
// Head and eyes

// Where a ray from inside the head leaves the head's ellipsoid.
QVector3D HeadExit(const QVector3D& origin, const QVector3D& direction) {
    const Blob head = Head();
    const QVector3D radii(head.halfLength, 2.15f, 1.58f);
    const QVector3D o = (origin - head.centre) / radii;
    const QVector3D d = direction / radii;
    const float a = QVector3D::dotProduct(d, d);
    const float b = 2 * QVector3D::dotProduct(o, d);
    const float c = QVector3D::dotProduct(o, o) - 1;
    const float root = std::sqrt(std::max(b * b - 4 * a * c, 0.0f));
    return origin + direction * ((-b + root) / (2 * a));
}

Surface EyeSurface(const EyeOutline& outline, float side) {
    const QVector3D lateral = QVector3D(side, 0.05f, -0.32f).normalized();
    const QVector3D forward =
        (QVector3D(0, 0, -1) - lateral * QVector3D::dotProduct(QVector3D(0, 0, -1), lateral))
            .normalized();
    const QVector3D upward = QVector3D::crossProduct(lateral, forward).normalized() * side;
    const QVector3D centre = Head().centre;

    // (u, v): angle around the eye's centre, and distance from it (1 at the rim).
    const auto plane = [outline](float u, float v) {
        const float angle = 2 * Pi * u;
        const float scale = v * outline.Radius(angle);
        return QVector2D(scale * outline.forward * std::cos(angle),
                         scale * outline.upward * std::sin(angle) + outline.raise);
    };
    Surface surface;
    surface.position = [=](float u, float v) {
        const QVector2D q = plane(u, v);
        const QVector3D origin = centre + forward * q.x() + upward * q.y();
        const float height = outline.bulge * std::sqrt(std::max(1 - v * v, 0.0f)) - 0.08f;
        return HeadExit(origin, lateral) + lateral * height;
    };
    surface.inside = [centre](float, float) { return centre; };
    surface.texcoord = [=](float u, float v) {
        const QVector2D q = plane(u, v);
        return QVector2D(q.x() / atlas::EyeTile, q.y() / atlas::EyeTile);
    };
    surface.stepsU = 30;
    surface.stepsV = 9;
    surface.closedU = true;
    return surface;
}

// ---------------------------------------------------------------------------------------------
// Legs

struct LegJoints {
    QVector3D base, coxa, knee, tibia;
    std::vector<QVector3D> tarsus; // from the tibia's end to the claws
    float femurRadius;
};

std::vector<LegJoints> RightLegs() {
    return {
        {{0.9f, -0.5f, -5.1f},
         {1.35f, -1.9f, -5.5f},
         {2.8f, -1.1f, -6.9f},
         {3.3f, -4.0f, -7.7f},
         {{3.3f, -4.0f, -7.7f}, {3.6f, -4.7f, -8.3f}, {3.9f, -4.9f, -9.0f}, {4.2f, -4.9f, -9.7f}},
         0.42f},
        {{1.5f, -1.0f, -3.3f},
         {2.1f, -2.1f, -3.4f},
         {4.4f, -0.9f, -3.0f},
         {5.7f, -4.0f, -2.7f},
         {{5.7f, -4.0f, -2.7f}, {6.2f, -4.7f, -2.5f}, {7.0f, -4.9f, -2.2f}, {7.7f, -4.9f, -1.9f}},
         0.4f},
        {{1.4f, -0.9f, -1.8f},
         {2.0f, -2.0f, -1.4f},
         {4.0f, -0.8f, 0.6f},
         {5.0f, -4.0f, 2.6f},
         {{5.0f, -4.0f, 2.6f}, {5.4f, -4.7f, 3.4f}, {5.9f, -4.9f, 4.4f}, {6.3f, -4.9f, 5.4f}},
         0.45f},
    };
}

// Texture coordinates of a leg segment: along the segment across the leg strip.
QVector2D LegTexcoord(float u, float v) {
    return QVector2D(v, atlas::ScutellumTop + (atlas::LegTop - atlas::ScutellumTop) * u);
}

QVector2D TarsusTexcoord(float u, float v) {
    return QVector2D(v, atlas::LegTop + (atlas::TarsusTop - atlas::LegTop) * u);
}

void AddLeg(MeshBuilder& mesh, const LegJoints& joints, float side) {
    const auto at = [side](const QVector3D& point) { return Mirror(point, side); };
    mesh.AddSurface(
        BlobSurface(Segment(at(joints.base), at(joints.coxa), 0.42f, 0.32f), 6, 5, LegTexcoord));
    mesh.AddSurface(BlobSurface(
        Segment(at(joints.coxa) - (at(joints.knee) - at(joints.coxa)) * 0.04f, at(joints.knee),
                joints.femurRadius * 0.62f, joints.femurRadius * 0.55f),
        6, 6, LegTexcoord));
    mesh.AddSurface(
        BlobSurface(Segment(at(joints.knee), at(joints.tibia), 0.22f, 0.17f), 6, 6, LegTexcoord));

    std::vector<QVector3D> tarsus;
    for (const QVector3D& point : joints.tarsus)
        tarsus.push_back(at(point));
    // Five tarsal segments, each a little swollen at its end.
    const Tube tube{Path(tarsus),
                    [](float t) {
                        const float segment = std::fmod(t * 5, 1.0f);
                        return (0.15f - 0.05f * t) *
                               (0.82f + 0.18f * Smoothstep(0.2f, 0.9f, segment));
                    },
                    Up};
    mesh.AddSurface(TubeSurface(tube, 5, 10, TarsusTexcoord));

    // Two small claws.
    const QVector3D tip = tarsus.back();
    const QVector3D direction = (tarsus.back() - tarsus[tarsus.size() - 2]).normalized();
    const QVector3D across = Perpendicular(direction);
    for (float spread : {-1.0f, 1.0f}) {
        const QVector3D end = tip + direction * 0.35f + across * (0.18f * spread) - Up * 0.15f;
        const Tube claw{Path({tip - direction * 0.1f, tip + direction * 0.2f, end}),
                        Profile{{0.0f, 0.07f}, {1.0f, 0.0f}}, Up};
        mesh.AddSurface(
            TubeSurface(claw, 3, 2, [](float, float) { return QVector2D(0.97f, 0.95f); }));
    }
}

// ---------------------------------------------------------------------------------------------
// Bristles

struct BristleSpot {
    enum Body { OnThorax, OnScutellum, OnHead } body;
    float u, v; // where on the body's surface (right side)
    float length;
    QVector3D aim; // roughly where it points (right side); the surface bends it along itself
    float lift;    // degrees above the surface at its base
};

// The large bristles of the right side; the left side mirrors them.
std::vector<BristleSpot> Macrochaetae() {
    using B = BristleSpot;
    const QVector3D back(0, 0, 1), backOut(0.5f, 0, 1), backIn(-0.45f, 0, 1);
    return {
        {B::OnThorax, 0.205f, 0.56f, 2.4f, back, 32},                   // anterior dorsocentral
        {B::OnThorax, 0.205f, 0.70f, 2.9f, back, 30},                   // posterior dorsocentral
        {B::OnThorax, 0.055f, 0.22f, 1.9f, backOut, 38},                // humeral
        {B::OnThorax, 0.10f, 0.38f, 2.1f, back, 32},                    // presutural
        {B::OnThorax, 0.03f, 0.40f, 2.2f, backOut, 30},                 // anterior notopleural
        {B::OnThorax, 0.015f, 0.53f, 2.3f, backOut, 28},                // posterior notopleural
        {B::OnThorax, 0.085f, 0.61f, 2.5f, back, 30},                   // supra-alar
        {B::OnThorax, 0.11f, 0.78f, 2.3f, backIn, 30},                  // post-alar
        {B::OnThorax, 0.955f, 0.47f, 1.6f, backOut, 35},                // sternopleural
        {B::OnScutellum, 0.1f, 0.45f, 2.5f, backOut, 30},               // basal scutellar
        {B::OnScutellum, 0.2f, 0.86f, 3.3f, backIn, 22},                // apical scutellar
        {B::OnHead, 0.33f, 0.62f, 1.8f, QVector3D(0.3f, 0.2f, 1), 40},  // inner vertical
        {B::OnHead, 0.31f, 0.78f, 1.6f, QVector3D(0.8f, 0.1f, 1), 40},  // outer vertical
        {B::OnHead, 0.21f, 0.53f, 1.5f, QVector3D(0.5f, 0.3f, -1), 45}, // ocellar
        {B::OnHead, 0.4f, 0.54f, 1.1f, QVector3D(-0.6f, 0, 1), 30},     // postvertical
        {B::OnHead, 0.13f, 0.69f, 1.4f, QVector3D(0.1f, 0.4f, 1), 40},  // posterior orbital
        {B::OnHead, 0.09f, 0.7f, 1.2f, QVector3D(0, 0.3f, -1), 45},     // anterior orbitals
        {B::OnHead, 0.86f, 0.6f, 1.4f, QVector3D(0.3f, -0.6f, -1), 35}, // vibrissa
    };
}

// The fine hairs on the scutum in rows, right side.
std::vector<BristleSpot> Microchaetae() {
    std::vector<BristleSpot> hairs;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> jitter(-0.008f, 0.008f);
    for (int row = 0; row < 5; ++row) {
        const float u = 0.247f - 0.03f * row - (row >= 2 ? 0.02f : 0.0f);
        for (int i = 0; i < 9; ++i) {
            const float v = 0.3f + 0.047f * i + (row % 2) * 0.02f;
            hairs.push_back({BristleSpot::OnThorax, u + jitter(random), v + jitter(random), 0.42f,
                             Backwards, 20});
        }
    }
    return hairs;
}

SurfacePoint BristleBase(const BristleSpot& spot, float side) {
    const float mirroredU = side > 0 ? spot.u : 0.5f - spot.u;
    switch (spot.body) {
    case BristleSpot::OnHead: { // spots count round the head from the face, the surface from the
                                // back
        const float v = side > 0 ? spot.v : 1.0f - spot.v;
        return OnBlob(Head(), 0.5f - spot.u, v);
    }
    case BristleSpot::OnScutellum:
        return OnBlob(Scutellum(), mirroredU, spot.v);
    case BristleSpot::OnThorax:
        break;
    }
    return OnBlob(Thorax(), mirroredU, spot.v);
}

QVector2D BristleTexcoord(float u, float v) {
    return QVector2D(u, v);
}

// One bristle from its base along its aim; `radius` is at the base.
void AddBristle(MeshBuilder& mesh, const SurfacePoint& base, QVector3D aim, float length,
                float lift, float radius, BristleKind kind, int steps, std::mt19937& random) {
    // The aim laid onto the surface, then raised by the lift.
    aim = (aim - base.normal * QVector3D::dotProduct(aim, base.normal)).normalized();
    const QVector3D hinge = QVector3D::crossProduct(base.normal, aim).normalized();
    const QVector3D start = Rotated(aim, hinge, -lift);
    std::uniform_real_distribution<float> wobble(-1.0f, 1.0f);

    std::vector<QVector3D> points = {base.position - base.normal * 0.15f};
    QVector3D direction = start;
    QVector3D point = base.position;
    const int segments = 4;
    const float bend = kind == BristleKind::Javelin ? 4.0f : 9.0f; // degrees towards the body
    for (int i = 0; i < segments; ++i) {
        point += direction * (length / segments);
        points.push_back(point);
        direction = Rotated(direction, hinge, bend);
        if (kind == BristleKind::Forked) // gnarled: kinks every way
            direction = Rotated(Rotated(direction, hinge, 28 * wobble(random)), base.normal,
                                30 * wobble(random));
    }

    Profile taper;
    switch (kind) {
    case BristleKind::Javelin: // cylindrical, swollen before a blunt tip
        taper = Profile{{0.0f, radius},
                        {0.55f, radius * 0.85f},
                        {0.8f, radius * 1.7f},
                        {0.93f, radius * 0.9f},
                        {1.0f, 0.0f}};
        break;
    case BristleKind::Forked: // thick, blunt; the tip splits below
        taper = Profile{{0.0f, radius * 1.2f}, {1.0f, radius * 0.55f}};
        break;
    default:
        taper = Profile{{0.0f, radius}, {0.7f, radius * 0.45f}, {1.0f, 0.0f}};
    }
    mesh.AddSurface(TubeSurface(Tube{Path(points), taper, base.normal}, 3, steps, BristleTexcoord));

    if (kind == BristleKind::Forked) {
        const QVector3D tip = points.back();
        const QVector3D along = (points.back() - points[points.size() - 2]).normalized();
        for (float fork : {-35.0f, 35.0f}) {
            const QVector3D prong = Rotated(along, base.normal, fork);
            const QVector3D end = tip + prong * (length * 0.3f);
            mesh.AddSurface(
                TubeSurface(Tube{Path({tip - along * 0.05f, (tip + end) / 2, end}),
                                 Profile{{0.0f, radius * 0.5f}, {1.0f, 0.0f}}, base.normal},
                            3, 2, BristleTexcoord));
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Wings

struct WingBend {
    float spread = 2; // degrees outwards from straight back
    float pitch = -3; // degrees up at the hinge
    float roll = 8;   // degrees the outer edge hangs down
    float length = WingLength;
    std::function<float(float s)> curl = [](float) { return 0.0f; }; // degrees per unit length
    float crumple = 0; // height of the crumpling of a vestigial stub
    float widthScale = 1;
    float picture = 1; // how much of the wing picture, from the hinge, the wing shows
};

WingBend BendFor(WingPose pose) {
    WingBend bend;
    switch (pose) {
    case WingPose::Wild:
        break;
    case WingPose::Vestigial:
        bend.spread = 85;
        bend.pitch = 32;
        bend.roll = 10;
        bend.length = 4.6f;
        bend.widthScale = 1.1f;
        bend.crumple = 0.5f;
        bend.picture = 0.5f; // the crowded veins of the wing's base
        break;
    case WingPose::Curly: // flat at first, the outer part rolled strongly upwards
        bend.spread = 10;
        bend.pitch = 2;
        bend.curl = [](float s) { return s < 0.45f ? 0.0f : 26.0f * Smoothstep(0.45f, 0.6f, s); };
        break;
    case WingPose::Curled: // bent upwards along the whole length, a little spread
        bend.spread = 18;
        bend.pitch = 3;
        bend.curl = [](float) { return 3.0f; };
        break;
    case WingPose::Curved: // spread, lifted at the base and bowed downwards
        bend.spread = 26;
        bend.pitch = 22;
        bend.roll = 8;
        bend.curl = [](float) { return -7.0f; };
        break;
    }
    return bend;
}

Surface WingSurface(const WingBend& bend, float side, std::uint32_t seed) {
    // The left wing rests on the right one where they overlap.
    const QVector3D hinge(2.3f * side, side > 0 ? 3.65f : 3.8f, -1.0f);
    // The wing's own frame: lengthwise (spread outwards, pitched up), across it towards the front
    // edge, which lies outwards at rest and hangs down by the roll, and its upper face.
    QVector3D lengthwise = Rotated(Backwards, Up, bend.spread * side);
    const QVector3D lateral = QVector3D::crossProduct(Up, lengthwise).normalized() * side;
    lengthwise =
        Rotated(lengthwise, QVector3D::crossProduct(lengthwise, Up).normalized(), bend.pitch);
    QVector3D across = Rotated(lateral, lengthwise, bend.roll);
    if (across.y() > 0)
        across = Rotated(lateral, lengthwise, -bend.roll);
    QVector3D normal = QVector3D::crossProduct(lengthwise, across).normalized();
    if (normal.y() < 0)
        normal = -normal;

    // Small fixed crumples for a vestigial stub.
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> phase(0.0f, 2 * Pi);
    const float p1 = phase(random), p2 = phase(random), p3 = phase(random);

    Surface surface;
    // Steps crowd towards hinge and tip, where the outline turns fastest.
    const auto along = [](float u) { return 0.5f * (1 - std::cos(Pi * u)); };
    surface.position = [=](float u, float t) {
        const float s = along(u);
        // The midline bends in the plane of lengthwise and normal; its angle grows with the curl.
        QVector3D point = hinge;
        float angle = 0;
        constexpr int steps = 48;
        for (int i = 0; i < steps; ++i) {
            const float ds = s / steps;
            angle += bend.curl((i + 0.5f) * ds) * ds * bend.length * Pi / 180;
            point += (lengthwise * std::cos(angle) + normal * std::sin(angle)) * (ds * bend.length);
        }
        const float anterior = WingAnterior(s), posterior = WingPosterior(s);
        const float y = (-posterior + t * (anterior + posterior)) * bend.length * bend.widthScale;
        point += across * y;
        if (bend.crumple > 0) {
            const float bump =
                std::sin(11 * s + p1) * std::sin(8 * t + p2) + 0.7f * std::sin(19 * s + 6 * t + p3);
            point += normal * (bend.crumple * bump * std::min(1.0f, 3 * s));
        }
        return point;
    };
    surface.inside = [=](float s, float t) { return surface.position(s, t) - normal; };
    surface.texcoord = [=, picture = bend.picture](float u, float t) {
        const float s = along(u) * picture;
        const float y = -WingPosterior(s) + t * (WingAnterior(s) + WingPosterior(s));
        return QVector2D(s, (y - WingPictureMin) / (WingPictureMax - WingPictureMin));
    };
    surface.stepsU = 18;
    surface.stepsV = 6;
    return surface;
}

// ---------------------------------------------------------------------------------------------
// Antennae

QVector2D AntennaSegmentTexcoord(float u, float v) {
    return QVector2D(atlas::AristaLeft * v, u);
}

void AddAntenna(MeshBuilder& mesh, float side) {
    const auto at = [side](const QVector3D& point) { return Mirror(point, side); };
    const QVector3D scape = at({0.45f, 2.45f, -8.7f});
    const QVector3D pedicel = at({0.62f, 2.35f, -9.15f});
    const QVector3D funiculusTop = at({0.75f, 2.1f, -9.45f});
    const QVector3D funiculusBottom = at({0.85f, 0.85f, -9.65f});
    mesh.AddSurface(BlobSurface(Segment(scape - at({0, 0, -0.3f}), pedicel, 0.28f, 0.3f, 0.5f), 6,
                                4, AntennaSegmentTexcoord));
    mesh.AddSurface(BlobSurface(Segment(pedicel, funiculusTop, 0.36f, 0.36f, 0.5f), 7, 5,
                                AntennaSegmentTexcoord));
    mesh.AddSurface(BlobSurface(Segment(funiculusTop, funiculusBottom, 0.42f, 0.36f, 0.5f), 8, 7,
                                AntennaSegmentTexcoord));

    // The arista: a card along a gently curved shaft, painted in the skin.
    const QVector3D root = at({0.95f, 1.95f, -9.55f});
    const QVector3D direction = at(QVector3D(0.5f, 0.7f, -0.55f)).normalized();
    const float length = atlas::AristaCardLength;
    const QVector3D spread = (Up - direction * QVector3D::dotProduct(Up, direction)).normalized();
    Surface card;
    card.position = [=](float s, float t) {
        const QVector3D shaft = root + direction * (s * length) - spread * (0.25f * s * s);
        return shaft + spread * ((t - atlas::AristaShaft) * 2 * atlas::AristaCardHalfWidth);
    };
    card.inside = [=](float s, float t) {
        return card.position(s, t) - QVector3D::crossProduct(direction, spread);
    };
    card.texcoord = [](float s, float t) {
        return QVector2D(atlas::AristaLeft + (1 - atlas::AristaLeft) * s, t);
    };
    card.stepsU = 4;
    card.stepsV = 1;
    mesh.AddSurface(card);
}

} // namespace

// ---------------------------------------------------------------------------------------------

MeshBuilder HeadMesh() {
    MeshBuilder mesh;
    mesh.Group("head");
    mesh.AddSurface(BlobSurface(Head(), 26, 18,
                                [](float u, float v) { return QVector2D(v, u * atlas::HeadTop); }));

    mesh.Group("proboscis");
    const auto proboscisTexcoord = AtlasRect(0, atlas::HeadTop, 1, 1);
    const QVector3D mouth(0.0f, 0.0f, -8.0f), end(0.0f, -1.0f, -8.5f);
    mesh.AddSurface(BlobSurface(Segment(mouth, end, 0.42f, 0.34f), 8, 5, proboscisTexcoord));
    Blob labellum = Segment(end + QVector3D(-0.55f, -0.15f, 0), end + QVector3D(0.55f, -0.15f, 0),
                            0.38f, 0.38f, 0.5f);
    labellum.top = Profile(0.26f);
    labellum.bottom = Profile(0.34f);
    mesh.AddSurface(BlobSurface(labellum, 8, 6, proboscisTexcoord));
    mesh.Place(Centring, Scale);
    return mesh;
}

MeshBuilder EyesMesh(EyeShape shape) {
    MeshBuilder mesh;
    const EyeOutline outline = EyeOutlineFor(shape);
    mesh.Group("right_eye");
    mesh.AddSurface(EyeSurface(outline, 1));
    mesh.Group("left_eye");
    mesh.AddSurface(EyeSurface(outline, -1));
    mesh.Place(Centring, Scale);
    return mesh;
}

MeshBuilder ThoraxMesh() {
    MeshBuilder mesh;
    mesh.Group("thorax");
    mesh.AddSurface(BlobSurface(Thorax(), 32, 22, AtlasRect(0, 0, 1, atlas::ThoraxTop)));
    mesh.Group("scutellum");
    mesh.AddSurface(
        BlobSurface(Scutellum(), 18, 10, AtlasRect(0, atlas::ThoraxTop, 1, atlas::ScutellumTop)));
    for (float side : {1.0f, -1.0f}) {
        mesh.Group(side > 0 ? "right_legs" : "left_legs");
        for (const LegJoints& leg : RightLegs())
            AddLeg(mesh, leg, side);
        mesh.Group(side > 0 ? "right_haltere" : "left_haltere");
        const QVector3D stalk = Mirror({2.3f, 1.7f, -0.3f}, side);
        const QVector3D knob = Mirror({3.0f, 1.4f, 0.6f}, side);
        mesh.AddSurface(BlobSurface(Segment(stalk, knob, 0.12f, 0.12f), 5, 4, LegTexcoord));
        mesh.AddSurface(
            BlobSurface(Segment(knob - (knob - stalk).normalized() * 0.2f,
                                knob + (knob - stalk).normalized() * 0.5f, 0.3f, 0.3f, 0.5f),
                        6, 5, LegTexcoord));
    }
    mesh.Place(Centring, Scale);
    return mesh;
}

MeshBuilder AbdomenMesh(bool male) {
    MeshBuilder mesh;
    mesh.Group(male ? "abdomen_male" : "abdomen_female");
    mesh.AddSurface(BlobSurface(Abdomen(male), 30, 28, AtlasRect(0, 0, 1, 1)));
    mesh.Place(Centring, Scale);
    return mesh;
}

MeshBuilder BristlesMesh(BristleKind kind) {
    MeshBuilder mesh;
    std::mt19937 random(11);
    const float lengthScale = kind == BristleKind::Forked    ? 0.5f
                              : kind == BristleKind::Javelin ? 0.85f
                              : kind == BristleKind::Shaven  ? 0.28f
                                                             : 1.0f;
    const std::vector<BristleSpot> large = Macrochaetae();
    for (float side : {1.0f, -1.0f}) {
        mesh.Group(side > 0 ? "right_bristles" : "left_bristles");
        for (std::size_t i = 0; i < large.size(); ++i) {
            const BristleSpot& spot = large[i];
            // Shaven flies keep only some of their bristles, as stubs.
            if (kind == BristleKind::Shaven && i % 3 != 0)
                continue;
            AddBristle(mesh, BristleBase(spot, side), Mirror(spot.aim, side),
                       spot.length * lengthScale, spot.lift, 0.1f, kind, 5, random);
        }
        mesh.Group(side > 0 ? "right_hairs" : "left_hairs");
        const std::vector<BristleSpot> hairs = Microchaetae();
        for (std::size_t i = 0; i < hairs.size(); ++i) {
            if (kind == BristleKind::Shaven && i % 4 != 0)
                continue;
            const BristleSpot& spot = hairs[i];
            const float hairScale = kind == BristleKind::Wild ? 1.0f : 0.7f;
            AddBristle(mesh, BristleBase(spot, side), Mirror(spot.aim, side),
                       spot.length * hairScale, spot.lift, 0.04f, BristleKind::Wild, 2, random);
        }
    }
    mesh.Place(Centring, Scale);
    return mesh;
}

MeshBuilder WingsMesh(WingPose pose) {
    MeshBuilder mesh;
    const WingBend bend = BendFor(pose);
    mesh.Group("right_wing");
    mesh.AddSurface(WingSurface(bend, 1, 3));
    mesh.Group("left_wing");
    mesh.AddSurface(WingSurface(bend, -1, 5));
    mesh.Place(Centring, Scale);
    return mesh;
}

MeshBuilder AntennaeMesh() {
    MeshBuilder mesh;
    mesh.Group("right_antenna");
    AddAntenna(mesh, 1);
    mesh.Group("left_antenna");
    AddAntenna(mesh, -1);
    mesh.Place(Centring, Scale);
    return mesh;
}

} // namespace assetgen::fly

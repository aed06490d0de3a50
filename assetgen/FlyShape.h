#pragma once

// The fly's shared geometry, in model units (the fly is about 24 units long, wings included):
// x to the fly's left, y up (dorsal), z backwards (the head points to -z). Meshes place their
// parts on these bodies; skins paint the same outlines.

#include "Shapes.h"

namespace assetgen::fly {

// The parts are designed around the thorax, then moved by Centring so that the fly turns about
// its middle, and scaled by Scale.
inline const QVector3D Centring(0.0f, 1.2f, 0.6f);
inline constexpr float Scale = 1.1f;

Blob Head();
Blob Thorax();
Blob Scutellum();
Blob Abdomen(bool male);
// Where the abdominal segments meet, as v along the abdomen's surface.
const std::vector<float>& TergiteBounds(bool male);

// Eye outlines: the eye's half extent along the head's front-back and up-down directions at
// each angle around the eye centre (0 = forwards, quarter turn = up).
enum class EyeShape { Wild, Bar, Lobe };

struct EyeOutline {
    float forward = 1;    // half extent front to back
    float upward = 1;     // half extent up and down
    float raise = 0;      // centre offset upwards
    float bulge = 0.5f;   // how far the eye stands out of the head
    float notchDepth = 0; // Lobe: the notch in the outline, 0 for none
    float notchAngle = 0;
    float Radius(float angle) const; // outline scale at an angle, 1 without notch
};

EyeOutline EyeOutlineFor(EyeShape shape);

// The wing outline in the wing's plane: s from hinge (0) to tip (1), the anterior edge at
// Anterior(s) and the posterior edge at -Posterior(s), in units of WingLength.
inline constexpr float WingLength = 13.5f;
float WingAnterior(float s);
float WingPosterior(float s);
// The range of the wing picture across the wing, in the same units.
inline constexpr float WingPictureMin = -0.32f;
inline constexpr float WingPictureMax = 0.16f;

} // namespace assetgen::fly

#pragma once

// The microscope's fixed-function OpenGL: the one-time set-up of a context and the drawing of
// one frame, into the current context. Sizes are in device pixels.

#include "phenotype/Drosmodel.h"
#include "phenotype/MicroscopeCamera.h"

namespace MicroscopeGL {

// Depth test, texturing, the multiplying blend function, one light fixed to the viewer and
// colour material; the viewport covers the view.
void SetUp(int width, int height);
void Resize(int width, int height);
// Clears to the background and draws the model, if any, placed by the camera.
void Paint(const MicroscopeCamera& camera, const RgbColour& background, const CDrosModel* model,
           int width, int height);

} // namespace MicroscopeGL

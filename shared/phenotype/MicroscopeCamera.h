#pragma once

// The microscope's camera: how the fly is turned, shifted and zoomed. Plain arithmetic, no
// OpenGL; the view applies it as translate (shift, -40), turn about x, turn about y.

#include <algorithm>

struct MicroscopeCamera {
    // A zoom of zero degrees has no projection; the slider's last position shows this instead.
    static constexpr float MinimumFieldOfView = 2.5f;

    float rotationX = 40;  // degrees about the x axis
    float rotationY = 130; // degrees about the y axis
    float shiftX = 0;
    float shiftY = 0;
    float fieldOfView = 45; // vertical, degrees

    // A mouse move of (dx, dy) pixels while turning: one degree per pixel, never wrapped.
    void Rotate(int dx, int dy) {
        rotationY += static_cast<float>(dx);
        rotationX += static_cast<float>(dy);
    }
    // A mouse move of (dx, dy) pixels while shifting: 0.1 units per pixel, screen y downwards.
    void Translate(int dx, int dy) {
        shiftX += static_cast<float>(dx) * 0.1f;
        shiftY -= static_cast<float>(dy) * 0.1f;
    }
    // The zoom slider: five degrees per step below the slider's maximum.
    void Zoom(int position, int maximum) {
        fieldOfView = std::max(static_cast<float>(maximum - position) * 5.0f, MinimumFieldOfView);
    }
};

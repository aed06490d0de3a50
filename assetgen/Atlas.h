#pragma once

// Where each part's surfaces lie in their skins (texture coordinates, v = 0 at the bottom of the
// picture). The meshes map their surfaces here and the skins paint the same regions.

namespace assetgen::atlas {

// head.bmp: the head's surface below HeadTop, the proboscis above it.
inline constexpr float HeadTop = 0.875f;

// thorax.bmp and thoraxstripe.bmp, bands of v from the bottom up.
inline constexpr float ThoraxTop = 0.7f;    // the thorax's surface: u around, v front to back
inline constexpr float ScutellumTop = 0.8f; // the scutellum
inline constexpr float LegTop = 0.9f;       // leg segments: u along the segment
inline constexpr float TarsusTop = 1.0f;    // tarsi: u along, five segments

// antennawild.bmp and its mutants: segments left of AristaLeft, the arista's card right of it.
inline constexpr float AristaLeft = 0.25f;
// Where the arista's shaft runs across its card, and the card's half width in model units.
inline constexpr float AristaShaft = 0.5f;
inline constexpr float AristaCardHalfWidth = 0.6f;
inline constexpr float AristaCardLength = 2.4f;

// eyes.bmp repeats every EyeTile model units.
inline constexpr float EyeTile = 2.0f;

} // namespace assetgen::atlas

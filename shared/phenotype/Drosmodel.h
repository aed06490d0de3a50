#pragma once

// The drawable 3D fly: a phenotype that picks a mesh and a skin for each of seven body parts
// from the resource manager, an eye colour and a body colour, and draws the parts in one shared
// coordinate system. The view positions and turns the whole fly.

#include "phenotype/Drosphen.h"

#include <array>

class CModel;
class CSkin;
class CRsrcMgr;

// Red, green and blue, each 0 to 1.
using RgbColour = std::array<float, 3>;

enum class FlyPart { Wings, Antennae, Abdomen, Bristles, Eyes, Head, Thorax };

// One part's choice: owned by the resource manager; null until it was found.
struct CDrosPart {
    const CModel* mesh = nullptr;
    CSkin* skin = nullptr;
};

class CDrosModel : public CDrosPhenotype {
public:
    // Chooses every part and both colours from the trait codes. All earlier choices are dropped
    // first, so after a missing file (CGeneralError "File: <name> couldn't be loaded.") the
    // parts fetched before it are the fly's, and the rest stay unchosen.
    void LoadParts(const CRsrcMgr& resources);
    void LoadParts();

    // Draws the chosen parts into the current context; the view has set up projection, camera,
    // light, depth test, texturing and the blend function. Leaves blending off, lighting on.
    void Draw() const;

    const CDrosPart& GetPart(FlyPart part) const { return parts_[static_cast<int>(part)]; }
    const RgbColour& GetEyeColour() const { return eyeColour_; }
    const RgbColour& GetBodyColour() const { return bodyColour_; }

private:
    CDrosPart& Part(FlyPart part) { return parts_[static_cast<int>(part)]; }
    void DrawPart(FlyPart part) const;

    std::array<CDrosPart, 7> parts_;
    RgbColour eyeColour_ = {1.0f, 0.0f, 0.0f};
    RgbColour bodyColour_ = {1.0f, 1.0f, 1.0f};
};

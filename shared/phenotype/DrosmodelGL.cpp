// The immediate-mode OpenGL drawing of the 3D fly.

#include "phenotype/Drosmodel.h"
#include "phenotype/Resource.h"

void CDrosModel::DrawPart(FlyPart part) const {
    const CDrosPart& chosen = GetPart(part);
    if (!chosen.mesh)
        return;
    if (chosen.skin)
        chosen.skin->Bind();
    else
        glBindTexture(GL_TEXTURE_2D, 0);
    chosen.mesh->Draw();
}

void CDrosModel::Draw() const {
    glColor3f(bodyColour_[0], bodyColour_[1], bodyColour_[2]);
    DrawPart(FlyPart::Abdomen);
    DrawPart(FlyPart::Head);
    DrawPart(FlyPart::Thorax);

    glColor3f(1.0f, 1.0f, 1.0f);
    DrawPart(FlyPart::Bristles);

    glColor3f(eyeColour_[0], eyeColour_[1], eyeColour_[2]);
    DrawPart(FlyPart::Eyes);

    // Wings and antennae multiply what lies behind them: white texels leave it unchanged.
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND);
    glDisable(GL_LIGHTING);
    DrawPart(FlyPart::Wings);
    DrawPart(FlyPart::Antennae);

    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
}

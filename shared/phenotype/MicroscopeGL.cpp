#include "phenotype/MicroscopeGL.h"

#include <GL/glu.h>
#include <algorithm>
#include <qopengl.h>

namespace MicroscopeGL {

void SetUp(int width, int height) {
    glClearColor(0.5f, 0.5f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_DST_COLOR, GL_ZERO);

    // Given while the model-view matrix is the identity, so the light stays with the viewer.
    const GLfloat ambient[] = {0.2f, 0.2f, 0.2f, 1.0f};
    const GLfloat diffuse[] = {0.9f, 0.9f, 0.9f, 1.0f};
    const GLfloat position[] = {10.0f, 10.0f, 10.0f, 1.0f};
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);

    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    Resize(width, height);
}

void Resize(int width, int height) {
    glViewport(0, 0, width, height);
}

void Paint(const MicroscopeCamera& camera, const RgbColour& background, const CDrosModel* model,
           int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(camera.fieldOfView,
                   static_cast<double>(width) / static_cast<double>(std::max(height, 1)), 0.1,
                   500.0);

    glClearColor(background[0], background[1], background[2], 1.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    if (model) {
        glPushMatrix();
        glTranslatef(camera.shiftX, camera.shiftY, -40.0f);
        glRotatef(camera.rotationX, 1.0f, 0.0f, 0.0f);
        glRotatef(camera.rotationY, 0.0f, 1.0f, 0.0f);
        model->Draw();
        glPopMatrix();
    }
    glFlush();
}

} // namespace MicroscopeGL

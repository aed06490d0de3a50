// The immediate-mode OpenGL side of meshes and skins.

#include "phenotype/Resource.h"

#include <QOpenGLContext>

void CModel::Draw() const {
    for (const CMesh& mesh : meshes) {
        for (const CFace& face : mesh.faces) {
            glBegin(face.kind);
            for (std::size_t corner = 0; corner < face.positions.size(); ++corner) {
                const CVector3& normal = normals[face.normals[corner] - 1];
                const CVector2& texcoord = texcoords[face.texcoords[corner] - 1];
                const CVector3& position = positions[face.positions[corner] - 1];
                glNormal3f(normal.x, normal.y, normal.z);
                glTexCoord2f(texcoord.u, texcoord.v);
                glVertex3f(position.x, position.y, position.z);
            }
            glEnd();
        }
    }
}

namespace {

const QOpenGLContextGroup* CurrentGroup() {
    const QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? context->shareGroup() : nullptr;
}

} // namespace

GLuint CSkin::TextureName() const {
    const auto found = textures_.find(CurrentGroup());
    return found == textures_.end() ? 0 : found->second.name;
}

void CSkin::Bind() {
    QOpenGLContextGroup* group = QOpenGLContext::currentContext()->shareGroup();
    if (image_.pixels.empty()) {
        glBindTexture(GL_TEXTURE_2D, 0);
        return;
    }
    if (const auto found = textures_.find(group); found != textures_.end()) {
        glBindTexture(GL_TEXTURE_2D, found->second.name);
        return;
    }

    Texture texture;
    glGenTextures(1, &texture.name);
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, image_.components, image_.width, image_.height, 0, image_.format,
                 image_.type, image_.pixels.data());
    // The group's last context takes the texture with it; only the name must be forgotten.
    texture.groupGone =
        QObject::connect(group, &QObject::destroyed, [this, group] { textures_.erase(group); });
    textures_.emplace(group, std::move(texture));
}

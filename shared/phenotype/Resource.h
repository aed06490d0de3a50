#pragma once

// The meshes and skins of the 3D fly: part meshes read from a small subset of the OBJ text
// format, skins decoded from bitmaps, and the one process-wide manager that loads every file of
// the two data folders at start-up and then hands them out by file name.

#include <QMetaObject>
#include <QString>
#include <map>
#include <memory>
#include <qopengl.h>
#include <string>
#include <unordered_map>
#include <vector>

class QOpenGLContextGroup;

struct CVector3 {
    float x = 0, y = 0, z = 0;
};

struct CVector2 {
    float u = 0, v = 0;
};

// One polygon. The three index lists run parallel, one entry per corner, 1-based as in the file.
struct CFace {
    std::vector<int> positions;
    std::vector<int> normals;
    std::vector<int> texcoords;
    GLenum kind = GL_POLYGON; // GL_TRIANGLES for 3 corners, GL_QUADS for 4, else GL_POLYGON
};

struct CMesh {
    std::vector<CFace> faces;
    std::string name;
};

// A mesh file: meshes in file order, all indexing the same three vertex lists.
class CModel {
public:
    // Reads the file (relative names against the current folder). False, with the model left
    // empty, when it cannot be opened. Face records that are not complete index triples and
    // faces naming a vertex outside the lists are dropped, so Draw never reads out of range.
    bool Load(const std::string& fileName);
    // Sends normals, texture coordinates and vertices of every face to the current context.
    // Colour, texture, blending and lighting are the caller's.
    void Draw() const;

    std::vector<CMesh> meshes;
    std::vector<CVector3> positions;
    std::vector<CVector3> normals;
    std::vector<CVector2> texcoords;
};

// A decoded bitmap and its textures. The texture is made on the first Bind in a group of
// contexts that share objects and reused by every later Bind there; it is forgotten when that
// group goes away, which frees it with the group.
class CSkin {
public:
    // 8-bit RGBA, rows from the bottom of the picture upwards, alpha 255 everywhere.
    struct Image {
        std::vector<unsigned char> pixels;
        int components = 4;
        int width = 0;
        int height = 0;
        GLenum format = GL_RGBA;
        GLenum type = GL_UNSIGNED_BYTE;
    };

    CSkin() = default;
    CSkin(const CSkin&) = delete;
    CSkin& operator=(const CSkin&) = delete;
    ~CSkin();

    // Decodes the bitmap; false, with no image, when it cannot be decoded.
    bool Load(const QString& fileName);
    // Makes the skin the current 2D texture of the current context. A skin without an image
    // binds no texture, so its part shows in its plain colour.
    void Bind();

    const Image& GetImage() const { return image_; }
    // The texture name made for the current context's group; 0 when none was made yet.
    GLuint TextureName() const;
    // How many groups of contexts hold a texture of this skin.
    std::size_t TextureCount() const { return textures_.size(); }

private:
    struct Texture {
        GLuint name = 0;
        QMetaObject::Connection groupGone;
    };

    Image image_;
    std::unordered_map<const QOpenGLContextGroup*, Texture> textures_;
};

// The owner of every mesh and skin, keyed by file name (exact, case-sensitive).
class CRsrcMgr {
public:
    // The process-wide manager, empty until LoadAll.
    static CRsrcMgr& Instance();

    // Loads every "*.obj" of modelsFolder and every "*.bmp" of skinsFolder, relative to the
    // current folder. A folder that cannot be read is skipped; a name already present keeps its
    // first entry. The current folder is not changed.
    void LoadAll(const QString& modelsFolder, const QString& skinsFolder);

    // The stored part; raises CGeneralError "File: <name> couldn't be loaded." when absent.
    const CModel& GetModel(const std::string& name) const;
    CSkin& GetSkin(const std::string& name) const;

private:
    std::map<std::string, std::unique_ptr<CModel>> models_;
    std::map<std::string, std::unique_ptr<CSkin>> skins_;
};

#include "phenotype/Resource.h"

#include "fly/Error.h"

#include <QDir>
#include <QImage>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <limits>
#include <locale>

namespace {

// Reads one face record, the rest of the line after an "f": corners "v/t/n" separated by blanks.
// False when a corner is not a complete triple; the rest of that line is then skipped.
bool ReadFace(std::istream& in, CFace& face) {
    for (;;) {
        while (in.peek() == ' ' || in.peek() == '\t' || in.peek() == '\r')
            in.get();
        if (in.peek() == '\n' || in.peek() == std::char_traits<char>::eof())
            break;
        int position = 0, texcoord = 0, normal = 0;
        char separator = 0;
        if (!(in >> position >> separator >> texcoord >> separator >> normal)) {
            in.clear();
            in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            return false;
        }
        face.positions.push_back(position);
        face.texcoords.push_back(texcoord);
        face.normals.push_back(normal);
    }
    switch (face.positions.size()) {
    case 3:
        face.kind = GL_TRIANGLES;
        break;
    case 4:
        face.kind = GL_QUADS;
        break;
    default:
        face.kind = GL_POLYGON;
    }
    return true;
}

bool IndicesInside(const std::vector<int>& indices, std::size_t count) {
    return std::all_of(indices.begin(), indices.end(), [count](int index) {
        return index >= 1 && static_cast<std::size_t>(index) <= count;
    });
}

} // namespace

bool CModel::Load(const std::string& fileName) {
    *this = CModel();
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        return false;
    file.imbue(std::locale::classic());

    // Tokens are read one by one; a group's faces run until the next vertex statement.
    std::string token;
    while (file >> token) {
        if (token == "g") {
            CMesh mesh;
            file >> mesh.name;
            token.clear();
            while (file >> token) {
                if (token == "vn" || token == "vt" || token == "v")
                    break;
                if (token == "f") {
                    CFace face;
                    if (ReadFace(file, face))
                        mesh.faces.push_back(std::move(face));
                }
                token.clear();
            }
            meshes.push_back(std::move(mesh));
        }
        if (token == "v") {
            CVector3 position;
            file >> position.x >> position.y >> position.z;
            positions.push_back(position);
        } else if (token == "vt") {
            CVector2 texcoord;
            file >> texcoord.u >> texcoord.v;
            texcoords.push_back(texcoord);
        } else if (token == "vn") {
            CVector3 normal;
            file >> normal.x >> normal.y >> normal.z;
            normals.push_back(normal);
        }
    }

    // Faces may name vertices listed after them, so they are checked once everything is read.
    for (CMesh& mesh : meshes) {
        std::erase_if(mesh.faces, [this](const CFace& face) {
            return !IndicesInside(face.positions, positions.size()) ||
                   !IndicesInside(face.texcoords, texcoords.size()) ||
                   !IndicesInside(face.normals, normals.size());
        });
    }
    return true;
}

CSkin::~CSkin() {
    for (auto& [group, texture] : textures_)
        QObject::disconnect(texture.groupGone);
}

bool CSkin::Load(const QString& fileName) {
    image_ = Image();
    QImage picture(fileName);
    if (picture.isNull())
        return false;
    // RGBX carries alpha 255; the rows go bottom first so that v = 0 is the picture's bottom.
    picture = picture.convertToFormat(QImage::Format_RGBX8888).mirrored();
    image_.width = picture.width();
    image_.height = picture.height();
    const std::size_t rowBytes = static_cast<std::size_t>(image_.width) * 4;
    image_.pixels.resize(rowBytes * image_.height);
    for (int row = 0; row < image_.height; ++row)
        std::memcpy(image_.pixels.data() + rowBytes * row, picture.constScanLine(row), rowBytes);
    return true;
}

CRsrcMgr& CRsrcMgr::Instance() {
    static CRsrcMgr manager;
    return manager;
}

void CRsrcMgr::LoadAll(const QString& modelsFolder, const QString& skinsFolder) {
    const QDir models(modelsFolder);
    for (const QString& name : models.entryList({"*.obj"}, QDir::Files, QDir::Unsorted)) {
        auto& model = models_[name.toStdString()];
        if (!model) {
            model = std::make_unique<CModel>();
            model->Load(models.filePath(name).toStdString());
        }
    }
    const QDir skins(skinsFolder);
    for (const QString& name : skins.entryList({"*.bmp"}, QDir::Files, QDir::Unsorted)) {
        auto& skin = skins_[name.toStdString()];
        if (!skin) {
            skin = std::make_unique<CSkin>();
            skin->Load(skins.filePath(name));
        }
    }
}

namespace {

template <typename Map> auto& Lookup(const Map& map, const std::string& name) {
    const auto found = map.find(name);
    if (found == map.end())
        throw CGeneralError("File: " + name + " couldn't be loaded.");
    return *found->second;
}

} // namespace

const CModel& CRsrcMgr::GetModel(const std::string& name) const {
    return Lookup(models_, name);
}

CSkin& CRsrcMgr::GetSkin(const std::string& name) const {
    return Lookup(skins_, name);
}

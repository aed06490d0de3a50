#include "MeshBuilder.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <stdexcept>

namespace assetgen {

void MeshBuilder::Group(const std::string& name) {
    groups_.push_back({name, {}, static_cast<int>(vertices_.size())});
}

int MeshBuilder::AddVertex(const Vertex& vertex) {
    if (groups_.empty())
        throw std::logic_error("MeshBuilder: vertex before the first group");
    vertices_.push_back(vertex);
    return static_cast<int>(vertices_.size()) - 1;
}

void MeshBuilder::AddTriangle(int a, int b, int c) {
    groups_.back().faces.push_back({a, b, c});
}

void MeshBuilder::AddQuad(int a, int b, int c, int d) {
    groups_.back().faces.push_back({a, b, c, d});
}

QVector3D SurfaceNormal(const Surface& surface, float u, float v) {
    // Differences are taken a little inside the parameter square, so poles get a normal too.
    constexpr float h = 1e-3f;
    constexpr float margin = 3e-2f;
    const float uc = surface.closedU ? u : std::clamp(u, margin, 1 - margin);
    const float vc = std::clamp(v, margin, 1 - margin);
    // Derivatives rather than differences, as QVector3D treats tiny vectors as zero.
    const QVector3D du = (surface.position(uc + h, vc) - surface.position(uc - h, vc)) / (2 * h);
    const QVector3D dv = (surface.position(uc, vc + h) - surface.position(uc, vc - h)) / (2 * h);
    QVector3D normal = QVector3D::crossProduct(du, dv).normalized();
    const QVector3D outward = surface.position(u, v) - surface.inside(u, v);
    if (QVector3D::dotProduct(normal, outward) < 0)
        normal = -normal;
    return normal;
}

void MeshBuilder::AddSurface(const Surface& surface) {
    const int columns = surface.stepsU + 1;
    const int first = static_cast<int>(vertices_.size());
    for (int j = 0; j <= surface.stepsV; ++j) {
        for (int i = 0; i < columns; ++i) {
            const float u = static_cast<float>(i) / surface.stepsU;
            const float v = static_cast<float>(j) / surface.stepsV;
            // A closed surface repeats its seam position exactly, so no crack can open.
            const float pu = surface.closedU && i == surface.stepsU ? 0.0f : u;
            AddVertex(
                {surface.position(pu, v), SurfaceNormal(surface, pu, v), surface.texcoord(u, v)});
        }
    }
    const auto at = [&](int i, int j) { return first + j * columns + i; };
    const auto same = [&](int a, int b) {
        return (vertices_[a].position - vertices_[b].position).lengthSquared() < 1e-10f;
    };
    for (int j = 0; j < surface.stepsV; ++j) {
        for (int i = 0; i < surface.stepsU; ++i) {
            const int a = at(i, j), b = at(i + 1, j), c = at(i + 1, j + 1), d = at(i, j + 1);
            if (same(a, b))
                AddTriangle(a, c, d);
            else if (same(c, d))
                AddTriangle(a, b, c);
            else
                AddQuad(a, b, c, d);
        }
    }
}

void MeshBuilder::Place(const QVector3D& offset, float scale) {
    for (Vertex& vertex : vertices_)
        vertex.position = (vertex.position + offset) * scale;
}

int MeshBuilder::TriangleCount() const {
    int triangles = 0;
    for (const GroupData& group : groups_)
        for (const auto& face : group.faces)
            triangles += static_cast<int>(face.size()) - 2;
    return triangles;
}

namespace {

void WriteNumber(std::ofstream& out, float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4);
    out << ' ';
    out.write(text, result.ptr - text);
}

} // namespace

void MeshBuilder::WriteObj(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    if (!out)
        throw std::runtime_error("cannot write " + path);
    out << "# Genotrix fly part, made by fly_assetgen\n";
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const int begin = groups_[g].firstVertex;
        const int end = g + 1 < groups_.size() ? groups_[g + 1].firstVertex
                                               : static_cast<int>(vertices_.size());
        for (int i = begin; i < end; ++i) {
            out << 'v';
            WriteNumber(out, vertices_[i].position.x());
            WriteNumber(out, vertices_[i].position.y());
            WriteNumber(out, vertices_[i].position.z());
            out << "\nvt";
            WriteNumber(out, vertices_[i].texcoord.x());
            WriteNumber(out, vertices_[i].texcoord.y());
            out << "\nvn";
            WriteNumber(out, vertices_[i].normal.x());
            WriteNumber(out, vertices_[i].normal.y());
            WriteNumber(out, vertices_[i].normal.z());
            out << '\n';
        }
        out << "g " << groups_[g].name << '\n';
        for (const auto& face : groups_[g].faces) {
            out << 'f';
            for (int index : face) {
                const int n = index + 1;
                out << ' ' << n << '/' << n << '/' << n;
            }
            out << '\n';
        }
    }
}

} // namespace assetgen

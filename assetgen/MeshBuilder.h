#pragma once

// A small toolkit for building part meshes: vertices with normal and texture coordinate, faces
// gathered in named groups, parametric grids, and a writer for the OBJ subset our reader takes.

#include <QVector2D>
#include <QVector3D>
#include <functional>
#include <string>
#include <vector>

namespace assetgen {

struct Vertex {
    QVector3D position;
    QVector3D normal;
    QVector2D texcoord;
};

// A parametric surface over (u, v) in [0, 1] x [0, 1].
struct Surface {
    std::function<QVector3D(float u, float v)> position;
    std::function<QVector2D(float u, float v)> texcoord;
    // A point the normal at (u, v) must face away from (a point inside the body).
    std::function<QVector3D(float u, float v)> inside;
    int stepsU = 8;
    int stepsV = 8;
    bool closedU = false; // u = 1 meets u = 0 (texture coordinates still run to 1)
};

class MeshBuilder {
public:
    // Starts a named group; the faces added after it belong to it.
    void Group(const std::string& name);

    int AddVertex(const Vertex& vertex);
    void AddTriangle(int a, int b, int c);
    void AddQuad(int a, int b, int c, int d);
    // A grid of quads; cells collapsed to a point on one side become triangles.
    void AddSurface(const Surface& surface);
    // Moves every vertex by offset, then scales it about the origin.
    void Place(const QVector3D& offset, float scale);

    int TriangleCount() const;
    // Writes the mesh: each group's vertices, then "g name", then its faces; every corner v/t/n.
    void WriteObj(const std::string& path) const;

private:
    struct GroupData {
        std::string name;
        std::vector<std::vector<int>> faces; // 0-based vertex indices
        int firstVertex = 0;
    };

    std::vector<Vertex> vertices_;
    std::vector<GroupData> groups_;
};

// The unit normal of a surface at (u, v), from central differences, facing away from inside.
QVector3D SurfaceNormal(const Surface& surface, float u, float v);

} // namespace assetgen

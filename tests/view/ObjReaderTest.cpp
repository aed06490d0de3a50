// The OBJ subset of the part meshes: groups, corners, keywords, odd files.

#include "phenotype/Resource.h"

#include <QTemporaryDir>
#include <QTest>
#include <fstream>

namespace {

using Kinds = QList<GLenum>;

const char* const Triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nv 2 1 0\nvt 0 0\nvn 0 0 1\n";

class ObjReaderTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    std::string Write(const QByteArray& content) {
        const std::string path = folder_.filePath("part.obj").toStdString();
        std::ofstream(path, std::ios::binary) << content.toStdString();
        return path;
    }

private slots:
    void readsTheSubset_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("facesPerMesh");
        QTest::addColumn<Kinds>("kinds"); // of every face, meshes in order
        QTest::addColumn<int>("positions");
        QTest::addColumn<int>("texcoords");

        const QByteArray vertices = Triangle;
        const QByteArray face = "f 1/1/1 2/1/1 3/1/1\n";
        QTest::newRow("one group")
            << vertices + "g head\n" + face << QList<int>{1} << Kinds{GL_TRIANGLES} << 5 << 1;
        QTest::newRow("a group, vertices, a second group")
            << vertices + "g a\n" + face + "v 3 3 3\ng b\n" + face + face << QList<int>{1, 2}
            << Kinds{GL_TRIANGLES, GL_TRIANGLES, GL_TRIANGLES} << 6 << 1;
        QTest::newRow("two consecutive groups make one mesh")
            << vertices + "g a\n" + face + "g b\n" + face << QList<int>{2}
            << Kinds{GL_TRIANGLES, GL_TRIANGLES} << 5 << 1;
        QTest::newRow("3, 4 and 5 corners")
            << vertices + "g a\nf 1/1/1 2/1/1 3/1/1\nf 1/1/1 2/1/1 4/1/1 3/1/1\n"
                          "f 1/1/1 2/1/1 5/1/1 4/1/1 3/1/1\n"
            << QList<int>{3} << Kinds{GL_TRIANGLES, GL_QUADS, GL_POLYGON} << 5 << 1;
        QTest::newRow("faces without a group are skipped")
            << vertices + face + face << QList<int>{} << Kinds{} << 5 << 1;
        QTest::newRow("no final line feed") << vertices + "g a\nf 1/1/1 2/1/1 3/1/1"
                                            << QList<int>{1} << Kinds{GL_TRIANGLES} << 5 << 1;
        QTest::newRow("carriage returns end lines")
            << QByteArray(vertices).replace("\n", "\r\n") + "g a\r\nf 1/1/1 2/1/1 3/1/1\r\n" + face
            << QList<int>{2} << Kinds{GL_TRIANGLES, GL_TRIANGLES} << 5 << 1;
        QTest::newRow("other statements and comments are skipped word by word")
            << "# a part\nmtllib fly.mtl\no part\n" + vertices +
                   "usemtl brown\ns 1\ng a\n# comment inside\n" + face
            << QList<int>{1} << Kinds{GL_TRIANGLES} << 5 << 1;
        QTest::newRow("a keyword alone in a comment is read")
            << "# moved by v 7 7 7\n" + vertices + "g a\n" + face << QList<int>{1}
            << Kinds{GL_TRIANGLES} << 6 << 1;
        QTest::newRow("vt takes two numbers") << vertices + "vt 0.5 0.25 0.0\nv 9 9 9\ng a\n" + face
                                              << QList<int>{1} << Kinds{GL_TRIANGLES} << 6 << 2;
        QTest::newRow("a corner without a texture index drops its face")
            << vertices + "g a\nf 1//1 2//1 3//1\n" + face << QList<int>{1} << Kinds{GL_TRIANGLES}
            << 5 << 1;
        QTest::newRow("a vertex outside the lists drops its face")
            << vertices + "g a\nf 1/1/1 2/1/1 9/1/1\nf 1/2/1 2/1/1 3/1/1\n" + face << QList<int>{1}
            << Kinds{GL_TRIANGLES} << 5 << 1;
        QTest::newRow("a group with no faces is still a mesh")
            << vertices + "g empty\nv 1 2 3\ng a\n" + face << QList<int>{0, 1}
            << Kinds{GL_TRIANGLES} << 6 << 1;
    }

    void readsTheSubset() {
        QFETCH(QByteArray, content);
        QFETCH(QList<int>, facesPerMesh);
        QFETCH(Kinds, kinds);
        QFETCH(int, positions);
        QFETCH(int, texcoords);

        CModel model;
        QVERIFY(model.Load(Write(content)));
        QList<int> faces;
        Kinds faceKinds;
        for (const CMesh& mesh : model.meshes) {
            faces.append(static_cast<int>(mesh.faces.size()));
            for (const CFace& face : mesh.faces)
                faceKinds.append(face.kind);
        }
        QCOMPARE(faces, facesPerMesh);
        QCOMPARE(faceKinds, kinds);
        QCOMPARE(static_cast<int>(model.positions.size()), positions);
        QCOMPARE(static_cast<int>(model.texcoords.size()), texcoords);
    }

    void keepsIndicesNumbersAndNames() {
        CModel model;
        QVERIFY(model.Load(Write("v 1.5 -2 3e1\nvt 0.25 0.75\nvn 0 1 0\nv 0 0 0\nv 1 1 1\n"
                                 "g left_wing\nf 3/1/1 1/1/1 2/1/1\n")));
        QCOMPARE(model.meshes.size(), std::size_t(1));
        QCOMPARE(model.meshes[0].name, std::string("left_wing"));
        const CFace& face = model.meshes[0].faces[0];
        QCOMPARE(face.positions, (std::vector<int>{3, 1, 2}));
        QCOMPARE(face.texcoords, (std::vector<int>{1, 1, 1}));
        QCOMPARE(face.normals, (std::vector<int>{1, 1, 1}));
        QCOMPARE(model.positions[0].x, 1.5f);
        QCOMPARE(model.positions[0].y, -2.0f);
        QCOMPARE(model.positions[0].z, 30.0f);
        QCOMPARE(model.texcoords[0].u, 0.25f);
        QCOMPARE(model.texcoords[0].v, 0.75f);
        QCOMPARE(model.normals[0].y, 1.0f);
    }

    void missingFileGivesAnEmptyModel() {
        CModel model;
        QVERIFY(model.Load(Write(QByteArray(Triangle) + "g a\nf 1/1/1 2/1/1 3/1/1\n")));
        QVERIFY(!model.Load(folder_.filePath("missing.obj").toStdString()));
        QVERIFY(model.meshes.empty());
        QVERIFY(model.positions.empty());
        QVERIFY(model.texcoords.empty());
        QVERIFY(model.normals.empty());
    }
};

} // namespace

QObject* NewObjReaderTest() {
    return new ObjReaderTest;
}

#include "ObjReaderTest.moc"

// The resource manager: what it loads from the two folders, the skins' image record and the
// error for a name it does not hold.

#include "fly/Error.h"
#include "phenotype/Resource.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Mesh = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\ng a\nf 1/1/1 2/1/1 3/1/1\n";

class ResourceManagerTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    QString Folder(const QString& name, const QStringList& files) {
        QDir(folder_.path()).mkpath(name);
        const QString path = folder_.filePath(name);
        for (const QString& file : files) {
            QFile out(path + "/" + file);
            out.open(QIODevice::WriteOnly);
            out.write(file.endsWith(".bmp") ? QByteArray("not a bitmap") : Mesh);
        }
        return path;
    }

    static QString MissingMessage(const std::function<void()>& request) {
        try {
            request();
        } catch (const CGeneralError& error) {
            return QString::fromStdString(error.message);
        }
        return {};
    }

private slots:
    void aMissingNameIsAnError() {
        const CRsrcMgr resources;
        QCOMPARE(MissingMessage([&] { resources.GetModel("eyeswild.obj"); }),
                 QString("File: eyeswild.obj couldn't be loaded."));
        QCOMPARE(MissingMessage([&] { resources.GetSkin("eyes.bmp"); }),
                 QString("File: eyes.bmp couldn't be loaded."));
    }

    void namesAreExactAndCaseSensitive() {
        CRsrcMgr resources;
        resources.LoadAll(Folder("models1", {"Eyeswild.obj", "notes.txt"}),
                          Folder("skins1", {"head.bmp"}));
        QCOMPARE(resources.GetModel("Eyeswild.obj").meshes.size(), std::size_t(1));
        QCOMPARE(MissingMessage([&] { resources.GetModel("eyeswild.obj"); }),
                 QString("File: eyeswild.obj couldn't be loaded."));
        QVERIFY(!MissingMessage([&] { resources.GetModel("notes.txt"); }).isEmpty());
        // A skin that cannot be decoded is kept, without an image.
        QVERIFY(resources.GetSkin("head.bmp").GetImage().pixels.empty());
    }

    void missingOrEmptyFoldersLoadNothing() {
        const QString before = QDir::currentPath();
        CRsrcMgr resources;
        resources.LoadAll(folder_.filePath("no-models"), folder_.filePath("no-skins"));
        resources.LoadAll(Folder("empty-models", {}), Folder("empty-skins", {}));
        QCOMPARE(QDir::currentPath(), before);
        QVERIFY(!MissingMessage([&] { resources.GetModel("thoraxwild.obj"); }).isEmpty());
        QVERIFY(!MissingMessage([&] { resources.GetSkin("thorax.bmp"); }).isEmpty());
    }

    void aSecondLoadKeepsTheFirstEntries() {
        CRsrcMgr resources;
        const QString models = Folder("models2", {"headwild.obj"});
        resources.LoadAll(models, Folder("skins2", {}));
        const CModel* first = &resources.GetModel("headwild.obj");
        QFile(models + "/headwild.obj").remove();
        resources.LoadAll(models, Folder("skins2", {}));
        QCOMPARE(&resources.GetModel("headwild.obj"), first);
        QCOMPARE(first->meshes.size(), std::size_t(1));
    }

    void skinsAreRgbaBottomRowFirstAndOpaque() {
        QImage picture(2, 2, QImage::Format_ARGB32);
        picture.setPixel(0, 0, qRgba(255, 0, 0, 10)); // top row: red, green
        picture.setPixel(1, 0, qRgb(0, 255, 0));
        picture.setPixel(0, 1, qRgb(0, 0, 255)); // bottom row: blue, white
        picture.setPixel(1, 1, qRgb(255, 255, 255));
        const QString skins = Folder("skins3", {});
        QVERIFY(picture.save(skins + "/test.bmp", "BMP"));

        CRsrcMgr resources;
        resources.LoadAll(Folder("models3", {}), skins);
        const CSkin::Image& image = resources.GetSkin("test.bmp").GetImage();
        QCOMPARE(image.width, 2);
        QCOMPARE(image.height, 2);
        QCOMPARE(image.components, 4);
        QCOMPARE(image.format, GLenum(GL_RGBA));
        QCOMPARE(image.type, GLenum(GL_UNSIGNED_BYTE));
        const std::vector<unsigned char> expected = {0,   0, 255, 255, 255, 255, 255, 255,
                                                     255, 0, 0,   255, 0,   255, 0,   255};
        QCOMPARE(image.pixels, expected);
    }
};

} // namespace

QObject* NewResourceManagerTest() {
    return new ResourceManagerTest;
}

#include "ResourceManagerTest.moc"

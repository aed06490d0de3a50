// Writes the fly's part meshes and skins into a program's data folder:
//   fly_assetgen DATAFOLDER   ->   DATAFOLDER/Models/*.obj, DATAFOLDER/Skins/*.bmp

#include "FlyParts.h"
#include "FlySkins.h"

#include <QDir>
#include <cstdio>
#include <exception>
#include <utility>

using namespace assetgen;
using namespace assetgen::fly;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fly_assetgen DATAFOLDER\n");
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    if (!data.mkpath("Models") || !data.mkpath("Skins")) {
        std::fprintf(stderr, "fly_assetgen: cannot make the folders in %s\n", argv[1]);
        return 1;
    }
    try {
        const std::pair<const char*, MeshBuilder> meshes[] = {
            {"headwild.obj", HeadMesh()},
            {"eyeswild.obj", EyesMesh(EyeShape::Wild)},
            {"eyesbar.obj", EyesMesh(EyeShape::Bar)},
            {"eyeslobe.obj", EyesMesh(EyeShape::Lobe)},
            {"thoraxwild.obj", ThoraxMesh()},
            {"abdomenfemalewild.obj", AbdomenMesh(false)},
            {"abdomenmalewild.obj", AbdomenMesh(true)},
            {"bristleswild.obj", BristlesMesh(BristleKind::Wild)},
            {"bristlesforked.obj", BristlesMesh(BristleKind::Forked)},
            {"bristlesjavelin.obj", BristlesMesh(BristleKind::Javelin)},
            {"bristlesshaven.obj", BristlesMesh(BristleKind::Shaven)},
            {"wingswild.obj", WingsMesh(WingPose::Wild)},
            {"wingsvestigial.obj", WingsMesh(WingPose::Vestigial)},
            {"wingscurly.obj", WingsMesh(WingPose::Curly)},
            {"wingscurled.obj", WingsMesh(WingPose::Curled)},
            {"wingscurved.obj", WingsMesh(WingPose::Curved)},
            {"antennawild.obj", AntennaeMesh()},
        };
        for (const auto& [name, mesh] : meshes) {
            mesh.WriteObj(data.filePath(QStringLiteral("Models/") + name).toStdString());
            std::printf("%-24s %6d triangles\n", name, mesh.TriangleCount());
        }

        const std::pair<const char*, QImage> skins[] = {
            {"eyes.bmp", EyesSkin()},
            {"head.bmp", HeadSkin()},
            {"thorax.bmp", ThoraxSkin(false)},
            {"thoraxstripe.bmp", ThoraxSkin(true)},
            {"abdomenfemale.bmp", AbdomenSkin(false)},
            {"abdomenmale.bmp", AbdomenSkin(true)},
            {"bristles.bmp", BristlesSkin()},
            {"wingswild.bmp", WingsSkin(WingVeins::Wild)},
            {"wingscv.bmp", WingsSkin(WingVeins::Crossveinless)},
            {"wingsci.bmp", WingsSkin(WingVeins::CubitusInterruptus)},
            {"antennawild.bmp", AntennaSkin(Arista::Wild)},
            {"antennaaristaless.bmp", AntennaSkin(Arista::Aristaless)},
            {"threadarista.bmp", AntennaSkin(Arista::Thread)},
        };
        for (const auto& [name, skin] : skins) {
            if (!skin.save(data.filePath(QStringLiteral("Skins/") + name), "BMP")) {
                std::fprintf(stderr, "fly_assetgen: cannot write %s\n", name);
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "fly_assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}

// The fly's parts: every part file the model names is made by the build and read completely,
// phenotypes choose their files and colours by the table, and a missing file leaves only the
// parts found before it.

#include "ViewTests.h"
#include "fly/Error.h"
#include "phenotype/Drosmodel.h"
#include "phenotype/Resource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(RgbColour)

namespace {

const QStringList Meshes = {"eyeswild.obj",        "eyesbar.obj",           "eyeslobe.obj",
                            "abdomenmalewild.obj", "abdomenfemalewild.obj", "thoraxwild.obj",
                            "bristleswild.obj",    "bristlesforked.obj",    "bristlesshaven.obj",
                            "bristlesjavelin.obj", "wingswild.obj",         "wingsvestigial.obj",
                            "wingscurly.obj",      "wingscurled.obj",       "wingscurved.obj",
                            "antennawild.obj",     "headwild.obj"};
const QStringList Skins = {"eyes.bmp",        "abdomenmale.bmp",       "abdomenfemale.bmp",
                           "thorax.bmp",      "thoraxstripe.bmp",      "bristles.bmp",
                           "wingswild.bmp",   "wingscv.bmp",           "wingsci.bmp",
                           "antennawild.bmp", "antennaaristaless.bmp", "threadarista.bmp",
                           "head.bmp"};

// The expected files of the seven parts, in the order of FlyPart.
using PartFiles = QStringList;
const QList<FlyPart> Parts = {FlyPart::Wings,    FlyPart::Antennae, FlyPart::Abdomen,
                              FlyPart::Bristles, FlyPart::Eyes,     FlyPart::Head,
                              FlyPart::Thorax};

PartFiles WildFemaleFiles() {
    return {"wingswild.obj",         "wingswild.bmp",     "antennawild.obj",  "antennawild.bmp",
            "abdomenfemalewild.obj", "abdomenfemale.bmp", "bristleswild.obj", "bristles.bmp",
            "eyeswild.obj",          "eyes.bmp",          "headwild.obj",     "head.bmp",
            "thoraxwild.obj",        "thorax.bmp"};
}

PartFiles With(PartFiles files, FlyPart part, const QString& mesh, const QString& skin = {}) {
    const int index = static_cast<int>(Parts.indexOf(part));
    if (!mesh.isEmpty())
        files[2 * index] = mesh;
    if (!skin.isEmpty())
        files[2 * index + 1] = skin;
    return files;
}

using Codes = QList<QPair<int, int>>; // field index of CDrosPhenotype, code

void SetCodes(CDrosPhenotype& phenotype, const Codes& codes) {
    std::uint8_t CDrosPhenotype::*const fields[] = {
        &CDrosPhenotype::eyeColor,  &CDrosPhenotype::eyeShape,  &CDrosPhenotype::sex,
        &CDrosPhenotype::bodyColor, &CDrosPhenotype::thorax,    &CDrosPhenotype::bristles,
        &CDrosPhenotype::wings,     &CDrosPhenotype::wingVeins, &CDrosPhenotype::antenna};
    for (const auto& [field, code] : codes)
        phenotype.*fields[field] = static_cast<std::uint8_t>(code);
}

enum Field { EyeColor, EyeShape, Sex, BodyColor, Thorax, Bristles, Wings, WingVeins, Antenna };

class PartTableTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { viewtests::LoadProgramResources(); }

    void everyPartFileIsMadeAndReadCompletely() {
        const QDir models(viewtests::DataFolder() + "Models");
        for (const QString& name : Meshes) {
            QFile file(models.filePath(name));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            int faceLines = 0;
            while (!file.atEnd())
                faceLines += file.readLine().startsWith("f ") ? 1 : 0;

            const CModel& model = CRsrcMgr::Instance().GetModel(name.toStdString());
            int faces = 0;
            for (const CMesh& mesh : model.meshes) {
                QVERIFY2(!mesh.faces.empty(), qPrintable(name));
                for (const CFace& face : mesh.faces)
                    QVERIFY2(face.positions.size() >= 3, qPrintable(name));
                faces += static_cast<int>(mesh.faces.size());
            }
            QVERIFY2(faces > 0, qPrintable(name));
            QCOMPARE(faces, faceLines);
        }
        for (const QString& name : Skins) {
            const CSkin::Image& image = CRsrcMgr::Instance().GetSkin(name.toStdString()).GetImage();
            QVERIFY2(!image.pixels.empty(), qPrintable(name));
            // Power-of-two sizes, as OpenGL 1.1 textures need.
            QVERIFY2((image.width & (image.width - 1)) == 0, qPrintable(name));
            QVERIFY2((image.height & (image.height - 1)) == 0, qPrintable(name));
        }
    }

    void choosesPartsAndColours_data() {
        QTest::addColumn<Codes>("codes");
        QTest::addColumn<PartFiles>("files");
        QTest::addColumn<RgbColour>("eyeColour");
        QTest::addColumn<RgbColour>("bodyColour");

        const RgbColour red = {1, 0, 0}, white = {1, 1, 1};
        QTest::newRow("wild-type female") << Codes{} << WildFemaleFiles() << red << white;
        QTest::newRow("wild-type male")
            << Codes{{Sex, Male}}
            << With(WildFemaleFiles(), FlyPart::Abdomen, "abdomenmalewild.obj", "abdomenmale.bmp")
            << red << white;
        QTest::newRow("vestigial, crossveinless")
            << Codes{{Wings, VestigialWings}, {WingVeins, CrossveinlessVeins}}
            << With(WildFemaleFiles(), FlyPart::Wings, "wingsvestigial.obj", "wingscv.bmp") << red
            << white;
        QTest::newRow("black with a stripe")
            << Codes{{BodyColor, BlackBody}, {Thorax, StripeThorax}}
            << With(WildFemaleFiles(), FlyPart::Thorax, {}, "thoraxstripe.bmp") << red
            << RgbColour{0.4f, 0.4f, 0.4f};
        QTest::newRow("tan, white, Bar")
            << Codes{{BodyColor, TanBody}, {EyeColor, WhiteEyes}, {EyeShape, BarEyes}}
            << With(WildFemaleFiles(), FlyPart::Eyes, "eyesbar.obj") << white
            << RgbColour{0.5f, 0.4f, 0.1f};
        QTest::newRow("ruby, Lobe, forked")
            << Codes{{EyeColor, RubyEyes}, {EyeShape, LobeEyes}, {Bristles, ForkedBristles}}
            << With(With(WildFemaleFiles(), FlyPart::Eyes, "eyeslobe.obj"), FlyPart::Bristles,
                    "bristlesforked.obj")
            << RgbColour{1, 0.3f, 0.3f} << white;
        QTest::newRow("purple, javelin, Curly, aristaless")
            << Codes{{EyeColor, PurpleEyes},
                     {Bristles, JavelinBristles},
                     {Wings, CurlyWings},
                     {Antenna, AristalessAntenna}}
            << With(With(With(WildFemaleFiles(), FlyPart::Bristles, "bristlesjavelin.obj"),
                         FlyPart::Wings, "wingscurly.obj"),
                    FlyPart::Antennae, {}, "antennaaristaless.bmp")
            << RgbColour{1, 0.5f, 1} << white;
        QTest::newRow("sepia, shaven, curled, cubitus interruptus, thread")
            << Codes{{EyeColor, SepiaEyes},
                     {Bristles, ShavenBristles},
                     {Wings, CurledWings},
                     {WingVeins, CubitusInterruptusVeins},
                     {Antenna, ThreadArista}}
            << With(With(With(WildFemaleFiles(), FlyPart::Bristles, "bristlesshaven.obj"),
                         FlyPart::Wings, "wingscurled.obj", "wingsci.bmp"),
                    FlyPart::Antennae, {}, "threadarista.bmp")
            << RgbColour{0.6f, 0.4f, 0.1f} << white;
        QTest::newRow("curved") << Codes{{Wings, CurvedWings}}
                                << With(WildFemaleFiles(), FlyPart::Wings, "wingscurved.obj") << red
                                << white;
    }

    void choosesPartsAndColours() {
        QFETCH(Codes, codes);
        QFETCH(PartFiles, files);
        QFETCH(RgbColour, eyeColour);
        QFETCH(RgbColour, bodyColour);

        CDrosModel model;
        SetCodes(model, codes);
        model.LoadParts();
        const CRsrcMgr& resources = CRsrcMgr::Instance();
        for (int i = 0; i < Parts.size(); ++i) {
            const CDrosPart& part = model.GetPart(Parts[i]);
            QCOMPARE(part.mesh, &resources.GetModel(files[2 * i].toStdString()));
            QCOMPARE(part.skin, &resources.GetSkin(files[2 * i + 1].toStdString()));
        }
        QCOMPARE(model.GetEyeColour(), eyeColour);
        QCOMPARE(model.GetBodyColour(), bodyColour);
    }

    void aMissingFileKeepsOnlyThePartsBeforeIt() {
        // The program's data without the female abdomen's skin.
        QTemporaryDir copy;
        const QDir models(viewtests::DataFolder() + "Models"),
            skins(viewtests::DataFolder() + "Skins");
        QDir(copy.path()).mkpath("Models");
        QDir(copy.path()).mkpath("Skins");
        for (const QString& name : Meshes)
            QFile::copy(models.filePath(name), copy.filePath("Models/" + name));
        for (const QString& name : Skins)
            if (name != "abdomenfemale.bmp")
                QFile::copy(skins.filePath(name), copy.filePath("Skins/" + name));
        CRsrcMgr partial;
        partial.LoadAll(copy.filePath("Models"), copy.filePath("Skins"));

        CDrosModel model;
        model.LoadParts(CRsrcMgr::Instance()); // a complete fly first
        QString message;
        try {
            model.LoadParts(partial);
        } catch (const CGeneralError& error) {
            message = QString::fromStdString(error.message);
        }
        QCOMPARE(message, QString("File: abdomenfemale.bmp couldn't be loaded."));
        // Fetched before the missing file: the eyes and the abdomen's mesh.
        QCOMPARE(model.GetPart(FlyPart::Eyes).skin, &partial.GetSkin("eyes.bmp"));
        QCOMPARE(model.GetPart(FlyPart::Eyes).mesh, &partial.GetModel("eyeswild.obj"));
        QCOMPARE(model.GetPart(FlyPart::Abdomen).mesh, &partial.GetModel("abdomenfemalewild.obj"));
        // Nothing else, and nothing left from the earlier fly.
        QVERIFY(!model.GetPart(FlyPart::Abdomen).skin);
        for (FlyPart part : {FlyPart::Thorax, FlyPart::Bristles, FlyPart::Wings, FlyPart::Antennae,
                             FlyPart::Head}) {
            QVERIFY(!model.GetPart(part).mesh);
            QVERIFY(!model.GetPart(part).skin);
        }
    }
};

} // namespace

QObject* NewPartTableTest() {
    return new PartTableTest;
}

#include "PartTableTest.moc"

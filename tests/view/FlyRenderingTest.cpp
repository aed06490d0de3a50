// The drawn fly: eye colours, a mutant differs, textures in several views at once and none
// leaked, the OpenGL state the model leaves, a fly with parts missing.

#include "ViewTests.h"
#include "fly/Error.h"
#include "phenotype/MicroscopeGL.h"
#include "phenotype/MicroscopeView.h"
#include "phenotype/Resource.h"

#include <QDir>
#include <QFile>
#include <QOpenGLContext>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

constexpr int Size = 240;

class FlyRenderingTest : public QObject {
    Q_OBJECT

    // A top-level view with its own window, showing a fly at the laboratory's first camera.
    static std::unique_ptr<MicroscopeView> FlyView(const CDrosophila& fly) {
        auto view = std::make_unique<MicroscopeView>(MicroscopeView::Config::Laboratory());
        view->resize(Size, Size);
        view->show();
        view->ShowFly(fly);
        return view;
    }

    static QImage Picture(const CDrosophila& fly) { return FlyView(fly)->grabFramebuffer(); }

    static bool Reddish(QRgb pixel) {
        return qRed(pixel) > 2 * qGreen(pixel) + 20 && qRed(pixel) > 2 * qBlue(pixel) + 20;
    }
    static bool Greyish(QRgb pixel) {
        return std::abs(qRed(pixel) - qGreen(pixel)) < 25 &&
               std::abs(qGreen(pixel) - qBlue(pixel)) < 25;
    }

    static std::vector<CSkin*> AllSkins() {
        std::vector<CSkin*> skins;
        for (const QString& name : QDir(viewtests::DataFolder() + "Skins").entryList({"*.bmp"}))
            skins.push_back(&CRsrcMgr::Instance().GetSkin(name.toStdString()));
        return skins;
    }

private slots:
    void initTestCase() { viewtests::LoadProgramResources(); }

    void anEmptyViewShowsOnlyItsBackground() {
        MicroscopeView view(MicroscopeView::Config::Laboratory());
        view.SetBackgroundSource([] { return RgbColour{0.0f, 1.0f, 0.0f}; });
        view.resize(Size, Size);
        view.show();
        const QImage picture = view.grabFramebuffer();
        for (int y = 0; y < picture.height(); y += 7)
            for (int x = 0; x < picture.width(); x += 7)
                QCOMPARE(picture.pixel(x, y), qRgb(0, 255, 0));
    }

    void redEyesWhereWhiteEyesAreWhite() {
        const QImage wild = Picture(viewtests::Fly({}));
        const QImage white = Picture(viewtests::Fly({"w"}));
        QCOMPARE(wild.size(), white.size());
        int greyEyePixels = 0;
        for (int y = 0; y < wild.height(); ++y) {
            for (int x = 0; x < wild.width(); ++x) {
                const QRgb red = wild.pixel(x, y), plain = white.pixel(x, y);
                if (red == plain)
                    continue;
                // Only the eyes differ: red in the wild type, uncoloured when white-eyed (where
                // an antenna lies over them, its brown shows on both).
                const QString where = QString("%1,%2").arg(x).arg(y);
                QVERIFY2(Reddish(red), qPrintable(where));
                QVERIFY2(2 * qGreen(plain) >= qRed(plain), qPrintable(where));
                greyEyePixels += Greyish(plain) && qGray(plain) > 128 ? 1 : 0;
            }
        }
        QVERIFY(greyEyePixels > 100);
    }

    void aVestigialFlyDiffersFromAWildOne() {
        const QImage wild = Picture(viewtests::Fly({}));
        QVERIFY(Picture(viewtests::Fly({"vg"})) != wild);
        QCOMPARE(Picture(viewtests::Fly({})), wild);
    }

    void twoViewsBothShowTexturesAndLeakNone_data() {
        QTest::addColumn<bool>("oneWindow");
        QTest::newRow("two windows") << false;
        QTest::newRow("one window, as experiment windows in the main window") << true;
    }

    void twoViewsBothShowTexturesAndLeakNone() {
        QFETCH(bool, oneWindow);
        const CDrosophila fly = viewtests::Fly({"sr", "cv"});
        const QImage reference = Picture(fly);
        const std::vector<CSkin*> skins = AllSkins();
        const auto textures = [&skins] {
            std::size_t count = 0;
            for (const CSkin* skin : skins)
                count += skin->TextureCount();
            return count;
        };
        const std::size_t before = textures();

        auto window = std::make_unique<QWidget>();
        window->resize(2 * Size, Size);
        std::vector<std::unique_ptr<MicroscopeView>> views;
        for (int i = 0; i < 2; ++i) {
            views.push_back(std::make_unique<MicroscopeView>(MicroscopeView::Config::Laboratory(),
                                                             oneWindow ? window.get() : nullptr));
            views[i]->setGeometry(i * Size, 0, Size, Size);
            views[i]->ShowFly(fly);
        }
        window->show();
        for (auto& view : views)
            view->show();
        for (int round = 0; round < 3; ++round)
            for (auto& view : views)
                QCOMPARE(view->grabFramebuffer(), reference);

        // One texture per skin and group of sharing contexts, kept whatever was painted last.
        const bool shared = views[0]->context()->shareGroup() == views[1]->context()->shareGroup();
        QCOMPARE(shared, oneWindow);
        CSkin& thorax = CRsrcMgr::Instance().GetSkin("thoraxstripe.bmp");
        views[0]->makeCurrent();
        const GLuint name = thorax.TextureName();
        QVERIFY(name != 0 && glIsTexture(name));
        views[0]->doneCurrent();
        views[1]->grabFramebuffer();
        views[0]->grabFramebuffer();
        views[0]->makeCurrent();
        QCOMPARE(thorax.TextureName(), name);
        views[0]->doneCurrent();
        QCOMPARE(thorax.TextureCount(), shared ? std::size_t(1) : std::size_t(2));

        // Closing the views lets their textures go with their contexts.
        views.clear();
        window.reset();
        QCOMPARE(textures(), before);
    }

    void drawingLeavesBlendingOffAndLightingOn() {
        auto view = FlyView(viewtests::Fly({}));
        view->grabFramebuffer();
        view->makeCurrent();
        for (const bool blending : {false, true}) {
            if (blending) {
                glEnable(GL_BLEND);
                glDisable(GL_LIGHTING);
            } else {
                glDisable(GL_BLEND);
                glEnable(GL_LIGHTING);
            }
            view->Model()->Draw();
            QVERIFY(!glIsEnabled(GL_BLEND));
            QVERIFY(glIsEnabled(GL_LIGHTING));
        }
        view->doneCurrent();
    }

    void aFlyWithPartsMissingShowsThePartsFound() {
        // The program's data without the wing meshes.
        QTemporaryDir copy;
        const QDir models(viewtests::DataFolder() + "Models");
        QDir(copy.path()).mkpath("Models");
        for (const QString& name : models.entryList({"*.obj"}))
            if (!name.startsWith("wings"))
                QFile::copy(models.filePath(name), copy.filePath("Models/" + name));
        CRsrcMgr partial;
        partial.LoadAll(copy.filePath("Models"), viewtests::DataFolder() + "Skins");
        CDrosModel model;
        model.LoadParts(); // a whole fly first: none of it may stay
        QVERIFY_THROWS_EXCEPTION(CGeneralError, model.LoadParts(partial));

        auto view = FlyView(viewtests::Fly({}));
        const QImage whole = view->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
        view->makeCurrent();
        const RgbColour background = view->BackgroundColour();
        MicroscopeGL::Paint(view->Camera(), background, &model, Size, Size);
        QImage found(Size, Size, QImage::Format_RGBX8888);
        glReadPixels(0, 0, Size, Size, GL_RGBA, GL_UNSIGNED_BYTE, found.bits());
        view->doneCurrent();
        found = found.mirrored().convertToFormat(QImage::Format_RGB32);

        // The eyes, fetched before the wings, are drawn; wings, antennae and head are not.
        const QRgb plain = qRgb(qRound(background[0] * 255), qRound(background[1] * 255),
                                qRound(background[2] * 255));
        bool eyes = false, lostParts = false;
        for (int y = 0; y < Size; ++y) {
            for (int x = 0; x < Size; ++x) {
                eyes |= Reddish(found.pixel(x, y)) && found.pixel(x, y) == whole.pixel(x, y);
                lostParts |= found.pixel(x, y) == plain && whole.pixel(x, y) != plain;
            }
        }
        QVERIFY(eyes);
        QVERIFY(lostParts);
        QVERIFY(!model.GetPart(FlyPart::Wings).mesh);
        QVERIFY(!model.GetPart(FlyPart::Head).mesh);
    }
};

} // namespace

QObject* NewFlyRenderingTest() {
    return new FlyRenderingTest;
}

#include "FlyRenderingTest.moc"

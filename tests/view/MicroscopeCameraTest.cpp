// The camera arithmetic of the microscope, without OpenGL.

#include "phenotype/MicroscopeCamera.h"

#include "phenotype/MicroscopeView.h"

#include <QTest>

namespace {

class MicroscopeCameraTest : public QObject {
    Q_OBJECT

private slots:
    void startsAsEachProgramShowsTheFly() {
        const MicroscopeCamera laboratory = MicroscopeView::Config::Laboratory().camera;
        QCOMPARE(laboratory.rotationX, 40.0f);
        QCOMPARE(laboratory.rotationY, 130.0f);
        QCOMPARE(laboratory.shiftX, 0.0f);
        QCOMPARE(laboratory.shiftY, 0.0f);
        QCOMPARE(laboratory.fieldOfView, 45.0f);
        const MicroscopeCamera editor = MicroscopeView::Config::Editor().camera;
        QCOMPARE(editor.rotationX, 40.0f);
        QCOMPARE(editor.rotationY, 240.0f);
        QCOMPARE(editor.shiftX, 1.0f);
        QCOMPARE(editor.shiftY, 1.0f);
        QCOMPARE(editor.fieldOfView, 45.0f);
    }

    void zoomsFiveDegreesPerStep_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<float>("fieldOfView");
        QTest::newRow("top") << 1 << 75.0f;
        QTest::newRow("middle") << 8 << 40.0f;
        QTest::newRow("one before the end") << 15 << 5.0f;
        QTest::newRow("the end has no zero-degree view")
            << 16 << MicroscopeCamera::MinimumFieldOfView;
    }

    void zoomsFiveDegreesPerStep() {
        QFETCH(int, position);
        QFETCH(float, fieldOfView);
        MicroscopeCamera camera;
        camera.Zoom(position, 16);
        QCOMPARE(camera.fieldOfView, fieldOfView);
        QVERIFY(camera.fieldOfView > 0 && camera.fieldOfView < 180);
    }

    void turnsOneDegreePerPixelUnwrapped() {
        MicroscopeCamera camera;
        camera.Rotate(250, -30);
        QCOMPARE(camera.rotationY, 380.0f);
        QCOMPARE(camera.rotationX, 10.0f);
    }

    void shiftsATenthPerPixelUpwards() {
        MicroscopeCamera camera;
        camera.Translate(20, 10); // right and down on the screen
        QCOMPARE(camera.shiftX, 2.0f);
        QCOMPARE(camera.shiftY, -1.0f);
        camera.Translate(-5, -30);
        QCOMPARE(camera.shiftX, 1.5f);
        QCOMPARE(camera.shiftY, 2.0f);
    }
};

} // namespace

QObject* NewMicroscopeCameraTest() {
    return new MicroscopeCameraTest;
}

#include "MicroscopeCameraTest.moc"

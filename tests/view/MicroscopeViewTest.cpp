// The microscope's mouse and slider handling in both programs' modes.

#include "phenotype/MicroscopeView.h"

#include "ViewTests.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

enum class Expect { Rotate, Shift, Drag, Nothing };

} // namespace

Q_DECLARE_METATYPE(Expect)

namespace {

class MicroscopeViewTest : public QObject {
    Q_OBJECT

    static void Send(MicroscopeView& view, QEvent::Type type, QPoint position,
                     Qt::MouseButton button, Qt::KeyboardModifiers keys = {}) {
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
        QMouseEvent event(type, position, view.mapToGlobal(position), button, buttons, keys);
        QApplication::sendEvent(&view, &event);
    }
    static void Move(MicroscopeView& view, QPoint position, Qt::MouseButton button = Qt::NoButton) {
        Send(view, QEvent::MouseMove, position, button);
    }

    static std::unique_ptr<MicroscopeView> ShownView(const MicroscopeView::Config& config) {
        auto view = std::make_unique<MicroscopeView>(config);
        view->resize(200, 200);
        view->show();
        return view;
    }

private slots:
    void initTestCase() { viewtests::LoadProgramResources(); }

    // Runs first: no view of this process has had a mouse move yet.
    void theFirstMoveOnlyRecordsThePosition() {
        auto view = ShownView(MicroscopeView::Config::Editor());
        Send(*view, QEvent::MouseButtonPress, {150, 150}, Qt::LeftButton);
        Move(*view, {20, 30}, Qt::LeftButton);
        QCOMPARE(view->Camera().rotationY, 240.0f);
        QCOMPARE(view->Camera().rotationX, 40.0f);
        Move(*view, {25, 28}, Qt::LeftButton);
        QCOMPARE(view->Camera().rotationY, 245.0f);
        QCOMPARE(view->Camera().rotationX, 38.0f);
    }

    void laboratoryMouse_data() {
        QTest::addColumn<bool>("dragging");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("keys");
        QTest::addColumn<Expect>("expect");

        const Qt::KeyboardModifiers none, ctrl(Qt::ControlModifier), shift(Qt::ShiftModifier);
        QTest::newRow("dragging: Ctrl turns") << true << Qt::LeftButton << ctrl << Expect::Rotate;
        QTest::newRow("dragging: Ctrl with the right button turns")
            << true << Qt::RightButton << ctrl << Expect::Rotate;
        QTest::newRow("dragging: Shift shifts") << true << Qt::LeftButton << shift << Expect::Shift;
        QTest::newRow("dragging: a plain drag takes the fly out")
            << true << Qt::LeftButton << none << Expect::Drag;
        QTest::newRow("dragging: the right button drags too")
            << true << Qt::RightButton << none << Expect::Drag;
        QTest::newRow("not dragging: the left button turns")
            << false << Qt::LeftButton << none << Expect::Rotate;
        QTest::newRow("not dragging: Ctrl is ignored")
            << false << Qt::LeftButton << ctrl << Expect::Rotate;
        QTest::newRow("not dragging: Shift with the left button turns")
            << false << Qt::LeftButton << shift << Expect::Rotate;
        QTest::newRow("not dragging: the right button shifts")
            << false << Qt::RightButton << none << Expect::Shift;
        QTest::newRow("the middle button does nothing")
            << true << Qt::MiddleButton << ctrl << Expect::Nothing;
    }

    void laboratoryMouse() {
        QFETCH(bool, dragging);
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, keys);
        QFETCH(Expect, expect);

        auto view = ShownView(MicroscopeView::Config::Laboratory());
        view->SetDragSource([dragging] { return dragging; });
        view->ShowFly(viewtests::Fly({}));
        QSignalSpy drags(view.get(), &MicroscopeView::dragStartRequested);
        const MicroscopeCamera before = view->Camera();

        Move(*view, {50, 50});
        Send(*view, QEvent::MouseButtonPress, {50, 50}, button, keys);
        const bool moveCursor = expect == Expect::Rotate || expect == Expect::Shift;
        QCOMPARE(view->cursor().shape() == Qt::SizeAllCursor, moveCursor);
        Move(*view, {60, 45}, button); // 10 right, 5 up: past the drag distance
        Move(*view, {80, 45}, button);

        const MicroscopeCamera& after = view->Camera();
        const bool rotated = expect == Expect::Rotate, shifted = expect == Expect::Shift;
        QCOMPARE(after.rotationY, before.rotationY + (rotated ? 30.0f : 0.0f));
        QCOMPARE(after.rotationX, before.rotationX + (rotated ? -5.0f : 0.0f));
        QCOMPARE(after.shiftX, before.shiftX + (shifted ? 3.0f : 0.0f));
        QCOMPARE(after.shiftY, before.shiftY + (shifted ? 0.5f : 0.0f));
        QCOMPARE(drags.count(), expect == Expect::Drag ? 1 : 0);

        Send(*view, QEvent::MouseButtonRelease, {80, 45}, button);
        QVERIFY(!view->IsRotating());
        QVERIFY(!view->IsTranslating());
        QVERIFY(view->cursor().shape() != Qt::SizeAllCursor);
    }

    void aDragNeedsAFlyAndTheDragDistance() {
        auto view = ShownView(MicroscopeView::Config::Laboratory());
        QSignalSpy drags(view.get(), &MicroscopeView::dragStartRequested);
        const int distance = QApplication::startDragDistance();

        // Without a fly a plain press does nothing.
        Move(*view, {40, 40});
        Send(*view, QEvent::MouseButtonPress, {40, 40}, Qt::LeftButton);
        Move(*view, {40 + 3 * distance, 40}, Qt::LeftButton);
        Send(*view, QEvent::MouseButtonRelease, {40 + 3 * distance, 40}, Qt::LeftButton);
        QCOMPARE(drags.count(), 0);
        QCOMPARE(view->Camera().rotationY, 130.0f);

        view->ShowFly(viewtests::Fly({}));
        Send(*view, QEvent::MouseButtonPress, {40, 40}, Qt::LeftButton);
        Move(*view, {40 + distance - 1, 40}, Qt::LeftButton);
        QCOMPARE(drags.count(), 0);
        Move(*view, {40 + distance, 40}, Qt::LeftButton);
        Move(*view, {40 + 2 * distance, 40}, Qt::LeftButton);
        QCOMPARE(drags.count(), 1);
        Send(*view, QEvent::MouseButtonRelease, {40 + 2 * distance, 40}, Qt::LeftButton);

        view->Empty();
        QVERIFY(!view->HasModel());
        Send(*view, QEvent::MouseButtonPress, {40, 40}, Qt::LeftButton);
        Move(*view, {40 + 2 * distance, 40}, Qt::LeftButton);
        QCOMPARE(drags.count(), 1);
    }

    void editorMouse_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("keys");
        QTest::addColumn<Expect>("expect");
        QTest::newRow("left turns") << Qt::LeftButton << Qt::KeyboardModifiers() << Expect::Rotate;
        QTest::newRow("middle turns")
            << Qt::MiddleButton << Qt::KeyboardModifiers() << Expect::Rotate;
        QTest::newRow("Ctrl changes nothing")
            << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << Expect::Rotate;
        QTest::newRow("right shifts")
            << Qt::RightButton << Qt::KeyboardModifiers() << Expect::Shift;
    }

    void editorMouse() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, keys);
        QFETCH(Expect, expect);

        auto view = ShownView(MicroscopeView::Config::Editor());
        view->ShowFly(viewtests::Fly({}));
        QSignalSpy drags(view.get(), &MicroscopeView::dragStartRequested);
        Move(*view, {100, 100});
        Send(*view, QEvent::MouseButtonPress, {100, 100}, button, keys);
        QVERIFY(view->cursor().shape() != Qt::SizeAllCursor);
        Move(*view, {90, 120}, button);
        const MicroscopeCamera& camera = view->Camera();
        const bool rotated = expect == Expect::Rotate;
        QCOMPARE(camera.rotationY, rotated ? 230.0f : 240.0f);
        QCOMPARE(camera.rotationX, rotated ? 60.0f : 40.0f);
        QCOMPARE(camera.shiftX, rotated ? 1.0f : 0.0f);
        QCOMPARE(camera.shiftY, rotated ? 1.0f : -1.0f);
        Send(*view, QEvent::MouseButtonRelease, {90, 120}, button);
        QVERIFY(!view->IsRotating() && !view->IsTranslating());
        QCOMPARE(drags.count(), 0);
    }

    void zoomSliderAndHint() {
        auto laboratory = ShownView(MicroscopeView::Config::Laboratory());
        laboratory->ZoomBarChange(1, 16);
        QCOMPARE(laboratory->Camera().fieldOfView, 75.0f);
        laboratory->ZoomBarChange(16, 16);
        QCOMPARE(laboratory->Camera().fieldOfView, MicroscopeCamera::MinimumFieldOfView);
        QCOMPARE(laboratory->toolTip(), QString("Hold down Ctrl to rotate, Shift to translate"));
        QVERIFY(ShownView(MicroscopeView::Config::Editor())->toolTip().isEmpty());
    }
};

} // namespace

QObject* NewMicroscopeViewTest() {
    return new MicroscopeViewTest;
}

#include "MicroscopeViewTest.moc"

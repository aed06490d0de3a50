// The 3D preview drawn from the edited fly: it follows every edit, "Show model" and the zoom bar.

#include "EditorFixture.h"
#include "phenotype/MicroscopeView.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QTest>

namespace {

constexpr int LeftW = 0;
constexpr int RightW = 1;

// The mean colour of `picture` where `a` and `b` differ; invalid where they are equal.
QColor MeanWhereDifferent(const QImage& a, const QImage& b, const QImage& picture) {
    double red = 0, green = 0, blue = 0;
    int pixels = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                const QColor colour = picture.pixelColor(x, y);
                red += colour.red();
                green += colour.green();
                blue += colour.blue();
                ++pixels;
            }
    if (pixels == 0)
        return {};
    return QColor(qRound(red / pixels), qRound(green / pixels), qRound(blue / pixels));
}

bool OnlyBackground(const QImage& picture) {
    const QRgb background = QColor::fromRgbF(0.4f, 0.4f, 1.0f).rgb();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != background)
                return false;
    return true;
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dialogs = {};
        form = OpenEditor(dialogs);
    }
    void cleanup() {
        form.reset();
        SetDialogs(nullptr);
    }

    void eyesTurnWhiteOnlyWhenBothAllelesAreMutant() {
        const QImage wild = Frame();
        QVERIFY(!OnlyBackground(wild));

        QTest::mouseClick(form->AlleleLabels[LeftW], Qt::LeftButton);
        const QImage heterozygote = Frame();
        QCOMPARE(heterozygote, wild); // w is recessive: the same red-eyed fly

        QTest::mouseClick(form->AlleleLabels[RightW], Qt::LeftButton);
        const QImage white = Frame();
        // What changed are the eyes: red before, pale after.
        const QColor red = MeanWhereDifferent(wild, white, wild);
        const QColor pale = MeanWhereDifferent(wild, white, white);
        QVERIFY(red.isValid());
        QVERIFY2(red.red() > 2 * red.green() && red.red() > 2 * red.blue(), qPrintable(red.name()));
        QVERIFY2(pale.green() > red.green() + 60 && pale.blue() > red.blue() + 60,
                 qPrintable(pale.name()));
        QVERIFY(dialogs.boxes.empty());

        QTest::mouseClick(form->AlleleLabels[LeftW], Qt::LeftButton);
        QCOMPARE(Frame(), wild);
    }

    void showModelHidesTheFly() {
        const QImage fly = Frame();
        form->Preview->trigger();
        QVERIFY(OnlyBackground(Frame()));
        form->Preview->trigger();
        QCOMPARE(Frame(), fly);
    }

    void zoomBarSetsFieldOfView_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<float>("fieldOfView");
        QTest::newRow("1") << 1 << 75.0f;
        QTest::newRow("7") << 7 << 45.0f;
        QTest::newRow("15") << 15 << 5.0f;
    }
    void zoomBarSetsFieldOfView() {
        QFETCH(int, position);
        QFETCH(float, fieldOfView);
        QCOMPARE(form->Panel->Camera().fieldOfView, 45.0f); // until the bar first moves
        const QImage before = Frame();
        form->ZoomBar->setValue(position);
        QCOMPARE(form->Panel->Camera().fieldOfView, fieldOfView);
        QCOMPARE(Frame() == before, fieldOfView == 45.0f);
    }

    void previewStartsWithTheEditorsCamera() {
        const MicroscopeCamera& camera = form->Panel->Camera();
        QCOMPARE(camera.rotationX, 40.0f);
        QCOMPARE(camera.rotationY, 240.0f);
        QCOMPARE(camera.shiftX, 1.0f);
        QCOMPARE(camera.shiftY, 1.0f);
    }

private:
    QImage Frame() { return form->Panel->grabFramebuffer(); }

    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"

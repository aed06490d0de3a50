#include "phenotype/MicroscopeView.h"

#include "fly/Drosophila.h"
#include "phenotype/MicroscopeGL.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSurfaceFormat>

std::optional<QPoint> MicroscopeView::lastMousePosition_;

MicroscopeView::Config MicroscopeView::Config::Laboratory() {
    return Config{};
}

MicroscopeView::Config MicroscopeView::Config::Editor() {
    Config config;
    config.mode = Mode::Editor;
    config.camera.rotationY = 240;
    config.camera.shiftX = 1;
    config.camera.shiftY = 1;
    config.eyeColourRule = EyeColourRule::LastMatch;
    config.background = {0.4f, 0.4f, 1.0f};
    return config;
}

MicroscopeView::MicroscopeView(const Config& config, QWidget* parent)
    : QOpenGLWidget(parent), config_(config), camera_(config.camera) {
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    setFormat(format);
    setMouseTracking(true);
    SetBackgroundColour(config.background);
    if (config.mode == Mode::Laboratory)
        setToolTip(tr("Hold down Ctrl to rotate, Shift to translate"));
}

MicroscopeView::~MicroscopeView() = default;

void MicroscopeView::ZoomBarChange(int position, int maximum) {
    camera_.Zoom(position, maximum);
    update();
}

void MicroscopeView::ShowFly(const CDrosophila& fly) {
    model_ = std::make_unique<CDrosModel>();
    update();
    model_->Determine(&fly, config_.eyeColourRule);
    model_->LoadParts();
}

void MicroscopeView::Empty() {
    model_.reset();
    update();
}

void MicroscopeView::SetShowModel(bool show) {
    showModel_ = show;
    update();
}

void MicroscopeView::SetBackgroundColour(const RgbColour& colour) {
    background_ = [colour] { return colour; };
    update();
}

void MicroscopeView::SetBackgroundSource(std::function<RgbColour()> source) {
    background_ = std::move(source);
    update();
}

void MicroscopeView::SetDragSource(std::function<bool()> source) {
    dragEnabled_ = std::move(source);
}

void MicroscopeView::initializeGL() {
    const qreal ratio = devicePixelRatio();
    MicroscopeGL::SetUp(qRound(width() * ratio), qRound(height() * ratio));
    emit glInitialised();
}

void MicroscopeView::paintGL() {
    const qreal ratio = devicePixelRatio();
    MicroscopeGL::Paint(camera_, background_(), showModel_ ? model_.get() : nullptr,
                        qRound(width() * ratio), qRound(height() * ratio));
}

void MicroscopeView::resizeGL(int width, int height) {
    const qreal ratio = devicePixelRatio();
    MicroscopeGL::Resize(qRound(width * ratio), qRound(height * ratio));
}

void MicroscopeView::mousePressEvent(QMouseEvent* event) {
    if (config_.mode == Mode::Laboratory) {
        LaboratoryMouseDown(event);
        return;
    }
    if (event->button() == Qt::RightButton)
        translating_ = true;
    else
        rotating_ = true;
}

void MicroscopeView::LaboratoryMouseDown(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    setCursor(Qt::SizeAllCursor);
    const bool dragging = dragEnabled_();
    const Qt::KeyboardModifiers keys = event->modifiers();
    if ((keys.testFlag(Qt::ControlModifier) && dragging) ||
        (button == Qt::LeftButton && !dragging)) {
        rotating_ = true;
        return;
    }
    if ((keys.testFlag(Qt::ShiftModifier) && dragging) ||
        (button == Qt::RightButton && !dragging)) {
        translating_ = true;
        return;
    }
    unsetCursor();
    if (HasModel())
        dragStart_ = event->position().toPoint();
}

void MicroscopeView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (!lastMousePosition_)
        lastMousePosition_ = position;
    const QPoint travel = position - *lastMousePosition_;
    if (rotating_) {
        camera_.Rotate(travel.x(), travel.y());
        update();
    }
    if (translating_) {
        camera_.Translate(travel.x(), travel.y());
        update();
    }
    lastMousePosition_ = position;

    if (dragStart_ &&
        (position - *dragStart_).manhattanLength() >= QApplication::startDragDistance()) {
        dragStart_.reset();
        emit dragStartRequested();
    }
}

void MicroscopeView::mouseReleaseEvent(QMouseEvent*) {
    rotating_ = false;
    translating_ = false;
    dragStart_.reset();
    if (config_.mode == Mode::Laboratory)
        unsetCursor();
}

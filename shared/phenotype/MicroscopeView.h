#pragma once

// The microscope: an OpenGL view of one 3D fly on a coloured background, turned, shifted and
// zoomed with the mouse and a zoom slider. One class serves both programs; a Config says which:
//
// Laboratory (Genotrix, one view per experiment window)
//   - starts empty; ShowFly puts a fly in (a fresh model each time), Empty takes it out;
//   - the background is read from SetBackgroundSource at every repaint (the MicroscopeRGB
//     setting) and whether flies may be dragged out from SetDragSource (DragFromMicroscope);
//   - with dragging on, Ctrl-drag turns and Shift-drag shifts the fly, and a plain drag of a
//     shown fly emits dragStartRequested once the mouse has moved past the system's drag
//     distance, so that the host starts its QDrag; with dragging off the left button turns
//     and the right button shifts. The cursor shows the move shape while turning or shifting,
//     and the view's tool tip says "Hold down Ctrl to rotate, Shift to translate".
//   - the host keeps the group-box caption, the marker on the fly's icon and the current fly,
//     and handles drops on the view.
// Editor (Karyopad, the preview)
//   - the right button shifts, any other button turns; no cursor change, no dragging;
//   - the host calls ShowFly after every edit (the last matching eye colour wins) and
//     SetShowModel for "Show model"; the background starts at (0.4, 0.4, 1.0) and is changed
//     with SetBackgroundColour;
//   - glInitialised tells the host that the context is ready, the moment to load the resources
//     (CRsrcMgr::LoadAll) and show the first fly. A slot that may open a message box is best
//     connected with Qt::QueuedConnection, outside the OpenGL set-up.
//
// Both: ZoomBarChange is the zoom slider's handler. Skins are made into textures once per
// group of sharing contexts, so any number of views may show the same parts.

#include "phenotype/Drosmodel.h"
#include "phenotype/MicroscopeCamera.h"

#include <QOpenGLWidget>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>

class CDrosophila;

class MicroscopeView : public QOpenGLWidget {
    Q_OBJECT

public:
    enum class Mode { Laboratory, Editor };

    struct Config {
        Mode mode = Mode::Laboratory;
        MicroscopeCamera camera;
        EyeColourRule eyeColourRule = EyeColourRule::FirstMatch;
        RgbColour background = {0.5f, 0.5f, 1.0f}; // until a source or colour is given

        // rotation 40/130, shift 0/0, field of view 45
        static Config Laboratory();
        // rotation 40/240, shift 1/1, field of view 45, background (0.4, 0.4, 1.0), the last
        // matching eye colour wins
        static Config Editor();
    };

    explicit MicroscopeView(const Config& config, QWidget* parent = nullptr);
    ~MicroscopeView() override;

    const MicroscopeCamera& Camera() const { return camera_; }
    bool IsRotating() const { return rotating_; }
    bool IsTranslating() const { return translating_; }

    // The zoom slider moved: field of view (maximum - position) x 5 degrees, then repaint.
    void ZoomBarChange(int position, int maximum);

    // Builds the fly's model (Determine, LoadParts) and repaints. A missing part file raises
    // CGeneralError "File: <name> couldn't be loaded."; the fly then shows the parts found.
    void ShowFly(const CDrosophila& fly);
    // Takes the fly out; only the background remains.
    void Empty();
    bool HasModel() const { return model_ != nullptr; }
    const CDrosModel* Model() const { return model_.get(); }

    // Whether the fly is drawn at all (the editor's "Show model"); on at first.
    void SetShowModel(bool show);

    // A fixed background colour, or a source read at every repaint.
    void SetBackgroundColour(const RgbColour& colour);
    void SetBackgroundSource(std::function<RgbColour()> source);
    RgbColour BackgroundColour() const { return background_(); }

    // Laboratory: whether a plain drag takes the fly out (read at every mouse press); on until
    // a source is given.
    void SetDragSource(std::function<bool()> source);

signals:
    // The context was (re)created and set up; it is current during the signal.
    void glInitialised();
    // Laboratory: a plain drag of the shown fly passed the drag distance.
    void dragStartRequested();

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int width, int height) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void LaboratoryMouseDown(QMouseEvent* event);

    const Config config_;
    MicroscopeCamera camera_;
    std::unique_ptr<CDrosModel> model_;
    bool showModel_ = true;
    bool rotating_ = false;
    bool translating_ = false;
    std::optional<QPoint> dragStart_;
    std::function<RgbColour()> background_;
    std::function<bool()> dragEnabled_ = [] { return true; };

    // The last mouse position, one for all views; none until the first move.
    static std::optional<QPoint> lastMousePosition_;
};

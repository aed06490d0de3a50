// Drawing speed of the microscope: the wild-type female in a 233 x 233 view (the editor's
// size), repainted a few hundred times. Prints the triangles drawn and, last, frame_ms, the
// median time of one repaint. Run under an X server (xvfb-run) from the build folder.

#include "fly/Drosophila.h"
#include "phenotype/MicroscopeView.h"
#include "phenotype/Resource.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Frames = 300;

int Triangles(const CDrosModel& model) {
    int triangles = 0;
    for (FlyPart part : {FlyPart::Wings, FlyPart::Antennae, FlyPart::Abdomen, FlyPart::Bristles,
                         FlyPart::Eyes, FlyPart::Head, FlyPart::Thorax})
        for (const CMesh& mesh : model.GetPart(part).mesh->meshes)
            for (const CFace& face : mesh.faces)
                triangles += static_cast<int>(face.positions.size()) - 2;
    return triangles;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString data = QStringLiteral(GENOTRIX_PROGRAM_DIR "/Data/");
    CRsrcMgr::Instance().LoadAll(data + "Models", data + "Skins");

    CDrosophila fly;
    SetWildType(fly, 1);
    MicroscopeView view(MicroscopeView::Config::Laboratory());
    view.resize(233, 233);
    view.show();
    view.ShowFly(fly);
    std::printf("triangles %d\n", Triangles(*view.Model()));

    // The fly is turned by a Ctrl-drag, as the user would, and repainted after every move.
    const auto send = [&](QEvent::Type type, QPoint position, Qt::MouseButtons buttons) {
        QMouseEvent event(type, position, view.mapToGlobal(position), Qt::LeftButton, buttons,
                          Qt::ControlModifier);
        QApplication::sendEvent(&view, &event);
    };
    send(QEvent::MouseMove, {100, 100}, Qt::NoButton);
    send(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    std::vector<double> milliseconds;
    QElapsedTimer timer;
    for (int frame = 0; frame < Frames; ++frame) {
        send(QEvent::MouseMove, {100 + 2 * (frame % 50), 100}, Qt::LeftButton);
        timer.start();
        view.repaint();
        application.processEvents();
        milliseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    send(QEvent::MouseButtonRelease, {100, 100}, Qt::NoButton);
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("frame_ms %.2f\n", milliseconds[milliseconds.size() / 2]);
    return 0;
}

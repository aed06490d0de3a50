// Draws the editor window into PNG files, for looking at it:
//   karyopad_gallery OUTPUT_FOLDER
// Full screen needs a window manager that maximises windows; without one the window keeps its
// size and only the layout changes.

#include "About.h"
#include "Unit1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

namespace {
void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void Save(QWidget& window, const QDir& folder, const QString& name) {
    Wait(300);
    window.grab().save(folder.filePath(name + ".png"));
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2)
        return 1;
    const QDir output(QString::fromLocal8Bit(argv[1]));

    TForm1 form(KARYOPAD_PROGRAM_FOLDER, {"Karyopad"});
    form.show();
    Save(form, output, "editor-start");

    // A white-eyed, vestigial male, the mouse over Cy+.
    form.MaleBtn->click();
    for (const int label : {0, 20, 21})
        form.MBtn1Click(form.AlleleLabels[label]);
    form.CheckBox1MouseMove(form.AlleleLabels[14]);
    Save(form, output, "editor-edited");

    form.Togglefullscreen1->trigger();
    Save(form, output, "editor-fullscreen");
    form.Togglefullscreen1->trigger();
    Save(form, output, "editor-back-to-normal");

    TAboutBox about(&form);
    about.show();
    Save(about, output, "editor-about");
    return 0;
}

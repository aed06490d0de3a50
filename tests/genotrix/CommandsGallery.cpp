// Draws the settings window's two pages and the main window with each of its menus open into
// PNG files, for looking at them (run under an X server):
//   commands_gallery OUTPUT_FOLDER

#include "Application.h"
#include "ProgramFolder.h"
#include "main.h"
#include "tools/Settings.h"
#include "tools/SettingsForm.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>

namespace {

// Gives the default teacher password whenever it is asked for.
class TeacherAtTheKeyboard : public Dialogs {
public:
    std::optional<QString> Password(QWidget*, bool) override { return QString(DefaultPassword); }
};

void Settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

} // namespace

int main(int argc, char** argv) {
    TGenotrixApplication application(argc, argv);
    if (argc < 2) {
        qWarning("usage: commands_gallery OUTPUT_FOLDER");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir programFolder;
    SetProgramFolder(programFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope,
                       programFolder.filePath("store"));
    // Not a first run, and no tip of the day: the windows come up alone.
    QFile settingsFile(programFolder.filePath("settings"));
    settingsFile.open(QIODevice::WriteOnly);
    settingsFile.write("-2147483618 1 0 0 0 0 1 1 0 0 0 0.04 10\n");
    settingsFile.close();
    TeacherAtTheKeyboard teacher;
    SetDialogs(&teacher);

    TMainForm main;
    main.resize(1000, 700);
    main.move(0, 0);
    main.show();
    Settle();

    TSettingsForm& form = *main.SettingsForm;
    main.ToolsSettings->trigger();
    Settle();
    form.grab().save(output.filePath("settings-general.png"));
    form.PageControl1->setCurrentIndex(TSettingsForm::TeacherPageIndex);
    Settle();
    form.grab().save(output.filePath("settings-teacher.png"));
    form.hide();

    QScreen* screen = QGuiApplication::primaryScreen();
    for (QMenu* menu :
         {main.FileMenu, main.WindowMenu, main.ExperimentMenu, main.ToolsMenu, main.HelpMenu}) {
        main.menuBar()->setActiveAction(menu->menuAction());
        Settle();
        const QRect area = main.frameGeometry().united(menu->geometry());
        screen->grabWindow(0, area.x(), area.y(), area.width(), std::min(area.height(), 320))
            .save(output.filePath("menu-" + menu->title().remove('&').toLower() + ".png"));
        menu->hide();
        Settle();
    }
    SetDialogs(nullptr);
    return 0;
}

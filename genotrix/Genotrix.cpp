// The laboratory program: splash window while the 3D resources load, then the main window until
// it closes.

#include "Application.h"
#include "ProgramFolder.h"
#include "SplashForm.h"
#include "fly/Error.h"
#include "main.h"
#include "phenotype/Resource.h"
#include "tools/PassCheckForm.h"
#include "ui/Dialogs.h"

#include <memory>

int main(int argc, char** argv) {
    TGenotrixApplication application(argc, argv);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto splash = std::make_unique<TSplashScreen>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    EnterProgramFolder();
    CRsrcMgr::Instance().LoadAll("Data/Models", "Data/Skins");

    QApplication::restoreOverrideCursor();
    splash->hide();
    EnterProgramFolder();
    splash.reset();
    InstallPasswordPrompt();

    try {
        // Creates the long-lived windows after itself; the settings window reads the settings.
        TMainForm mainForm;
        mainForm.showMaximized();
        return QApplication::exec();
    } catch (const CGeneralError& error) {
        ShowMessage(nullptr, "Fatal error",
                    "Unhandled error: " + QString::fromStdString(error.message),
                    QMessageBox::Critical);
    } catch (...) {
        ShowMessage(nullptr, "Fatal error", "Unhandled unknown error.", QMessageBox::Critical);
    }
    return 1;
}

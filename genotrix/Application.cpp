#include "Application.h"

#include "fly/Error.h"
#include "ui/Dialogs.h"

#include <exception>

TGenotrixApplication::TGenotrixApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Genotrix");
    setOrganizationName("Genotrix");
}

bool TGenotrixApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const CGeneralError& error) {
        ShowMessage(activeWindow(), "Genotrix", QString::fromStdString(error.message),
                    QMessageBox::Critical);
    } catch (const std::exception& error) {
        ShowMessage(activeWindow(), "Genotrix", QString::fromLocal8Bit(error.what()),
                    QMessageBox::Critical);
    }
    return false;
}

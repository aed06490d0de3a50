#include "Launch.h"

#include "ProgramFolder.h"
#include "fly/Drosophila.h"
#include "fly/Error.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

ProcessStarter& Starter() {
    static ProcessStarter starter;
    return starter;
}

bool StartProcess(const QString& program, const QStringList& arguments) {
    if (Starter())
        return Starter()(program, arguments);
    return QProcess::startDetached(program, arguments);
}

} // namespace

void SetProcessStarter(ProcessStarter starter) {
    Starter() = std::move(starter);
}

void StartEditor(QWidget* parent, const QStringList& arguments) {
    // Resolved against the program folder, wherever the user last picked a file.
    const QString program = QDir(ProgramFolder()).absoluteFilePath(EditorProgram);
    if (StartProcess(program, arguments))
        return;
    ShowMessage(parent, "Error",
                QFileInfo::exists(program) ? "Unknown error." : "Couldn't find file.",
                QMessageBox::Critical);
}

void EditFlyInEditor(QWidget* parent, const CDrosophila& fly) {
    const QString handOver = QDir(ProgramFolder()).absoluteFilePath(HandOverFile);
    try {
        SaveToFile(fly, QFile::encodeName(handOver).toStdString());
    } catch (const CGeneralError& error) {
        ShowMessage(parent, "Error", QString::fromStdString(error.message), QMessageBox::Critical);
        return;
    }
    // One argument, the full path: the process start keeps a path with blanks together.
    StartEditor(parent, {handOver});
}

#pragma once

// Starting the chromosome editor, Karyopad, from the program folder: empty, or with a fly of an
// experiment handed over in a file whose full path is the editor's only argument. The editor
// runs on its own; nothing comes back from it.

#include <QString>
#include <QStringList>
#include <functional>

class CDrosophila;
class QWidget;

// Relative to the program folder.
inline constexpr char EditorProgram[] = "Karyopad/Karyopad";
inline constexpr char HandOverFile[] = "Karyopad/temp.fly";

// Starts the editor with these arguments without waiting for it. A failure is reported:
// "Couldn't find file." when the editor is missing, "Unknown error." otherwise.
void StartEditor(QWidget* parent, const QStringList& arguments = {});

// Writes the fly to the hand-over file and starts the editor on it. When the file cannot be
// written, the editor is not started and the reason is shown.
void EditFlyInEditor(QWidget* parent, const CDrosophila& fly);

// How the editor process is started: without waiting (QProcess::startDetached). Tests put their
// own in place to keep hold of the process; an empty function restores the real one. True when
// the process started.
using ProcessStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
void SetProcessStarter(ProcessStarter starter);

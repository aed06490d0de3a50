#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString replacement;
}

QString ProgramFolder() {
    return replacement.isEmpty() ? QCoreApplication::applicationDirPath() : replacement;
}

void EnterProgramFolder() {
    QDir::setCurrent(ProgramFolder());
}

void SetProgramFolder(const QString& folder) {
    replacement = folder;
}

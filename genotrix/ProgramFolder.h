#pragma once

// The program's own folder: every relative path of the laboratory (Data, Flies, the settings
// file) is resolved against it, and it is made the working folder before each such access.

#include <QString>

// The folder that holds the program, or the one a test put in its place.
QString ProgramFolder();
// Makes the program's folder the working folder.
void EnterProgramFolder();
// Test seam: makes `folder` stand in for the program's folder; an empty text restores it.
void SetProgramFolder(const QString& folder);

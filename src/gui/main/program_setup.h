#pragma once

#include <QString>

namespace orvanta {

// The application's name, and the program's own font where the desktop names
// none; set once before the first window.
void SetUpProgram();

// The program's name as the desktop knows it.
QString ProgramName();

}  // namespace orvanta

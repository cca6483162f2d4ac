#pragma once

#include <QString>

namespace qv {

// The program's modules (the browser, the chart) are libraries of their own, loaded the first time
// they are needed, so that a player who never uses them never carries them or the large libraries
// they pull in.
//
// Loads the module named name (without folder and suffix) and returns its function named function;
// nothing when it cannot be loaded, and then error says where it was looked for and why it failed.
QFunctionPointer LoadModuleFunction(const QString& name, const char* function, QString& error);

} // namespace qv

#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace qv {

// The program's modules (the browser, the chart) are libraries of their own, loaded the first time
// they are needed, so that a player who never uses them never carries them or the large libraries
// they pull in.
//
// Loads the module named name (without folder and suffix) and returns its function named function;
// nothing when it cannot be loaded, and then error says where it was looked for and why it failed.
QFunctionPointer LoadModuleFunction(const QString& name, const char* function, QString& error);

// Where the module that makes Object was looked for and why it could not be loaded; empty once it is.
template <class Object>
QString& ModuleLoadError() {
    static QString error;
    return error;
}

// Makes an Object as a child of parent with the module's function, of type Object* (*)(QWidget*), the
// module loaded the first time; nothing when it cannot be loaded (ModuleLoadError<Object> says why).
template <class Object>
std::unique_ptr<Object> MakeFromModule(const QString& name, const char* function, QWidget* parent) {
    using Make = Object* (*)(QWidget*);
    static const auto make = reinterpret_cast<Make>(LoadModuleFunction(name, function, ModuleLoadError<Object>()));
    return make != nullptr ? std::unique_ptr<Object>(make(parent)) : nullptr;
}

} // namespace qv

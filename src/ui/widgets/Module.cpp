#include "ui/widgets/Module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

namespace qv {

// The modules lie beside the program (Windows), in the installation's library folder, or in the build
// folder (the program and the tests run from there).
QFunctionPointer LoadModuleFunction(const QString& name, const char* function, QString& error) {
    const QDir here(QCoreApplication::applicationDirPath());
    const QStringList folders = {here.path(), here.filePath(QStringLiteral(QV_INSTALLED_MODULE_RELATIVE)),
                                 QStringLiteral(QV_BUILD_MODULE_DIR)};
    QStringList errors;
    for (const QString& folder : folders) {
        QLibrary module(QDir(folder).filePath(name));
        if (const QFunctionPointer found = module.resolve(function)) {
            error.clear();
            return found;
        }
        errors << module.errorString();
    }
    error = errors.join(QLatin1Char('\n'));
    return nullptr;
}

} // namespace qv

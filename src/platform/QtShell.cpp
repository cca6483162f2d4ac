#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace qv {

bool QtShell::OpenUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

bool QtShell::OpenFile(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtShell::StartCalculator() {
#ifdef _WIN32
    const QStringList calculators = {QStringLiteral("calc.exe")};
#else
    const QStringList calculators = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                     QStringLiteral("galculator"), QStringLiteral("mate-calc"),
                                     QStringLiteral("xcalc")};
#endif
    for (const QString& name : calculators) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty()) {
            return QProcess::startDetached(program, {});
        }
    }
    return false;
}

bool QtShell::StartProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace qv

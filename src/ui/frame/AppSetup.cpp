#include "ui/frame/AppSetup.h"

#include "engine/core/ProgramState.h"
#include "text/AppLocale.h"
#include "ui/frame/WindowAccessibility.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace qv {

void PrepareBeforeApplication() {
    // No shared OpenGL context at start: the browser engine sets it up when its module is first loaded
    // (ui/widgets/WebView.h); before that, no OpenGL driver is loaded at all.
#ifdef Q_OS_UNIX
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
#endif
}

void PrepareApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Quovadra"));
    QApplication::setOrganizationName(QString());
    QApplication::setApplicationVersion(QString::fromUtf8(ProductVersion));
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop entry's name ties the windows to the entry (Wayland) and its icon; every window
    // without an icon of its own shows the program's.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.quovadra.Quovadra"));
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/quovadra-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    QLocale::setDefault(AppLocale());
    InstallWindowAccessibility();

    // The program speaks German whatever the system's language.
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

} // namespace qv

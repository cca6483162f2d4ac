#include "core/AppSetup.h"
#include "core/Application.h"
#include "core/DesktopPorts.h"
#include "core/GuardedApplication.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

int main(int argc, char* argv[]) {
    // The news view of the main window embeds a browser, which needs shared GL contexts and, when the
    // program runs as root, its sandbox switched off.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#ifdef Q_OS_UNIX
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
#endif
    qv::GuardedApplication application(argc, argv);
    qv::PrepareApplication(application);

    qv::DesktopPorts ports;
    application.SetErrorReport(&ports.messages);

    qv::Application quovadra(ports.ports);
    quovadra.Start();
    const int exitCode = application.exec();
    application.SetErrorReport(nullptr);
    return exitCode;
}

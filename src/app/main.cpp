#include "ui/frame/AppSetup.h"
#include "ui/frame/Application.h"
#include "ui/frame/DesktopPorts.h"
#include "ui/frame/GuardedApplication.h"

int main(int argc, char* argv[]) {
    qv::PrepareBeforeApplication();
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

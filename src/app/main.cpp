#include "core/AppSetup.h"
#include "core/Application.h"
#include "core/DesktopPorts.h"
#include "core/GuardedApplication.h"

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

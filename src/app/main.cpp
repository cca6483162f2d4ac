#include "platform/LocalSockets.h"
#include "text/DataFolder.h"
#include "ui/app/Application.h"
#include "ui/app/WindowTable.h"
#include "ui/frame/AppSetup.h"
#include "ui/frame/DesktopPorts.h"
#include "ui/frame/GuardedApplication.h"
#include "ui/frame/SingleInstance.h"
#include "ui/frame/StartOptions.h"

#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    // --help, --version and a command line the program cannot follow are answered before any window
    // system is touched: they work without a screen (the manual page is made from them).
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const qv::StartOptions early = qv::ParseStartOptions(arguments);
    if (early.help || early.version) {
        std::fputs((early.help ? qv::StartHelpText() : qv::StartVersionText()).toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!early.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s\n", early.error.toLocal8Bit().constData(), "Mehr mit: quovadra --help");
        return 2;
    }

    qv::PrepareBeforeApplication();
    qv::GuardedApplication application(argc, argv);
    qv::PrepareApplication(application);

    const qv::StartOptions options = qv::ParseStartOptions(application.arguments());
    qv::SingleInstance instance(qv::SingleInstance::ServerNameFor(qv::FromPath(qv::DefaultDataFolder())));
    // SIGTERM ends the event loop rather than the process, so the socket file goes with the program.
    const qv::TerminationSignal termination;
    QObject::connect(&termination, &qv::TerminationSignal::Terminated, &application, &QCoreApplication::quit);
    const bool selfCheck = options.quitAfterMilliseconds.has_value();
    if (!selfCheck) {
        // A program already running over this data folder opens the files itself.
        if (instance.HandOver(options.files)) {
            return 0;
        }
        instance.Listen();
    }

    qv::DesktopPorts ports;
    application.SetErrorReport(&ports.messages);

    qv::Application quovadra(ports.ports);
    quovadra.Start();
    const auto open = [&quovadra](const QStringList& paths) {
        qv::OpenHandedFiles(quovadra.Context(), paths);
        // Until "Weiter" is pressed the start window stays in front; the main window is not shown yet.
        if (qv::TFStart* start = quovadra.StartWindow()) {
            start->raise();
        }
    };
    if (!options.files.isEmpty()) {
        open(options.files);
    }
    QObject::connect(&instance, &qv::SingleInstance::FilesHandedOver, &quovadra, open);
    if (selfCheck) {
        QTimer::singleShot(*options.quitAfterMilliseconds, &quovadra, [&quovadra] {
            // The program stands once its main window exists and the start window offers "Weiter" (the
            // main window itself shows only after that).
            const qv::TFStart* start = quovadra.StartWindow();
            const bool ready = quovadra.MainWindow() != nullptr && (start == nullptr || start->InitialisationDone());
            QCoreApplication::exit(ready ? 0 : 1);
        });
    }
    const int exitCode = application.exec();
    application.SetErrorReport(nullptr);
    return exitCode;
}

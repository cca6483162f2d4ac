#include "ui/frame/AppSetup.h"
#include "ui/frame/GuardedApplication.h"
#include "ui/frame/WindowAccessibility.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The offscreen platform cannot raise windows or make them transparent and says so every time.
QtMessageHandler previousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    if (previousHandler) {
        previousHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // Window tests never need a display, also when the suite is only listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    previousHandler = qInstallMessageHandler(QuietHandler);
    // The online-play window's browser engine needs this before the application exists.
    qv::PrepareBeforeApplication();
    qv::GuardedApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Windows reach a screen reader as in the program.
    qv::InstallWindowAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

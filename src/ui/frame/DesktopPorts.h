#pragma once

#include "platform/ElapsedClock.h"
#include "platform/MersenneRandom.h"
#include "platform/Ports.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtInternet.h"
#include "platform/QtMessages.h"
#include "platform/QtPrintTarget.h"
#include "platform/QtShell.h"
#include "ui/frame/HelpViewer.h"

namespace qv {

// The ports of the running program: the desktop's dialogs, shell, network, printer and help.
struct DesktopPorts {
    QtMessages messages;
    QtFileDialogs fileDialogs;
    QtShell shell;
    QtInternet internet;
    QtPrintTarget printTarget;
    HelpViewer help;
    ElapsedClock clock;
    MersenneRandom random;

    Ports ports{messages, fileDialogs, shell, internet, printTarget, help, clock, random};
};

} // namespace qv

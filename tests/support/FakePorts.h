#pragma once

#include "platform/Ports.h"
#include "support/FakeClock.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeHelp.h"
#include "support/FakeInternet.h"
#include "support/FakeMessages.h"
#include "support/FakePrintTarget.h"
#include "support/FakeRandomSource.h"
#include "support/FakeShell.h"

namespace qv {

// One fake of every port, ready to hand to windows under test.
struct FakePorts {
    FakeMessages messages;
    FakeFileDialogs fileDialogs;
    FakeShell shell;
    FakeInternet internet;
    FakePrintTarget printTarget;
    FakeHelp help;
    FakeClock clock;
    FakeRandomSource random;

    Ports ports{messages, fileDialogs, shell, internet, printTarget, help, clock, random};
};

} // namespace qv

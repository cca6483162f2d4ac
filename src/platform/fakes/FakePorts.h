#pragma once

#include "platform/Ports.h"
#include "platform/fakes/FakeClock.h"
#include "platform/fakes/FakeFileDialogs.h"
#include "platform/fakes/FakeHelp.h"
#include "platform/fakes/FakeInternet.h"
#include "platform/fakes/FakeMessages.h"
#include "platform/fakes/FakePrintTarget.h"
#include "platform/fakes/FakeRandomSource.h"
#include "platform/fakes/FakeShell.h"

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

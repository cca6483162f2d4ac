#pragma once

#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/Internet.h"
#include "platform/Messages.h"
#include "platform/PrintTarget.h"
#include "platform/RandomSource.h"
#include "platform/Shell.h"

namespace qv {

// Everything a window may ask of the world outside the program. The application fills it with the
// desktop implementations; tests fill it with fakes that record calls and give scripted answers.
struct Ports {
    Messages& messages;
    FileDialogs& fileDialogs;
    Shell& shell;
    Internet& internet;
    PrintTarget& printTarget;
    Help& help;
    Clock& clock;
    RandomSource& random;
};

} // namespace qv

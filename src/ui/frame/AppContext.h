#pragma once

#include "engine/core/ProgramState.h"
#include "platform/Ports.h"

#include <QString>

namespace qv {

class SharedCommands;
class WindowRegistry;

// What every window is built with: the program's state, the ports to the world outside, the other
// windows and the commands they share.
struct AppContext {
    ProgramState& state;
    Ports& ports;
    WindowRegistry& windows;
    SharedCommands& commands;
    // The maker's web site, without a trailing slash; tests point it at a server of their own.
    QString webSite = QStringLiteral(QV_WEBSITE);
};

} // namespace qv

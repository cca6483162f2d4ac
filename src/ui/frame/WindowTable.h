#pragma once

namespace qv {

class WindowRegistry;

// Adds every window of the program: one line per window, the windows of the start in their order.
//
// A window class takes the AppContext in its constructor, sets its objectName to its form name
// ("FKal"), builds its tool bar with SharedCommands::AddToolButton and its menus with
// SharedCommands::AddStandardMenus, and calls SharedCommands::InstallHelpKey for its help topic.
void RegisterWindows(WindowRegistry& registry);

} // namespace qv

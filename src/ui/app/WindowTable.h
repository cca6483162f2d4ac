#pragma once

#include <QStringList>

namespace qv {

struct AppContext;
class WindowRegistry;

// Adds every window of the program: one line per window, the windows of the start in their order.
//
// A window class takes the AppContext in its constructor, sets its objectName to its form name
// ("FKal"), builds its tool bar with SharedCommands::AddToolButton and its menus with
// SharedCommands::AddStandardMenus, and calls SharedCommands::InstallHelpKey for its help topic.
void RegisterWindows(WindowRegistry& registry);

// Tells the shared commands which window each of them shows (by the window's form name) and how the
// commands that do more than show one open theirs.
void BindCommands(AppContext& context);

// Opens the files handed to the program, on its command line or by a later start: slip files (.kts)
// in new slip tabs of the main window, which comes to the front. A file that is missing or of
// another kind is named in an error box and left alone.
void OpenHandedFiles(AppContext& context, const QStringList& paths);

// The error box for a handed file the program does not open.
QString NotOpenedText(const QString& path, bool missing);

} // namespace qv

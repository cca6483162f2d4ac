#pragma once

#include <QStringList>

#include <optional>

namespace qv {

// What the program's command line asks for: files to open (slip files from the file manager), and
// for scripted checks of an installation a time after which the program ends by itself.
struct StartOptions {
    QStringList files;
    // --quit-after MS: end MS milliseconds after the start, with exit code 0 when the main window
    // stands (made, "Weiter" offered) and 1 when it does not. Such a run neither hands over to nor
    // waits for another start.
    std::optional<int> quitAfterMilliseconds;
};

// arguments as QCoreApplication::arguments() gives them, the program itself first. Options it does
// not know are left alone (Qt's own, such as -platform, are taken before).
StartOptions ParseStartOptions(const QStringList& arguments);

} // namespace qv

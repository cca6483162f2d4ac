#pragma once

#include <QString>
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
    bool help = false;    // -h, --help: print StartHelpText() and end
    bool version = false; // --version: print StartVersionText() and end
    // A German message when the command line cannot be followed (the program then does not start).
    QString error;
};

// arguments as QCoreApplication::arguments() gives them, the program itself first. Options it does
// not know are left alone (Qt's own, such as -platform, are taken before).
StartOptions ParseStartOptions(const QStringList& arguments);

// What `quovadra --help` prints: the files it takes and its options.
QString StartHelpText();
// What `quovadra --version` prints: the program's name and version.
QString StartVersionText();

} // namespace qv

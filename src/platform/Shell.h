#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The desktop around the program. Each operation says whether it could be started.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a web address with the default browser.
    virtual bool OpenUrl(const QString& url) = 0;
    // Opens a file with the application the desktop associates with it.
    virtual bool OpenFile(const QString& path) = 0;
    // Starts the system's calculator; false when none is installed.
    virtual bool StartCalculator() = 0;
    // Starts a program detached from this one.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
};

} // namespace qv

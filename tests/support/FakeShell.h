#pragma once

#include "platform/Shell.h"

namespace qv {

// Records what the program asked of the desktop; every request succeeds unless told otherwise.
class FakeShell final : public Shell {
public:
    bool OpenUrl(const QString& url) override {
        openedUrls << url;
        return succeed;
    }
    bool OpenFile(const QString& path) override {
        openedFiles << path;
        return succeed;
    }
    bool StartCalculator() override {
        ++calculatorStarts;
        return calculatorInstalled;
    }
    bool StartProgram(const QString& program, const QStringList& arguments) override {
        startedPrograms << (QStringList{program} + arguments);
        return succeed;
    }

    QStringList openedUrls;
    QStringList openedFiles;
    QList<QStringList> startedPrograms;
    int calculatorStarts = 0;
    bool succeed = true;
    bool calculatorInstalled = true;
};

} // namespace qv

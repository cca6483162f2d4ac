#pragma once

#include "platform/Shell.h"

namespace qv {

class QtShell final : public Shell {
public:
    bool OpenUrl(const QString& url) override;
    bool OpenFile(const QString& path) override;
    bool StartCalculator() override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
};

} // namespace qv

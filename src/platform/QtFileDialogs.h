#pragma once

#include "platform/FileDialogs.h"

namespace qv {

class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> OpenOne(const FileDialogRequest& request) override;
    QStringList OpenSeveral(const FileDialogRequest& request) override;
    std::optional<QString> Save(const FileDialogRequest& request) override;
};

} // namespace qv

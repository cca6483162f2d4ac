#pragma once

#include "platform/FileDialogs.h"

#include <QList>

#include <deque>

namespace qv {

// Records every request; each dialog takes the next scripted choice (an empty list = cancelled).
class FakeFileDialogs final : public FileDialogs {
public:
    std::optional<QString> OpenOne(const FileDialogRequest& request) override;
    QStringList OpenSeveral(const FileDialogRequest& request) override;
    std::optional<QString> Save(const FileDialogRequest& request) override;

    void SetNextChoice(const QStringList& files) { choices.push_back(files); }

    QList<FileDialogRequest> requests;
    std::deque<QStringList> choices;

private:
    QStringList Next(const FileDialogRequest& request);
};

} // namespace qv

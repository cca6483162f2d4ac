#include "support/FakeFileDialogs.h"

namespace qv {

QStringList FakeFileDialogs::Next(const FileDialogRequest& request) {
    requests.append(request);
    if (choices.empty()) {
        return {};
    }
    QStringList files = choices.front();
    choices.pop_front();
    return files;
}

std::optional<QString> FakeFileDialogs::OpenOne(const FileDialogRequest& request) {
    const QStringList files = Next(request);
    return files.isEmpty() ? std::nullopt : std::optional<QString>(files.first());
}

QStringList FakeFileDialogs::OpenSeveral(const FileDialogRequest& request) {
    return Next(request);
}

std::optional<QString> FakeFileDialogs::Save(const FileDialogRequest& request) {
    const QStringList files = Next(request);
    return files.isEmpty() ? std::nullopt : std::optional<QString>(files.first());
}

} // namespace qv

#include "platform/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace qv {

namespace {

QStringList Run(const FileDialogRequest& request, QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.startFolder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    dialog.setNameFilter(QtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.proposedName.isEmpty()) {
        dialog.selectFile(request.proposedName);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    QStringList files;
    for (const QString& file : dialog.selectedFiles()) {
        files << QDir::toNativeSeparators(file);
    }
    return files;
}

} // namespace

std::optional<QString> QtFileDialogs::OpenOne(const FileDialogRequest& request) {
    const QStringList files = Run(request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    if (files.isEmpty()) {
        return std::nullopt;
    }
    return files.first();
}

QStringList QtFileDialogs::OpenSeveral(const FileDialogRequest& request) {
    return Run(request, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
}

std::optional<QString> QtFileDialogs::Save(const FileDialogRequest& request) {
    const QStringList files = Run(request, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    if (files.isEmpty()) {
        return std::nullopt;
    }
    return files.first();
}

} // namespace qv

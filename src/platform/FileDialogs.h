#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace qv {

// What a file dialog is opened with. The filter is written as the program writes it:
// "KENO-Schein-Datei|*.kts", description and pattern separated by "|", several pairs in a row.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExtension; // without the point; added to a typed name that has none
    QString startFolder;
    QString proposedName; // save dialogs only
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The chosen file, nothing when the user cancels.
    virtual std::optional<QString> OpenOne(const FileDialogRequest& request) = 0;
    // The chosen files in the dialog's order, empty when the user cancels.
    virtual QStringList OpenSeveral(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> Save(const FileDialogRequest& request) = 0;
};

// "Text|*.txt|Alle|*.*" as a Qt name filter list ("Text (*.txt);;Alle (*.*)").
QString QtNameFilters(const QString& pipeFilter);

} // namespace qv

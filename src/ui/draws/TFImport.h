#pragma once

#include "engine/draws/DrawImport.h"
#include "engine/draws/HistoryMerge.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QRadioButton;
class QTableView;

namespace qv {

struct AppContext;

// The preview of a draw history import: the draws understood, every bad line with its number and
// reason, and what the history would look like afterwards (days missing, days held twice). The player
// chooses between filling in the missing days and replacing the history; "Importieren" writes the draw
// file through the safe save, and nothing at all when the file has a bad line.
class TFImport : public QDialog {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FImport";

    // Asks for the file and reads it. Nothing when the user cancels or the file cannot be read (after
    // the message saying why); otherwise the preview, not shown yet, owned by parent.
    static TFImport* Prepare(AppContext& context, QWidget* parent);

    TFImport(AppContext& context, const QString& fileName, DrawImport parsed, QWidget* parent);

    // The handler of "Importieren".
    void Import();

signals:
    // The history in memory and on disk was replaced by the imported one.
    void Imported();

private:
    bool Replacing() const;
    MergedHistory Result() const;
    void ShowNotes();

    AppContext& m_context;
    DrawImport m_parsed;
    QLabel* m_summary;
    QTableView* m_draws;
    QListWidget* m_badLines;
    QListWidget* m_notes;
    QRadioButton* m_merge;
    QRadioButton* m_replace;
};

} // namespace qv

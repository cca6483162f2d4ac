#pragma once

#include "engine/tips/SettingsRecord.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace qv {

struct AppContext;

// The program settings: a list of up to ten slip files to open at program start, and presets for
// the tip centre's games 1 to 6. Both live in the program's SettingsRecord, which "Speichern" stores in
// a file of its own in the data folder. Created at start, where it loads that file; shown modally from
// the main window and modelessly from the others.
class TFOptionen : public QDialog {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FOptionen";

    explicit TFOptionen(AppContext& context);

    // The slip files of the list that are not among alreadyOpen, each asked for by OpenSlipRequested.
    void OpenStartSlips(const QStringList& alreadyOpen);

    // "Spielschein-Datei hinzufügen", "Markierten Eintrag löschen", "In Tipp-Center-übertragen",
    // "Speichern".
    void AddSlipFile();
    void DeleteSlipFile();
    void TransferPresets();
    void Save();

    bool IsDirty() const { return m_dirty; }

signals:
    // Open this slip file in a new slip tab of the main window.
    void OpenSlipRequested(const QString& path);
    // Select these presets in the tip centre, creating it (hidden) when it does not exist yet.
    void PresetsTransferRequested(const GeneratorPresets& presets);

public slots:
    void reject() override;

protected:
    bool event(QEvent* event) override;

private:
    void LoadRecord();
    QWidget* CreateFileList();
    QWidget* CreatePresets();
    void FocusChanged(QWidget* now);

    AppContext& m_context;
    QGroupBox* m_fileBox = nullptr;
    QCheckBox* m_openNow = nullptr;
    QListWidget* m_files = nullptr;
    QGroupBox* m_presetBox = nullptr;
    std::array<QComboBox*, GeneratorPresets::kGames> m_kenoTypes{};
    std::array<QComboBox*, GeneratorPresets::kGames> m_methods{};
    bool m_dirty = false;
    bool m_answeredNo = false;
};

} // namespace qv

#pragma once

#include "engine/tips/FrequencyBands.h"
#include "engine/tips/SettingsRecord.h"
#include "engine/tips/SlipTransfer.h"
#include "engine/tips/TipGeneration.h"

#include <QMainWindow>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolBar;
class QToolButton;

namespace qv {

struct AppContext;
class StringGrid;

// The tip centre: suggests tip rows for up to eight games of one slip. The player chooses a period of
// the draw history and per game a Keno type and a method; "Tipps generieren" counts the numbers of the
// period, colours them by their deviation from the expected count and builds a row per game. Rows
// can be kept (locked) while others are generated again, and the checked rows are handed to the slip
// entry window.
class TFTippcenter : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FTippcenter";

    explicit TFTippcenter(AppContext& context);

    static constexpr int kGames = 8;
    static constexpr int kUnlockedTag = 1;
    static constexpr int kLockedTag = 11;

    // "Tipps generieren".
    void GenerateTips();
    // "In Spielschein übertragen": emits TransferToSlip with the checked rows.
    void TransferToSlip();
    // Selects the presets for games 1 to 6 (an entry that names none of a list's entries is skipped).
    void ApplyPresets(const GeneratorPresets& presets);
    // A draw saved in the main window joins the period lists and becomes the end of the period.
    void AppendDrawDate(const QString& dateText);
    // The history was replaced: its grid, the period lists and the frequency panel show it anew.
    void ReloadDrawDates();

    // Game g (1 to 8).
    bool IsLocked(int game) const;
    void ToggleLock(int game);
    const std::array<int, 10>& SuggestionRow(int game) const {
        return m_suggestionRows.at(static_cast<std::size_t>(game - 1));
    }
    const FrequencyBounds& BandBounds() const { return m_bandBounds; }

signals:
    // The rows to enter into empty fields of the slip entry window, in game order; the window is shown.
    void TransferRequested(const std::vector<TipRow>& rows);

private:
    struct Game {
        QComboBox* kenoType = nullptr;
        QComboBox* method = nullptr;
        QToolButton* lock = nullptr;
        QLabel* label = nullptr;
        std::array<QLabel*, 10> places{};
        QCheckBox* transfer = nullptr;
    };

    void CreateToolBar();
    void CreateMenu();
    QWidget* CreateGameChoices();
    QWidget* CreatePeriodChoice();
    QWidget* CreateFrequencyPanel();
    QWidget* CreateSuggestions();
    QWidget* CreateHistory();
    void FillHistory();

    void KenoTypeChanged(int game);
    void PeriodChanged();
    void ShowFrequencyBands(int first, int last);
    void GenerateGame(int game, const NumberRankings& rankings);
    void SetLocked(int game, bool locked);
    // The numbers of game g's row that show (the places of its Keno type), empty before a row is made.
    QList<int> ShownRow(int game) const;
    // Names game g's row and its "für Schein" box with the row's numbers, for a screen reader.
    void AnnounceRow(int game);
    // The Keno type chosen for game g, 0 for "--" or none.
    int ChosenKenoType(int game) const;
    Game& GameAt(int game) { return m_games.at(static_cast<std::size_t>(game - 1)); }
    const Game& GameAt(int game) const { return m_games.at(static_cast<std::size_t>(game - 1)); }

    AppContext& m_context;
    QToolBar* m_toolBar = nullptr;
    std::array<Game, kGames> m_games{};
    QComboBox* m_periodFrom = nullptr;
    QComboBox* m_periodTo = nullptr;
    QPushButton* m_start = nullptr;
    std::array<QLabel*, 70> m_counts{};
    std::array<QLabel*, 7> m_legend{};
    QPushButton* m_toSlip = nullptr;
    QGroupBox* m_historyBox = nullptr;
    StringGrid* m_history = nullptr;

    int m_fromPos = -1;
    int m_toPos = -1;
    std::array<std::array<int, 10>, kGames> m_suggestionRows{};
    PeriodCounts m_periodCounts{};
    FrequencyBounds m_bandBounds{};
};

} // namespace qv

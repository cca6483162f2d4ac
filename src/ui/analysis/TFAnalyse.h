#pragma once

#include "engine/analysis/ComboSearch.h"
#include "engine/core/NumberSet.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <optional>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStandardItemModel;
class QTableView;
class QToolBar;
class QToolButton;

namespace qv {

struct AppContext;
struct Period;
class ComboRunTask;
class SearchGridModel;

// The tip-row analysis window. Left: a pool of up to 20 numbers picked on a board, searched for in a
// period of the history as a whole or as every combination of a chosen size; the hits fill the grid
// G1 with the matching numbers in lime. Lower right: the run over every combination of 2 to 5 numbers
// with its 1000 most and 1000 of the least frequent ones ("Tops", "Flops").
class TFAnalyse : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FAnalyse";

    explicit TFAnalyse(AppContext& context);
    ~TFAnalyse() override;

    // Fills both period lists from the whole history (at creation and after an import).
    void FillPeriodLists();

    static constexpr int kClientHeight = 600;
    static constexpr int kRightWidth = 606;

    // The handlers of the user's clicks.
    void ClickNumber(int n);
    void ClearPool();
    void Search();
    void StartOrCancelRun();

    bool RunInProgress() const;

private:
    void CreateToolBar();
    void CreateMenu();
    QWidget* CreateSearchHalf(QWidget* parent);
    QWidget* CreateBoard(QWidget* parent);
    QWidget* CreateSearchOptions(QWidget* parent);
    QWidget* CreateResultPanel(QWidget* parent);
    QWidget* CreateRunGroup(QWidget* parent);
    // The run's choices, its start button and its status panels, in one column of fixed width.
    QWidget* CreateRunControls(QWidget* group);
    // The two lists with the progress bar between them.
    void CreateRunLists(QWidget* group, QHBoxLayout* layout);
    QTableView* CreateListGrid(QWidget* parent, const QString& name, const QString& accessibleName,
                               QStandardItemModel*& model);
    void PeriodFromLists();
    void ShowPoolCount();
    void StyleNumber(int n);

    std::vector<NumberSet> PeriodSetsOf(const Period& period) const;
    void ShowSearchResult(const SearchResult& result, const Period& period);

    void ResetListGrids();
    void FillListGrid(QStandardItemModel& model, const std::vector<ComboEntry>& list);
    void ShowRunProgress(quint64 done);
    void RunEnded();
    void SetStatus(const QString& text, const QColor& colour);
    void SetStartButton(bool running);

    AppContext& m_context;
    QToolBar* m_toolBar = nullptr;

    // The search half.
    std::array<QPushButton*, 70> m_lots{};
    QToolButton* m_clearPool = nullptr;
    QLabel* m_poolCountPanel = nullptr;
    QRadioButton* m_wholePool = nullptr;
    QRadioButton* m_combinations = nullptr;
    QComboBox* m_searchSize = nullptr;
    QComboBox* m_periodFrom = nullptr;
    QComboBox* m_periodTo = nullptr;
    QPushButton* m_search = nullptr;
    QLabel* m_searchInfo = nullptr;
    QProgressBar* m_searchProgress = nullptr;
    QLabel* m_resultTitle = nullptr;
    QTableView* m_results = nullptr;
    SearchGridModel* m_resultModel = nullptr;
    QLabel* m_hitCount = nullptr;

    // The run group.
    QComboBox* m_runSize = nullptr;
    QGroupBox* m_runPeriod = nullptr;
    QRadioButton* m_runWhole = nullptr;
    QRadioButton* m_runAsLeft = nullptr;
    QPushButton* m_start = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_checks = nullptr;
    QLabel* m_expectation = nullptr;
    QLabel* m_duration = nullptr;
    QProgressBar* m_runProgress = nullptr;
    QTableView* m_tops = nullptr;
    QTableView* m_flops = nullptr;
    QStandardItemModel* m_topsModel = nullptr;
    QStandardItemModel* m_flopsModel = nullptr;
    ComboRunTask* m_runTask = nullptr;

    NumberSet m_pool;
    int m_poolCount = 0;
    int m_periodStart = 0;
    int m_periodEnd = 0;
    SearchMode m_gridMode = SearchMode::WholePool;
    std::int64_t m_runStartTicks = 0;
};

} // namespace qv

#pragma once

#include "engine/core/NumberSet.h"
#include "engine/systems/WheelSearch.h"
#include "engine/tips/SlipTransfer.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class QTableView;

namespace qv {

struct AppContext;
class NumberBoard;
class WheelTask;

// Systems: the player marks a pool of numbers and asks for rows of one Keno type that promise at least
// t hits in some row whenever at least p of the 20 drawn numbers are in the pool. "Berechnen" searches
// for as few rows as it can on a worker thread, proves the promise, and shows the rows, the lower bound
// and what the system costs and pays on average. The rows go into the slip entry window, eight to a
// slip, or into a text file of tip rows.
class TFSysteme : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormName = "FSysteme";

    explicit TFSysteme(AppContext& context);
    ~TFSysteme() override;

    // A click on a number of the board: marks or unmarks it (at most 32 are marked).
    void ToggleNumber(int n);
    const NumberSet& Pool() const { return m_pool; }
    // "Berechnen": refuses a request that cannot be kept with a message, otherwise starts the search.
    void Calculate();
    // "Abbruch".
    void CancelCalculation();
    bool Calculating() const;
    // The search's budget (seconds from the window's time field unless steps are set) and its seed.
    void SetSearchSteps(std::uint64_t steps, std::uint64_t seed);
    // The rows shown, each ascending.
    const std::vector<std::vector<int>>& Rows() const { return m_rows; }
    // "In Spielschein übertragen".
    void TransferToSlip();
    // "Als Textdatei speichern".
    void SaveAsText();

signals:
    // The rows to enter into the slip entry window, eight to a slip; the window is shown.
    void TransferRequested(const std::vector<TipRow>& rows);
    // The calculation ended and its outcome is shown.
    void CalculationFinished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* CreatePoolPanel();
    QWidget* CreateChoices();
    QWidget* CreateResults();
    void ShowPoolCount();
    void CalculationEnded();
    void SetCalculating(bool calculating);

    AppContext& m_context;
    NumberSet m_pool;
    NumberBoard* m_board = nullptr;
    QLabel* m_poolCount = nullptr;
    QComboBox* m_kenoType = nullptr;
    QSpinBox* m_ifDrawn = nullptr;
    QSpinBox* m_hits = nullptr;
    QComboBox* m_stake = nullptr;
    QSpinBox* m_draws = nullptr;
    QSpinBox* m_seconds = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QTableView* m_rowGrid = nullptr;
    QStandardItemModel* m_rowModel = nullptr;
    QLabel* m_proof = nullptr;
    QTableView* m_figureGrid = nullptr;
    QStandardItemModel* m_figureModel = nullptr;
    QTableView* m_distributionGrid = nullptr;
    QStandardItemModel* m_distributionModel = nullptr;
    QPushButton* m_toSlip = nullptr;
    QPushButton* m_save = nullptr;
    WheelTask* m_task = nullptr;

    WheelSearchOptions m_options;
    bool m_stepsSet = false;
    std::vector<int> m_sortedPool; // of the rows shown
    std::vector<std::vector<int>> m_rows;
};

} // namespace qv

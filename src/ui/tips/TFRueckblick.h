#pragma once

#include "engine/tips/Backtest.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class QTableView;

namespace qv {

struct AppContext;
class BalanceChart;

// The tip centre's methods looked back on: before every draw of the history a row is built from the
// draws just before it, with each method, and played in the next draw(s). The window shows per method
// what was staked, won and lost, how often each hit count came up, and the running balance as a
// chart, with the random method beside the others, so a player sees that none of them beats chance.
class TFRueckblick : public QWidget {
    Q_OBJECT

public:
    explicit TFRueckblick(AppContext& context);

    static constexpr const char* kFormName = "FRueckblick";

    // "Berechnen": runs the look back over the draw history with the chosen settings. A request the
    // history cannot serve shows why in an error box and leaves the last results as they were.
    void Calculate();
    // The settings as chosen in the window.
    BacktestRequest Request() const;
    const BacktestResult& Result() const { return m_result; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateSettings();
    QWidget* CreateTotalsBox();
    QWidget* CreateHitBox();
    QWidget* CreateChartBox();
    void FitGrids();
    void ShowResult(const std::vector<TGewZahlen>& draws);

    AppContext& m_context;
    QComboBox* m_kenoType = nullptr;
    QSpinBox* m_window = nullptr;
    QComboBox* m_drawsPlayed = nullptr;
    QComboBox* m_stake = nullptr;
    QSpinBox* m_seed = nullptr;
    QPushButton* m_calculate = nullptr;
    QLabel* m_scope = nullptr;
    QTableView* m_totalsGrid = nullptr;
    QStandardItemModel* m_totalsModel = nullptr;
    QTableView* m_hitGrid = nullptr;
    QStandardItemModel* m_hitModel = nullptr;
    BalanceChart* m_chart = nullptr;
    QLabel* m_expectation = nullptr;
    BacktestResult m_result;
};

} // namespace qv

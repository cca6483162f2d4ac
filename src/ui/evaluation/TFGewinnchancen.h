#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QStandardItemModel;
class QTableView;

namespace qv {

struct AppContext;

// What the game really pays: per Keno type the chance of every hit count and what a euro of stake
// pays back on average, the same for all types at a glance, and for every open slip its stake and
// expected payout per draw and per month of daily play. Every figure is exact arithmetic on the
// game's odds and the payout table, not a statistic of past draws.
class TFGewinnchancen : public QWidget {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FGewinnchancen";

    explicit TFGewinnchancen(AppContext& context);

    // The Keno type whose hit table is shown, 2 to 10.
    void ShowKenoType(int kenoType);
    // Reads the open slips again (the main window may have opened or closed some).
    void RefreshSlips();
    // Where the names of the open slips come from: the main window's tab names, in tab order.
    void SetSlipNames(std::function<QStringList()> names);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    AppContext& m_context;
    QComboBox* m_kenoType = nullptr;
    QTableView* m_hitGrid = nullptr;
    QStandardItemModel* m_hitModel = nullptr;
    QLabel* m_typeSummary = nullptr;
    QTableView* m_typeGrid = nullptr;
    QStandardItemModel* m_typeModel = nullptr;
    QTableView* m_slipGrid = nullptr;
    QStandardItemModel* m_slipModel = nullptr;
    QLabel* m_slipNote = nullptr;
    std::function<QStringList()> m_slipNames;
};

} // namespace qv

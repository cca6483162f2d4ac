#pragma once

#include "text/ResultGrids.h"

#include <QWidget>

class QLabel;
class QTableView;

namespace qv {

class ResultGridModel;

// The frame of a result tab: the title bar PGA1, the result grid GA1 (one row per field and draw,
// wins in the colours of their prize class), the balance line PBilanz (stake, wins, balance) and the
// legend PFarben with the twelve class colours.
class TFrFrame2 : public QWidget {
    Q_OBJECT

public:
    explicit TFrFrame2(QWidget* parent = nullptr);

    // Shows the rows under title and the balance line under them; the legend is filled once, with the
    // frame.
    void ShowResult(const QString& title, std::vector<ResultGridRow> rows, const QString& balance = {});

    QLabel* Title() const { return m_title; }
    QTableView* Grid() const { return m_grid; }
    QLabel* Balance() const { return m_balance; }
    QWidget* Legend() const { return m_legend; }

    static constexpr int kRowHeight = 18;

private:
    void FillLegend();

    QLabel* m_title;
    QTableView* m_grid;
    QLabel* m_balance;
    QWidget* m_legend;
};

} // namespace qv

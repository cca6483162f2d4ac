#pragma once

#include "engine/analysis/DrawStatistics.h"
#include "ui/widgets/NumberChart.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QToolBar;

namespace qv {

struct AppContext;

// The bar chart of the statistics: one bar per number 1 to 70, as high as the number was drawn in
// the period of the last statistics evaluation. The bars rise from 1, so a number never drawn shows
// as a short bar down to 0.
class TFChart1 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FChart1";

    // Makes the chart inside the window; the program's own loads the chart module.
    using ChartMaker = std::function<std::unique_ptr<NumberChart>(QWidget* parent)>;

    explicit TFChart1(AppContext& context, const ChartMaker& makeChart = MakeNumberChart);

    // Replaces the bars by the frequencies of numbers 1 to 70 (never adds to the old ones).
    void Fill(const NumberCounts& frequencies);

    // The values of the bars, number n at n-1; empty before the first fill.
    const std::vector<double>& Values() const { return m_values; }

    static constexpr QRgb kBarColour = 0xFF75FF94;
    static constexpr const char* kNoChartText = "Das Chart kann nicht gezeigt werden: Ein Teil der Installation fehlt.";

private:
    void CreateToolBar();
    void CreateMenu();
    void BarHovered(int index);

    AppContext& m_context;
    QToolBar* m_toolBar = nullptr;
    std::unique_ptr<NumberChart> m_chart; // none when the chart module is missing
    QWidget* m_view = nullptr;
    std::vector<double> m_values;
};

} // namespace qv

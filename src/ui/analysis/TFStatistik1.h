#pragma once

#include "engine/analysis/DrawStatistics.h"
#include "engine/analysis/Significance.h"

#include <QMainWindow>

#include <QList>
#include <QStringList>

#include <array>

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class QToolBar;

namespace qv {

struct AppContext;

// The note under the bands: what they show, and where the exact test is.
inline constexpr const char* kBandsNoteText =
    "Die Streubänder zeigen nur grob, wie weit jede Zahl vom Mittel abweicht (mit einer etwas breiteren Streuung "
    "gerechnet); den genauen Test zeigt der Reiter \"Signifikanz\".";

// The draw statistics: how often each number 1 to 70 was drawn in a period and how long it has been
// missing, in a grid of 7 x 10 slots that can be ordered by number, by frequency or by absence. The
// value boxes carry the colours of the deviation classes explained by the legend below the grid. A
// second page, "Signifikanz", measures the same frequencies exactly: each number's deviation in
// binomial standard deviations and the χ² test of uniformity, with a sentence on what they mean.
class TFStatistik1 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FStatistik1";

    explicit TFStatistik1(AppContext& context);

    // The handlers, as the user's clicks run them.
    void Evaluate();
    void ShowChart();

    // The main window saved a draw: its date becomes the last entry of the "bis" list and the end of
    // the period.
    void AppendPeriodEnd(const QString& dateText);
    // The history was replaced: both lists show it whole and the counts follow.
    void ReloadDrawDates();

    // The frequencies of the last evaluation in number or frequency order, read by the chart.
    const NumberCounts& Frequencies() const { return m_stats.frequencies; }

    // The grid of 70 slots as it is shown, for copying and saving: a heading row, then slot, number,
    // value and (for frequencies) deviation class.
    QList<QStringList> ShownTexts() const;

    // Size of a slot's label and value box, and their gaps.
    static constexpr int kSlotWidth = 36;
    static constexpr int kSlotHeight = 18;

signals:
    // "Charts anzeigen": the chart window is to show Frequencies().
    void ChartRequested();

private:
    void CreateToolBar();
    void CreateMenu();
    QWidget* CreatePeriodGroup();
    QWidget* CreateViews();
    QWidget* CreateGrid();
    QGroupBox* CreateLegend();
    QWidget* CreateSignificancePage();
    void ShowSignificance(int first, int last, StatisticsOrder order);
    QPoint SlotPlace(int slot) const;
    void Count(int first, int last);
    void PeriodFromLists();
    void Arrange(StatisticsOrder order, int first, int last);
    void ShowValue(int n, int slot, int value, bool classColours);

    AppContext& m_context;
    QToolBar* m_toolBar = nullptr;
    QComboBox* m_periodFrom = nullptr;      // Co1
    QComboBox* m_periodTo = nullptr;        // Co2
    QButtonGroup* m_order = nullptr;        // RG1
    QPushButton* m_evaluate = nullptr;      // BSort
    QPushButton* m_chart = nullptr;         // BCharts
    QLabel* m_periodSize = nullptr;         // Label1
    QFrame* m_gridPanel = nullptr;          // P1
    QLabel* m_orderName = nullptr;          // PTop1
    QLabel* m_expected = nullptr;           // Panel1
    QGroupBox* m_legend = nullptr;          // Gr3
    std::array<QLabel*, 70> m_slotLabels{}; // PNummer1..70
    std::array<QLabel*, 70> m_values{};     // PNummerWert1..70, by number
    std::array<QLabel*, 7> m_legendPanels{};
    QTabWidget* m_views = nullptr;            // TabAnsicht: the bands and the significance
    QLabel* m_sigmaLine = nullptr;            // LSigma
    QLabel* m_chiSquareLine = nullptr;        // LChiQuadrat
    QLabel* m_sigmaMeaning = nullptr;         // LBedeutungSigma
    QLabel* m_chiSquareMeaning = nullptr;     // LBedeutungChiQuadrat
    QTableView* m_significanceGrid = nullptr; // GSignifikanz
    QStandardItemModel* m_significanceModel = nullptr;

    int m_start = -1;
    int m_end = -1;
    DrawStatistics m_stats;
    // What the slots show: the number and the value of slot s at s-1.
    std::array<int, 70> m_shownNumbers{};
    std::array<int, 70> m_shownValues{};
    bool m_shownAbsence = false;
};

} // namespace qv

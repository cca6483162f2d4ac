#include "ui/widgets/NumberChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QPointer>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

class NumberChartView final : public qv::NumberChart {
public:
    explicit NumberChartView(QWidget* parent) {
        auto* chart = new QChart;
        chart->setObjectName(QStringLiteral("Chart1"));
        chart->legend()->hide();
        chart->setTitle(QString());
        chart->setBackgroundRoundness(0);
        chart->setMargins(QMargins(6, 6, 6, 6));

        // A stacked pair of sets draws each bar from 1: an invisible base of height 1 under the bar
        // (from 0 to 1 under a bar of 0, which then reaches down from 1 to 0).
        m_series = new QStackedBarSeries;
        m_series->setObjectName(QStringLiteral("Series1"));
        m_series->setBarWidth(0.8);
        m_base = new QBarSet(QString());
        m_base->setColor(Qt::transparent);
        m_base->setBorderColor(Qt::transparent);
        m_bars = new QBarSet(QString());
        m_series->append(m_base);
        m_series->append(m_bars);
        chart->addSeries(m_series);

        m_x = new QBarCategoryAxis;
        m_y = new QValueAxis;
        chart->addAxis(m_x, Qt::AlignBottom);
        chart->addAxis(m_y, Qt::AlignLeft);
        m_series->attachAxis(m_x);
        m_series->attachAxis(m_y);
        // The bars stand on categories, which label every number; a value axis beside them shows
        // 1 to n with a tick at each number and a label at every tenth, each tick under its bar's middle.
        m_x->setVisible(false);
        m_numbers = new QValueAxis;
        m_numbers->setObjectName(QStringLiteral("AchseZahlen"));
        m_numbers->setTickType(QValueAxis::TicksDynamic);
        m_numbers->setTickAnchor(10);
        m_numbers->setTickInterval(10);
        m_numbers->setMinorTickCount(9);
        m_numbers->setLabelFormat(QStringLiteral("%d"));
        m_numbers->setGridLineVisible(false);
        m_numbers->setMinorGridLineVisible(false);
        m_numbers->setRange(0.5, 70.5);
        chart->addAxis(m_numbers, Qt::AlignBottom);
        m_y->setObjectName(QStringLiteral("AchseWerte"));
        m_y->setLabelFormat(QStringLiteral("%d"));
        m_y->setRange(0, 1);

        m_view = new QChartView(chart, parent);
        m_view->setRenderHint(QPainter::Antialiasing);
    }

    QWidget* Widget() override { return m_view; }

    void SetBarColour(const QColor& colour) override {
        if (m_view) {
            m_bars->setColor(colour);
            m_bars->setBorderColor(colour.darker(130));
        }
    }

    void SetAxisTitles(const QString& numbers, const QString& values) override {
        if (m_view) {
            m_numbers->setTitleText(numbers);
            m_y->setTitleText(values);
        }
    }

    void SetValues(const std::vector<double>& values) override {
        if (!m_view) {
            return;
        }
        m_numbers->setRange(0.5, static_cast<double>(values.size()) + 0.5);
        if (m_x->count() != static_cast<int>(values.size())) {
            QStringList numbers;
            for (std::size_t n = 1; n <= values.size(); ++n) {
                numbers << QString::number(n);
            }
            m_x->setCategories(numbers);
        }
        m_base->remove(0, m_base->count());
        m_bars->remove(0, m_bars->count());
        double highest = 1;
        for (const double value : values) {
            m_base->append(std::min(value, 1.0));
            m_bars->append(value >= 1 ? value - 1 : 1 - value);
            highest = std::max(highest, value);
        }
        m_y->setRange(0, highest * 1.05);
        m_y->applyNiceNumbers(); // whole steps on the value axis
    }

    void OnBarHovered(std::function<void(int index)> hovered) override {
        QObject::connect(
            m_series, &QStackedBarSeries::hovered, m_view,
            [hovered = std::move(hovered)](bool status, int index, QBarSet*) { hovered(status ? index : -1); });
    }

private:
    // The widget belongs to its parent and may go first; the chart's parts go with it.
    QPointer<QChartView> m_view;
    QStackedBarSeries* m_series = nullptr;
    QBarSet* m_base = nullptr; // invisible: lifts each bar to its origin at 1
    QBarSet* m_bars = nullptr;
    QBarCategoryAxis* m_x = nullptr;
    QValueAxis* m_numbers = nullptr; // the number axis the player reads
    QValueAxis* m_y = nullptr;
};

} // namespace

extern "C" Q_DECL_EXPORT qv::NumberChart* QvMakeNumberChart(QWidget* parent) {
    return new NumberChartView(parent);
}

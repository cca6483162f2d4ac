#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

namespace qv {

// A small line chart of running balances: one line per series over the same rows, a zero line, the
// highest and lowest balance on the left and the first and last date below, a legend on top. Every
// line has its own colour and dash pattern, so the lines are told apart without colour too.
class BalanceChart : public QWidget {
    Q_OBJECT

public:
    struct Series {
        QString name;
        std::vector<double> values; // one balance per row, oldest first
    };

    explicit BalanceChart(QWidget* parent = nullptr);

    // firstLabel and lastLabel stand under the ends of the axis of rows (dates).
    void SetSeries(std::vector<Series> series, const QString& firstLabel, const QString& lastLabel);
    void Clear();
    const std::vector<Series>& AllSeries() const { return m_series; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The pen colour of series i.
    static QColor ColourOf(int i);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Series> m_series;
    QString m_firstLabel;
    QString m_lastLabel;
};

} // namespace qv

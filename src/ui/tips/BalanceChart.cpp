#include "ui/tips/BalanceChart.h"

#include "text/Amounts.h"
#include "text/AppLocale.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace qv {
namespace {

constexpr std::array<Qt::PenStyle, 4> kStyles = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::SolidLine};

QString AxisText(double euros) {
    return FormatAmount(euros, 0, AppLocale()) + QStringLiteral(" €");
}

} // namespace

BalanceChart::BalanceChart(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("ChBilanz"));
    setAccessibleName(QStringLiteral("Verlauf der Bilanz"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

QColor BalanceChart::ColourOf(int i) {
    static const std::array<QColor, 4> colours = {QColor(0x1565c0), QColor(0xc62828), QColor(0x2e7d32),
                                                  QColor(0x424242)};
    return colours.at(static_cast<std::size_t>(i) % colours.size());
}

void BalanceChart::SetSeries(std::vector<Series> series, const QString& firstLabel, const QString& lastLabel) {
    m_series = std::move(series);
    m_firstLabel = firstLabel;
    m_lastLabel = lastLabel;
    update();
}

void BalanceChart::Clear() {
    SetSeries({}, {}, {});
}

QSize BalanceChart::sizeHint() const {
    return {640, 240};
}

QSize BalanceChart::minimumSizeHint() const {
    return {360, 180};
}

void BalanceChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int line = metrics.height();

    // The legend: a short stretch of each line and its name, side by side.
    int x = 8;
    const int legendY = 4 + line / 2;
    for (std::size_t i = 0; i < m_series.size(); ++i) {
        QPen pen(ColourOf(static_cast<int>(i)), 2, kStyles.at(i % kStyles.size()));
        painter.setPen(pen);
        painter.drawLine(x, legendY, x + 28, legendY);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(x + 34, 4 + metrics.ascent(), m_series[i].name);
        x += 34 + metrics.horizontalAdvance(m_series[i].name) + 18;
    }

    double low = 0;
    double high = 0;
    std::size_t rows = 0;
    for (const Series& series : m_series) {
        for (double value : series.values) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
        rows = std::max(rows, series.values.size());
    }
    if (rows == 0) {
        // Nothing computed yet: an empty frame.
        painter.setPen(QPen(palette().color(QPalette::Mid), 1));
        painter.drawRect(rect().adjusted(8, 2 * line + 4, -12, -2 * line));
        return;
    }
    if (high - low < 1) {
        high = low + 1;
    }
    const int left = std::max(metrics.horizontalAdvance(AxisText(high)), metrics.horizontalAdvance(AxisText(low))) + 12;
    const QRect plot(left, 2 * line + 4, std::max(10, width() - left - 12), std::max(10, height() - 4 * line));
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawRect(plot);
    const auto yOf = [&](double value) { return plot.bottom() - (value - low) / (high - low) * plot.height(); };

    painter.setPen(palette().color(QPalette::WindowText));
    const int textRight = left - 6;
    for (double value : {0.0, high, low}) {
        const double y = yOf(value);
        // The highest and lowest balance are left out where they would cover the zero.
        if (value != 0 && std::abs(y - yOf(0)) < line) {
            continue;
        }
        const QString text = AxisText(value);
        painter.drawText(textRight - metrics.horizontalAdvance(text), static_cast<int>(y) + metrics.ascent() / 2, text);
    }
    painter.drawText(plot.left(), plot.bottom() + 4 + metrics.ascent(), m_firstLabel);
    painter.drawText(plot.right() - metrics.horizontalAdvance(m_lastLabel), plot.bottom() + 4 + metrics.ascent(),
                     m_lastLabel);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::SolidLine));
    painter.drawLine(QPointF(plot.left(), yOf(0)), QPointF(plot.right(), yOf(0)));

    // At most two points per pixel column: a long history is thinned, not crowded.
    const double columns = std::max(1, plot.width());
    for (std::size_t i = 0; i < m_series.size(); ++i) {
        const std::vector<double>& values = m_series[i].values;
        if (values.empty()) {
            continue;
        }
        const std::size_t step = std::max<std::size_t>(1, values.size() / static_cast<std::size_t>(2 * columns));
        const auto xOf = [&](std::size_t r) {
            return plot.left() + (rows > 1 ? static_cast<double>(r) / static_cast<double>(rows - 1) : 0.5) * columns;
        };
        QPainterPath path(QPointF(xOf(0), yOf(values.front())));
        for (std::size_t r = step; r < values.size(); r += step) {
            path.lineTo(xOf(r), yOf(values[r]));
        }
        path.lineTo(xOf(values.size() - 1), yOf(values.back()));
        painter.setPen(
            QPen(ColourOf(static_cast<int>(i)), i + 1 == m_series.size() ? 2.0 : 1.5, kStyles.at(i % kStyles.size())));
        painter.drawPath(path);
    }
}

} // namespace qv

#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace qv {

// A bar chart of the numbers 1 to n: one bar per number, each rising from 1, so that a value of 0
// shows as a short bar down to 0 instead of no bar at all. The chart library is only needed when the
// player opens a chart, so it lives in a module of its own (qv_chart) that is loaded then, never at
// start. The interface is plain C++ so that the module needs nothing of the program but this header.
class NumberChart {
public:
    virtual ~NumberChart() = default;

    // The chart's widget, owned by the parent it was made for.
    virtual QWidget* Widget() = 0;
    virtual void SetBarColour(const QColor& colour) = 0;
    // The captions of the number axis (below, 1 to n with every tenth labelled) and the value axis.
    virtual void SetAxisTitles(const QString& numbers, const QString& values) = 0;
    // Replaces the bars: values[i] is the bar of number i+1.
    virtual void SetValues(const std::vector<double>& values) = 0;
    // hovered hears the index of the bar the mouse enters, and -1 when it leaves a bar.
    virtual void OnBarHovered(std::function<void(int index)> hovered) = 0;
};

// Makes a chart as a child of parent, loading the chart module the first time; nothing when the module
// cannot be loaded.
std::unique_ptr<NumberChart> MakeNumberChart(QWidget* parent);

// Where the chart module was looked for, and why it could not be loaded (empty once it is loaded).
QString NumberChartLoadError();

} // namespace qv

// The chart module exports one function, extern "C" qv::NumberChart* QvMakeNumberChart(QWidget* parent):
// it makes a chart as a child of parent; the caller owns what it returns.

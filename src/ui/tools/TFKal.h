#pragma once

#include <QDate>
#include <QWidget>

class QLabel;
class QTableWidget;

namespace qv {

struct AppContext;

// The calendar: a month calendar, opened on the day the program started. Its grid names its columns by
// the weekdays and its rows by the calendar weeks; the buttons beside the month page back and forth.
class TFKal : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormName = "FKal";

    explicit TFKal(AppContext& context);

    // The month shown (its first day) and the day in focus: the program's day, until the player moves.
    QDate ShownMonth() const { return m_month; }
    // Shows the month that holds day, with day in focus.
    void ShowMonth(QDate day);

private:
    QDate DayAt(int row, int column) const;

    QDate m_today;
    QDate m_month;
    QLabel* m_title = nullptr;
    QTableWidget* m_days = nullptr;
};

} // namespace qv

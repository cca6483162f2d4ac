#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

namespace qv {

class ElapsedClock final : public Clock {
public:
    ElapsedClock() { m_timer.start(); }

    std::int64_t TickCount() override { return m_timer.elapsed(); }
    QDate Today() override { return QDate::currentDate(); }

private:
    QElapsedTimer m_timer;
};

} // namespace qv

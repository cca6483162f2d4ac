#pragma once

#include "platform/Clock.h"

namespace qv {

// A clock that moves only when told, or by step on every reading; its day is today unless set.
class FakeClock final : public Clock {
public:
    std::int64_t TickCount() override {
        const std::int64_t now = ticks;
        ticks += step;
        return now;
    }
    QDate Today() override { return today; }

    std::int64_t ticks = 0;
    std::int64_t step = 0;
    QDate today = QDate(2023, 11, 9);
};

} // namespace qv

#pragma once

#include "platform/Clock.h"

namespace qv {

// A clock that moves only when told, or by step on every reading.
class FakeClock final : public Clock {
public:
    std::int64_t TickCount() override {
        const std::int64_t now = ticks;
        ticks += step;
        return now;
    }

    std::int64_t ticks = 0;
    std::int64_t step = 0;
};

} // namespace qv

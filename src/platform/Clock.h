#pragma once

#include <QDate>

#include <cstdint>

namespace qv {

class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since some fixed moment; only differences mean anything.
    virtual std::int64_t TickCount() = 0;
    // Today's date on this computer.
    virtual QDate Today() = 0;
};

} // namespace qv

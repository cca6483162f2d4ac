#pragma once

#include <cstdint>

namespace qv {

class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since some fixed moment; only differences mean anything.
    virtual std::int64_t TickCount() = 0;
};

} // namespace qv

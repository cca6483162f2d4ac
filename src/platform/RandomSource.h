#pragma once

#include <cstdint>

namespace qv {

// A seedable uniform random source.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Seeds from the time, so that every run draws differently.
    virtual void Randomize() = 0;
    virtual void Seed(std::uint64_t seed) = 0;
    // A whole number 0 <= r < n; n must be positive.
    virtual int Below(int n) = 0;
    // A number 0 <= r < 1.
    virtual double Uniform() = 0;
};

} // namespace qv

#pragma once

#include "platform/RandomSource.h"

#include <random>

namespace qv {

class MersenneRandom final : public RandomSource {
public:
    void Randomize() override;
    void Seed(std::uint64_t seed) override { m_engine.seed(seed); }
    int Below(int n) override;
    double Uniform() override;

private:
    std::mt19937_64 m_engine;
};

} // namespace qv

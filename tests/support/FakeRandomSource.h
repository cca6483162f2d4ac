#pragma once

#include "platform/MersenneRandom.h"

#include <deque>

namespace qv {

// Gives scripted numbers first, then those of a fixed-seed generator; Randomize does not reseed.
class FakeRandomSource final : public RandomSource {
public:
    FakeRandomSource() { m_generator.Seed(1); }

    void Randomize() override { ++randomizeCalls; }
    void Seed(std::uint64_t seed) override { m_generator.Seed(seed); }
    int Below(int n) override {
        if (!scripted.empty()) {
            const int value = scripted.front();
            scripted.pop_front();
            return value % n;
        }
        return m_generator.Below(n);
    }
    double Uniform() override { return m_generator.Uniform(); }

    std::deque<int> scripted;
    int randomizeCalls = 0;

private:
    MersenneRandom m_generator;
};

} // namespace qv

#include "platform/MersenneRandom.h"

#include <chrono>

namespace qv {

void MersenneRandom::Randomize() {
    std::random_device device;
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    m_engine.seed(now ^ (static_cast<std::uint64_t>(device()) << 32U));
}

int MersenneRandom::Below(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

double MersenneRandom::Uniform() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

} // namespace qv

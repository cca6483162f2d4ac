#include "engine/analysis/BlockCounter.h"

namespace qv {

BlockCounter::BlockCounter(int k, std::span<const NumberSet> draws)
    : m_k(k)
    , m_prefix(k >= 4 ? k - 3 : 0)
    , m_total(static_cast<std::int32_t>(CombinationsOf70(k))) {
    for (int j = 0; j < k; ++j) {
        for (int a = 0; a <= kNumbersInGame; ++a) {
            m_r[j][a] = static_cast<std::int32_t>(SmallBinomial(kNumbersInGame - a, k - j));
        }
    }
    m_draws.resize(draws.size());
    for (std::size_t d = 0; d < draws.size(); ++d) {
        DrawNumbers& dn = m_draws[d];
        draws[d].ForEach([&dn](int n) {
            if (n >= 1 && n <= kNumbersInGame) {
                dn.position[n] = static_cast<std::uint8_t>(dn.count);
                dn.num[dn.count++] = static_cast<std::uint8_t>(n);
                (n < 64 ? dn.low : dn.high) |= std::uint64_t{1} << (n & 63);
            }
        });
        for (int j = 0; j < k; ++j) {
            for (int i = 0; i < dn.count; ++i) {
                dn.r[j][i] = m_r[j][dn.num[i]];
            }
        }
    }
    MakeBlocks();
}

BlockCounter::Cursor::Cursor(const BlockCounter& counter)
    : m_counter(counter) {
    const std::size_t n = counter.m_draws.size();
    m_all.reserve(n);
    m_first.reserve(n);
    m_second.reserve(n);
    for (std::uint32_t d = 0; d < n; ++d) {
        m_all.push_back({d, -1});
    }
}

void BlockCounter::Cursor::Count(const Block& block, std::uint32_t* counts) {
    if (block.a1 == 0) {
        m_counter.CountBlock(m_all, block, counts);
        return;
    }
    if (block.a1 != m_a1) {
        m_counter.Filter(m_all, block.a1, m_first);
        m_a1 = block.a1;
    }
    if (block.a2 == 0) {
        m_counter.CountBlock(m_first, block, counts);
        return;
    }
    m_counter.Filter(m_first, block.a2, m_second);
    m_counter.CountBlock(m_second, block, counts);
}

void BlockCounter::MakeBlocks() {
    const int q = m_k - m_prefix;
    const auto add = [this, q](int a1, int a2, int last, std::int32_t prefixR) {
        // The block starts with the prefix followed by last+1, last+2, ...
        std::int32_t startR = prefixR;
        for (int j = 0; j < q; ++j) {
            startR += m_r[m_prefix + j][last + 1 + j];
        }
        m_blocks.push_back({static_cast<std::uint8_t>(a1), static_cast<std::uint8_t>(a2), prefixR,
                            static_cast<std::uint32_t>(m_total - 1 - startR),
                            static_cast<std::uint32_t>(SmallBinomial(kNumbersInGame - last, q))});
    };
    if (m_prefix == 0) {
        add(0, 0, 0, 0);
        return;
    }
    for (int a1 = 1; a1 <= kNumbersInGame - m_k + 1; ++a1) {
        if (m_prefix == 1) {
            add(a1, 0, a1, m_r[0][a1]);
            continue;
        }
        for (int a2 = a1 + 1; a2 <= kNumbersInGame - q; ++a2) {
            add(a1, a2, a2, m_r[0][a1] + m_r[1][a2]);
        }
    }
}

void BlockCounter::Filter(const std::vector<Candidate>& from, int n, std::vector<Candidate>& to) const {
    to.clear();
    for (const Candidate& c : from) {
        const DrawNumbers& dn = m_draws[c.draw];
        if (dn.Has(n)) {
            to.push_back({c.draw, dn.PositionOf(n)});
        }
    }
}

void BlockCounter::CountBlock(const std::vector<Candidate>& candidates, const Block& block,
                              std::uint32_t* counts) const {
    const int q = m_k - m_prefix;
    // local index = rank - start = startR - prefixR - (R values of the numbers after the prefix)
    const std::int32_t base = m_total - 1 - static_cast<std::int32_t>(block.start) - block.prefixR;
    const int l0 = m_prefix;
    for (const Candidate& c : candidates) {
        const DrawNumbers& dn = m_draws[c.draw];
        const int m = dn.count;
        const std::int32_t* r0 = dn.r[l0].data();
        const std::int32_t* r1 = dn.r[l0 + 1].data();
        if (q == 2) {
            for (int i = c.pos + 1; i < m - 1; ++i) {
                const std::int32_t bi = base - r0[i];
                for (int j = i + 1; j < m; ++j) {
                    ++counts[bi - r1[j]];
                }
            }
        } else {
            const std::int32_t* r2 = dn.r[l0 + 2].data();
            for (int i = c.pos + 1; i < m - 2; ++i) {
                const std::int32_t bi = base - r0[i];
                for (int j = i + 1; j < m - 1; ++j) {
                    const std::int32_t bj = bi - r1[j];
                    for (int l = j + 1; l < m; ++l) {
                        ++counts[bj - r2[l]];
                    }
                }
            }
        }
    }
}

} // namespace qv

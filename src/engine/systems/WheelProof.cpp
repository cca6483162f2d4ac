#include "engine/systems/WheelProof.h"

#include <algorithm>
#include <bit>
#include <map>

namespace qv {
namespace {

struct Group {
    RowMask members = 0;     // pool positions of this group
    int size = 0;            // their count
    std::vector<int> rowsIn; // the rows that hold them
};

class CounterExampleSearch {
public:
    CounterExampleSearch(std::vector<Group> groups, int rowCount, int ifDrawn, int hits,
                         const std::atomic<bool>* cancel)
        : m_groups(std::move(groups))
        , m_rowHits(static_cast<std::size_t>(rowCount), 0)
        , m_need(ifDrawn)
        , m_hits(hits)
        , m_cancel(cancel) {
        m_taken.assign(m_groups.size(), 0);
        m_capacityFrom.assign(m_groups.size() + 1, 0);
        for (std::size_t g = m_groups.size(); g-- > 0;) {
            m_capacityFrom[g] = m_capacityFrom[g + 1] + m_groups[g].size;
        }
    }

    WheelProof Run() {
        WheelProof proof;
        const bool found = Search(0, 0);
        if (m_cancelled) {
            proof.cancelled = true;
            return proof;
        }
        proof.holds = !found;
        if (found) {
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                RowMask members = m_groups[g].members;
                for (int c = 0; c < m_taken[g]; ++c) {
                    proof.uncovered |= members & (~members + 1);
                    members &= members - 1;
                }
            }
        }
        return proof;
    }

private:
    // Takes 0 to the allowed count of group g's members (most first: a counter-example is found sooner);
    // true once chosen numbers reach the count needed with every row below hits.
    bool Search(std::size_t g, int chosen) {
        if (chosen >= m_need) {
            return true;
        }
        if (g == m_groups.size() || chosen + m_capacityFrom[g] < m_need) {
            return false;
        }
        if ((++m_nodes & 0xFFFU) == 0 && m_cancel != nullptr && m_cancel->load(std::memory_order_relaxed)) {
            m_cancelled = true;
        }
        if (m_cancelled) {
            return false;
        }
        const Group& group = m_groups[g];
        int most = std::min(group.size, m_need - chosen);
        for (int r : group.rowsIn) {
            most = std::min(most, m_hits - 1 - m_rowHits[static_cast<std::size_t>(r)]);
        }
        for (int c = most; c >= 0; --c) {
            for (int r : group.rowsIn) {
                m_rowHits[static_cast<std::size_t>(r)] += c;
            }
            m_taken[g] = c;
            const bool found = Search(g + 1, chosen + c);
            for (int r : group.rowsIn) {
                m_rowHits[static_cast<std::size_t>(r)] -= c;
            }
            if (found) {
                return true;
            }
            if (m_cancelled) {
                return false;
            }
        }
        m_taken[g] = 0;
        return false;
    }

    std::vector<Group> m_groups;
    std::vector<int> m_capacityFrom; // members of groups g and after
    std::vector<int> m_rowHits;
    std::vector<int> m_taken;
    int m_need;
    int m_hits;
    const std::atomic<bool>* m_cancel;
    std::uint64_t m_nodes = 0;
    bool m_cancelled = false;
};

} // namespace

WheelProof ProveWheel(const std::vector<RowMask>& rows, int poolSize, int ifDrawn, int hits,
                      const std::atomic<bool>* cancel) {
    // Group the positions by the set of rows that hold them.
    std::map<std::vector<int>, Group> byRows;
    for (int i = 0; i < poolSize; ++i) {
        std::vector<int> rowsIn;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if ((rows[r] >> static_cast<unsigned>(i) & 1U) != 0) {
                rowsIn.push_back(static_cast<int>(r));
            }
        }
        Group& group = byRows[rowsIn];
        group.members |= RowMask{1} << static_cast<unsigned>(i);
        ++group.size;
        group.rowsIn = std::move(rowsIn);
    }
    std::vector<Group> groups;
    groups.reserve(byRows.size());
    for (auto& entry : byRows) {
        groups.push_back(std::move(entry.second));
    }
    // Groups in few rows first: they are the freest, so counter-examples are found early.
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Group& a, const Group& b) { return a.rowsIn.size() < b.rowsIn.size(); });
    if (hits <= 0) {
        return WheelProof{true, false, 0};
    }
    return CounterExampleSearch(std::move(groups), static_cast<int>(rows.size()), ifDrawn, hits, cancel).Run();
}

} // namespace qv

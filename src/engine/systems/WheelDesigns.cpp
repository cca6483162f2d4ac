#include "engine/systems/WheelDesigns.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <deque>
#include <functional>
#include <unordered_set>
#include <utility>

namespace qv {
namespace {

RowMask Bit(int position) {
    return RowMask{1} << static_cast<unsigned>(position);
}

// The finite field of q = p^m elements. Element e stands for the polynomial whose coefficients are the
// base-p digits of e; products are reduced by the first primitive polynomial of degree m (x generates
// every non-zero element), so that every non-zero element is a power of x.
class Field {
public:
    Field(int p, int m)
        : m_p(p)
        , m_m(m) {
        m_q = 1;
        for (int i = 0; i < m; ++i) {
            m_q *= p;
        }
        m_add.resize(Index(m_q, 0));
        for (int a = 0; a < m_q; ++a) {
            for (int b = 0; b < m_q; ++b) {
                int sum = 0;
                for (int i = 0, place = 1; i < m; ++i, place *= p) {
                    sum += ((a / place + b / place) % p) * place;
                }
                m_add[Index(a, b)] = sum;
            }
        }
        for (int c = 0; c < m_q && m_power.empty(); ++c) {
            TryPrimitive(c);
        }
        m_log.assign(static_cast<std::size_t>(m_q), 0);
        for (int i = 0; i < m_q - 1; ++i) {
            m_log[static_cast<std::size_t>(m_power[static_cast<std::size_t>(i)])] = i;
        }
    }

    int Size() const { return m_q; }
    int Add(int a, int b) const { return m_add[Index(a, b)]; }
    int Mul(int a, int b) const {
        if (a == 0 || b == 0) {
            return 0;
        }
        return Power((Log(a) + Log(b)) % (m_q - 1));
    }
    int Inverse(int a) const { return Power((m_q - 1 - Log(a)) % (m_q - 1)); }
    // x to the power i: every non-zero element is one of them.
    int Power(int i) const { return m_power[static_cast<std::size_t>(i)]; }

private:
    // The place of the sum of a and b in the table of sums.
    std::size_t Index(int a, int b) const {
        return static_cast<std::size_t>(a) * static_cast<std::size_t>(m_q) + static_cast<std::size_t>(b);
    }

    int Log(int a) const { return m_log[static_cast<std::size_t>(a)]; }

    // x times e, where x^m = -(c_0 + c_1 x + ... + c_{m-1} x^{m-1}) and c_i is digit i of c.
    int TimesX(int e, int c) const {
        int top = e;
        for (int i = 1; i < m_m; ++i) {
            top /= m_p;
        }
        top %= m_p;
        int result = 0;
        for (int i = 0, place = 1; i < m_m; ++i, place *= m_p) {
            const int shifted = i == 0 ? 0 : (e / (place / m_p)) % m_p;
            const int reduce = top * (m_p - (c / place) % m_p);
            result += ((shifted + reduce) % m_p) * place;
        }
        return result;
    }

    // Keeps the powers of x when the polynomial of c is primitive.
    void TryPrimitive(int c) {
        std::vector<int> power;
        std::vector<bool> seen(static_cast<std::size_t>(m_q), false);
        int e = 1;
        for (int i = 0; i < m_q - 1; ++i) {
            if (e == 0 || seen[static_cast<std::size_t>(e)]) {
                return;
            }
            seen[static_cast<std::size_t>(e)] = true;
            power.push_back(e);
            e = TimesX(e, c);
        }
        if (e == 1) {
            m_power = std::move(power);
        }
    }

    int m_p;
    int m_m;
    int m_q = 1;
    std::vector<int> m_add;
    std::vector<int> m_power;
    std::vector<int> m_log;
};

// The projective plane of order q = p^m: the points and lines of the plane over the field of q
// elements, q^2 + q + 1 of each, q + 1 points on every line, every two points on one line.
WheelDesign ProjectivePlane(int p, int m) {
    const Field field(p, m);
    const int q = field.Size();
    // Each point once, as the triple whose first non-zero coordinate is 1.
    std::vector<std::array<int, 3>> points;
    for (int y = 0; y < q; ++y) {
        for (int z = 0; z < q; ++z) {
            points.push_back({1, y, z});
        }
    }
    for (int z = 0; z < q; ++z) {
        points.push_back({0, 1, z});
    }
    points.push_back({0, 0, 1});
    WheelDesign design{static_cast<int>(points.size()), q + 1, 2, {}};
    for (const std::array<int, 3>& line : points) {
        RowMask row = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const std::array<int, 3>& point = points[i];
            const int dot = field.Add(field.Add(field.Mul(line[0], point[0]), field.Mul(line[1], point[1])),
                                      field.Mul(line[2], point[2]));
            if (dot == 0) {
                row |= Bit(static_cast<int>(i));
            }
        }
        design.rows.push_back(row);
    }
    return design;
}

// Every image of the first row under the maps, each map taking a point to a point.
std::vector<RowMask> Orbit(RowMask first, int points, const std::vector<std::function<int(int)>>& maps) {
    std::vector<RowMask> rows;
    std::unordered_set<RowMask> seen{first};
    std::deque<RowMask> open{first};
    while (!open.empty()) {
        const RowMask row = open.front();
        open.pop_front();
        rows.push_back(row);
        for (const std::function<int(int)>& map : maps) {
            RowMask image = 0;
            for (int point = 0; point < points; ++point) {
                if ((row & Bit(point)) != 0) {
                    image |= Bit(map(point));
                }
            }
            if (seen.insert(image).second) {
                open.push_back(image);
            }
        }
    }
    return rows;
}

// The inversive plane of order q = p^m: the points of the line over the field of q^2 elements and
// infinity, and as rows the images of the subfield's line (the subfield of q elements and infinity)
// under the maps z -> (az + b) / (cz + d); q^2 + 1 points, q + 1 on every row, every three points on
// one row. The maps are generated by the shifts z -> z + a, z -> xz and z -> 1/z.
WheelDesign InversivePlane(int p, int m) {
    const Field field(p, 2 * m);
    const int big = field.Size();
    const int infinity = big;
    int q = 1;
    for (int i = 0; i < m; ++i) {
        q *= p;
    }
    RowMask first = Bit(0) | Bit(infinity);
    for (int j = 0; j < q - 1; ++j) {
        first |= Bit(field.Power(j * (q + 1)));
    }
    std::vector<std::function<int(int)>> maps;
    for (int a = 1; a < big; ++a) {
        maps.emplace_back([&field, a, infinity](int z) { return z == infinity ? z : field.Add(z, a); });
    }
    maps.emplace_back([&field, infinity](int z) { return z == infinity ? z : field.Mul(z, field.Power(1)); });
    maps.emplace_back([&field, infinity](int z) {
        if (z == 0 || z == infinity) {
            return infinity - z;
        }
        return field.Inverse(z);
    });
    return {big + 1, q + 1, 3, Orbit(first, big + 1, maps)};
}

// The 759 rows of eight of the binary Golay code on 24 points: the code words of weight 8 of the
// cyclic code of length 23 with generator x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1, extended by a parity
// point. Every five points lie in one row.
WheelDesign BinaryGolay() {
    constexpr std::uint32_t kGenerator = 0xC75;
    WheelDesign design{24, 8, 5, {}};
    for (std::uint32_t message = 0; message < 4096; ++message) {
        std::uint32_t word = 0;
        for (unsigned i = 0; i < 12; ++i) {
            if ((message >> i & 1U) != 0) {
                word ^= kGenerator << i;
            }
        }
        if (std::popcount(word) % 2 != 0) {
            word |= 1U << 23U;
        }
        if (std::popcount(word) == 8) {
            design.rows.push_back(word);
        }
    }
    return design;
}

// The 132 rows of six of the ternary Golay code on 12 points: the supports of the code words of
// weight 6 of the cyclic code of length 11 over three digits with generator x^5 + x^4 - x^3 + x^2 - 1,
// extended by a digit that makes the sum 0. Every five points lie in one row.
WheelDesign TernaryGolay() {
    constexpr int kGenerator[6] = {2, 0, 1, 2, 1, 1}; // coefficients from x^0, modulo 3
    std::unordered_set<RowMask> supports;
    for (int message = 0; message < 729; ++message) {
        int word[12] = {};
        for (int i = 0, rest = message; i < 6; ++i, rest /= 3) {
            for (int j = 0; j < 6; ++j) {
                word[i + j] = (word[i + j] + (rest % 3) * kGenerator[j]) % 3;
            }
        }
        int sum = 0;
        for (int i = 0; i < 11; ++i) {
            sum += word[i];
        }
        word[11] = (3 - sum % 3) % 3;
        RowMask support = 0;
        for (int i = 0; i < 12; ++i) {
            if (word[i] != 0) {
                support |= Bit(i);
            }
        }
        if (std::popcount(support) == 6) {
            supports.insert(support);
        }
    }
    WheelDesign design{12, 6, 5, {supports.begin(), supports.end()}};
    std::sort(design.rows.begin(), design.rows.end());
    return design;
}

// The rows through the last point, without it.
WheelDesign Derived(const WheelDesign& design) {
    const RowMask last = Bit(design.points - 1);
    WheelDesign derived{design.points - 1, design.rowSize - 1, design.strength - 1, {}};
    for (RowMask row : design.rows) {
        if ((row & last) != 0) {
            derived.rows.push_back(row & ~last);
        }
    }
    return derived;
}

std::vector<WheelDesign> BuildDesigns() {
    std::vector<WheelDesign> designs;
    for (const auto& [p, m] : {std::pair{2, 1}, {3, 1}, {2, 2}, {5, 1}}) {
        designs.push_back(ProjectivePlane(p, m));
        designs.push_back(InversivePlane(p, m));
    }
    designs.push_back(BinaryGolay());
    designs.push_back(TernaryGolay());
    for (std::size_t i = 0; i < designs.size(); ++i) {
        if (designs[i].strength > 2) {
            designs.push_back(Derived(designs[i]));
        }
    }
    return designs;
}

} // namespace

const std::vector<WheelDesign>& KnownDesigns() {
    static const std::vector<WheelDesign> designs = BuildDesigns();
    return designs;
}

std::vector<RowMask> DesignCovering(int poolSize, int kenoType, int hits) {
    const RowMask pool = poolSize >= 32 ? ~RowMask{0} : Bit(poolSize) - 1U;
    std::vector<RowMask> fewest;
    for (const WheelDesign& design : KnownDesigns()) {
        if (design.points < poolSize || design.rowSize > kenoType || design.strength < hits) {
            continue;
        }
        std::vector<RowMask> rows;
        for (RowMask row : design.rows) {
            if (std::popcount(row & pool) >= hits) {
                rows.push_back(row & pool);
            }
        }
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        if (fewest.empty() || rows.size() < fewest.size()) {
            fewest = std::move(rows);
        }
    }
    return fewest;
}

} // namespace qv

#pragma once

#include "engine/core/NumberSet.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace qv::testing {

// A named period of draws for the comparisons of the fast methods with the literal ones.
struct History {
    std::string name;
    std::vector<NumberSet> draws;
};

// 20 different numbers drawn from the first `numbers` of 1 to 70 (a real draw when numbers = 70).
inline NumberSet RandomDraw(std::mt19937& random, int numbers = 70) {
    std::vector<int> all;
    for (int n = 1; n <= numbers; ++n) {
        all.push_back(n);
    }
    std::shuffle(all.begin(), all.end(), random);
    NumberSet draw;
    for (int i = 0; i < 20; ++i) {
        draw.Add(all[static_cast<std::size_t>(i)]);
    }
    return draw;
}

// The histories where ties and zero counts make the list rules matter: one draw, one draw repeated,
// draws of only 25 numbers (most combinations never occur, the rest very often), ordinary draws, a
// draw that holds a number twice (19 members) and an empty period.
inline std::vector<History> TieHeavyHistories() {
    std::mt19937 random(20240801);
    const NumberSet first = RandomDraw(random);
    std::vector<History> histories;
    histories.push_back({"one draw", {first}});
    histories.push_back({"same draw 40 times", std::vector<NumberSet>(40, first)});
    History narrow{"25 numbers, 30 draws", {}};
    for (int i = 0; i < 30; ++i) {
        narrow.draws.push_back(RandomDraw(random, 25));
    }
    histories.push_back(narrow);
    History ordinary{"60 random draws", {}};
    for (int i = 0; i < 60; ++i) {
        ordinary.draws.push_back(RandomDraw(random));
    }
    histories.push_back(ordinary);
    // A draw that holds one number twice has a set of 19 numbers.
    NumberSet short19 = first;
    int largest = 0;
    first.ForEach([&largest](int n) { largest = n; });
    short19.Remove(largest);
    histories.push_back({"19 numbers", {short19, first, short19}});
    histories.push_back({"no draws", {}});
    return histories;
}

} // namespace qv::testing

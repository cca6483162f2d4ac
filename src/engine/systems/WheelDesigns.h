#pragma once

#include "engine/systems/WheelRequest.h"

#include <vector>

namespace qv {

// Systems built by algebra instead of search. A design of strength t on v points has rows of one size
// such that every t of its points lie together in exactly one row; such a design is the smallest
// system there is for its pool, its row size and t hits out of t drawn. The designs known here fit a
// pool of at most 32: the projective planes of orders 2 to 5, the inversive planes of orders 2 to 5,
// the design of the binary Golay code on 24 points (rows of 8, strength 5) and the one of the ternary
// Golay code on 12 points (rows of 6, strength 5), and every design derived from them (the rows through
// one point, without it: one point, one row size and one strength less).
struct WheelDesign {
    int points = 0;
    int rowSize = 0;
    int strength = 0;
    std::vector<RowMask> rows;
};

const std::vector<WheelDesign>& KnownDesigns();

// The fewest rows of at most kenoType positions, taken from a known design, such that every hits
// positions below poolSize lie together in one of them (and so every ifDrawn >= hits positions meet a
// row in hits): a design of strength hits or more with rows of kenoType or fewer, on poolSize points
// or more (the rows' points from poolSize up left out, and rows left with fewer than hits points
// dropped). Empty when no known design fits. The rows may be shorter than kenoType; the caller fills
// them up.
std::vector<RowMask> DesignCovering(int poolSize, int kenoType, int hits);

} // namespace qv

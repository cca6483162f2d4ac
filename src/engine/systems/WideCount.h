#pragma once

namespace qv {

// Sums of draw weights times payouts: the 161,884,603,662,657,876 draws of 20 from 70 times a payout in
// half euros pass 2^64, so such sums are kept in 128 bits (a compiler extension of GCC and Clang).
__extension__ typedef unsigned __int128 WideCount;

} // namespace qv

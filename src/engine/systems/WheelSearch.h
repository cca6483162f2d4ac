#pragma once

#include "engine/systems/WheelRequest.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// How the search looks for a small system. With a step budget the result depends on the seed alone
// (each thread takes that many steps); with a time budget it depends on the machine too. With neither,
// it runs for two seconds.
struct WheelSearchOptions {
    std::uint64_t seed = 1;
    std::uint64_t steps = 0; // per thread; 0 = no step budget
    double seconds = 0;      // 0 = no time budget
    int threads = 1;         // 1 or 2: each thread searches on its own, the smaller system wins
    // The yardstick of the benchmark: plain annealing from the greedy system over swaps of one number
    // in a random row, instead of the program's known designs and its moves aimed at a set the system
    // misses.
    bool plainAnnealing = false;
    // The time budget and the time to the best system counted in processor time of the whole process
    // (std::clock) instead of on the wall clock: the benchmark's time on one core of a shared machine.
    bool processorTime = false;
    // Ends the search once a system has this many rows (the benchmark's best known size); 0 = the
    // lower bound only.
    int targetSize = 0;
};

struct WheelProgress {
    int currentSize = 0; // rows of the system being improved
    int bestSize = 0;    // rows of the smallest complete system so far (0 = none yet)
    int bound = 0;       // no system has fewer rows
    std::uint64_t steps = 0;
};

struct WheelSearchResult {
    std::vector<RowMask> rows; // the smallest complete system found, each row ascending in the pool
    bool cancelled = false;
    std::uint64_t steps = 0;  // steps taken, all threads
    int searchedIfDrawn = 0;  // the p the search covered (a smaller one when the request's has too many sets)
    double secondsToBest = 0; // from the start until the returned system was found
};

// The most p-sets the search keeps a count for (each takes 12 bytes per thread).
inline constexpr std::uint64_t kMaxSearchSets = 1'000'000;

// Why no system can be searched for this request, or nothing. The request must be valid
// (RequestProblem); a search needs some p from hits to ifDrawn whose p-sets number at most kMaxSearchSets.
std::optional<std::string> SearchProblem(const WheelRequest& request);

// Starts from a known design where one fits the pool, the row size and the hits (WheelDesigns.h), else
// from a greedy system, then makes it smaller by simulated annealing over row changes: with r rows it
// moves rows until every p-set of the pool meets a row in hits numbers, keeps that system, drops the
// row whose loss uncovers least and goes on with r - 1 rows. It ends at the budget, at cancel or when
// the system reaches the lower bound; a step is one row of the greedy start or one move of the
// annealing, and no phase runs past the budget. A search that ends before any system was complete
// adds a row through each p-set still missed, without weighing rows and without steps. Every system
// it returns covers the searched p-sets (and so the request's, since a larger drawn set contains a
// smaller one); the caller proves it with ProveWheel all the same. progress (may be empty) is called
// from the search threads, at most a few times a second per thread. A cancelled search returns the
// best system found before.
WheelSearchResult FindWheel(const WheelRequest& request, const WheelSearchOptions& options,
                            const std::atomic<bool>* cancel = nullptr,
                            const std::function<void(const WheelProgress&)>& progress = {});

} // namespace qv

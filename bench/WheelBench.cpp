// The search for small systems on one core, case by case: the size it reaches in the time given, the
// best size known, the Schönheim bound (the counting bound where more numbers are drawn than hit), the
// time until it had its final size, and beside it a plain annealing over swaps of one number in a
// random row, given the same time. Every system is proven before it is counted. Budgets and times are
// processor time of the process (one search thread), so other work on the machine changes them little.
//
//   qv_wheel_bench [SECONDS_SMALL [SECONDS_LARGE [CASE]]]     (default 2 and 5; CASE: only the cases
//                                                             whose name contains it, e.g. "LD(")

#include "engine/systems/WheelBounds.h"
#include "engine/systems/WheelProof.h"
#include "engine/systems/WheelSearch.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Case {
    int n, k, p, t;
    int bestKnown; // 0 = none we can vouch for
    bool large;
};

// Known sizes, each the smallest there is: all but two meet the Schönheim bound, most as Steiner
// systems (each t-set in exactly one row: the affine and projective planes, the inversive planes of
// orders 3, 4 and 5, the systems of 22 and 23 points); C(10,5,4) = 51 lies one above its bound.
const std::vector<Case> kCases = {
    {9, 3, 2, 2, 12, false},  {10, 4, 3, 3, 30, false},  {10, 5, 4, 4, 51, false}, {11, 5, 4, 4, 66, false},
    {12, 4, 3, 3, 57, false}, {12, 6, 5, 5, 132, false}, {21, 5, 2, 2, 21, true},  {25, 5, 2, 2, 30, true},
    {17, 5, 3, 3, 68, true},  {22, 6, 3, 3, 77, true},   {26, 6, 3, 3, 130, true}, {23, 7, 4, 4, 253, true},
    {20, 6, 4, 4, 0, true},   {30, 10, 5, 5, 0, true},   {15, 6, 5, 3, 0, true},   {20, 7, 6, 4, 0, true},
    {24, 8, 6, 5, 0, true},   {30, 10, 7, 5, 0, true},
};

struct Run {
    std::size_t rows = 0;
    double seconds = 0;
    bool proven = false;
};

Run Search(const Case& c, double seconds, bool plain) {
    qv::WheelRequest request;
    for (int i = 1; i <= c.n; ++i) {
        request.pool.push_back(i);
    }
    request.kenoType = c.k;
    request.ifDrawn = c.p;
    request.hits = c.t;
    qv::WheelSearchOptions options;
    options.seconds = seconds;
    options.threads = 1;
    options.processorTime = true;
    options.seed = 1;
    options.plainAnnealing = plain;
    options.targetSize = c.bestKnown;
    const qv::WheelSearchResult result = qv::FindWheel(request, options);
    Run run;
    run.rows = result.rows.size();
    run.seconds = result.secondsToBest;
    run.proven = qv::ProveWheel(result.rows, c.n, c.p, c.t).holds;
    return run;
}

std::string Name(const Case& c) {
    return c.p == c.t ? "C(" + std::to_string(c.n) + "," + std::to_string(c.k) + "," + std::to_string(c.t) + ")"
                      : "LD(" + std::to_string(c.n) + "," + std::to_string(c.k) + "," + std::to_string(c.p) + "," +
                            std::to_string(c.t) + ")";
}

} // namespace

int main(int argc, char** argv) {
    const double small = argc > 1 ? std::atof(argv[1]) : 2.0;
    const double large = argc > 2 ? std::atof(argv[2]) : 5.0;
    const std::string only = argc > 3 ? argv[3] : "";
    std::printf(
        "| case | found | best known | lower bound | time to found size | budget | plain annealing, same budget |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    bool allProven = true;
    for (const Case& c : kCases) {
        if (Name(c).find(only) == std::string::npos) {
            continue;
        }
        const double budget = c.large ? large : small;
        const Run program = Search(c, budget, false);
        const Run plain = Search(c, budget, true);
        allProven = allProven && program.proven && plain.proven;
        const std::string known = c.bestKnown > 0 ? std::to_string(c.bestKnown) : "–";
        std::printf("| %s | %zu | %s | %llu | %.2f s | %.0f s | %zu |\n", Name(c).c_str(), program.rows, known.c_str(),
                    static_cast<unsigned long long>(qv::WheelLowerBound(c.n, c.k, c.p, c.t)), program.seconds, budget,
                    plain.rows);
        std::fflush(stdout);
    }
    if (!allProven) {
        std::printf("A system failed its proof.\n");
        return 1;
    }
    return 0;
}

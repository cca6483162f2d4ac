// The draw history file: any bytes are read, shown and written back without loss, and only the records
// that hold a draw of the game (20 different numbers from 1 to 70) are counted.
#include "FuzzSupport.h"

#include "engine/analysis/DrawStatistics.h"
#include "engine/core/Dates.h"
#include "engine/core/DrawStore.h"
#include "engine/core/DrawValidity.h"
#include "engine/core/FileError.h"
#include "engine/core/ProgramState.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const std::span<const std::uint8_t> bytes(data, size);
    const std::vector<TGewZahlen> draws = DrawsFromBytes(bytes);
    fuzz::Check(draws.size() == size / TGewZahlen::kSize);
    for (const TGewZahlen& draw : draws) {
        // What the date lists show: a calendar day or the stored value as it is.
        const CivilDate civil = ToCivilDate(draw.datum);
        fuzz::Check(IsCalendarDay(draw.datum) ? IsValidCivilDate(civil) : OutOfCalendarText(draw.datum).size() > 0);
        (void)draw.IsComplete();
        (void)draw.Numbers().Count();
        // The history's validity rule, checked against a plain reading of it.
        bool seen[256] = {};
        bool valid = true;
        for (int p = 0; p < 20; ++p) {
            const std::uint8_t n = draw.GZ[static_cast<std::size_t>(p)];
            valid = valid && n >= 1 && n <= 70 && !seen[n];
            seen[n] = true;
        }
        fuzz::Check(IsValidDraw(draw) == valid);
    }
    // Whatever the records hold, the readers of the history count only valid draws.
    const int last = static_cast<int>(draws.size()) - 1;
    const int invalid = CountInvalidDraws(draws, 0, last);
    fuzz::Check(ValidDraws(draws).size() + static_cast<std::size_t>(invalid) == draws.size());
    const std::vector<NumberSet> countable = CountableDrawSets(draws, 0, last);
    fuzz::Check(countable.size() == draws.size());
    fuzz::Check(ValidDrawSets(countable).size() == ValidDraws(draws).size());
    if (!draws.empty()) {
        const DrawStatistics stats = ComputeStatistics(draws, 0, last);
        fuzz::Check(stats.drawCount + stats.invalidDraws == static_cast<int>(draws.size()));
        int picks = 0;
        for (const int count : stats.frequencies) {
            picks += count;
        }
        fuzz::Check(picks == 20 * stats.drawCount);
    }
    ProgramState state;
    state.DrawList = draws;
    BuildDerivedArrays(state);

    // Every whole record comes back byte for byte; a trailing part shorter than a record is dropped.
    const std::vector<std::uint8_t> written = DrawsToBytes(draws);
    fuzz::Check(written.size() == draws.size() * TGewZahlen::kSize);
    fuzz::Check(written.empty() || std::memcmp(written.data(), data, written.size()) == 0);

    // The file reader itself, on a real file.
    try {
        // Compared as bytes: a date that is not-a-number equals nothing, not even itself.
        fuzz::Check(DrawsToBytes(LoadDraws(fuzz::Scratch("Ziehungen.tpp", data, size))) == written);
    } catch (const FileError&) {
        fuzz::Check(size > kMaxDraws * TGewZahlen::kSize);
    }
    return 0;
}

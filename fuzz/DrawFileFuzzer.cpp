// The draw history file: any bytes are read, shown and written back without loss.
#include "FuzzSupport.h"

#include "engine/core/Dates.h"
#include "engine/core/DrawStore.h"
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

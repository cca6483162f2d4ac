// The draw history import: every line is either a draw, a reported problem, a reported heading or empty.
#include "FuzzSupport.h"

#include "engine/core/GameTables.h"
#include "engine/core/TextEncoding.h"
#include "engine/draws/DrawImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const std::string text = DecodeText(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::Check(IsValidUtf8(text));
    const DrawImport result = ParseDrawHistory(text);
    fuzz::Check(result.skipped.size() <= 1);
    for (const TGewZahlen& draw : result.draws) {
        fuzz::Check(draw.IsComplete());
        fuzz::Check(draw.Numbers().Count() == kNumbersPerDraw);
    }
    for (std::size_t i = 1; i < result.draws.size(); ++i) {
        fuzz::Check(result.problems.size() > 0 || result.draws[i].datum > result.draws[i - 1].datum);
    }
    return 0;
}

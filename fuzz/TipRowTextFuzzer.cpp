// A text file of tip rows loaded into the tip-row entry window's grid or the print window's list:
// decoded, then split into rows.
#include "FuzzSupport.h"

#include "engine/core/TextEncoding.h"
#include "engine/tips/TipRowText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const std::string text = DecodeTextFile(std::span<const std::uint8_t>(data, size));
    fuzz::Check(IsValidUtf8(text));
    const std::vector<std::string> lines = SplitLines(text);
    const std::vector<TipRowCells> rows = ParseTipRows(text);
    fuzz::Check(rows.size() <= lines.size() + 1);
    for (const TipRowCells& row : rows) {
        for (int c = 0; c < kFirstNumberColumn; ++c) {
            fuzz::Check(row[static_cast<std::size_t>(c)] == " ");
        }
        for (const std::string& cell : row) {
            fuzz::Check(IsValidUtf8(cell));
        }
    }
    return 0;
}

// A text file of tip rows loaded into the print window's list.
#include "FuzzSupport.h"

#include "engine/core/TextEncoding.h"
#include "engine/printing/TipRowText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const std::vector<TipRowCells> rows = ParseTipRowText(std::string_view(reinterpret_cast<const char*>(data), size));
    // One row per non-empty line at most: never more rows than line breaks plus one.
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < size; ++i) {
        breaks += (data[i] == '\n' || data[i] == '\r') ? 1 : 0;
    }
    fuzz::Check(rows.size() <= breaks + 1);
    for (const TipRowCells& row : rows) {
        for (const std::string& cell : row) {
            fuzz::Check(IsValidUtf8(cell));
        }
    }
    return 0;
}

// The column widths kept in the settings file: any text is read without harm into at most
// kMaxKeptColumns widths, each 0 or in range, and widths read write back as they were read.
#include "FuzzSupport.h"

#include "engine/core/ColumnWidths.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<int> widths = ParseColumnWidths(text);
    fuzz::Check(widths.size() <= static_cast<std::size_t>(kMaxKeptColumns));
    for (int width : widths) {
        fuzz::Check(width >= 0 && width <= kMaxColumnWidth);
    }
    fuzz::Check(ParseColumnWidths(FormatColumnWidths(widths)) == widths);
    return 0;
}

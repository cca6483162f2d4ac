// A text file of tip rows as every reader takes it (the tip-row entry window, the print window, the
// command-line tool): the size and row caps, decoded, split into rows, trailing rows without numbers
// dropped. An input starting with byte 1 is stretched to just below or above the size cap by
// repeating the rest, so that both caps are reached.
#include "FuzzSupport.h"

#include "engine/core/FileError.h"
#include "engine/core/TextEncoding.h"
#include "engine/tips/TipRowText.h"

#include <algorithm>

namespace {

std::size_t NonBlankLines(const std::string& text) {
    std::size_t count = 0;
    for (const std::string& line : qv::SplitLines(text)) {
        count += std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; });
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    std::vector<std::uint8_t> input(data, data + size);
    if (size > 2 && data[0] == 1) {
        const std::size_t target = kMaxTipRowFileBytes - 64 + data[1] % 128;
        input.clear();
        while (input.size() < target) {
            input.insert(input.end(), data + 2, data + size);
        }
        input.resize(target);
    }
    const std::string text = DecodeTextFile(input);
    fuzz::Check(IsValidUtf8(text));
    try {
        const std::vector<TipRowCells> read = TipRowsFromBytes(input, "fuzz.txt");
        fuzz::Check(input.size() <= kMaxTipRowFileBytes && read.size() <= kMaxTipRows);
        const std::vector<TipRowCells> rows = ParseTipRows(text);
        fuzz::Check(rows.size() <= SplitLines(text).size() + 1);
        fuzz::Check(read.size() <= rows.size() && std::equal(read.begin(), read.end(), rows.begin()));
        for (const TipRowCells& row : rows) {
            for (int c = 0; c < kFirstNumberColumn; ++c) {
                fuzz::Check(row[static_cast<std::size_t>(c)] == " ");
            }
            for (const std::string& cell : row) {
                fuzz::Check(IsValidUtf8(cell));
            }
        }
    } catch (const FileError&) {
        fuzz::Check(input.size() > kMaxTipRowFileBytes || NonBlankLines(text) > kMaxTipRows);
    }
    return 0;
}

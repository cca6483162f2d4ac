// A text file of tip rows as every reader takes it (the tip-row entry window, the print window, the
// command-line tool): the size and row caps, decoded, split into rows, trailing rows without numbers
// dropped. A marked input is stretched to just below or above the size cap by repeating the rest from
// its third byte on, so that both caps are reached; the second byte picks how close (64 below to 63
// above). The mark is byte 1 first and a hash of the input that ends in a zero byte: a megabyte takes
// up to a second a run, so only about one in 256 inputs that start with byte 1 is stretched, and the
// fuzzer's mutations of a stretched input mostly run at their own small size.
#include "FuzzSupport.h"

#include "engine/core/FileError.h"
#include "engine/core/TextEncoding.h"
#include "engine/tips/TipRowText.h"

#include <algorithm>

namespace {

// FNV-1a over the input's bytes.
std::uint32_t Hash(const std::uint8_t* data, std::size_t size) {
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 16777619u;
    }
    return hash;
}

bool Stretched(const std::uint8_t* data, std::size_t size) {
    return size > 2 && data[0] == 1 && Hash(data, size) % 256 == 0;
}

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
    if (Stretched(data, size)) {
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

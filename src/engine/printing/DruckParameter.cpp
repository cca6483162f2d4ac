#include "engine/printing/DruckParameter.h"

#include "engine/core/ByteOrder.h"
#include "engine/core/SafeFile.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace qv {
namespace {

constexpr std::size_t kFeldPosOffset = 32;
constexpr std::size_t kEinsatzPosOffset = 4512;
constexpr std::size_t kZiehungenPosOffset = 4560;
constexpr std::size_t kPointSize = 8;
constexpr std::uint8_t kScaleTag[4] = {'Q', 'V', 'S', 'K'};

std::int32_t Wrapped(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// value · scale / 1000, rounded half away from zero.
std::int64_t Scaled(std::int32_t value, std::int32_t scale) {
    const std::int64_t product = static_cast<std::int64_t>(value) * scale;
    const std::int64_t half = TDruckParameter::kNeutralScale / 2;
    return (product >= 0 ? product + half : product - half) / TDruckParameter::kNeutralScale;
}

void ReadScaleExtension(std::span<const std::uint8_t> bytes, TDruckParameter& set) {
    constexpr std::size_t at = TDruckParameter::kSize;
    if (bytes.size() < at + TDruckParameter::kScaleExtensionSize ||
        !std::equal(std::begin(kScaleTag), std::end(kScaleTag), bytes.begin() + at)) {
        return;
    }
    const std::int32_t x = ReadI32LE(bytes, at + 4);
    const std::int32_t y = ReadI32LE(bytes, at + 8);
    if (TDruckParameter::IsAllowedScale(x) && TDruckParameter::IsAllowedScale(y)) {
        set.scaleX = x;
        set.scaleY = y;
    }
}

PaperPoint ReadPoint(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return {ReadI32LE(bytes, offset), ReadI32LE(bytes, offset + 4)};
}

void WritePoint(std::span<std::uint8_t> bytes, std::size_t offset, PaperPoint point) {
    WriteI32LE(bytes, offset, point.x);
    WriteI32LE(bytes, offset + 4, point.y);
}

// Columns of a tip field on the slip and numbers per column.
constexpr int kColumns = 7;
constexpr int kRows = 10;

} // namespace

std::optional<TDruckParameter> DecodePrintParameters(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < TDruckParameter::kSize) {
        return std::nullopt;
    }
    TDruckParameter set;
    set.reserved0 = ReadI32LE(bytes, 0);
    set.abstandHori = ReadI32LE(bytes, 4);
    set.abstandVerti = ReadI32LE(bytes, 8);
    set.reserved12 = ReadI32LE(bytes, 12);
    set.reserved16 = ReadI32LE(bytes, 16);
    set.scheinNrX = ReadI32LE(bytes, 20);
    set.scheinNrY = ReadI32LE(bytes, 24);
    set.reserved28 = ReadI32LE(bytes, 28);
    std::size_t offset = kFeldPosOffset;
    for (auto& field : set.feldPos) {
        for (PaperPoint& point : field) {
            point = ReadPoint(bytes, offset);
            offset += kPointSize;
        }
    }
    for (std::size_t i = 0; i < set.einsatzPos.size(); ++i) {
        set.einsatzPos[i] = ReadPoint(bytes, kEinsatzPosOffset + i * kPointSize);
    }
    for (std::size_t i = 0; i < set.ziehungenPos.size(); ++i) {
        set.ziehungenPos[i] = ReadPoint(bytes, kZiehungenPosOffset + i * kPointSize);
    }
    ReadScaleExtension(bytes, set);
    return set;
}

std::vector<std::uint8_t> EncodePrintParameters(const TDruckParameter& set) {
    std::vector<std::uint8_t> bytes(TDruckParameter::kSize, 0);
    const std::span<std::uint8_t> out(bytes);
    WriteI32LE(out, 0, set.reserved0);
    WriteI32LE(out, 4, set.abstandHori);
    WriteI32LE(out, 8, set.abstandVerti);
    WriteI32LE(out, 12, set.reserved12);
    WriteI32LE(out, 16, set.reserved16);
    WriteI32LE(out, 20, set.scheinNrX);
    WriteI32LE(out, 24, set.scheinNrY);
    WriteI32LE(out, 28, set.reserved28);
    std::size_t offset = kFeldPosOffset;
    for (const auto& field : set.feldPos) {
        for (const PaperPoint& point : field) {
            WritePoint(out, offset, point);
            offset += kPointSize;
        }
    }
    for (std::size_t i = 0; i < set.einsatzPos.size(); ++i) {
        WritePoint(out, kEinsatzPosOffset + i * kPointSize, set.einsatzPos[i]);
    }
    for (std::size_t i = 0; i < set.ziehungenPos.size(); ++i) {
        WritePoint(out, kZiehungenPosOffset + i * kPointSize, set.ziehungenPos[i]);
    }
    if (set.scaleX != TDruckParameter::kNeutralScale || set.scaleY != TDruckParameter::kNeutralScale) {
        bytes.resize(TDruckParameter::kSize + TDruckParameter::kScaleExtensionSize);
        for (std::size_t i = 0; i < std::size(kScaleTag); ++i) {
            bytes[TDruckParameter::kSize + i] = kScaleTag[i];
        }
        WriteI32LE(std::span<std::uint8_t>(bytes), TDruckParameter::kSize + 4, set.scaleX);
        WriteI32LE(std::span<std::uint8_t>(bytes), TDruckParameter::kSize + 8, set.scaleY);
    }
    return bytes;
}

std::optional<TDruckParameter> ReadPrintParameterFile(const std::filesystem::path& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    auto set = DecodePrintParameters(*bytes);
    if (!set) {
        throw ParameterFileTooShort();
    }
    return set;
}

void WritePrintParameterFile(const std::filesystem::path& path, const TDruckParameter& set) {
    WriteFileSafely(path, EncodePrintParameters(set));
}

EditorValues EditorValuesOf(const TDruckParameter& set) {
    EditorValues values;
    values.abstandHori = set.abstandHori;
    values.abstandVerti = set.abstandVerti;
    for (int f = 1; f <= TDruckParameter::kFields; ++f) {
        values.firstNumbers[static_cast<std::size_t>(f - 1)] = set.Number(f, 1);
    }
    values.einsatzPos = set.einsatzPos;
    values.ziehungenPos = set.ziehungenPos;
    values.scheinNrX = set.scheinNrX;
    values.scheinNrY = set.scheinNrY;
    values.scaleX = set.scaleX;
    values.scaleY = set.scaleY;
    return values;
}

TDruckParameter WithEditorValues(const TDruckParameter& set, const EditorValues& values) {
    TDruckParameter result = set;
    result.abstandHori = values.abstandHori;
    result.abstandVerti = values.abstandVerti;
    // Integer division in C++ truncates towards zero, as the slip's grid wants: 605 / 6 = 100 and
    // -605 / 6 = -100. Products and sums are taken in 64 bits and wrap into the 32-bit field as the
    // file would hold them, so no value typed into the editor can overflow.
    const std::int64_t stepX = values.abstandHori / (kColumns - 1);
    const std::int64_t stepY = values.abstandVerti / (kRows - 1);
    for (std::size_t f = 0; f < result.feldPos.size(); ++f) {
        const PaperPoint first = values.firstNumbers[f];
        for (int c = 0; c < kColumns; ++c) {
            for (int r = 1; r <= kRows; ++r) {
                PaperPoint& point = result.feldPos[f][static_cast<std::size_t>(kRows * c + r - 1)];
                point.x = static_cast<std::int32_t>(static_cast<std::uint32_t>(first.x + c * stepX));
                point.y = static_cast<std::int32_t>(static_cast<std::uint32_t>(first.y + (r - 1) * stepY));
            }
        }
    }
    result.einsatzPos = values.einsatzPos;
    result.ziehungenPos = values.ziehungenPos;
    result.scheinNrX = values.scheinNrX;
    result.scheinNrY = values.scheinNrY;
    result.scaleX = values.scaleX;
    result.scaleY = values.scaleY;
    return result;
}

PaperPoint PlaceMark(const TDruckParameter& set, PaperPoint at, int hori, int vert) {
    return {Wrapped(Scaled(at.x, set.scaleX) + hori), Wrapped(Scaled(at.y, set.scaleY) + vert)};
}

std::optional<std::int32_t> ParseEditorInteger(const std::string& text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) {
        return std::nullopt;
    }
    const char* first = text.data() + begin;
    const char* last = text.data() + text.size();
    if (*first == '+') {
        ++first;
        if (first == last || *first < '0' || *first > '9') {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

} // namespace qv

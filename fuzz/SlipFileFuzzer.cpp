// Slip files in both layouts: the current one (90-byte records, the last counts) and the old one
// (one 96-byte record), through the readers the windows and the command line use and the check of
// their contents.
#include "FuzzSupport.h"

#include "engine/core/FileError.h"
#include "engine/core/GameTables.h"
#include "engine/core/SlipFile.h"
#include "engine/core/SlipRows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const std::filesystem::path path = fuzz::Scratch("Schein.kts", data, size);
    const std::optional<TSchein> slip = ReadSlipFile(path);
    fuzz::Check(slip.has_value());
    for (const SlipRow& row : SlipRows(*slip)) {
        fuzz::Check(row.numbers.size() <= static_cast<std::size_t>(TSchein::kFieldWidth));
    }
    for (int f = 0; f < TSchein::kFields; ++f) {
        fuzz::Check(slip->FieldNumbers(f).size() <= static_cast<std::size_t>(TSchein::kFieldWidth));
        (void)slip->FieldSet(f);
    }
    std::array<std::uint8_t, TSchein::kSize> record{};
    slip->ToBytes(record);
    fuzz::Check(TSchein::FromBytes(record) == *slip);

    // The reader every caller uses: a slip it hands out has only numbers 1 to 70, each once per field,
    // and a stake and draw count of the game's tables; anything else is refused with its reason.
    const std::optional<TSchein> raw =
        size == kOldSlipSize ? SlipFromOldRecord(std::span<const std::uint8_t, kOldSlipSize>(data, kOldSlipSize))
                             : *slip;
    try {
        const std::optional<TSchein> checked = LoadSlip(path);
        fuzz::Check(checked == raw);
        fuzz::Check(!SlipContentProblem(*checked).has_value());
        fuzz::Check(StakeEurosAt(checked->einsatz).has_value() && DrawCountAt(checked->Ziehungen).has_value());
        for (int f = 0; f < TSchein::kFields; ++f) {
            NumberSet seen;
            for (const std::uint8_t n : checked->FieldNumbers(f)) {
                fuzz::Check(n >= 1 && n <= 70 && !seen.Contains(n));
                seen.Add(n);
            }
        }
    } catch (const SlipContentError& error) {
        fuzz::Check(SlipContentProblem(*raw).has_value());
        fuzz::Check(std::string_view(error.what()).find("kein gültiger Spielschein") != std::string_view::npos);
    }

    if (IsOldSlipFile(path)) {
        const TSchein old = SlipFromOldRecord(std::span<const std::uint8_t, kOldSlipSize>(data, kOldSlipSize));
        (void)SlipRows(old);
        try {
            fuzz::Check(ConvertOldSlipFile(path, fuzz::ScratchFolder()) == old);
            fuzz::Check(ReadSlipFile(path) == old);
        } catch (const FileError&) {
            std::abort(); // a writable scratch folder: converting must work
        }
    }
    return 0;
}

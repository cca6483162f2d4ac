// The program-start record of the settings window: any file is read without harm or refused with a
// FileError, and a record read is written back byte for byte.
#include "FuzzSupport.h"

#include "engine/core/FileError.h"
#include "engine/tips/SettingsRecord.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const std::filesystem::path path = fuzz::Scratch(kSettingsRecordFileName, data, size);
    try {
        const std::optional<SettingsRecord> loaded = LoadSettingsRecord(path);
        fuzz::Check(loaded.has_value() && size == SettingsRecord::kSize);
    } catch (const FileError&) {
        fuzz::Check(size != SettingsRecord::kSize);
    }

    // Only a file of exactly the record's size is read, which random bytes seldom are: the record's
    // bytes are the input, cut or filled with zeros to that size.
    std::array<std::uint8_t, SettingsRecord::kSize> bytes{};
    std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
    const std::optional<SettingsRecord> record = SettingsRecord::FromBytes(bytes);
    for (const std::string& slot : record->StartSlipList) {
        fuzz::Check(slot.size() <= SettingsRecord::kSlotChars);
    }
    const int count = StartSlipCount(*record);
    fuzz::Check(count >= 0 && count <= SettingsRecord::kSlots);

    record->ToBytes(bytes);
    fuzz::Check(SettingsRecord::FromBytes(bytes) == *record);

    // The window's edits keep a record that writes and reads back as it is.
    SettingsRecord edited = *record;
    KeepExistingStartSlips(edited, [](const std::string& slip) { return slip.size() % 2 == 0; });
    if (StartSlipCount(edited) > 0) {
        RemoveStartSlip(edited, 0);
    }
    AddStartSlip(edited, "/home/spieler/Schein.kts");
    edited.ToBytes(bytes);
    fuzz::Check(SettingsRecord::FromBytes(bytes) == edited);
    return 0;
}

#include "engine/tips/SettingsRecord.h"

#include "engine/core/FileError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(SettingsRecord, FieldsStandAtTheirOffsetsAndReservedBytesSurvive) {
    std::vector<std::uint8_t> bytes(SettingsRecord::kSize, 0);
    const std::string path = "/home/spieler/Woche.kts";
    bytes[256] = static_cast<std::uint8_t>(path.size());
    std::copy(path.begin(), path.end(), bytes.begin() + 257);
    bytes[3072] = 0xAB;
    bytes[3092] = 5;   // game 1: Keno type 6
    bytes[3097] = 255; // game 6: no type chosen
    bytes[3099] = 3;   // game 2: "per Zufall"
    bytes[3151] = 0xCD;

    const auto record =
        SettingsRecord::FromBytes(std::span<const std::uint8_t, SettingsRecord::kSize>(bytes.data(), bytes.size()));
    EXPECT_EQ(record.StartSlipList[0], "");
    EXPECT_EQ(record.StartSlipList[1], path);
    EXPECT_EQ(record.presets.kenoTypes[0], 5);
    EXPECT_EQ(record.presets.kenoTypes[5], 255);
    EXPECT_EQ(record.presets.methods[1], 3);

    TempDir dir;
    SaveSettingsRecord(dir / kSettingsRecordFileName, record);
    EXPECT_EQ(ReadBytes(dir / kSettingsRecordFileName), bytes);
    EXPECT_EQ(LoadSettingsRecord(dir / kSettingsRecordFileName), record);
}

TEST(SettingsRecord, MissingFileIsNoRecordAndAFileOfAnotherSizeIsAnError) {
    TempDir dir;
    EXPECT_FALSE(LoadSettingsRecord(dir / kSettingsRecordFileName).has_value());
    WriteBytes(dir / kSettingsRecordFileName, std::vector<std::uint8_t>(3151, 0));
    try {
        LoadSettingsRecord(dir / kSettingsRecordFileName);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Die Datei " + Quoted(dir / kSettingsRecordFileName) +
                                             " ist keine Datei der Programmeinstellungen (3151 statt " +
                                             std::to_string(SettingsRecord::kSize) +
                                             " Bytes); sie wird nicht gelesen.");
    }
}

TEST(SettingsRecord, StartListTakesTenFilesAndDeleteMovesTheRestDown) {
    SettingsRecord record;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(AddStartSlip(record, "/t/" + std::to_string(i) + ".kts"), AddSlipOutcome::Added);
    }
    EXPECT_EQ(AddStartSlip(record, "/t/eleven.kts"), AddSlipOutcome::ListFull);
    EXPECT_EQ(StartSlipCount(record), 10);

    RemoveStartSlip(record, 3);
    EXPECT_EQ(StartSlipCount(record), 9);
    EXPECT_EQ(record.StartSlipList[2], "/t/2.kts");
    EXPECT_EQ(record.StartSlipList[3], "/t/4.kts");
    EXPECT_EQ(record.StartSlipList[8], "/t/9.kts");
    EXPECT_EQ(record.StartSlipList[9], "");

    EXPECT_EQ(AddStartSlip(record, "/t/new.kts"), AddSlipOutcome::Added);
    EXPECT_EQ(record.StartSlipList[9], "/t/new.kts");
}

TEST(SettingsRecord, APathLongerThanASlotIsRefusedNotCut) {
    SettingsRecord record;
    EXPECT_EQ(AddStartSlip(record, "/" + std::string(254, 'a')), AddSlipOutcome::Added);
    EXPECT_EQ(AddStartSlip(record, "/" + std::string(255, 'a')), AddSlipOutcome::PathTooLong);
    EXPECT_EQ(StartSlipCount(record), 1);
}

TEST(SettingsRecord, KeepingExistingFilesClosesTheGaps) {
    SettingsRecord record;
    record.StartSlipList = {"a", "", "gone", "b", "c"};
    KeepExistingStartSlips(record, [](const std::string& path) { return path != "gone"; });
    EXPECT_EQ(record.StartSlipList[0], "a");
    EXPECT_EQ(record.StartSlipList[1], "b");
    EXPECT_EQ(record.StartSlipList[2], "c");
    EXPECT_EQ(StartSlipCount(record), 3);
}

} // namespace
} // namespace qv

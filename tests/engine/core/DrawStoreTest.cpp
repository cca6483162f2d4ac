#include "engine/core/DrawStore.h"
#include "engine/core/FileError.h"

#include "support/FailingSave.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <numeric>

namespace qv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// One 32-byte record: the day as a little-endian double, numbers first..first+19, reserved bytes.
std::vector<std::uint8_t> Record(double day, std::uint8_t first, std::uint8_t reserved = 0) {
    TGewZahlen draw;
    draw.datum = day;
    std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, first);
    std::fill(draw.GZ.begin() + 20, draw.GZ.end(), reserved);
    std::vector<std::uint8_t> bytes(32);
    draw.ToBytes(std::span(bytes).first<32>());
    return bytes;
}

std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST(DrawStore, MissingFileIsAnEmptyHistory) {
    TempDir dir;
    EXPECT_TRUE(LoadDraws(dir / kDrawFileName).empty());
}

TEST(DrawStore, TrailingPartialRecordIsIgnoredAndDroppedOnSave) {
    TempDir dir;
    const auto path = dir / kDrawFileName;
    auto bytes = Concat({Record(45000, 1), Record(45001, 21)});
    bytes.push_back(0x7F); // 65 bytes
    WriteBytes(path, bytes);

    const auto draws = LoadDraws(path);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].datum, 45001);
    EXPECT_EQ(draws[1].GZ[0], 21);

    SaveDraws(path, draws);
    bytes.pop_back();
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(DrawStore, FileOrderDuplicatesAndReservedBytesSurviveLoadAndSave) {
    TempDir dir;
    const auto path = dir / kDrawFileName;
    const auto bytes = Concat({Record(45002, 1, 0xEE), Record(45000, 5), Record(45000, 5)});
    WriteBytes(path, bytes);

    const auto draws = LoadDraws(path);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].datum, 45002);
    EXPECT_EQ(draws[0].GZ[23], 0xEE);
    SaveDraws(path, draws);
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(DrawStore, SaveTakesTheDatesOfTheDateList) {
    TempDir dir;
    const auto path = dir / kDrawFileName;
    std::vector<TGewZahlen> draws = DrawsFromBytes(Record(45000, 1));
    draws.emplace_back(); // "Neue Zahlen": date 0, no numbers yet
    std::iota(draws[1].GZ.begin(), draws[1].GZ.begin() + 20, 30);

    const std::vector<TDate> dates = {45000, 45001};
    SaveDraws(path, draws, dates);

    EXPECT_EQ(ReadBytes(path), Concat({Record(45000, 1), Record(45001, 30)}));
    EXPECT_EQ(draws[1].datum, 45001);
}

// A save that fails (on Linux half-way: the file size limit is hit while writing) reports the error
// and leaves the old history whole.
TEST(DrawStore, FailedSaveLeavesTheOldFileWhole) {
    TempDir dir;
    const auto path = dir / kDrawFileName;
    const auto old = Concat({Record(45000, 1), Record(45001, 2)});
    WriteBytes(path, old);
    std::vector<TGewZahlen> draws = DrawsFromBytes(
        Concat({Record(45000, 1), Record(45001, 2), Record(45002, 3), Record(45003, 4), Record(45004, 5)}));

    {
        const test::FailingSave failing(path, 100); // bytes: the third record cannot be written
        ASSERT_TRUE(failing.Active());
        EXPECT_THROW(SaveDraws(path, draws), FileError);
    }

    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "temporary file left";
}

TEST(DrawStore, SaveIntoAMissingFolderThrowsNamingTheFile) {
    TempDir dir;
    const auto path = dir / "nicht-da" / kDrawFileName;
    try {
        SaveDraws(path, std::vector<TGewZahlen>(1));
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Path(), path);
        EXPECT_NE(std::string(e.what()).find(kDrawFileName), std::string::npos);
    }
}

// What the program writes it must be able to read again: no save passes the reading limit.
TEST(DrawStore, NoSaveWritesMoreDrawsThanAReadTakes) {
    TempDir dir;
    const auto path = dir / kDrawFileName;
    const auto old = Concat({Record(45000, 1), Record(45001, 2)});
    WriteBytes(path, old);

    std::vector<TGewZahlen> draws(kMaxDraws + 1);
    try {
        SaveDraws(path, draws);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Die Ziehungsdatei " + Quoted(path) +
                                             " würde mit 100001 Ziehungen mehr als 100000 halten und könnte nicht "
                                             "mehr gelesen werden; sie wird nicht gespeichert und bleibt unverändert.");
    }
    EXPECT_EQ(ReadBytes(path), old);

    draws.pop_back();
    SaveDraws(path, draws);
    EXPECT_EQ(LoadDraws(path).size(), kMaxDraws);
}

TEST(DrawStore, ABackupIsANewFileNamedAfterTheDayAndNeverReplacesOne) {
    TempDir dir;
    const auto path = dir / kDrawFileName;
    const auto old = Concat({Record(45000, 1), Record(45001, 2)});
    WriteBytes(path, old);

    const auto first = KeepDrawFileBackup(path, 2026, 12, 11);
    EXPECT_EQ(first, dir / "BelgienKenoZahlen-2026-12-11.tpp");
    EXPECT_EQ(ReadBytes(first), old);

    WriteBytes(path, Record(45002, 3));
    const auto second = KeepDrawFileBackup(path, 2026, 12, 11);
    EXPECT_EQ(second, dir / "BelgienKenoZahlen-2026-12-11-2.tpp");
    EXPECT_EQ(ReadBytes(second), Record(45002, 3));
    EXPECT_EQ(ReadBytes(first), old) << "the earlier backup was replaced";
    EXPECT_EQ(KeepDrawFileBackup(path, 2027, 1, 2), dir / "BelgienKenoZahlen-2027-01-02.tpp");
}

} // namespace
} // namespace qv

#include "engine/draws/WinningNumberSettings.h"
#include "engine/evaluation/MainWindowSettings.h"

#include "support/FailingSave.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/core/FileError.h"

#include <fstream>
#include <sstream>

namespace qv {
namespace {

using ::testing::ElementsAre;

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(MainWindowSettings, MissingFileGivesNothing) {
    test::TempDir folder;
    const IniFile ini(folder / kSettingsFileName);
    EXPECT_FALSE(ReadMainWindowStartSettings(ini));
    EXPECT_FALSE(ReadMainWindowPosition(ini));
    EXPECT_FALSE(ReadWinningNumberSettings(ini));
}

TEST(MainWindowSettings, ReadsTheSlipListAsCountedAndMultiAsAnyNonZero) {
    test::TempDir folder;
    const IniFile ini(folder / kSettingsFileName);
    WriteText(ini.Path(), "[haupt]\nMulti=7\n[Spielscheine]\nAnzahl=3\nDatei1=/a/eins.kts\nDatei3=/a/drei.kts\n");
    const auto start = ReadMainWindowStartSettings(ini);
    ASSERT_TRUE(start);
    EXPECT_TRUE(start->multiRow);
    EXPECT_THAT(start->slipFiles, ElementsAre("/a/eins.kts", "", "/a/drei.kts"));
    EXPECT_EQ(ReadMainWindowPosition(ini), (WindowPosition{200, 200}));
}

TEST(MainWindowSettings, AHugeSlipCountIsCut) {
    test::TempDir folder;
    const IniFile ini(folder / kSettingsFileName);
    WriteText(ini.Path(), "[Spielscheine]\nAnzahl=100000\nDatei1=/a/eins.kts\n");
    const auto start = ReadMainWindowStartSettings(ini);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->slipFiles.size(), 256u);
    EXPECT_EQ(start->slipFiles.front(), "/a/eins.kts");
}

TEST(MainWindowSettings, AChoiceReplacesTheRecordedListAndClosingWritesHaupt) {
    test::TempDir folder;
    const IniFile ini(folder / kSettingsFileName);
    WriteText(ini.Path(), "[Spielscheine]\nAnzahl=5\nDatei1=a\nDatei2=b\nDatei3=c\nDatei4=d\nDatei5=e\n"
                          "[NeueGZ]\nAutoFiltern=1\n");
    RecordChosenSlipFiles(ini, {"/x/neu1.kts", "/x/neu2.kts"});
    WriteMainWindowSettings(ini, {120, -4}, true);

    const std::string text = ReadText(ini.Path());
    EXPECT_EQ(text.find("Datei3"), std::string::npos);
    EXPECT_NE(text.find("AutoFiltern=1"), std::string::npos);
    const auto start = ReadMainWindowStartSettings(ini);
    ASSERT_TRUE(start);
    EXPECT_THAT(start->slipFiles, ElementsAre("/x/neu1.kts", "/x/neu2.kts"));
    EXPECT_TRUE(start->multiRow);
    EXPECT_EQ(ReadMainWindowPosition(ini), (WindowPosition{120, -4}));
}

// On a full disk (here: the file size limit) the list of slips to reopen is written whole or not at
// all; never a count without its entries.
TEST(MainWindowSettings, TheListOfSlipsIsWrittenInOneSave) {
    test::TempDir folder;
    const IniFile ini(folder / kSettingsFileName);
    const std::string before = "[Spielscheine]\nAnzahl=2\nDatei1=/x/a.kts\nDatei2=/x/b.kts\n";
    WriteText(ini.Path(), before);

    {
        const test::FailingSave failing(ini.Path(), before.size() + 20);
        ASSERT_TRUE(failing.Active());
        EXPECT_THROW(RecordChosenSlipFiles(ini, {"/ein/langer/pfad/1.kts", "/ein/langer/pfad/2.kts",
                                                 "/ein/langer/pfad/3.kts", "/ein/langer/pfad/4.kts"}),
                     FileError);
    }

    EXPECT_EQ(ReadText(ini.Path()), before);
    RecordChosenSlipFiles(ini, {});
    EXPECT_EQ(ReadText(ini.Path()), "[Spielscheine]\nAnzahl=0\n");
}

TEST(WinningNumberSettings, MissingKeysGiveNoAndTheDefaultPlace) {
    test::TempDir folder;
    const IniFile ini(folder / kSettingsFileName);
    WriteText(ini.Path(), "[Haupt]\nPosLeft=3\n");
    EXPECT_EQ(ReadWinningNumberSettings(ini), (WinningNumberSettings{false, false, 500, 200}));

    const WinningNumberSettings written{true, false, 10, 20};
    WriteWinningNumberSettings(ini, written);
    EXPECT_EQ(ReadWinningNumberSettings(ini), written);
    EXPECT_EQ(ReadMainWindowPosition(ini), (WindowPosition{3, 200}));
}

} // namespace
} // namespace qv

#include "engine/tips/TipRowText.h"

#include "engine/core/FileError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// The cells of columns 3 on up to the last non-empty one.
std::vector<std::string> Numbers(const TipRowCells& cells) {
    std::vector<std::string> numbers(cells.begin() + kFirstNumberColumn, cells.end());
    while (!numbers.empty() && numbers.back().empty()) {
        numbers.pop_back();
    }
    return numbers;
}

TEST(TipRowText, SeparatorsGiveTheSameRow) {
    for (const char* line : {"3 15 27 44", "3,15,27,44", "3;15;27;44", "3\t15\t\t27\t44", "  3 15 27 44 \t",
                             "\"3\",\"15\",\"27\",\"44\""}) {
        const auto rows = ParseTipRows(line);
        ASSERT_EQ(rows.size(), 1u) << line;
        EXPECT_EQ(Numbers(rows[0]), (std::vector<std::string>{"3", "15", "27", "44"})) << line;
        // Draw count and stake are still to be given.
        EXPECT_EQ(rows[0][0], " ");
        EXPECT_EQ(rows[0][1], " ");
        EXPECT_EQ(rows[0][2], " ");
    }
}

TEST(TipRowText, TwoSeparatorsInARowLeaveASingleSpace) {
    const auto rows = ParseTipRows("3, 15, 27");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Numbers(rows[0]), (std::vector<std::string>{"3", " ", "15", " ", "27"}));
    EXPECT_EQ(Numbers(ParseTipRows("3,15,")[0]), (std::vector<std::string>{"3", "15", " "}));
}

TEST(TipRowText, TwelveNumbersAreCutToTenAndEmptyLinesSkipped) {
    const auto rows = ParseTipRows("1 2 3 4 5 6 7 8 9 10 11 12\r\n\r\n  \n13 14\r15 16");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(Numbers(rows[0]).size(), 10u);
    EXPECT_EQ(rows[0][12], "10");
    EXPECT_EQ(Numbers(rows[1]), (std::vector<std::string>{"13", "14"}));
    EXPECT_EQ(Numbers(rows[2]), (std::vector<std::string>{"15", "16"}));
    EXPECT_TRUE(ParseTipRows("\r\n \r\n").empty());
}

TEST(TipRowText, QuotedItemsKeepTheirCommas) {
    const auto rows = ParseTipRows("\"1,2\",3,\"4\"\"\"");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Numbers(rows[0]), (std::vector<std::string>{"1,2", "3", "4\""}));
    // An unclosed quote runs to the end of the line.
    EXPECT_EQ(Numbers(ParseTipRows("5,\"6,7")[0]), (std::vector<std::string>{"5", "6,7"}));
}

TEST(TipRowText, EncodingsFollowTheByteOrderMarkOrTheBytes) {
    // "Ä 1" in every form the loader meets.
    const std::string expected = "\xC3\x84 1";
    EXPECT_EQ(DecodeTextFile(Bytes("\xEF\xBB\xBF\xC3\x84 1")), expected);
    EXPECT_EQ(DecodeTextFile(Bytes("\xC3\x84 1")), expected);
    EXPECT_EQ(DecodeTextFile(Bytes("\xC4 1")), expected); // Windows-1252
    EXPECT_EQ(DecodeTextFile(std::vector<std::uint8_t>{0xFF, 0xFE, 0xC4, 0x00, ' ', 0x00, '1', 0x00}), expected);
    EXPECT_EQ(DecodeTextFile(std::vector<std::uint8_t>{0xFE, 0xFF, 0x00, 0xC4, 0x00, ' ', 0x00, '1'}), expected);
    EXPECT_EQ(DecodeTextFile(Bytes("\x80")), "\xE2\x82\xAC"); // the euro sign of Windows-1252
    // A lone surrogate and an odd last byte do not break the text.
    EXPECT_EQ(DecodeTextFile(std::vector<std::uint8_t>{0xFF, 0xFE, 0x00, 0xD8, '7', 0x00, 0x01}), "\xEF\xBF\xBD"
                                                                                                  "7");
    EXPECT_EQ(DecodeTextFile({}), "");
}

TEST(TipRowText, ABlankAnywhereMakesBlanksSeparateInEveryLine) {
    // The second line's blank turns the first line's "1;2" into two items as well as its own.
    const auto rows = ParseTipRows("1;2\n3 4\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Numbers(rows[0]), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Numbers(rows[1]), (std::vector<std::string>{"3", "4"}));
}

TEST(TipRowText, TextAfterAClosingQuoteIsTheNextItem) {
    EXPECT_EQ(Numbers(ParseTipRows("\"5\"x,7")[0]), (std::vector<std::string>{"5", "x", "7"}));
}

TEST(TipRowText, BytesThatAreNotUtf8AreReadAsWindows1252) {
    // Also behind a UTF-8 byte-order mark: the mark once let such bytes through to the print list as
    // broken UTF-8.
    for (const char* text : {"\xE4,7", "\xEF\xBB\xBF\xE4,7"}) {
        const auto rows = ParseTipRows(DecodeTextFile(Bytes(text)));
        ASSERT_EQ(rows.size(), 1u) << text;
        EXPECT_EQ(Numbers(rows[0]), (std::vector<std::string>{"\xC3\xA4", "7"})) << text;
    }
}

// Every reader of a tip-row file takes it alike: the same caps, and rows at the end without numbers
// (a trailing ";" line) dropped.
TEST(TipRowText, EveryReaderTakesAFileWithTheSameCapsAndDropsTrailingEmptyRows) {
    test::TempDir dir;
    const auto rows = dir / "tipps.txt";
    test::WriteText(rows, "3;15\n7;8\n;\n");
    const auto read = ReadTipRowFile(rows);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 2u);
    EXPECT_EQ(Numbers((*read)[1]), (std::vector<std::string>{"7", "8"}));
    EXPECT_FALSE(ReadTipRowFile(dir / "fehlt.txt"));

    const struct {
        const char* name;
        std::string text;
        std::string message;
    } refused[] = {
        // A megabyte and one byte of a valid list.
        {"gross.txt", std::string(kMaxTipRowFileBytes + 1, '7'),
         " ist mit 1048577 Bytes zu groß für eine Liste von Tippreihen (höchstens 1048576 Bytes); es wurde nichts "
         "gelesen."},
        // Half a megabyte of one-number lines: over 260,000 rows of some 400 bytes each in memory.
        {"zeilen.txt",
         [] {
             std::string text;
             for (int k = 0; k < 260000; ++k) {
                 text += "7\n";
             }
             return text;
         }(),
         " hält mehr als 50000 Tippreihen, zu viele für eine Liste von Tippreihen; es wurde nichts gelesen."},
    };
    for (const auto& c : refused) {
        test::WriteText(dir / c.name, c.text);
        try {
            ReadTipRowFile(dir / c.name);
            ADD_FAILURE() << c.name;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Die Datei " + Quoted(dir / c.name) + c.message);
        }
    }
    // The row cap counts rows, not lines: blank lines between them take no memory.
    std::string spaced;
    for (std::size_t k = 0; k < kMaxTipRows; ++k) {
        spaced += "7\n \n";
    }
    test::WriteText(dir / "luftig.txt", spaced);
    EXPECT_EQ(ReadTipRowFile(dir / "luftig.txt")->size(), kMaxTipRows);
}

} // namespace
} // namespace qv

#include "engine/printing/TipRowText.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Columns 3 onwards of a parsed row, up to its last filled cell.
std::vector<std::string> Numbers(const TipRowCells& row) {
    std::vector<std::string> numbers(row.begin() + 3, row.end());
    while (!numbers.empty() && numbers.back().empty()) {
        numbers.pop_back();
    }
    return numbers;
}

TEST(TipRowText, SeparatorsOfALine) {
    struct Case {
        const char* text;
        std::vector<std::string> numbers;
    };
    const Case cases[] = {
        {"5 12 33", {"5", "12", "33"}},
        {"5;12;33", {"5", "12", "33"}},
        {"5,12,33", {"5", "12", "33"}},
        {"5\t12\t\t33", {"5", "12", "33"}},
        {"  5 12 33 \t", {"5", "12", "33"}},
        {"5, 12, 33", {"5", " ", "12", " ", "33"}},
        {"5,,12", {"5", " ", "12"}},
        {"5,12,", {"5", "12", " "}},
        {"\"5\",\"1\"\"2\"", {"5", "1\"2"}},
        {"1 2 3 4 5 6 7 8 9 10 11", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    };
    for (const Case& c : cases) {
        const auto rows = ParseTipRowText(c.text);
        ASSERT_EQ(rows.size(), 1u) << c.text;
        EXPECT_EQ(rows[0][0], " ") << c.text;
        EXPECT_EQ(rows[0][1], " ") << c.text;
        EXPECT_EQ(rows[0][2], " ") << c.text;
        EXPECT_EQ(Numbers(rows[0]), c.numbers) << c.text;
    }
}

TEST(TipRowText, EmptyLinesAreSkippedAndLineEndsOfEveryKindSplit) {
    const auto rows = ParseTipRowText("\xEF\xBB\xBF"
                                      "1,2\r\n\r\n   \n3,4\r5,6\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(Numbers(rows[0]), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Numbers(rows[1]), (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(Numbers(rows[2]), (std::vector<std::string>{"5", "6"}));
    EXPECT_TRUE(ParseTipRowText("").empty());
    EXPECT_TRUE(ParseTipRowText("\r\n \t\n").empty());
}

TEST(TipRowText, ABlankAnywhereMakesBlanksSeparateInEveryLine) {
    // The second line's blank turns the first line's "1;2" into two items as well as its own.
    const auto rows = ParseTipRowText("1;2\n3 4\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Numbers(rows[0]), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Numbers(rows[1]), (std::vector<std::string>{"3", "4"}));
}

TEST(TipRowText, TextThatIsNotUtf8IsReadAsWindows1252) {
    // Also behind a UTF-8 byte-order mark: the mark once let such bytes through as broken UTF-8.
    for (const char* text : {"\xE4,7", "\xEF\xBB\xBF\xE4,7"}) {
        const auto rows = ParseTipRowText(text);
        ASSERT_EQ(rows.size(), 1u) << text;
        EXPECT_EQ(rows[0][3], "\xC3\xA4") << text;
        EXPECT_EQ(rows[0][4], "7") << text;
    }
}

} // namespace
} // namespace qv

#include "engine/core/ColumnWidths.h"

#include "engine/core/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(ColumnWidthsTest, ParsesWidthsAndLeavesBadOnesToTheGrid) {
    const struct {
        const char* text;
        std::vector<int> widths;
    } cases[] = {
        {"", {}},
        {"45,180,45", {45, 180, 45}},
        {" 45 , 180 ", {45, 180}},
        {"45,,x,-3,0,4000,4001,12px,2147483648", {45, 0, 0, 0, 0, 4000, 0, 0, 0}},
        {",", {0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseColumnWidths(c.text), c.widths) << c.text;
    }
    // A setting of thousands of columns keeps the first kMaxKeptColumns.
    std::string many;
    for (int column = 0; column < 3 * kMaxKeptColumns; ++column) {
        many += "7,";
    }
    EXPECT_EQ(ParseColumnWidths(many).size(), static_cast<std::size_t>(kMaxKeptColumns));
    EXPECT_EQ(FormatColumnWidths({45, 0, 180, -5, 99999}), "45,0,180,0,0");
}

TEST(ColumnWidthsTest, KeepsWidthsPerWindowAndGridBesideTheOtherSettings) {
    const test::TempDir dir;
    const IniFile settings(dir / kSettingsFileName);
    settings.WriteString("Programm", "Anzeige", "1");
    WriteColumnWidths(settings, "FAnalyse", "G1", {45, 180, 45});
    WriteColumnWidths(settings, "FGewinnchancen", "G1", {60});
    EXPECT_EQ(ReadColumnWidths(settings, "FAnalyse", "G1"), (std::vector<int>{45, 180, 45}));
    EXPECT_EQ(ReadColumnWidths(settings, "fanalyse", "g1"), (std::vector<int>{45, 180, 45}));
    EXPECT_EQ(ReadColumnWidths(settings, "FGewinnchancen", "G1"), std::vector<int>{60});
    EXPECT_TRUE(ReadColumnWidths(settings, "FAnalyse", "G2").empty());
    EXPECT_EQ(settings.ReadString("Programm", "Anzeige", ""), "1");
}

} // namespace
} // namespace qv

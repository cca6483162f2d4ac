#include "engine/printing/PrintSettings.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(PrintSettings, MissingKeysGiveTheDefaultsAndOtherSectionsStay) {
    test::TempDir dir;
    const auto path = dir / "Einstellungen.qvo";
    test::WriteBytes(path, {'[', 'D', 'r', 'u',  'c', 'k', ']', '\n', 'v', 'e', 'r', 't',
                            '=', '-', '5', '\n', '[', 'X', ']', '\n', 'a', '=', '1', '\n'});
    const IniFile ini(path);
    EXPECT_EQ(ReadPrintSettings(ini), (PrintSettings{"230", "-5", true, true}));
    WritePrintSettings(ini, {"12", "0", false, true});
    EXPECT_EQ(ReadPrintSettings(ini), (PrintSettings{"12", "0", false, true}));
    EXPECT_EQ(ini.ReadString("X", "a", ""), "1");
    EXPECT_EQ(ReadPrintSettings(IniFile(dir / "missing.qvo")), PrintSettings{});
}

} // namespace
} // namespace qv

#include "engine/core/IniFile.h"
#include "engine/core/FileError.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qv {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

TEST(IniFile, MissingFileAndKeysGiveDefaults) {
    TempDir dir;
    const IniFile ini(dir / kSettingsFileName);
    EXPECT_FALSE(ini.Exists());
    EXPECT_EQ(ini.ReadInteger("Haupt", "PosLeft", 200), 200);
    EXPECT_FALSE(ini.ReadBool("Haupt", "Multi", false));
    EXPECT_EQ(ini.ReadString("Spielscheine", "Datei1", ""), "");
    EXPECT_FALSE(ini.Exists()) << "reading must not create the file";
}

TEST(IniFile, ReadsValuesOfEveryKind) {
    TempDir dir;
    WriteText(dir / kSettingsFileName, "[haupt]\nposleft=-15\nPosTop=abc\nMulti=7\nLeer=\n"
                                       "[Spielscheine]\nDatei1=/home/ä ö/Schein 1.kts\n");
    const IniFile ini(dir / kSettingsFileName);
    EXPECT_EQ(ini.ReadInteger("Haupt", "PosLeft", 200), -15); // names without regard to case
    EXPECT_EQ(ini.ReadInteger("Haupt", "PosTop", 200), 200);  // not an integer
    EXPECT_TRUE(ini.ReadBool("Haupt", "Multi", false));       // any integer but 0 is yes
    EXPECT_EQ(ini.ReadInteger("Haupt", "Leer", 3), 3);
    EXPECT_EQ(ini.ReadString("SPIELSCHEINE", "datei1", ""), "/home/ä ö/Schein 1.kts");
}

// The non-empty lines of a file, in order (the writer may separate sections by blank lines).
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST(IniFile, WritesKeepOtherSectionsCommentsAndOrder) {
    TempDir dir;
    const auto path = dir / kSettingsFileName;
    WriteText(path, "; Einstellungen\n[Druck]\nhori=12\n; Versatz\nvert=-3\n[Haupt]\nPosLeft=1\nPosTop=2\n");
    const IniFile ini(path);
    ini.WriteInteger("haupt", "posleft", 300);
    ini.WriteBool("Haupt", "Multi", true);
    ini.WriteString("NeueGZ", "AutoFiltern", "1");

    const std::string text = ReadText(path);
    EXPECT_EQ(Lines(text),
              (std::vector<std::string>{"; Einstellungen", "[Druck]", "hori=12", "; Versatz", "vert=-3", "[Haupt]",
                                        "PosLeft=300", "PosTop=2", "Multi=1", "[NeueGZ]", "AutoFiltern=1"}));
    ini.WriteInteger("Haupt", "PosTop", 2);
    EXPECT_EQ(ReadText(path), text) << "a write that changes nothing changes nothing";
}

TEST(IniFile, ErasingASectionReplacesAStoredList) {
    TempDir dir;
    const IniFile ini(dir / kSettingsFileName);
    ini.WriteInteger("Spielscheine", "Anzahl", 5);
    for (int k = 1; k <= 5; ++k) {
        ini.WriteString("Spielscheine", "Datei" + std::to_string(k), "/s" + std::to_string(k) + ".kts");
    }
    ini.WriteInteger("Haupt", "PosTop", 9);

    ini.EraseSection("Spielscheine");
    ini.WriteInteger("Spielscheine", "Anzahl", 2);
    ini.WriteString("Spielscheine", "Datei1", "/a.kts");
    ini.WriteString("Spielscheine", "Datei2", "/b.kts");

    EXPECT_EQ(ini.ReadInteger("Spielscheine", "Anzahl", 0), 2);
    EXPECT_EQ(ini.ReadString("Spielscheine", "Datei3", "leer"), "leer");
    EXPECT_EQ(ini.ReadInteger("Haupt", "PosTop", 0), 9);
}

TEST(IniFile, Windows1252FileIsReadAndRewrittenAsUtf8) {
    TempDir dir;
    const auto path = dir / kSettingsFileName;
    WriteText(path, "[Spielscheine]\nDatei1=C:\\Scheine\\M\xFCller \x80.kts\n");
    const IniFile ini(path);
    EXPECT_EQ(ini.ReadString("Spielscheine", "Datei1", ""), "C:\\Scheine\\Müller €.kts");
    ini.WriteInteger("Haupt", "Multi", 0);
    EXPECT_NE(ReadText(path).find("Datei1=C:\\Scheine\\Müller €.kts"), std::string::npos);
}

TEST(IniFile, FailedWriteNamesTheFile) {
    TempDir dir;
    const IniFile ini(dir.Path() / "fehlt" / kSettingsFileName);
    try {
        ini.WriteInteger("Haupt", "PosLeft", 1);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(kSettingsFileName), std::string::npos);
    }
}

TEST(IniFile, Utf8Validation) {
    EXPECT_TRUE(IsValidUtf8("Müller €"));
    EXPECT_FALSE(IsValidUtf8("M\xFCller"));
    EXPECT_FALSE(IsValidUtf8("\xC3"));         // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));     // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // surrogate
}

} // namespace
} // namespace qv

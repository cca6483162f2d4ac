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

TEST(IniFile, WhatCannotBeParsedIsKeptByteForByte) {
    TempDir dir;
    const auto path = dir / kSettingsFileName;
    using namespace std::string_literals;
    const std::string odd = "[Haupt]\r\nPosLeft=1\r\nkein Eintrag\r\nNul=a\0b\r\n\0\0\0\r\n"
                            "[Druck\r\n=ohne Schlüssel\r\n[Rest]\r\nx=1"s;
    WriteText(path, odd);
    const IniFile ini(path);
    ini.WriteInteger("Haupt", "PosLeft", 2);
    std::string expected = odd;
    expected.replace(expected.find("PosLeft=1"), 9, "PosLeft=2");
    EXPECT_EQ(ReadText(path), expected);
    EXPECT_EQ(ini.ReadInteger("Rest", "x", 0), 1);
}

TEST(IniFile, Utf16FileIsReadAndItsSettingsKept) {
    TempDir dir;
    const auto path = dir / kSettingsFileName;
    const std::u16string text = u"[Haupt]\r\nPosLeft=17\r\n[Spielscheine]\r\nDatei1=/home/Müller/€.kts\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    WriteText(path, bytes);
    const IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Haupt", "PosLeft", 0), 17);
    ini.WriteInteger("Haupt", "PosTop", 5);
    EXPECT_EQ(ini.ReadString("Spielscheine", "Datei1", ""), "/home/Müller/€.kts");
    EXPECT_NE(ReadText(path).find("Datei1=/home/Müller/€.kts"), std::string::npos);
}

TEST(IniFile, ALineBreakInAValueIsRefusedAndInjectsNothing) {
    TempDir dir;
    const auto path = dir / kSettingsFileName;
    const IniFile ini(path);
    ini.WriteInteger("Haupt", "PosLeft", 10);
    const std::string before = ReadText(path);
    for (const std::string& value :
         {std::string("/a\n[Haupt]\nPosLeft=5000"), std::string("/a\r[Haupt]"), std::string("/a\0b", 4)}) {
        try {
            ini.WriteString("Spielscheine", "Datei1", value);
            ADD_FAILURE() << "accepted";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("Zeilenumbruch"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(ReadText(path), before);
    EXPECT_EQ(ini.ReadInteger("Haupt", "PosLeft", 0), 10);
}

TEST(IniFile, AChangeByAnotherProgramIsSeen) {
    TempDir dir;
    const auto path = dir / kSettingsFileName;
    const IniFile ini(path);
    ini.WriteInteger("Haupt", "PosLeft", 10);
    EXPECT_EQ(ini.ReadInteger("Haupt", "PosLeft", 0), 10);
    WriteText(path, "[Haupt]\nPosLeft=2345\n");
    EXPECT_EQ(ini.ReadInteger("Haupt", "PosLeft", 0), 2345);
    std::filesystem::remove(path);
    EXPECT_EQ(ini.ReadInteger("Haupt", "PosLeft", 0), 0);
}

TEST(IniFile, AnUnreadableFileIsNeverRewrittenFromDefaults) {
    TempDir dir;
    const auto path = dir / kSettingsFileName;
    std::filesystem::create_directory(path); // stands for any file that cannot be read
    const IniFile ini(path);
    EXPECT_THROW(ini.ReadInteger("Haupt", "PosLeft", 0), FileError);
    EXPECT_THROW(ini.WriteInteger("Haupt", "PosLeft", 1), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(path));
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

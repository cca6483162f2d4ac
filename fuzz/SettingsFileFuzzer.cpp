// The settings file: any bytes are read without harm, and a write changes the one value it names while
// every other setting stays readable as before.
#include "FuzzSupport.h"

#include "engine/core/FileError.h"
#include "engine/core/IniFile.h"
#include "engine/evaluation/MainWindowSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const std::filesystem::path path = fuzz::Scratch("Einstellungen.qvo", data, size);
    const IniFile ini(path);
    const auto before = ReadMainWindowStartSettings(ini);
    fuzz::Check(before.has_value() && before->slipFiles.size() <= 256);
    const int left = ini.ReadInteger("Haupt", "PosLeft", -77);
    const std::string print = ini.ReadString("Druck", "hori", "-");

    ini.WriteInteger("Haupt", "PosTop", 4711);
    fuzz::Check(ini.ReadInteger("Haupt", "PosTop", 0) == 4711);
    fuzz::Check(ini.ReadInteger("Haupt", "PosLeft", -77) == left);
    fuzz::Check(ini.ReadString("Druck", "hori", "-") == print);

    // A value with a line break never becomes a key of its own.
    try {
        ini.WriteString("Spielscheine", "Datei1", "x\n[Haupt]\nPosTop=5");
        std::abort();
    } catch (const FileError&) {
    }
    fuzz::Check(ini.ReadInteger("Haupt", "PosTop", 0) == 4711);

    ini.EraseSection("Spielscheine");
    fuzz::Check(ini.ReadString("Spielscheine", "Anzahl", "leer") == "leer");
    return 0;
}

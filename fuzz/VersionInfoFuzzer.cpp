// The version-info file fetched from the web site: any bytes, from a server that may send anything.
#include "FuzzSupport.h"

#include "engine/tools/VersionInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const std::optional<std::string> version = LastVersionRecord(std::span<const std::uint8_t>(data, size));
    fuzz::Check(version.has_value() == (size >= kVerInfoRecordSize));
    if (version) {
        fuzz::Check(version->size() <= 15);
        // A record of that version reads back as it.
        const auto record = VersionRecord(*version);
        fuzz::Check(LastVersionRecord(record) == version);
        // The announced installer size comes from the same record and reads back too.
        const std::optional<std::uint64_t> announced =
            AnnouncedInstallerSize(std::span<const std::uint8_t>(data, size));
        fuzz::Check(AnnouncedInstallerSize(VersionRecord(*version, announced.value_or(0))) == announced);
    } else {
        fuzz::Check(!AnnouncedInstallerSize(std::span<const std::uint8_t>(data, size)).has_value());
    }
    return 0;
}

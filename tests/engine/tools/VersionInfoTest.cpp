#include "engine/tools/VersionInfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

std::vector<std::uint8_t> Records(std::initializer_list<std::string> versions, std::size_t extra = 0) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& version : versions) {
        const auto record = VersionRecord(version);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    bytes.insert(bytes.end(), extra, 0x7f);
    return bytes;
}

TEST(VersionInfo, TheLastCompleteRecordCounts) {
    const struct {
        std::vector<std::uint8_t> bytes;
        std::optional<std::string> version;
    } cases[] = {
        {{}, std::nullopt},
        {std::vector<std::uint8_t>(10, 'x'), std::nullopt},      // some bytes, no record
        {std::vector<std::uint8_t>(23, 'x'), std::nullopt},      // one byte short of a record
        {Records({"1.4.3.0"}), "1.4.3.0"},                       // 24 bytes
        {Records({"1.4.3.1"}, 6), "1.4.3.1"},                    // 30 bytes: the tail is ignored
        {Records({"1.0.0.0", "1.4.2.0", "1.4.3.1"}), "1.4.3.1"}, // the last one wins
        {Records({"1.4.3.1", ""}), ""},                          // an empty version is a version
        {Records({"123456789012345678"}), "123456789012345"},    // at most 15 characters
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LastVersionRecord(c.bytes), c.version) << c.bytes.size() << " bytes";
    }
}

TEST(VersionInfo, ALengthByteBeyondTheRecordReadsOnlyTheRecord) {
    auto bytes = Records({"1.4.3.1"});
    bytes[8] = 200;
    const auto version = LastVersionRecord(bytes);
    ASSERT_TRUE(version);
    EXPECT_EQ(version->size(), 15u);
    EXPECT_EQ(version->substr(0, 7), "1.4.3.1");
}

TEST(VersionInfo, AnErrorPageIsReadAsRecords) {
    // A server's error page of some hundred bytes yields whatever its last whole record holds.
    std::string page = "<html><head><title>404 Not Found</title></head><body>";
    page += std::string(100, ' ') + "</body></html>";
    const std::vector<std::uint8_t> bytes(page.begin(), page.end());
    const std::size_t last = (bytes.size() / 24 - 1) * 24;
    const auto version = LastVersionRecord(bytes);
    ASSERT_TRUE(version);
    EXPECT_EQ(version->size(), std::min<std::size_t>(bytes[last + 8], 15));
}

TEST(VersionInfo, TheLastRecordAnnouncesTheInstallerSize) {
    const auto older = VersionRecord("2.0", 1234);
    const auto newer = VersionRecord("2.1", 0x0102030405ULL);
    EXPECT_EQ(newer[0], 0x05);
    EXPECT_EQ(newer[4], 0x01);
    std::vector<std::uint8_t> bytes;
    for (const auto* record : {&older, &newer}) {
        for (const std::uint8_t byte : *record) {
            bytes.push_back(byte);
        }
    }
    EXPECT_EQ(AnnouncedInstallerSize(bytes), 0x0102030405ULL);
    bytes.insert(bytes.end(), 10, 0xFF); // a trailing part is no record
    EXPECT_EQ(AnnouncedInstallerSize(bytes), 0x0102030405ULL);
    EXPECT_EQ(AnnouncedInstallerSize(VersionRecord("2.1")), std::nullopt) << "zeros: nothing announced";
    EXPECT_EQ(AnnouncedInstallerSize(std::vector<std::uint8_t>(23, 1)), std::nullopt);
}

} // namespace
} // namespace qv

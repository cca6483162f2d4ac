#include "engine/tools/QuickLinks.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::ReadText;
using test::TempDir;

TEST(QuickLinks, OnlyAddressesOfWebPagesAreWebLinks) {
    const struct {
        const char* link;
        bool web;
    } cases[] = {
        {"https://zahlen.example/keno", true}, {"HTTP://zahlen.example", true}, {"http://a", true},
        {"file:///etc/passwd", false},         {"javascript:alert(1)", false},  {"smb://server/share", false},
        {"mailto:a@b.example", false},         {"https:///pfad", false},        {"https://", false},
        {"ftp://zahlen.example", false},       {" https://a.example", false},   {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsWebLink(c.link), c.web) << c.link;
    }
}

TEST(QuickLinks, ReadsTheFirstTwoLinesOfAnyFile) {
    const struct {
        const char* text;
        QuickLinkLines lines;
    } cases[] = {
        {"https://a.example/1\r\nhttps://b.example/2\r\n", {"https://a.example/1", "https://b.example/2"}},
        {"\r\nhttps://b.example/2\r\n", {"", "https://b.example/2"}},
        {"\r\n\r\n", {"", ""}},
        // Files the program never writes: they must still give two lines.
        {"", {"", ""}},
        {"https://a.example/1", {"https://a.example/1", ""}},
        {"https://a.example/1\r\n", {"https://a.example/1", ""}},
        {"https://a.example/1\nhttps://b.example/2", {"https://a.example/1", "https://b.example/2"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb\r\nc\r\nd\r\n", {"a", "b"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseQuickLinks(c.text), c.lines) << c.text;
    }
}

TEST(QuickLinks, WritesTwoLinesEndedByCrLf) {
    TempDir dir;
    const auto path = dir / kQuickLinksFileName;
    EXPECT_FALSE(ReadQuickLinks(path)) << "no file, no lines";

    WriteQuickLinks(path, {"https://a.example/1", ""});
    EXPECT_EQ(ReadText(path), "https://a.example/1\r\n\r\n");
    EXPECT_EQ(ReadQuickLinks(path), (QuickLinkLines{"https://a.example/1", ""}));

    // A line break inside a link would shift link 2 into a third line.
    WriteQuickLinks(path, {"https://a.example/\r\n1", "https://b.example/2\n"});
    EXPECT_EQ(ReadText(path), "https://a.example/1\r\nhttps://b.example/2\r\n");
}

} // namespace
} // namespace qv

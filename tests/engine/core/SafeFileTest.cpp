#include "engine/core/SafeFile.h"
#include "engine/core/FileError.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>

#include <sys/stat.h>
#include <unistd.h>

namespace qv {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

struct stat Stat(const std::filesystem::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

std::size_t EntriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& e) {
        return e.what();
    }
    return "(kein Fehler)";
}

TEST(SafeFile, ReplacingKeepsModeAndOwner) {
    TempDir dir;
    const auto path = dir / "Ziehungen.tpp";
    WriteText(path, "alt");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const bool admin = ::geteuid() == 0;
    if (admin) {
        ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
    }

    WriteFileSafely(path, Bytes("neu"));

    EXPECT_EQ(ReadText(path), "neu");
    const struct stat st = Stat(path);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (admin) {
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
    }
}

TEST(SafeFile, ANewFileGetsTheUsualMode) {
    TempDir dir;
    const auto path = dir / "neu.qvo";
    const mode_t mask = ::umask(022);
    WriteFileSafely(path, Bytes("x"));
    ::umask(mask);
    EXPECT_EQ(Stat(path).st_mode & 07777, 0644u);
}

TEST(SafeFile, ALinkIsWrittenThroughToItsTargetAndStaysALink) {
    TempDir dir;
    std::filesystem::create_directory(dir / "daten");
    const auto target = dir / "daten" / "Ziehungen.tpp";
    WriteText(target, "alt");
    const auto link = dir / "Verknuepfung.tpp";
    std::filesystem::create_symlink("daten/Ziehungen.tpp", link); // relative to the link's folder
    const auto linkToLink = dir / "zweite.tpp";
    std::filesystem::create_symlink(link, linkToLink);

    WriteFileSafely(linkToLink, Bytes("neu"));

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_symlink(linkToLink));
    EXPECT_EQ(ReadText(target), "neu");
    EXPECT_EQ(EntriesIn(dir / "daten"), 1u) << "temporary file left beside the target";
}

TEST(SafeFile, ReadOnlyHardLinkedAndOddFilesAreRefusedAndKept) {
    TempDir dir;
    const auto readOnly = dir / "nur-lesen.tpp";
    WriteText(readOnly, "alt");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    const auto linked = dir / "verlinkt.tpp";
    WriteText(linked, "alt");
    std::filesystem::create_hard_link(linked, dir / "zweiter-name.tpp");
    std::filesystem::create_directory(dir / "ordner.tpp");

    const struct {
        std::filesystem::path path;
        const char* reason;
    } cases[] = {
        {readOnly, "schreibgeschützt"},
        {linked, "harte Verknüpfungen"},
        {dir / "ordner.tpp", "keine gewöhnliche Datei"},
    };
    for (const auto& c : cases) {
        const std::string message = MessageOf([&] { WriteFileSafely(c.path, Bytes("neu")); });
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        EXPECT_NE(message.find("bleibt unverändert"), std::string::npos) << message;
    }
    EXPECT_EQ(ReadText(readOnly), "alt");
    EXPECT_EQ(Stat(readOnly).st_mode & 07777, 0444u);
    EXPECT_EQ(ReadText(dir / "zweiter-name.tpp"), "alt");
    EXPECT_EQ(Stat(linked).st_nlink, 2u);
    EXPECT_EQ(EntriesIn(dir.Path()), 4u) << "temporary file left";
}

TEST(SafeFile, StaleTemporaryFilesOfAKilledSaveAreRemoved) {
    TempDir dir;
    const auto path = dir / "Einstellungen.qvo";
    const auto stale = dir / "Einstellungen.qvo.tmp123456";
    const auto staleOfAnEarlierVersion = dir / "Einstellungen.qvo.tmp4711";
    const auto running = dir / "Einstellungen.qvo.tmpAbc987"; // a save in progress elsewhere
    const auto foreign = dir / "Einstellungen.qvo.tmp-notiz.txt";
    for (const auto& file : {stale, staleOfAnEarlierVersion, running, foreign}) {
        WriteText(file, "x");
    }
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(stale, old);
    std::filesystem::last_write_time(staleOfAnEarlierVersion, old);
    std::filesystem::last_write_time(foreign, old);

    WriteFileSafely(path, Bytes("neu"));

    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_FALSE(std::filesystem::exists(staleOfAnEarlierVersion));
    EXPECT_TRUE(std::filesystem::exists(running));
    EXPECT_TRUE(std::filesystem::exists(foreign));
    EXPECT_TRUE(IsTemporaryNameOf("a.tpp.tmp0aZ9zz", "a.tpp"));
    EXPECT_FALSE(IsTemporaryNameOf("a.tpp.tmp0aZ9zz7", "a.tpp"));
    EXPECT_FALSE(IsTemporaryNameOf("a.tpp.tmp", "a.tpp"));
    EXPECT_FALSE(IsTemporaryNameOf("a.tpp.tmp-12", "a.tpp"));
    EXPECT_FALSE(IsTemporaryNameOf("b.tpp.tmp0aZ9zz", "a.tpp"));
}

TEST(SafeFile, ReadingRefusesWhatIsNoRegularFileOrTooBig) {
    TempDir dir;
    const auto fifo = dir / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    WriteText(dir / "gross.tpp", std::string(1000, 'x'));

    const struct {
        std::filesystem::path path;
        const char* reason;
    } cases[] = {
        {fifo, "keine gewöhnliche Datei"},        // would block for ever waiting for a writer
        {"/dev/zero", "keine gewöhnliche Datei"}, // would fill the memory
        {dir.Path(), "ist ein Ordner"},
        {dir / "gross.tpp", "zu groß"},
        {dir / "gross.tpp" / "x.tpp", "kann nicht gelesen werden"}, // a file where a folder should be
    };
    for (const auto& c : cases) {
        const std::string message = MessageOf([&] { ReadWholeFile(c.path, 999); });
        EXPECT_NE(message.find(c.reason), std::string::npos) << c.path << ": " << message;
    }
    EXPECT_FALSE(ReadWholeFile(dir / "fehlt.tpp").has_value());
    EXPECT_EQ(ReadWholeFile(dir / "gross.tpp", 1000)->size(), 1000u);
}

TEST(SafeFile, AnUnreadableFileIsAnErrorNotAMissingFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the administrator may read every file";
    }
    TempDir dir;
    const auto path = dir / "Ziehungen.tpp";
    WriteText(path, "x");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const std::string message = MessageOf([&] { ReadWholeFile(path); });
    EXPECT_NE(message.find("kann nicht gelesen werden"), std::string::npos) << message;
}

} // namespace
} // namespace qv

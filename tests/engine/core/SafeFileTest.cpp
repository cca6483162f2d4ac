#include "engine/core/SafeFile.h"
#include "engine/core/FileError.h"
#include "engine/core/PathText.h"
#include "engine/core/SafeFileParts.h"

#include "support/FailingSave.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qv {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

#if !defined(_WIN32)
struct stat Stat(const std::filesystem::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}
#endif

// Read-only as the system has it: mode 0444 on Linux, the read-only attribute on Windows.
void MakeReadOnly(const std::filesystem::path& path) {
    using enum std::filesystem::perms;
    std::filesystem::permissions(path, owner_read | group_read | others_read);
}
void MakeWritable(const std::filesystem::path& path) {
    using enum std::filesystem::perms;
    std::filesystem::permissions(path, owner_read | owner_write | group_read | others_read);
}
void ExpectReadOnly(const std::filesystem::path& path) {
#if defined(_WIN32)
    EXPECT_NE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u) << path;
#else
    EXPECT_EQ(Stat(path).st_mode & 07777, 0444u) << path;
#endif
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
#if defined(_WIN32)
    // Windows: the attributes (and with them owner and security, which ReplaceFileW keeps alike).
    const auto path = dir / "Ziehungen.tpp";
    WriteText(path, "alt");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));

    WriteFileSafely(path, Bytes("neu"));

    EXPECT_EQ(ReadText(path), "neu");
    EXPECT_NE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "temporary file or the old file left";
#else
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
#endif
}

TEST(SafeFile, ANewFileGetsTheUsualMode) {
#if defined(_WIN32)
    GTEST_SKIP() << "Windows has no file mode: a new file takes the folder's permissions";
#else
    TempDir dir;
    const auto path = dir / "neu.qvo";
    const mode_t mask = ::umask(022);
    WriteFileSafely(path, Bytes("x"));
    ::umask(mask);
    EXPECT_EQ(Stat(path).st_mode & 07777, 0644u);
#endif
}

TEST(SafeFile, ALinkIsWrittenThroughToItsTargetAndStaysALink) {
#if defined(_WIN32)
    GTEST_SKIP() << "making a symbolic link needs a privilege on Windows that a test cannot count on";
#else
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
#endif
}

TEST(SafeFile, ReadOnlyHardLinkedAndOddFilesAreRefusedAndKept) {
    TempDir dir;
    const auto readOnly = dir / "nur-lesen.tpp";
    WriteText(readOnly, "alt");
    MakeReadOnly(readOnly);
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
    ExpectReadOnly(readOnly);
    EXPECT_EQ(ReadText(dir / "zweiter-name.tpp"), "alt");
#if !defined(_WIN32) // the C library of Windows counts one link for every file
    EXPECT_EQ(Stat(linked).st_nlink, 2u);
#endif
    EXPECT_EQ(EntriesIn(dir.Path()), 4u) << "temporary file left";
    MakeWritable(readOnly); // for the folder's removal
}

// The temporary file is created exclusively under a fresh name: whatever stands at a name it might
// take (another program's file, a link placed there by someone else) is neither written through nor
// replaced; the save takes the next free name.
TEST(SafeFile, TheTemporaryFileIsCreatedExclusively) {
    TempDir dir;
    const auto path = dir / "Ziehungen.tpp";
    WriteText(path, "alt");
    safe_file::SeedTemporaryNames(4711);
    const std::string first = safe_file::TemporaryName("Ziehungen.tpp");
    const std::string second = safe_file::TemporaryName("Ziehungen.tpp");
    WriteText(dir / first, "fremd");
#if defined(_WIN32)
    WriteText(dir / second, "fremd");
#else
    std::filesystem::create_symlink(dir / "anderswo.tpp", dir / second);
#endif

    safe_file::SeedTemporaryNames(4711);
    WriteFileSafely(path, Bytes("neu"));

    EXPECT_EQ(ReadText(path), "neu");
    EXPECT_EQ(ReadText(dir / first), "fremd");
#if defined(_WIN32)
    EXPECT_EQ(ReadText(dir / second), "fremd");
#else
    EXPECT_TRUE(std::filesystem::is_symlink(dir / second));
    EXPECT_FALSE(std::filesystem::exists(dir / "anderswo.tpp")) << "written through the link";
#endif
    EXPECT_EQ(EntriesIn(dir.Path()), 3u) << "temporary file left";
}

// Names beyond ASCII reach the system as they are (UTF-16 on Windows) and come back in messages as
// written.
TEST(SafeFile, NamesWithUmlauts) {
    TempDir dir;
    const auto folder = dir / "Spielscheine Ä";
    std::filesystem::create_directory(folder);
    const auto path = folder / PathFromText("Woche Ü 1.kts");
    const auto stale = folder / PathFromText("Woche Ü 1.kts.tmpAbc123");
    WriteText(stale, "x");
    std::filesystem::last_write_time(stale, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));

    WriteFileSafely(path, Bytes("erste"));
    WriteFileSafely(path, Bytes("zweite"));

    const auto read = ReadWholeFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(std::string(read->begin(), read->end()), "zweite");
    ASSERT_EQ(EntriesIn(folder), 1u) << "the stale temporary file was kept, or a new one left";
    EXPECT_EQ(PathText(std::filesystem::directory_iterator(folder)->path().filename()), "Woche Ü 1.kts");

    MakeReadOnly(path);
    const std::string message = MessageOf([&] { WriteFileSafely(path, Bytes("dritte")); });
    EXPECT_NE(message.find("Spielscheine Ä"), std::string::npos) << message;
    EXPECT_NE(message.find("Woche Ü 1.kts“ wird nicht gespeichert: Sie ist schreibgeschützt."), std::string::npos)
        << message;
    EXPECT_EQ(ReadText(path), "zweite");
    MakeWritable(path);
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

// Windows used to limit a path to 260 characters; a save and a read deeper down work all the same.
TEST(SafeFile, ALongPathIsSavedAndRead) {
    TempDir dir;
    std::filesystem::path folder = dir.Path();
    for (int level = 0; level < 4; ++level) {
        folder /= "Ordner-" + std::to_string(level) + std::string(70, 'x');
    }
    std::filesystem::create_directories(folder);
    const auto path = folder / "Ziehungen.tpp";
    ASSERT_GT(path.native().size(), 300u);
    WriteFileSafely(path, Bytes("alt"));
    WriteFileSafely(path, Bytes("neu"));
    const auto read = ReadWholeFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(std::string(read->begin(), read->end()), "neu");
#if !defined(_WIN32) // the C++ library's own folder listing stops at 260 characters on Windows
    EXPECT_EQ(EntriesIn(folder), 1u) << "temporary file or the old file left";
#endif
}

TEST(SafeFile, ReadingRefusesWhatIsNoRegularFileOrTooBig) {
    TempDir dir;
#if !defined(_WIN32)
    const auto fifo = dir / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
#endif
    WriteText(dir / "gross.tpp", std::string(1000, 'x'));

    const struct {
        std::filesystem::path path;
        const char* reason;
    } cases[] = {
#if defined(_WIN32)
        {"NUL", "keine gewöhnliche Datei"}, // the null device
#else
        {fifo, "keine gewöhnliche Datei"},        // would block for ever waiting for a writer
        {"/dev/zero", "keine gewöhnliche Datei"}, // would fill the memory
#endif
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
#if defined(_WIN32)
    TempDir dir;
    const auto path = dir / "Ziehungen.tpp";
    WriteText(path, "x");
    const test::FailingSave held(path, 0); // held open by another program
    ASSERT_TRUE(held.Active());
#else
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the administrator may read every file";
    }
    TempDir dir;
    const auto path = dir / "Ziehungen.tpp";
    WriteText(path, "x");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
#endif
    const std::string message = MessageOf([&] { ReadWholeFile(path); });
    EXPECT_NE(message.find("kann nicht gelesen werden"), std::string::npos) << message;
}

const std::string kNeu = "neu";

// Four slip files of a batch: Woche-1.kts to Woche-4.kts, each holding "alt" before.
struct Batch {
    explicit Batch(const TempDir& dir) {
        for (int k = 1; k <= 4; ++k) {
            paths.push_back(dir / ("Woche-" + std::to_string(k) + ".kts"));
            WriteText(paths.back(), "alt");
        }
    }
    // The bytes point into text, which must outlive them.
    std::vector<FileContents> Contents(const std::string& text) const {
        std::vector<FileContents> files;
        for (const auto& path : paths) {
            files.push_back({path, Bytes(text)});
        }
        return files;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& path : paths) {
            texts.push_back(ReadText(path));
        }
        return texts;
    }
    std::vector<std::filesystem::path> paths;
};

TEST(SafeFileBatch, LandsWholeAndLooksForStaleTemporariesOfEveryFile) {
    TempDir dir;
    const Batch batch(dir);
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {"Woche-1.kts.tmp123456", "Woche-4.kts.tmpAbCdEf", "Woche-9.kts.tmp123456"}) {
        WriteText(dir / name, "x");
        std::filesystem::last_write_time(dir / name, old);
    }
    WriteFilesSafely(batch.Contents(kNeu));
    EXPECT_EQ(batch.Texts(), std::vector<std::string>(4, "neu"));
    EXPECT_EQ(EntriesIn(dir.Path()), 5u) << "a stale temporary file of the batch was left, or a foreign one taken";
    EXPECT_TRUE(std::filesystem::exists(dir / "Woche-9.kts.tmp123456"));
}

// A file of the batch that cannot be written (read-only; beyond the file size limit as on a full disk
// on Linux, held open by another program on Windows) leaves every file of the batch as it was.
TEST(SafeFileBatch, AFailureBeforeTheRenamesChangesNoFile) {
    TempDir dir;
    const Batch batch(dir);
    MakeReadOnly(batch.paths[3]);
    const std::string message = MessageOf([&] { WriteFilesSafely(batch.Contents(kNeu)); });
    EXPECT_EQ(message, "Die Datei " + Quoted(batch.paths[3]) +
                           " wird nicht gespeichert: Sie ist schreibgeschützt. Die alte Datei bleibt unverändert. "
                           "Keine der 4 Dateien wurde verändert.");
    EXPECT_EQ(batch.Texts(), std::vector<std::string>(4, "alt"));
    MakeWritable(batch.paths[3]);

    std::vector<FileContents> files = batch.Contents(kNeu);
    const std::string big(200, 'x');
    files[2].bytes = Bytes(big);
    std::string full;
    {
        const test::FailingSave failing(batch.paths[2], 100);
        ASSERT_TRUE(failing.Active());
        full = MessageOf([&] { WriteFilesSafely(files); });
    }
    EXPECT_NE(full.find(Quoted(batch.paths[2]) + " kann nicht gespeichert werden"), std::string::npos) << full;
    EXPECT_NE(full.find("Keine der 4 Dateien wurde verändert. (Systemmeldung: "), std::string::npos) << full;
    EXPECT_EQ(batch.Texts(), std::vector<std::string>(4, "alt"));
    EXPECT_EQ(EntriesIn(dir.Path()), 4u) << "temporary file left";
}

TEST(SafeFileBatch, ARenameThatFailsIsReportedWithTheFilesAlreadyNew) {
    TempDir dir;
    const Batch batch(dir);
    {
        PreparedFiles prepared(batch.Contents(kNeu));
        EXPECT_EQ(batch.Texts(), std::vector<std::string>(4, "alt")) << "replaced before the commit";
        // Something takes the third file's place between the two steps: a folder cannot be replaced.
        std::filesystem::remove(batch.paths[2]);
        std::filesystem::create_directory(batch.paths[2]);
        WriteText(batch.paths[2] / "inhalt", "x");
        const std::string message = MessageOf([&] { prepared.Commit(); });
        EXPECT_TRUE(message.starts_with("Die Datei " + Quoted(batch.paths[2]) +
                                        " kann nicht gespeichert werden; die alte Datei bleibt unverändert. Die Datei "
                                        "danach bleibt ebenfalls unverändert; schon neu geschrieben sind " +
                                        Quoted(batch.paths[0]) + ", " + Quoted(batch.paths[1]) + ". (Systemmeldung: "))
            << message;
    }
    EXPECT_EQ(ReadText(batch.paths[0]), "neu");
    EXPECT_EQ(ReadText(batch.paths[1]), "neu");
    EXPECT_EQ(ReadText(batch.paths[3]), "alt");
    EXPECT_EQ(EntriesIn(dir.Path()), 4u) << "temporary file left";
}

TEST(SafeFile, ANewFileNeverReplacesOne) {
    TempDir dir;
    const auto path = dir / "Sicherung.tpp";
    EXPECT_TRUE(WriteNewFileSafely(path, Bytes("erste")));
    EXPECT_FALSE(WriteNewFileSafely(path, Bytes("zweite")));
    EXPECT_EQ(ReadText(path), "erste");
#if defined(_WIN32)
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "temporary file left";
#else
    std::filesystem::create_symlink(dir / "anderswo.tpp", dir / "Verweis.tpp");
    EXPECT_FALSE(WriteNewFileSafely(dir / "Verweis.tpp", Bytes("x")));
    EXPECT_FALSE(std::filesystem::exists(dir / "anderswo.tpp"));
    EXPECT_EQ(EntriesIn(dir.Path()), 2u) << "temporary file left";
#endif
}

#if defined(_WIN32)
int MakePipe(int ends[2]) {
    return ::_pipe(ends, 65536, _O_BINARY);
}
int WriteTo(int fd, const char* text, unsigned size) {
    return ::_write(fd, text, size);
}
int CloseFd(int fd) {
    return ::_close(fd);
}
#else
int MakePipe(int ends[2]) {
    return ::pipe(ends);
}
int WriteTo(int fd, const char* text, unsigned size) {
    return static_cast<int>(::write(fd, text, size));
}
int CloseFd(int fd) {
    return ::close(fd);
}
#endif

// A pipe delivers its text in parts: all of them are read, up to the limit.
TEST(SafeFile, AStreamIsReadToItsEndWithinTheLimit) {
    int ends[2];
    ASSERT_EQ(MakePipe(ends), 0);
    std::thread writer([in = ends[1]] {
        EXPECT_EQ(WriteTo(in, "1 2\n", 4), 4);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(WriteTo(in, "3\n", 2), 2);
        CloseFd(in);
    });
    const auto read = ReadStreamToEnd(ends[0], 10, "Standardeingabe");
    writer.join();
    CloseFd(ends[0]);
    ASSERT_TRUE(read);
    EXPECT_EQ(std::string(read->begin(), read->end()), "1 2\n3\n");

    ASSERT_EQ(MakePipe(ends), 0);
    EXPECT_EQ(WriteTo(ends[1], "12345678901", 11), 11);
    CloseFd(ends[1]);
    EXPECT_FALSE(ReadStreamToEnd(ends[0], 10, "Standardeingabe"));
    CloseFd(ends[0]);
}

} // namespace
} // namespace qv

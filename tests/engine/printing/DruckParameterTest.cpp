#include "engine/printing/DruckParameter.h"
#include "engine/core/ByteOrder.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

const std::filesystem::path kInstalledSet = std::filesystem::path(QV_SOURCE_DATA_DIR) / "BEL.qvpd";

TEST(PrintParameters, FieldsSitAtTheirOffsets) {
    std::vector<std::uint8_t> bytes(TDruckParameter::kSize, 0);
    const std::span<std::uint8_t> out(bytes);
    WriteI32LE(out, 0, 11);
    WriteI32LE(out, 4, 600);
    WriteI32LE(out, 8, 450);
    WriteI32LE(out, 12, -12);
    WriteI32LE(out, 16, 16);
    WriteI32LE(out, 20, 1700);
    WriteI32LE(out, 24, 1230);
    WriteI32LE(out, 28, 28);
    WriteI32LE(out, 32, 100);                   // field 1, number 1, X
    WriteI32LE(out, 32 + 560 + 8 * 69 + 4, -7); // field 2, number 70, Y
    WriteI32LE(out, 4512 + 8 * 5, 1750);        // stake box 10 €, X
    WriteI32LE(out, 4560 + 8 * 4 + 4, 540);     // draw box 14, Y
    const auto set = DecodePrintParameters(bytes);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->reserved0, 11);
    EXPECT_EQ(set->abstandHori, 600);
    EXPECT_EQ(set->abstandVerti, 450);
    EXPECT_EQ(set->reserved12, -12);
    EXPECT_EQ(set->reserved16, 16);
    EXPECT_EQ(set->scheinNrX, 1700);
    EXPECT_EQ(set->scheinNrY, 1230);
    EXPECT_EQ(set->reserved28, 28);
    EXPECT_EQ(set->Number(1, 1), (PaperPoint{100, 0}));
    EXPECT_EQ(set->Number(2, 70), (PaperPoint{0, -7}));
    EXPECT_EQ(set->einsatzPos[5], (PaperPoint{1750, 0}));
    EXPECT_EQ(set->ziehungenPos[4], (PaperPoint{0, 540}));
    EXPECT_EQ(EncodePrintParameters(*set), bytes);
}

TEST(PrintParameters, InstalledSetReadsAndWritesBackByteForByte) {
    TempDir dir;
    const auto set = ReadPrintParameterFile(kInstalledSet);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->Number(5, 1), (PaperPoint{100, 670}));
    WritePrintParameterFile(dir / "copy.qvpd", *set);
    EXPECT_EQ(ReadBytes(dir / "copy.qvpd"), ReadBytes(kInstalledSet));
    // Its positions follow the derivation, so a save from the editor changes nothing either.
    EXPECT_EQ(WithEditorValues(*set, EditorValuesOf(*set)), *set);
}

TEST(PrintParameters, ShortFilesAreRefusedLongerOnesReadTheirStart) {
    TempDir dir;
    const auto whole = ReadBytes(kInstalledSet);
    WriteBytes(dir / "short.qvpd", {whole.begin(), whole.end() - 1});
    EXPECT_THROW(ReadPrintParameterFile(dir / "short.qvpd"), ParameterFileTooShort);
    WriteBytes(dir / "empty.qvpd", {});
    EXPECT_THROW(ReadPrintParameterFile(dir / "empty.qvpd"), ParameterFileTooShort);
    auto longer = whole;
    longer.insert(longer.end(), 20, 0xEE);
    WriteBytes(dir / "long.qvpd", longer);
    EXPECT_EQ(ReadPrintParameterFile(dir / "long.qvpd"), ReadPrintParameterFile(kInstalledSet));
    EXPECT_FALSE(ReadPrintParameterFile(dir / "missing.qvpd"));
}

// The scale correction rides behind the 4600 bytes, where readers of the plain record never look.
TEST(PrintParameters, AScaleCorrectionFollowsTheRecordAndOldFilesReadAsUnscaled) {
    TempDir dir;
    const auto whole = ReadBytes(kInstalledSet);
    const auto old = ReadPrintParameterFile(kInstalledSet);
    ASSERT_TRUE(old);
    EXPECT_EQ(old->scaleX, 1000);
    EXPECT_EQ(old->scaleY, 1000);

    TDruckParameter scaled = *old;
    scaled.scaleX = 990;
    scaled.scaleY = 1012;
    WritePrintParameterFile(dir / "scaled.qvpd", scaled);
    const auto written = ReadBytes(dir / "scaled.qvpd");
    ASSERT_EQ(written.size(), 4612u);
    EXPECT_TRUE(std::equal(whole.begin(), whole.end(), written.begin())); // the record itself unchanged
    EXPECT_EQ(std::string(written.begin() + 4600, written.begin() + 4604), "QVSK");
    EXPECT_EQ(ReadI32LE(written, 4604), 990);
    EXPECT_EQ(ReadI32LE(written, 4608), 1012);
    EXPECT_EQ(ReadPrintParameterFile(dir / "scaled.qvpd"), scaled);
    // The editor's values carry it through a save.
    EXPECT_EQ(WithEditorValues(*old, EditorValuesOf(scaled)), scaled);

    // Anything else behind the record, or scales outside 800 to 1200, reads as 1000.
    const struct {
        const char* name;
        std::size_t at;
        std::int32_t value;
    } damaged[] = {{"other tag", 4600, 0x4B535651 + 1}, {"too small", 4604, 799}, {"too large", 4608, 1201}};
    for (const auto& d : damaged) {
        auto bytes = written;
        WriteI32LE(std::span<std::uint8_t>(bytes), d.at, d.value);
        const auto set = DecodePrintParameters(bytes);
        ASSERT_TRUE(set) << d.name;
        EXPECT_EQ(set->scaleX, 1000) << d.name;
        EXPECT_EQ(set->scaleY, 1000) << d.name;
    }
    EXPECT_EQ(DecodePrintParameters(std::span(written).first(4611))->scaleX, 1000);
}

TEST(PrintParameters, MarksAreScaledAboutThePaperCornerThenShifted) {
    TDruckParameter set;
    set.scaleX = 990;
    set.scaleY = 1010;
    const struct {
        PaperPoint at;
        int hori, vert;
        PaperPoint expected;
    } cases[] = {
        {{1000, 2000}, 0, 0, {990, 2020}},
        {{1000, 2000}, 230, -15, {1220, 2005}},
        {{150, 50}, 0, 0, {149, 51}}, // 148.5 and 50.5 round half away from zero
        {{-150, -50}, 0, 0, {-149, -51}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceMark(set, c.at, c.hori, c.vert), c.expected) << c.at.x << "," << c.at.y;
    }
    set.scaleX = set.scaleY = 1000;
    EXPECT_EQ(PlaceMark(set, {INT32_MAX, INT32_MIN}, 1, -1), (PaperPoint{INT32_MIN, INT32_MAX}));
}

EditorValues FirstFieldAt(PaperPoint first, int hori, int verti) {
    EditorValues values;
    values.firstNumbers.fill(first);
    values.abstandHori = hori;
    values.abstandVerti = verti;
    return values;
}

TEST(PrintParameters, SaveDerivesAllSeventyPositions) {
    const TDruckParameter set = WithEditorValues({}, FirstFieldAt({100, 200}, 600, 450));
    EXPECT_EQ(set.Number(1, 1), (PaperPoint{100, 200}));
    EXPECT_EQ(set.Number(1, 11), (PaperPoint{200, 200}));
    EXPECT_EQ(set.Number(1, 61), (PaperPoint{700, 200}));
    EXPECT_EQ(set.Number(1, 10), (PaperPoint{100, 650}));
    EXPECT_EQ(set.Number(8, 70), (PaperPoint{700, 650}));
    EXPECT_EQ(set.Number(3, 34), (PaperPoint{400, 350}));
}

TEST(PrintParameters, StepsTruncateTowardsZero) {
    struct Case {
        int hori;
        int verti;
        PaperPoint number70;
    };
    const Case cases[] = {
        {605, 458, {1000 + 600, 1000 + 450}},
        {-605, -458, {1000 - 600, 1000 - 450}},
        {5, 8, {1000, 1000}},
    };
    for (const Case& c : cases) {
        const TDruckParameter set = WithEditorValues({}, FirstFieldAt({1000, 1000}, c.hori, c.verti));
        EXPECT_EQ(set.Number(1, 70), c.number70) << c.hori;
        EXPECT_EQ(set.abstandHori, c.hori);
    }
}

TEST(PrintParameters, SaveKeepsTheReservedWordsAndReplacesStrayPositions) {
    TDruckParameter held;
    held.reserved0 = 1;
    held.reserved12 = 2;
    held.reserved16 = 3;
    held.reserved28 = 4;
    held.feldPos[0][1] = {999, 999}; // number 2 stored off the grid
    EditorValues values = FirstFieldAt({10, 20}, 60, 90);
    values.einsatzPos[5] = {1, 2};
    values.ziehungenPos[0] = {3, 4};
    values.scheinNrX = 5;
    values.scheinNrY = 6;
    const TDruckParameter saved = WithEditorValues(held, values);
    EXPECT_EQ(saved.reserved0, 1);
    EXPECT_EQ(saved.reserved12, 2);
    EXPECT_EQ(saved.reserved16, 3);
    EXPECT_EQ(saved.reserved28, 4);
    EXPECT_EQ(saved.Number(1, 2), (PaperPoint{10, 30}));
    EXPECT_EQ(saved.einsatzPos[5], (PaperPoint{1, 2}));
    EXPECT_EQ(saved.ziehungenPos[0], (PaperPoint{3, 4}));
    EXPECT_EQ(saved.scheinNrX, 5);
    EXPECT_EQ(saved.scheinNrY, 6);
}

TEST(PrintParameters, EditorIntegers) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"230", 230},
        {"-605", -605},
        {"  7", 7},
        {"+4", 4},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"7 ", std::nullopt},
        {"1,5", std::nullopt},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"x1", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseEditorInteger(c.text), c.value) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace qv

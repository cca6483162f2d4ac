#include "engine/tips/EntrySlip.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(EntrySlip, CellCodesNameSlipFieldAndNumber) {
    EXPECT_EQ(EntryCellCode(3, 2, 45), 3245);
    const EntryCell cell = EntryCellOf(12870);
    EXPECT_EQ(cell.slip, 12);
    EXPECT_EQ(cell.field, 8);
    EXPECT_EQ(cell.number, 70);
}

TEST(EntrySlip, AFieldHoldsAtMostTenNumbers) {
    TScheinBool entry;
    for (int n = 1; n <= 10; ++n) {
        ASSERT_EQ(ToggleEntryNumber(entry, 4, n), ToggleResult::Marked);
    }
    EXPECT_EQ(ToggleEntryNumber(entry, 4, 11), ToggleResult::Ignored);
    EXPECT_FALSE(IsEntryNumberMarked(entry, 4, 11));
    EXPECT_EQ(entry.Anz[3], 10);

    EXPECT_EQ(ToggleEntryNumber(entry, 4, 5), ToggleResult::Unmarked);
    EXPECT_EQ(ToggleEntryNumber(entry, 4, 11), ToggleResult::Marked);
    EXPECT_EQ(entry.Anz[3], 10);
    // Other fields are not affected by a full one.
    EXPECT_EQ(ToggleEntryNumber(entry, 5, 11), ToggleResult::Marked);
}

TEST(EntrySlip, NumbersOutsideTheGameAreIgnored) {
    TScheinBool entry;
    for (const auto& [field, number] : {std::pair{1, 0}, {1, 71}, {0, 5}, {9, 5}}) {
        EXPECT_EQ(ToggleEntryNumber(entry, field, number), ToggleResult::Ignored) << field << "/" << number;
    }
    EXPECT_EQ(entry, TScheinBool{});
}

TEST(EntrySlip, SaveWritesMarkedNumbersAscendingWithEmptyFieldsZero) {
    TScheinBool entry;
    for (int n : {30, 5, 17}) {
        ToggleEntryNumber(entry, 2, n);
    }
    ToggleEntryNumber(entry, 7, 70);
    EXPECT_FALSE(HasCompleteField(TScheinBool{}));
    EXPECT_TRUE(HasCompleteField(entry));

    const TSchein slip = SlipFromEntry(entry, 5, 4);
    TSchein expected;
    expected.Z[1] = {5, 17, 30, 0, 0, 0, 0, 0, 0, 0};
    expected.Z[6] = {70, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    expected.kenotyp = {0, 3, 0, 0, 0, 0, 1, 0};
    expected.einsatz = 5;
    expected.Ziehungen = 4;
    EXPECT_EQ(slip, expected);
    EXPECT_EQ(entry.typ[1], 3);
    EXPECT_EQ(entry.typ[6], 1);
}

TEST(EntrySlip, OpenedSlipMarksEachValidNumberOnce) {
    TSchein slip;
    slip.Z[0] = {30, 5, 17, 0, 0, 0, 0, 0, 0, 0};
    slip.kenotyp[0] = 3;
    // Field 3: a repeated number, one outside the game and a number after the count, not read.
    slip.Z[2] = {8, 8, 71, 0, 9, 0, 0, 0, 0, 0};
    slip.kenotyp[2] = 4;
    // A count above ten reads the ten numbers the field has.
    slip.Z[7] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    slip.kenotyp[7] = 200;

    const TScheinBool entry = EntryFromSlip(slip);
    EXPECT_TRUE(IsEntryNumberMarked(entry, 1, 5));
    EXPECT_TRUE(IsEntryNumberMarked(entry, 1, 17));
    EXPECT_TRUE(IsEntryNumberMarked(entry, 1, 30));
    EXPECT_EQ(entry.Anz[0], 3);
    EXPECT_EQ(entry.Anz[2], 1);
    EXPECT_FALSE(IsEntryNumberMarked(entry, 3, 9));
    EXPECT_EQ(entry.typ[2], 1);
    EXPECT_EQ(entry.Anz[7], 10);
    EXPECT_EQ(entry.Anz[1], 0);
}

TEST(EntrySlip, FreeFieldsForFurtherRows) {
    std::vector<TScheinBool> entries;
    EXPECT_EQ(FreeFieldsOfNewest(entries), 0);
    entries.emplace_back();
    EXPECT_EQ(FreeFieldsOfNewest(entries), 0); // a slip without numbers is not continued
    ToggleEntryNumber(entries.back(), 2, 9);
    EXPECT_EQ(FreeFieldsOfNewest(entries), 7);
    EXPECT_EQ(NextEmptyField(entries.back(), 0), 1);
    EXPECT_EQ(NextEmptyField(entries.back(), 1), 3);
    for (int field = 3; field <= 8; ++field) {
        ToggleEntryNumber(entries.back(), field, 1);
    }
    EXPECT_EQ(NextEmptyField(entries.back(), 1), std::nullopt);
}

} // namespace
} // namespace qv

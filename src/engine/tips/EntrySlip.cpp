#include "engine/tips/EntrySlip.h"

#include "engine/core/GameTables.h"

#include <algorithm>

namespace qv {

namespace {

bool ValidPlace(int field, int number) {
    return field >= 1 && field <= TSchein::kFields && number >= 1 && number <= kNumbersInGame;
}

} // namespace

ToggleResult ToggleEntryNumber(TScheinBool& entry, int field, int number) {
    if (!ValidPlace(field, number)) {
        return ToggleResult::Ignored;
    }
    bool& mark = entry.Z[field - 1][number - 1];
    std::int32_t& count = entry.Anz[field - 1];
    if (mark) {
        mark = false;
        --count;
        return ToggleResult::Unmarked;
    }
    if (count >= kMaxKenoType) {
        return ToggleResult::Ignored;
    }
    mark = true;
    ++count;
    return ToggleResult::Marked;
}

bool IsEntryNumberMarked(const TScheinBool& entry, int field, int number) {
    return ValidPlace(field, number) && entry.Z[field - 1][number - 1];
}

bool HasCompleteField(const TScheinBool& entry) {
    for (int field = 0; field < TSchein::kFields; ++field) {
        if (entry.FieldComplete(field)) {
            return true;
        }
    }
    return false;
}

TSchein SlipFromEntry(TScheinBool& entry, int stakeIndex, int drawCountIndex) {
    TSchein slip;
    for (int field = 0; field < TSchein::kFields; ++field) {
        if (entry.Anz[field] <= 0) {
            continue;
        }
        int position = 0;
        for (int number = 1; number <= kNumbersInGame && position < TSchein::kFieldWidth; ++number) {
            if (entry.Z[field][number - 1]) {
                slip.Z[field][position++] = static_cast<std::uint8_t>(number);
            }
        }
        // The count written is the count of numbers written, so the record is always consistent.
        entry.typ[field] = position;
        slip.kenotyp[field] = static_cast<std::uint8_t>(position);
    }
    slip.einsatz = static_cast<std::uint8_t>(stakeIndex);
    slip.Ziehungen = static_cast<std::uint8_t>(drawCountIndex);
    return slip;
}

TScheinBool EntryFromSlip(const TSchein& slip) {
    TScheinBool entry;
    for (int field = 0; field < TSchein::kFields; ++field) {
        if (slip.kenotyp[field] == 0) {
            continue;
        }
        for (const std::uint8_t number : slip.FieldNumbers(field)) {
            if (number >= 1 && number <= kNumbersInGame && !entry.Z[field][number - 1]) {
                entry.Z[field][number - 1] = true;
                ++entry.Anz[field];
            }
        }
        entry.typ[field] = entry.Anz[field];
    }
    return entry;
}

int FreeFieldsOfNewest(const std::vector<TScheinBool>& entries) {
    if (entries.empty()) {
        return 0;
    }
    const TScheinBool& newest = entries.back();
    const int used = static_cast<int>(
        std::count_if(newest.Anz.begin(), newest.Anz.end(), [](std::int32_t count) { return count > 0; }));
    return used == 0 ? 0 : TSchein::kFields - used;
}

std::optional<int> NextEmptyField(const TScheinBool& entry, int after) {
    for (int field = std::max(after, 0) + 1; field <= TSchein::kFields; ++field) {
        if (entry.Anz[field - 1] == 0) {
            return field;
        }
    }
    return std::nullopt;
}

} // namespace qv

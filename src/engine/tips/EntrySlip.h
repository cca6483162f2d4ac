#pragma once

#include "engine/core/Records.h"

#include <optional>
#include <vector>

namespace qv {

// A slip filled in on screen: eight fields of the numbers 1 to 70, as the slip entry window keeps it
// in a TScheinBool (Z marks, Anz counts, typ the Keno type of the last save or open).

// The code of the number cell of number n in field f of slip k: k * 1000 + f * 100 + n
// (slip 3, field 2, number 45 gives 3245).
constexpr int EntryCellCode(int slip, int field, int number) {
    return slip * 1000 + field * 100 + number;
}
struct EntryCell {
    int slip = 0;
    int field = 0; // 1 to 8
    int number = 0;
};
constexpr EntryCell EntryCellOf(int code) {
    return {code / 1000, (code % 1000) / 100, code % 100};
}

// What a click on a number did.
enum class ToggleResult {
    Marked,   // the number is marked now
    Unmarked, // the number was marked and is not any more
    Ignored,  // an eleventh number of a full field, or no number of the game
};

// Marks or unmarks number n of field (1 to 8). A field holds at most ten numbers: a click on an
// eleventh is ignored.
ToggleResult ToggleEntryNumber(TScheinBool& entry, int field, int number);

bool IsEntryNumberMarked(const TScheinBool& entry, int field, int number);

// True when at least one field holds two or more numbers: only then may the slip be saved.
bool HasCompleteField(const TScheinBool& entry);

// The slip file record of an entry slip: each field's marked numbers ascending and its count (a field
// of one number is written with count 1), the stake and draw-count indices as given. Sets typ of every
// field with numbers to its count.
TSchein SlipFromEntry(TScheinBool& entry, int stakeIndex, int drawCountIndex);

// The entry slip of an opened slip file: per field its first kenotyp numbers (at most ten) marked;
// numbers outside 1 to 70 are left out and a number stored twice counts once. Anz and typ are the
// counts so marked.
TScheinBool EntryFromSlip(const TSchein& slip);

// How many fields of the newest entry slip are still free for further tip rows: 0 when there is no
// slip yet or the newest slip has no marked number at all (a fresh slip is then begun), otherwise the
// fields without any marked number.
int FreeFieldsOfNewest(const std::vector<TScheinBool>& entries);

// The first field after field `after` (1 to 8, 0 = from the start) that has no marked number, or
// nothing when every later field holds numbers.
std::optional<int> NextEmptyField(const TScheinBool& entry, int after);

} // namespace qv

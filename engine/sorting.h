#pragma once
// Reordering of the monster table by one of the seven sort keys.

#include "catalogue/catalogue.h"

#include <cstdint>

namespace kestrel {

enum SortKey : std::int32_t {
    kSortReading = 0,  // 50音順
    kSortBook = 1,     // 図鑑順
    kSortHp = 2,       // HP順
    kSortMp = 3,       // MP順
    kSortFamily = 4,   // 系統順
    kSortAttack = 5,   // 攻撃力順
    kSortDefense = 6,  // 守備力順
};

// Reorders the records first .. first+count-1 exactly as the exchange sort does
// (records at i and j exchanged when i must come after j, for i < j), without
// moving whole records more than once.
void sortMonsters(Catalogue& catalogue, int first, int count, std::int32_t key, std::int32_t debugLevel);

// Sorts the whole table by key; key 4 then orders each family run by HP.
// The caller refreshes.
void applySort(Catalogue& catalogue, std::int32_t key, std::int32_t debugLevel);

}  // namespace kestrel

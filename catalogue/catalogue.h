#pragma once
// The monster table and the three free-text tables that run beside it.

#include "catalogue/monster_record.h"

#include <array>
#include <cstdint>
#include <string>

namespace kestrel {

inline constexpr int kMaxMonsters = 1024;

// The normalised name of the record at one position, kept by the name search.
// It remembers the name it was made from and is made again whenever the record
// at its position holds another name (after a sort or a load).
struct NameKey {
    char name[kNameSize];
    char key[2 * kNameSize + 1];  // a normalised text grows by half at the most
};

struct Catalogue {
    std::array<MonsterRecord, kMaxMonsters> monsterTable{};
    std::int32_t monsterCount = 0;
    // Indexed by a record's loadIndex; sorting never moves them.
    std::array<std::string, kMaxMonsters> triviaText1;
    std::array<std::string, kMaxMonsters> triviaText2;
    std::array<std::string, kMaxMonsters> locationText;
    std::array<NameKey, kMaxMonsters> nameKeys{};
};

// Zero-fills every record, empties the text tables and sets monsterCount to 0.
void clearCatalogue(Catalogue& catalogue);

// Exchanges the complete contents of records a and b.
void swapRecords(Catalogue& catalogue, int a, int b);

// The text table entry at a record's loadIndex; empty when the index is out of range.
const std::string& triviaText1Of(const Catalogue& catalogue, const MonsterRecord& record);
const std::string& triviaText2Of(const Catalogue& catalogue, const MonsterRecord& record);
const std::string& locationTextOf(const Catalogue& catalogue, const MonsterRecord& record);

}  // namespace kestrel

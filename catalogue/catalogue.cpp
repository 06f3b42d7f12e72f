#include "catalogue/catalogue.h"

#include <cstring>

namespace kestrel {

void clearCatalogue(Catalogue& catalogue)
{
    std::memset(catalogue.monsterTable.data(), 0, sizeof(catalogue.monsterTable));
    catalogue.monsterCount = 0;
    for (int i = 0; i < kMaxMonsters; ++i) {
        catalogue.triviaText1[i].clear();
        catalogue.triviaText2[i].clear();
        catalogue.locationText[i].clear();
    }
}

void swapRecords(Catalogue& catalogue, int a, int b)
{
    if (a == b)
        return;
    MonsterRecord temp;
    std::memcpy(&temp, &catalogue.monsterTable[a], sizeof temp);
    std::memcpy(&catalogue.monsterTable[a], &catalogue.monsterTable[b], sizeof temp);
    std::memcpy(&catalogue.monsterTable[b], &temp, sizeof temp);
}

namespace {
const std::string& textAt(const std::array<std::string, kMaxMonsters>& table, const MonsterRecord& record)
{
    static const std::string empty;
    if (record.loadIndex < 0 || record.loadIndex >= kMaxMonsters)
        return empty;
    return table[record.loadIndex];
}
}  // namespace

const std::string& triviaText1Of(const Catalogue& c, const MonsterRecord& r) { return textAt(c.triviaText1, r); }
const std::string& triviaText2Of(const Catalogue& c, const MonsterRecord& r) { return textAt(c.triviaText2, r); }
const std::string& locationTextOf(const Catalogue& c, const MonsterRecord& r) { return textAt(c.locationText, r); }

}  // namespace kestrel

#include "support/literal_sort.h"

#include "engine/sorting.h"

#include <algorithm>
#include <cstring>

namespace kestrel::testing {

bool mustFollow(const MonsterRecord& a, const MonsterRecord& b, int key, int debugLevel)
{
    auto u = [](std::int32_t v) { return static_cast<std::uint32_t>(v); };
    if (debugLevel == 8 && key != kSortFamily)
        return u(a.weight) > u(b.weight);
    switch (key) {
    case kSortReading:  // unsigned bytes over the shorter length: a reading equals any that it begins
        return std::memcmp(a.readingKey, b.readingKey,
                           std::min(strnlen(a.readingKey, kNameSize), strnlen(b.readingKey, kNameSize))) > 0;
    case kSortBook: return u(a.bookNumber) > u(b.bookNumber);
    case kSortHp: return u(a.hp) > u(b.hp);
    case kSortMp: return u(a.mp) > u(b.mp);
    case kSortFamily: return a.family > b.family;
    case kSortAttack: return u(a.attack) > u(b.attack);
    default: return u(a.defense) > u(b.defense);
    }
}

void literalSort(Catalogue& catalogue, int first, int count, int key, int debugLevel)
{
    if (key < 0 || key > 6)
        return;
    for (int i = first; i < first + count - 1; ++i)
        for (int j = i + 1; j < first + count; ++j)
            if (mustFollow(catalogue.monsterTable[i], catalogue.monsterTable[j], key, debugLevel))
                swapRecords(catalogue, i, j);
}

void literalApplySort(Catalogue& catalogue, int key, int debugLevel)
{
    literalSort(catalogue, 0, catalogue.monsterCount, key, debugLevel);
    const auto& t = catalogue.monsterTable;
    for (int start = 0, i = 1; key == kSortFamily && i <= catalogue.monsterCount; ++i)
        if (i == catalogue.monsterCount || t[i].family != t[i - 1].family)
            literalSort(catalogue, start, i - start, kSortHp, debugLevel), start = i;
}

}  // namespace kestrel::testing

// The exchange sort of the monster table. The comparisons and exchanges run on
// an order of positions with the keys beside it; the records themselves are then
// moved once each into the order that exchanging whole records would have left.

#include "engine/sorting.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kestrel {

namespace {

constexpr std::int32_t kWeightDebugLevel = 8;
constexpr std::int32_t kWeightField = -1;  // the key that the weight level compares

enum class Comparison { Reading, Number };

// The number that orders a record under key, as an unsigned value: the family is
// compared signed, so its sign bit is flipped to keep that order.
std::uint32_t numberKey(const MonsterRecord& record, std::int32_t field)
{
    switch (field) {
    case kSortBook: return static_cast<std::uint32_t>(record.bookNumber);
    case kSortHp: return static_cast<std::uint32_t>(record.hp);
    case kSortMp: return static_cast<std::uint32_t>(record.mp);
    case kSortFamily: return static_cast<std::uint32_t>(record.family) ^ 0x80000000u;
    case kSortAttack: return static_cast<std::uint32_t>(record.attack);
    case kSortDefense: return static_cast<std::uint32_t>(record.defense);
    default: return static_cast<std::uint32_t>(record.weight);
    }
}

// Moves each record of the range to the position given by order (order[p] is the
// range offset of the record that belongs at offset p), following the cycles of
// the permutation with one record in hand.
void permuteRecords(MonsterRecord* range, const std::array<std::uint16_t, kMaxMonsters>& order, int count)
{
    std::array<bool, kMaxMonsters> placed{};
    for (int start = 0; start < count; ++start) {
        if (placed[start])
            continue;
        placed[start] = true;
        if (order[start] == start)
            continue;
        const MonsterRecord held = range[start];
        int p = start;
        while (order[p] != start) {
            range[p] = range[order[p]];
            p = order[p];
            placed[p] = true;
        }
        range[p] = held;
    }
}

}  // namespace

void sortMonsters(Catalogue& catalogue, int first, int count, std::int32_t key, std::int32_t debugLevel)
{
    if (key < kSortReading || key > kSortDefense)
        return;
    if (first < 0 || first >= kMaxMonsters || count < 2)
        return;
    count = std::min(count, kMaxMonsters - first);
    if (count < 2)
        return;

    std::int32_t field = key;
    if (debugLevel == kWeightDebugLevel && key != kSortFamily)
        field = kWeightField;
    const Comparison comparison = field == kSortReading ? Comparison::Reading : Comparison::Number;

    MonsterRecord* range = catalogue.monsterTable.data() + first;
    std::array<std::uint16_t, kMaxMonsters> order;    // offset of the record now at each offset
    std::array<std::uint32_t, kMaxMonsters> number;   // its number key, moved along with it
    std::array<std::uint8_t, kMaxMonsters> length;    // its reading key's length, by record
    for (int p = 0; p < count; ++p) {
        order[p] = static_cast<std::uint16_t>(p);
        if (comparison == Comparison::Number)
            number[p] = numberKey(range[p], field);
        else
            length[p] = static_cast<std::uint8_t>(::strnlen(range[p].readingKey, kNameSize));
    }

    if (comparison == Comparison::Number) {
        for (int i = 0; i + 1 < count; ++i) {
            for (int j = i + 1; j < count; ++j) {
                if (number[i] > number[j]) {
                    std::swap(number[i], number[j]);
                    std::swap(order[i], order[j]);
                }
            }
        }
    } else {
        // Texts of which one begins the other compare equal: only the shorter
        // length is compared.
        for (int i = 0; i + 1 < count; ++i) {
            for (int j = i + 1; j < count; ++j) {
                const int a = order[i];
                const int b = order[j];
                const std::size_t shorter = std::min(length[a], length[b]);
                if (std::memcmp(range[a].readingKey, range[b].readingKey, shorter) > 0)
                    std::swap(order[i], order[j]);
            }
        }
    }

    permuteRecords(range, order, count);
}

void applySort(Catalogue& catalogue, std::int32_t key, std::int32_t debugLevel)
{
    const int count = std::clamp(catalogue.monsterCount, 0, kMaxMonsters);
    sortMonsters(catalogue, 0, count, key, debugLevel);
    if (key != kSortFamily)
        return;
    // Each run of one family is put in HP order on its own.
    int start = 0;
    for (int i = 1; i <= count; ++i) {
        if (i == count || catalogue.monsterTable[i].family != catalogue.monsterTable[start].family) {
            if (i - start >= 2)
                sortMonsters(catalogue, start, i - start, kSortHp, debugLevel);
            start = i;
        }
    }
}

}  // namespace kestrel

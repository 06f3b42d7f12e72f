// The exchange sort of the monster table. The comparisons and exchanges run on
// an order of positions with a 32-bit key beside it; the records themselves are
// then moved once each into the order that exchanging whole records would have
// left.
//
// Each pass i of the exchange sort holds the record at i and exchanges it with
// every later record that it must follow. The pass therefore only needs the
// later positions where that happens; they are found by comparing sixteen keys
// at a time (the compiler turns that into vector compares), so most of the n²/2
// comparisons cost a fraction of an instruction each.

#include "engine/sorting.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kestrel {

namespace {

constexpr std::int32_t kWeightDebugLevel = 8;
constexpr std::int32_t kWeightField = -1;  // the key that the weight level compares
constexpr int kBlock = 16;                 // keys compared at once

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

// A reading as compared: its first eight bytes as a big-endian number, zero
// past its end, and its length. Two readings compare over the shorter length
// only, so one that begins the other is equal to it.
struct ReadingKey {
    std::uint64_t head;
    int length;
};

ReadingKey readingKeyOf(const MonsterRecord& record)
{
    ReadingKey key{0, static_cast<int>(::strnlen(record.readingKey, kNameSize))};
    for (int k = 0; k < 8; ++k) {
        const auto byte = k < key.length ? static_cast<unsigned char>(record.readingKey[k]) : 0u;
        key.head = key.head << 8 | byte;
    }
    return key;
}

// Whether reading a must follow reading b: the first byte that differs within
// the shorter length is larger in a.
bool readingFollows(const MonsterRecord* range, const ReadingKey* keys, int a, int b)
{
    const int shorter = std::min(keys[a].length, keys[b].length);
    if (shorter < 8) {
        // The top `shorter` bytes; a shift by 64 bits would be undefined.
        const std::uint64_t mask = shorter == 0 ? 0 : ~std::uint64_t{0} << (64 - 8 * shorter);
        return (keys[a].head & mask) > (keys[b].head & mask);
    }
    if (keys[a].head != keys[b].head)
        return keys[a].head > keys[b].head;
    return std::memcmp(range[a].readingKey + 8, range[b].readingKey + 8, static_cast<std::size_t>(shorter - 8)) > 0;
}

// The first position from `from` on whose key is below held (or equal to it as
// well, with orEqual); count when there is none.
template <bool orEqual>
int nextCandidate(const std::uint32_t* keys, int from, int count, std::uint32_t held)
{
    int j = from;
    for (; j + kBlock <= count; j += kBlock) {
        unsigned hit = 0;
        for (int t = 0; t < kBlock; ++t)
            hit |= orEqual ? keys[j + t] <= held : keys[j + t] < held;
        if (hit != 0)
            break;
    }
    for (; j < count; ++j) {
        if (orEqual ? keys[j] <= held : keys[j] < held)
            return j;
    }
    return count;
}

struct Order {
    std::array<std::uint16_t, kMaxMonsters> at;  // range offset of the record now at each offset
    std::array<std::uint32_t, kMaxMonsters> key;  // its key, moved along with it
    void exchange(int i, int j)
    {
        std::swap(at[i], at[j]);
        std::swap(key[i], key[j]);
    }
};

// The passes on number keys: a later key below the held one is exchanged.
void numberPasses(Order& order, int count)
{
    for (int i = 0; i + 1 < count; ++i) {
        for (int j = nextCandidate<false>(order.key.data(), i + 1, count, order.key[i]); j < count;
             j = nextCandidate<false>(order.key.data(), j + 1, count, order.key[i]))
            order.exchange(i, j);
    }
}

// The passes on readings. The key beside each position is the reading's first
// four bytes: a reading can only follow one whose first four bytes are not
// above its own, so only those are compared in full.
void readingPasses(Order& order, int count, const MonsterRecord* range, const ReadingKey* keys)
{
    for (int i = 0; i + 1 < count; ++i) {
        for (int j = nextCandidate<true>(order.key.data(), i + 1, count, order.key[i]); j < count;
             j = nextCandidate<true>(order.key.data(), j + 1, count, order.key[i])) {
            if (readingFollows(range, keys, order.at[i], order.at[j]))
                order.exchange(i, j);
        }
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

    MonsterRecord* range = catalogue.monsterTable.data() + first;
    Order order;
    if (field == kSortReading) {
        std::array<ReadingKey, kMaxMonsters> readings;
        for (int p = 0; p < count; ++p) {
            order.at[p] = static_cast<std::uint16_t>(p);
            readings[p] = readingKeyOf(range[p]);
            order.key[p] = static_cast<std::uint32_t>(readings[p].head >> 32);
        }
        readingPasses(order, count, range, readings.data());
    } else {
        for (int p = 0; p < count; ++p) {
            order.at[p] = static_cast<std::uint16_t>(p);
            order.key[p] = numberKey(range[p], field);
        }
        numberPasses(order, count);
    }
    permuteRecords(range, order.at, count);
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

// The exchange sort of the monster table, computed without its n²/2 steps.
//
// Two readings compare equal when one begins the other, so the readings of a
// range fall into groups: a group is a reading that no other reading of the
// range begins (its root) with every reading that begins with it. Any reading
// outside a group compares the same way with every reading inside it, and the
// groups stand in the byte order of their roots. (A number key makes a group of
// each value.) Watching one group G through the exchange sort, with the records
// of lower groups as anonymous "lower" entries and the higher groups left out,
// every pass of the whole sort is one pass over that shorter sequence: the
// chain of exchanges of a pass runs through higher records first, then lower
// and group records exactly as on the shorter sequence. So:
// - the groups end up one after the other in root order;
// - within a group, the order is the exchange sort of the group's records in
//   table order with the lower records between them, each pass of which stops
//   at the first lower record; a lower record ahead of the group's first
//   record plays no part;
// - when no two records of a group compare unequal (a single value, or readings
//   each beginning the next), each lower record just sends the group's first
//   record behind the others: the sequence so far turns by one.
// The records themselves are then moved once each into that order.

#include "engine/sorting.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace kestrel {

namespace {

constexpr std::int32_t kWeightDebugLevel = 8;
constexpr std::int32_t kWeightField = -1;  // the key that the weight level compares
constexpr std::uint16_t kLower = 0xFFFF;   // a record of a lower group in a group's sequence

using Offsets = std::array<std::uint16_t, kMaxMonsters>;

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

bool begins(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

// Whether reading a must follow reading b: the first byte that differs within
// the shorter length is larger in a.
bool follows(std::string_view a, std::string_view b)
{
    const std::size_t shorter = std::min(a.size(), b.size());
    return std::memcmp(a.data(), b.data(), shorter) > 0;
}

// How many of the offsets already placed (the lower groups) lie below p.
class Placed {
public:
    void add(int offset)
    {
        for (int p = offset + 1; p <= kMaxMonsters; p += p & -p)
            ++tree_[static_cast<std::size_t>(p)];
    }
    int below(int offset) const
    {
        int n = 0;
        for (int p = offset; p > 0; p -= p & -p)
            n += tree_[static_cast<std::size_t>(p)];
        return n;
    }

private:
    std::array<std::uint16_t, kMaxMonsters + 1> tree_{};
};

// A group whose records all compare equal: each lower record behind member t
// turns the sequence of members 0..t by one.
void orderEqualGroup(const std::uint16_t* members, int size, int count, const Placed& placed, std::uint16_t* out)
{
    for (int t = 0; t < size; ++t) {
        out[t] = members[t];
        const int next = t + 1 < size ? members[t + 1] : count;
        const int lower = placed.below(next) - placed.below(members[t] + 1);
        if (const int turn = lower % (t + 1); turn != 0)
            std::rotate(out, out + turn, out + t + 1);
    }
}

// Any other group: the exchange sort of its sequence, each pass ending where
// the held record meets a lower one.
void orderGroup(const std::uint16_t* members, int size, int count, const Placed& placed,
                const std::string_view* readings, std::uint16_t* out)
{
    Offsets sequence;
    int length = 0;
    for (int t = 0; t < size; ++t) {
        sequence[static_cast<std::size_t>(length++)] = members[t];
        const int next = t + 1 < size ? members[t + 1] : count;
        for (int n = placed.below(next) - placed.below(members[t] + 1); n > 0; --n)
            sequence[static_cast<std::size_t>(length++)] = kLower;
    }
    int done = 0;
    for (int i = 0; i < length; ++i) {
        std::uint16_t& held = sequence[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < length && held != kLower; ++j) {
            std::uint16_t& other = sequence[static_cast<std::size_t>(j)];
            if (other == kLower || follows(readings[held], readings[other]))
                std::swap(held, other);
        }
        if (held != kLower)
            out[done++] = held;
    }
}

// The offsets in final order, given them sorted by key (then offset) and where
// each group of that order ends and whether its records all compare equal.
template <typename NextGroup>
void orderGroups(Offsets& sorted, int count, const std::string_view* readings, NextGroup nextGroup, Offsets& out)
{
    Placed placed;
    for (int begin = 0; begin < count;) {
        bool allEqual = true;
        const int end = nextGroup(begin, allEqual);
        std::uint16_t* members = sorted.data() + begin;
        std::sort(members, members + (end - begin));
        if (allEqual)
            orderEqualGroup(members, end - begin, count, placed, out.data() + begin);
        else
            orderGroup(members, end - begin, count, placed, readings, out.data() + begin);
        for (int t = begin; t < end; ++t)
            placed.add(sorted[static_cast<std::size_t>(t)]);
        begin = end;
    }
}

void orderByNumber(const MonsterRecord* range, int count, std::int32_t field, Offsets& out)
{
    std::array<std::uint64_t, kMaxMonsters> keyed;  // key, then offset
    for (int p = 0; p < count; ++p)
        keyed[static_cast<std::size_t>(p)] = std::uint64_t{numberKey(range[p], field)} << 16 | static_cast<unsigned>(p);
    std::sort(keyed.begin(), keyed.begin() + count);
    Offsets sorted;
    for (int p = 0; p < count; ++p)
        sorted[static_cast<std::size_t>(p)] = static_cast<std::uint16_t>(keyed[static_cast<std::size_t>(p)]);
    orderGroups(
        sorted, count, nullptr,
        [&](int begin, bool&) {
            int end = begin + 1;
            while (end < count &&
                   keyed[static_cast<std::size_t>(end)] >> 16 == keyed[static_cast<std::size_t>(begin)] >> 16)
                ++end;
            return end;
        },
        out);
}

void orderByReading(const MonsterRecord* range, int count, Offsets& out)
{
    std::array<std::string_view, kMaxMonsters> readings;
    Offsets sorted;
    for (int p = 0; p < count; ++p) {
        readings[static_cast<std::size_t>(p)] =
            std::string_view(range[p].readingKey, ::strnlen(range[p].readingKey, kNameSize));
        sorted[static_cast<std::size_t>(p)] = static_cast<std::uint16_t>(p);
    }
    // Byte order, a reading before those it begins; the same readings by offset.
    std::sort(sorted.begin(), sorted.begin() + count, [&](std::uint16_t a, std::uint16_t b) {
        const int c = readings[a].compare(readings[b]);
        return c != 0 ? c < 0 : a < b;
    });
    orderGroups(
        sorted, count, readings.data(),
        [&](int begin, bool& allEqual) {
            const std::string_view root = readings[sorted[static_cast<std::size_t>(begin)]];
            int end = begin + 1;
            for (; end < count && begins(readings[sorted[static_cast<std::size_t>(end)]], root); ++end) {
                // Readings that each begin the next all compare equal.
                allEqual = allEqual && begins(readings[sorted[static_cast<std::size_t>(end)]],
                                              readings[sorted[static_cast<std::size_t>(end - 1)]]);
            }
            return end;
        },
        out);
}

// Moves each record of the range to the position given by order (order[p] is the
// range offset of the record that belongs at offset p), following the cycles of
// the permutation with one record in hand.
void permuteRecords(MonsterRecord* range, const Offsets& order, int count)
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
    Offsets order;
    if (field == kSortReading)
        orderByReading(range, count, order);
    else
        orderByNumber(range, count, field, order);
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

#include "engine/sorting.h"

#include "engine/normaliser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace kestrel {
namespace {

// Appends a record identified by its loadIndex (its position when added).
MonsterRecord& addRecord(Catalogue& catalogue)
{
    MonsterRecord& record = catalogue.monsterTable[catalogue.monsterCount];
    record.loadIndex = catalogue.monsterCount++;
    return record;
}

std::vector<int> order(const Catalogue& catalogue)
{
    std::vector<int> ids;
    for (int i = 0; i < catalogue.monsterCount; ++i)
        ids.push_back(catalogue.monsterTable[i].loadIndex);
    return ids;
}

// Whether the record at i must come after the one at j: the rule of the
// exchange sort, applied to whole records below.
bool mustFollow(const MonsterRecord& a, const MonsterRecord& b, int key, int debugLevel)
{
    if (key < 0 || key > 6)
        return false;
    auto u = [](std::int32_t v) { return static_cast<std::uint32_t>(v); };
    if (debugLevel == 8 && key != 4)
        return u(a.weight) > u(b.weight);
    switch (key) {
    case 0: {
        const std::size_t n = std::min(strnlen(a.readingKey, kNameSize), strnlen(b.readingKey, kNameSize));
        for (std::size_t k = 0; k < n; ++k)
            if (a.readingKey[k] != b.readingKey[k])
                return static_cast<unsigned char>(a.readingKey[k]) > static_cast<unsigned char>(b.readingKey[k]);
        return false;
    }
    case 1: return u(a.bookNumber) > u(b.bookNumber);
    case 2: return u(a.hp) > u(b.hp);
    case 3: return u(a.mp) > u(b.mp);
    case 4: return a.family > b.family;
    case 5: return u(a.attack) > u(b.attack);
    default: return u(a.defense) > u(b.defense);
    }
}

void literalSort(Catalogue& catalogue, int first, int count, int key, int debugLevel)
{
    for (int i = first; i < first + count - 1; ++i)
        for (int j = i + 1; j < first + count; ++j)
            if (mustFollow(catalogue.monsterTable[i], catalogue.monsterTable[j], key, debugLevel))
                swapRecords(catalogue, i, j);
}

void literalApplySort(Catalogue& catalogue, int key, int debugLevel)
{
    literalSort(catalogue, 0, catalogue.monsterCount, key, debugLevel);
    if (key != 4)
        return;
    int start = 0;
    for (int i = 1; i <= catalogue.monsterCount; ++i) {
        if (i == catalogue.monsterCount || catalogue.monsterTable[i].family != catalogue.monsterTable[i - 1].family) {
            literalSort(catalogue, start, i - start, 2, debugLevel);
            start = i;
        }
    }
}

TEST(Sorting, NumberKeysCompareUnsigned)
{
    auto catalogue = std::make_unique<Catalogue>();
    const std::int32_t values[3] = {120, -1, 0};
    for (std::int32_t v : values) {
        MonsterRecord& r = addRecord(*catalogue);
        r.hp = r.mp = r.attack = r.defense = r.bookNumber = v;
        r.weight = -v;  // 0, 1, -120: weight order differs from the others
    }
    for (int key : {kSortBook, kSortHp, kSortMp, kSortAttack, kSortDefense}) {
        sortMonsters(*catalogue, 0, 3, key, 0);
        EXPECT_EQ(order(*catalogue), (std::vector<int>{2, 0, 1})) << "key " << key;
        sortMonsters(*catalogue, 0, 3, key, 8);
        EXPECT_EQ(order(*catalogue), (std::vector<int>{2, 1, 0})) << "key " << key;
    }
    // Unknown keys, at any debug level, and ranges of fewer than two records
    // leave the order as it is.
    for (int key : {-1, 7, 1000}) {
        sortMonsters(*catalogue, 0, 3, key, 0);
        sortMonsters(*catalogue, 0, 3, key, 8);
    }
    sortMonsters(*catalogue, 0, 1, kSortHp, 0);
    sortMonsters(*catalogue, 2, 0, kSortHp, 0);
    sortMonsters(*catalogue, -1, 3, kSortHp, 0);
    sortMonsters(*catalogue, kMaxMonsters, 3, kSortHp, 0);
    EXPECT_EQ(order(*catalogue), (std::vector<int>{2, 1, 0}));
    // A range is sorted on its own.
    sortMonsters(*catalogue, 1, 2, kSortHp, 0);
    EXPECT_EQ(order(*catalogue), (std::vector<int>{2, 0, 1}));
}

TEST(Sorting, ReadingKeyPrefixesCompareEqual)
{
    auto catalogue = std::make_unique<Catalogue>();
    normaliseText("\x83\x58\x83\x89\x83\x43\x83\x80\x83\x78\x83\x58", addRecord(*catalogue).readingKey, kNameSize);  // スライムベス
    normaliseText("\x82\xb7\x82\xe7\x82\xa2\x82\xde", addRecord(*catalogue).readingKey, kNameSize);  // すらいむ
    applySort(*catalogue, kSortReading, 0);
    EXPECT_EQ(order(*catalogue), (std::vector<int>{0, 1}));
    swapRecords(*catalogue, 0, 1);
    applySort(*catalogue, kSortReading, 0);
    EXPECT_EQ(order(*catalogue), (std::vector<int>{1, 0}));

    // ASCII before ｦ before ｱ; bytes compare unsigned.
    std::strcpy(addRecord(*catalogue).readingKey, "\xb1");  // ｱ
    std::strcpy(addRecord(*catalogue).readingKey, "\xa6");  // ｦ
    std::strcpy(addRecord(*catalogue).readingKey, "-");
    applySort(*catalogue, kSortReading, 0);
    EXPECT_EQ(order(*catalogue), (std::vector<int>{4, 3, 2, 0, 1}));  // the prefix pair swapped in passing
}

TEST(Sorting, FamilyOrderWithHpRuns)
{
    auto catalogue = std::make_unique<Catalogue>();
    const std::int32_t rows[][3] = {
        // family, hp, weight
        {1, 50, 1}, {1, 30, 2}, {2, 10, 0}, {0x81, 5, 0}, {0, 99, 0}, {2, -1, 0}, {14, 7, 0},
    };
    for (const auto& row : rows) {
        MonsterRecord& r = addRecord(*catalogue);
        r.family = row[0];
        r.hp = row[1];
        r.weight = row[2];
    }
    applySort(*catalogue, kSortFamily, 0);
    EXPECT_EQ(order(*catalogue), (std::vector<int>{4, 1, 0, 2, 5, 6, 3}));
    // With the weight level the families keep their order, each by weight.
    applySort(*catalogue, kSortFamily, 8);
    EXPECT_EQ(order(*catalogue), (std::vector<int>{4, 0, 1, 2, 5, 6, 3}));
}

// Random tables with many equal keys and readings that begin one another,
// sorted both ways for every key and debug level; every byte must agree.
TEST(Sorting, SameResultAsExchangingWholeRecords)
{
    std::mt19937 random(20240611);
    const std::int32_t numbers[] = {-1, 0, 1, 2, 3, 50, 0x81, 0x7fffffff, static_cast<std::int32_t>(0x80000000)};
    const char letters[] = {'-', '1', '\xa6', '\xb1', '\xbd', '\xdd', '\x89'};
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    auto a = std::make_unique<Catalogue>();
    auto b = std::make_unique<Catalogue>();

    for (int round = 0; round < 40; ++round) {
        const int count = round == 0 ? kMaxMonsters : pick(round < 5 ? 4 : 160);
        std::memset(a->monsterTable.data(), 0, sizeof a->monsterTable);
        a->monsterCount = count;
        for (int i = 0; i < count; ++i) {
            MonsterRecord& r = a->monsterTable[i];
            r.loadIndex = i;
            r.extraStats[3] = static_cast<std::int32_t>(random());
            std::int32_t* fields[] = {&r.bookNumber, &r.hp, &r.mp, &r.attack, &r.defense, &r.weight, &r.family};
            for (std::int32_t* f : fields)
                *f = numbers[pick(round % 2 ? 3 : 9)];
            const int length = pick(5);
            for (int k = 0; k < length; ++k)
                r.readingKey[k] = letters[pick(round % 2 ? 2 : 7)];
        }
        for (int key = -1; key <= 7; ++key) {
            for (int debugLevel : {0, 8}) {
                std::memcpy(b->monsterTable.data(), a->monsterTable.data(), sizeof a->monsterTable);
                b->monsterCount = count;
                if (round % 3 == 2 && count > 2) {
                    const int first = pick(count - 1);
                    const int span = 2 + pick(count - first - 1);
                    sortMonsters(*b, first, span, key, debugLevel);
                    literalSort(*a, first, span, key, debugLevel);
                } else {
                    applySort(*b, key, debugLevel);
                    literalApplySort(*a, key, debugLevel);
                }
                ASSERT_EQ(std::memcmp(a->monsterTable.data(), b->monsterTable.data(), sizeof a->monsterTable), 0)
                    << "round " << round << " key " << key << " debug " << debugLevel;
            }
        }
    }
}

}  // namespace
}  // namespace kestrel

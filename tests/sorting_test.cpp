#include "engine/sorting.h"

#include "catalogue/monster_loader.h"
#include "support/literal_sort.h"
#include "support/monster_files.h"
#include "text/normaliser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <utility>

namespace kestrel {
namespace {

using testing::literalApplySort;
using testing::literalSort;

// Appends a record identified by its loadIndex (its position when added).
MonsterRecord& addRecord(Catalogue& catalogue, std::int32_t family = 0, std::int32_t hp = 0, std::int32_t weight = 0)
{
    MonsterRecord& record = catalogue.monsterTable[catalogue.monsterCount];
    record.loadIndex = catalogue.monsterCount++;
    record.family = family, record.hp = hp, record.weight = weight;
    return record;
}

// The load indices in table order, as digits.
std::string order(const Catalogue& catalogue)
{
    std::string ids;
    for (int i = 0; i < catalogue.monsterCount; ++i)
        ids += std::to_string(catalogue.monsterTable[i].loadIndex);
    return ids;
}

TEST(Sorting, DocumentedOrders)
{
    auto catalogue = std::make_unique<Catalogue>();
    const auto sorted = [&](int key, int level) {
        applySort(*catalogue, key, level);
        return order(*catalogue);
    };
    for (std::int32_t v : {120, -1, 0}) {
        MonsterRecord& r = addRecord(*catalogue);
        r.hp = r.mp = r.attack = r.defense = r.bookNumber = v, r.weight = -v;  // weight order differs
    }
    for (int key : {kSortBook, kSortHp, kSortMp, kSortAttack, kSortDefense}) {
        EXPECT_EQ(sorted(key, 0), "201") << "key " << key;  // 0, 120, unknown
        EXPECT_EQ(sorted(key, 8), "210") << "key " << key;
    }
    for (const auto& [first, span] : {std::pair{0, 1}, {2, 0}, {-1, 3}, {kMaxMonsters, 3}, {kMaxMonsters - 1, 5}})
        sortMonsters(*catalogue, first, span, kSortHp, 0);  // too short or outside the table: no change
    EXPECT_EQ(order(*catalogue), "210");
    sortMonsters(*catalogue, 1, 2, kSortHp, 0);  // a range is sorted on its own
    EXPECT_EQ(order(*catalogue), "201");

    // Family: unknown first, uncertain last, each family by HP; with the weight level by weight.
    catalogue->monsterCount = 0;
    const std::int32_t rows[][3] = {{1, 50, 1}, {1, 30, 2}, {2, 10, 0}, {0x81, 5, 0},
                                    {0, 99, 0}, {2, -1, 0}, {14, 7, 0}};  // family, HP, weight
    for (const auto& [family, hp, weight] : rows)
        addRecord(*catalogue, family, hp, weight);
    EXPECT_EQ(sorted(kSortFamily, 0), "4102563");
    EXPECT_EQ(sorted(kSortFamily, 8), "4012563");

    // Readings that begin one another compare equal: すらいむ and スライムベス stay as they are.
    catalogue->monsterCount = 0;
    normaliseText("\x83\x58\x83\x89\x83\x43\x83\x80\x83\x78\x83\x58", addRecord(*catalogue).readingKey, kNameSize);
    normaliseText("\x82\xb7\x82\xe7\x82\xa2\x82\xde", addRecord(*catalogue).readingKey, kNameSize);
    EXPECT_EQ(sorted(kSortReading, 0), "01");
    swapRecords(*catalogue, 0, 1);
    EXPECT_EQ(sorted(kSortReading, 0), "10");
}

// Random tables with many equal keys and readings that begin one another, sorted
// both ways for every key (valid or not) and debug level; every byte must agree.
TEST(Sorting, SameResultAsExchangingWholeRecords)
{
    std::mt19937 random(20240611);
    const std::int32_t numbers[] = {-1, 0, 1, 2, 3, 50, 0x81, 0x7fffffff, static_cast<std::int32_t>(0x80000000)};
    const char letters[] = {'-', '1', '\xa6', '\xb1', '\xbd', '\xdd', '\x89'};
    const int lengths[] = {0, 1, 3, 4, 5, 7, 8, 9, 12, 16, 31, kNameSize};
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    auto a = std::make_unique<Catalogue>(), b = std::make_unique<Catalogue>();
    for (int round = 0; round < 40; ++round) {
        clearCatalogue(*a);
        const int count = a->monsterCount = round == 0 ? kMaxMonsters : pick(round < 5 ? 4 : 160);
        for (int i = 0; i < count; ++i) {
            MonsterRecord& r = a->monsterTable[i];
            r.loadIndex = i, r.extraStats[3] = static_cast<std::int32_t>(random());
            for (std::int32_t* f : {&r.bookNumber, &r.hp, &r.mp, &r.attack, &r.defense, &r.weight, &r.family})
                *f = numbers[pick(round % 2 ? 3 : 9)];
            // Every fourth round has long readings that share long beginnings, up to a whole field without NUL.
            const int length = round % 4 == 3 ? lengths[pick(std::size(lengths))] : pick(5);
            for (int k = length; k > 0; --k)
                r.readingKey[k - 1] = letters[pick(round % 2 ? 2 : 7)];
        }
        for (int key = -1; key <= 7; ++key)
            for (int debugLevel : {0, 8}) {
                *b = *a;
                if (round % 3 == 2 && count > 2) {  // a range of two or more
                    const int first = pick(count - 1), span = 2 + pick(count - first - 1);
                    sortMonsters(*b, first, span, key, debugLevel), literalSort(*a, first, span, key, debugLevel);
                } else {
                    applySort(*b, key, debugLevel), literalApplySort(*a, key, debugLevel);
                }
                ASSERT_EQ(std::memcmp(a->monsterTable.data(), b->monsterTable.data(), sizeof a->monsterTable), 0)
                    << "round " << round << " key " << key << " debug " << debugLevel;
            }
    }
}

// The generated full table: realistic readings, with the voicing marks
// dropped by normalisation, and numbers with many repeats.
TEST(Sorting, SameResultAsExchangingWholeRecordsOnAFullTable)
{
    auto a = std::make_unique<Catalogue>(), b = std::make_unique<Catalogue>();
    loadMonsterBytes(*a, testing::generatedExtendedFile(kMaxMonsters, 7), "generated.csv", {});
    ASSERT_EQ(a->monsterCount, kMaxMonsters);
    for (int key = kSortReading; key <= kSortDefense; ++key) {
        *b = *a;
        applySort(*b, key, 0), literalApplySort(*a, key, 0);
        ASSERT_EQ(std::memcmp(a->monsterTable.data(), b->monsterTable.data(), sizeof a->monsterTable), 0)
            << "key " << key;
    }
}

}  // namespace
}  // namespace kestrel

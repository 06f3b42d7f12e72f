// The bundled sample definition file as loaded: every value an observation tests occurs.

#include "catalogue/monster_loader.h"
#include "tests/support/monster_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>

using namespace kestrel;

// Unique names, all families and classes, both sides of every observation, some unknowns.
TEST(SampleData, HoldsEveryValueAnObservationTests)
{
    auto catalogue = std::make_unique<Catalogue>();
    loadMonsterFile(*catalogue, kestrel::testing::sampleFilePath(), {});
    const Catalogue& c = *catalogue;
    std::set<std::string> names;
    std::set<int> families, classes, floating, metal, size, mpDrain, noAnger;
    int uncertain = 0, unknownHp = 0, unknownAttack = 0, callFriends = 0, multiLineTrivia = 0;
    for (int i = 0; i < c.monsterCount; ++i) {
        const MonsterRecord& r = c.monsterTable[static_cast<std::size_t>(i)];
        names.insert(r.name);
        families.insert(r.family & ~kUncertainFamily);
        uncertain += (r.family & kUncertainFamily) != 0;
        classes.insert(r.quizClass);
        floating.insert(r.floating), metal.insert(r.metal), size.insert(r.size);
        mpDrain.insert(r.mpDrain), noAnger.insert(r.noAnger);
        unknownHp += r.hp == -1;
        unknownAttack += r.attack == -1;
        for (int k = 0; k < r.skillCount; ++k)  // the loader adds the caller's name to 仲間を呼ぶ
            callFriends += std::strncmp(r.skills[k], "\x92\x87\x8A\xD4\x82\xF0\x8C\xC4\x82\xD4", 10) == 0;
        multiLineTrivia += triviaText1Of(c, r).find("<BR>") != std::string::npos;
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(c.monsterCount));
    EXPECT_EQ(families, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(classes, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(floating, (std::set<int>{-1, 0, 1}));
    EXPECT_EQ(noAnger, (std::set<int>{-1, 0, 1}));
    for (const auto* values : {&metal, &size, &mpDrain})
        EXPECT_EQ(*values, (std::set<int>{0, 1}));
    for (int count : {uncertain, unknownHp, unknownAttack, callFriends, multiLineTrivia})
        EXPECT_GT(count, 0);
}

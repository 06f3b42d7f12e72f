// Definition files that are huge, strange or gone load without a crash or a
// hang, with the loader's own messages.

#include "catalogue/monster_loader.h"
#include "support/monster_files.h"
#include "ui/list/list_view.h"
#include "ui/main_window/window.h"
#include "ui/ids.h"
#include "ui/memory_controls.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

using namespace std::string_literals;
using kestrel::testing::TempDir;

namespace {

struct Loaded {
    std::unique_ptr<kestrel::Catalogue> catalogue = std::make_unique<kestrel::Catalogue>();
    kestrel::LoadReport report;
    std::vector<std::string> messages;
    const kestrel::MonsterRecord& operator[](int i) const { return catalogue->monsterTable[i]; }
};

Loaded loadFile(const std::string& path)
{
    Loaded r;
    r.report = kestrel::loadMonsterFile(*r.catalogue, path, [&](const auto& m) { r.messages.push_back(m.text); });
    return r;
}

}  // namespace

TEST(DefinitionFileFaults, FiftyMegabytesAndOneLineOfAHundredKilobytes)
{
    // A whole table of monsters, then short lines up to 50 MB.
    std::string bytes = kestrel::testing::generatedExtendedFile(1024, 3);
    const std::size_t tableBytes = bytes.size();
    while (bytes.size() < (50u << 20))
        bytes += "x,1\r\n";
    TempDir dir;
    const Loaded big = loadFile(dir.write("big.csv", bytes));
    EXPECT_EQ(big.catalogue->monsterCount, kestrel::kMaxMonsters);
    EXPECT_EQ(big.report.dataLines, 1024 + static_cast<int>((bytes.size() - tableBytes) / 5));
    EXPECT_LT(big.report.warnings.size(), 10u);  // one for all the lines past the table, not one each

    const std::string filler(100 * 1024, 'A');
    const Loaded header = loadFile(dir.write("header.csv", filler + "HRVTNP15041200"));
    EXPECT_EQ(header.catalogue->monsterCount, 0);
    EXPECT_EQ(header.report.format, kestrel::kExtendedFormat);
    std::string name;
    while (name.size() < filler.size())
        name += "\x8F\x62";  // 獣
    const Loaded line = loadFile(dir.write("line.csv", "HRVTNP14122700\r\n0," + name + ",2,," + filler + ",120"));
    ASSERT_EQ(line.catalogue->monsterCount, 1);
    EXPECT_EQ(std::strlen(line[0].name), 30u);  // cut between two characters
    EXPECT_EQ(line[0].hp, 120);
}

TEST(DefinitionFileFaults, NulBytesEndOnlyTheTexts)
{
    // 獣 and 、 in code page 932 and in UTF-8: both files read alike.
    TempDir dir;
    for (const std::string& data : {"0,AB\0CD,2,\x8F\x62,F,120,5,50,40,X\0Y\x81\x41Zap\r\n"s,
                                    "0,AB\0CD,2,\xE7\x8D\xA3,F,120,5,50,40,X\0Y\xE3\x80\x81Zap\r\n"s}) {
        const Loaded nul = loadFile(dir.write("nuls.csv", "HRVTNP14122700\r\n" + data + std::string(3, '\0')));
        ASSERT_EQ(nul.catalogue->monsterCount, 2);
        EXPECT_STREQ(nul[0].name, "AB");
        EXPECT_EQ(nul[0].family, 1);
        EXPECT_EQ(nul[0].defense, 40);
        ASSERT_EQ(nul[0].skillCount, 2);
        EXPECT_STREQ(nul[0].skills[0], "X");
        EXPECT_STREQ(nul[0].skills[1], "Zap");
    }
    EXPECT_EQ(loadFile(dir.write("zeros.csv", std::string(1 << 16, '\0'))).catalogue->monsterCount, 0);
}

TEST(DefinitionFileFaults, FolderOrVanishedFileGivesTheOpenError)
{
    TempDir dir;
    EXPECT_EQ(loadFile(dir.path()).messages, std::vector<std::string>{"File open error !! : " + dir.path()});

    using namespace kestrel::ui;
    MemoryControls controls;
    const std::string sample = kestrel::testing::sampleFilePath();
    CKestrelDlg window(controls, dir.write("k.ini", "[SETTING]\r\nMONSTERFILE=" + sample + "\r\n"));
    window.OnInitDialog();
    ASSERT_GT(window.catalogue().monsterCount, 0);

    const std::string gone = dir.write("gone.csv", "HRVTNP14122700\r\n0,A,1\r\n");
    controls.queueFile(gone);
    std::filesystem::remove(gone);  // chosen in the file dialog, gone before it is read
    controls.shownMessages().clear();
    EXPECT_TRUE(controls.click(id::kRefer));
    ASSERT_FALSE(controls.shownMessages().empty());
    EXPECT_EQ(controls.shownMessages().front().text, "File open error !! : " + gone);
    EXPECT_EQ(window.catalogue().monsterCount, 0);
    EXPECT_TRUE(controls.rows(kIdList).empty());

    EXPECT_TRUE(controls.type(id::kDealtLow, "25"));  // the window goes on working
    controls.queueFile(sample);
    EXPECT_TRUE(controls.click(id::kRefer));
    EXPECT_FALSE(controls.rows(kIdList).empty());
}

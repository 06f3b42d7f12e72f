// Definition files that are huge, strange or gone load without a crash or a
// hang, with the loader's own messages.

#include "catalogue/definition_check.h"
#include "catalogue/monster_loader.h"
#include "support/monster_files.h"
#include "ui/list/list_view.h"
#include "ui/main_window/window.h"
#include "ui/ids.h"
#include "ui/memory_controls.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

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

TEST(DefinitionFileFaults, SixteenMegabytesReadAnyMoreRefusedAndOneLineOfAHundredKilobytes)
{
    // A whole table of monsters, then short lines up to the most a file may hold.
    std::string bytes = kestrel::testing::generatedExtendedFile(1024, 3);
    const std::size_t tableBytes = bytes.size();
    while (bytes.size() + 5 <= kestrel::kMaxDefinitionFileBytes)
        bytes += "x,1\r\n";
    TempDir dir;
    const Loaded big = loadFile(dir.write("big.csv", bytes));
    const int past = static_cast<int>((bytes.size() - tableBytes) / 5);
    EXPECT_EQ(big.catalogue->monsterCount, kestrel::kMaxMonsters);
    EXPECT_EQ(big.report.dataLines, 1024 + past);
    EXPECT_LT(big.report.warnings.size(), 10u);                // one for all the lines past the table, not one each
    EXPECT_EQ(kestrel::linesOutsideLayout(big.report), past);  // yet every one of them is counted

    // One line more is refused before it is read: no table, a message.
    const Loaded tooBig = loadFile(dir.write("bigger.csv", bytes + "x,1\r\n"));
    EXPECT_FALSE(tooBig.report.opened);
    EXPECT_TRUE(tooBig.report.refusedTooLarge);
    EXPECT_EQ(tooBig.catalogue->monsterCount, 0);
    ASSERT_EQ(tooBig.messages.size(), 1u);
    EXPECT_NE(tooBig.messages[0].find("bigger.csv"), std::string::npos);

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

#ifndef _WIN32
TEST(DefinitionFileFaults, DevicesAndPipesAreRefusedUnread)
{
    // /dev/zero never ends and /dev/urandom neither; a pipe with no writer
    // would block the open itself.
    TempDir dir;
    const std::string fifo = dir.path() + "/pipe.csv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {"/dev/zero"s, "/dev/urandom"s, fifo}) {
        const Loaded refused = loadFile(path);
        EXPECT_TRUE(!refused.report.opened && refused.report.refusedNotAFile) << path;
        ASSERT_EQ(refused.messages.size(), 1u) << path;
        EXPECT_NE(refused.messages[0].find(path), std::string::npos);
    }
}
#endif

TEST(DefinitionFileFaults, FolderOrVanishedFileGivesTheOpenError)
{
    TempDir dir;
    EXPECT_EQ(loadFile(dir.path()).messages, std::vector<std::string>{"File open error !! : " + dir.path()});
}

// A file that cannot be read, or is no definition file, changes nothing: the
// table, the observations and the remembered file stay, and its message is
// all that happens, whether it was chosen with Refer, dropped or given at start.
TEST(DefinitionFileFaults, ARefusedFileChangesNothing)
{
    using namespace kestrel::ui;
    TempDir dir;
    MemoryControls controls;
    const std::string sample = kestrel::testing::sampleFilePath();
    const std::string ini = dir.write("k.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nMONSTERFILE=" + sample + "\r\n");
    auto remembered = [&] { return kestrel::loadSettings(ini).monsterFilePath; };
    {
        CKestrelDlg window(controls, ini);
        window.OnInitDialog();
        const int count = window.catalogue().monsterCount;
        ASSERT_GT(count, 0);
        EXPECT_TRUE(controls.type(id::kTakenLow, "25"));
        const std::size_t rows = controls.rows(kIdList).size();

        const std::string gone = dir.write("gone.csv", "HRVTNP14122700\r\n0,A,1\r\n");
        std::filesystem::remove(gone);  // chosen in the file dialog, gone before it is read
        const std::string garbage = dir.write("zip.csv", std::string("PK\3\4\0\0", 6));
        for (const std::string& refused : {gone, garbage, dir.path()}) {
            for (const bool dropped : {false, true}) {
                controls.shownMessages().clear();
                if (dropped) {
                    window.openDefinitionFile(refused);
                } else {
                    controls.queueFile(refused);
                    EXPECT_TRUE(controls.click(id::kRefer));
                }
                ASSERT_EQ(controls.shownMessages().size(), 1u) << refused;
                EXPECT_NE(controls.shownMessages().front().text.find(refused), std::string::npos);
                EXPECT_EQ(window.catalogue().monsterCount, count) << refused;
                EXPECT_EQ(controls.rows(kIdList).size(), rows) << refused;
                EXPECT_EQ(controls.text(id::kTakenLow), "25");
                EXPECT_EQ(controls.text(id::kPath), "sample-monsters.csv");
                EXPECT_EQ(remembered(), sample);
            }
        }
        EXPECT_EQ(controls.shownMessages().front().text, "File open error !! : " + dir.path());
    }
    EXPECT_EQ(remembered(), sample);  // closing saves the file loaded, not the one refused

    // Given at start, a missing file leaves the remembered one to load.
    controls.shownMessages().clear();
    CKestrelDlg again(controls, ini);
    again.OnInitDialog(dir.path() + "/missing.csv");
    ASSERT_EQ(controls.shownMessages().size(), 1u);
    EXPECT_EQ(controls.shownMessages().front().text, "File open error !! : " + dir.path() + "/missing.csv");
    EXPECT_GT(again.catalogue().monsterCount, 0);
    EXPECT_EQ(remembered(), sample);
}

// A remembered file that has gone since the last start gives the loader's open
// error at start and stays remembered; the program's sample then stands in.
TEST(DefinitionFileFaults, AVanishedFileAtStartFallsBackToTheSample)
{
    using namespace kestrel::ui;
    TempDir dir;
    const std::string gone = dir.path() + "/gone.csv";
    const std::string ini = dir.write("k.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nMONSTERFILE=" + gone + "\r\n");
    for (const bool withSample : {false, true}) {
        MemoryControls controls;
        {
            CKestrelDlg window(controls, ini);
            if (withSample)
                window.setFallbackDefinitionFile(kestrel::testing::sampleFilePath());
            window.OnInitDialog();
            ASSERT_EQ(controls.shownMessages().size(), 1u);
            EXPECT_EQ(controls.shownMessages().front().text, "File open error !! : " + gone);
            EXPECT_EQ(window.catalogue().monsterCount > 0, withSample);
            EXPECT_EQ(controls.text(id::kPath), withSample ? "sample-monsters.csv" : "gone.csv");
        }
        EXPECT_EQ(kestrel::loadSettings(ini).monsterFilePath, gone);
    }
    // With no file chosen the sample opens silently and is not remembered.
    MemoryControls controls;
    const std::string fresh = dir.write("fresh.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\n");
    {
        CKestrelDlg window(controls, fresh);
        window.setFallbackDefinitionFile(kestrel::testing::sampleFilePath());
        window.OnInitDialog();
        EXPECT_TRUE(controls.shownMessages().empty());
        EXPECT_GT(window.catalogue().monsterCount, 0);
    }
    EXPECT_EQ(kestrel::loadSettings(fresh).monsterFilePath, "");
}

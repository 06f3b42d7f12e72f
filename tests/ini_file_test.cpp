#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;
using kestrel::IniFile;

namespace {

// A fresh empty folder per test, removed afterwards.
class IniFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kestrel-ini-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    fs::path dir;
};

}  // namespace

TEST(IniFile, ReadsWithProfileFileSemantics)
{
    const IniFile ini = IniFile::parse(
        "orphan=0\r\n; comment=1\r\n  [ Setting ]  \r\n  Key  =  a value  \r\nkey=second\r\n"
        "[setting]\r\nonly=in second\r\n[\x83" "A]\r\nk=dbcs\r\n");
    EXPECT_EQ(ini.value("SETTING", "KEY"), "a value");          // case, blanks, first key
    EXPECT_EQ(ini.value("SETTING", "only"), std::nullopt);      // first section wins
    EXPECT_EQ(ini.value("SETTING", "orphan"), std::nullopt);    // before any section
    EXPECT_EQ(ini.value("SETTING", "; comment"), std::nullopt);
    EXPECT_EQ(ini.value("\x83" "A", "K"), "dbcs");
    EXPECT_EQ(ini.value("\x83" "a", "k"), std::nullopt);  // a trail byte is not a letter
    EXPECT_EQ(ini.valueOr("setting", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.valueOr("setting", "key", "dflt"), "a value");
}

TEST(IniFile, ReplacesInPlaceKeepingEveryOtherByte)
{
    const std::string before = "; head\r\n[A]\r\nX = 1 \r\nx=2\r\n\r\n[B]\r\nX=3\r\n";
    IniFile ini = IniFile::parse(before);
    EXPECT_EQ(ini.serialise(), before);
    ini.setValue("a", "x", "new");
    EXPECT_EQ(ini.serialise(), "; head\r\n[A]\r\nX = new\r\nx=2\r\n\r\n[B]\r\nX=3\r\n");

    // A file that mixes line ends keeps each untouched line as it was.
    IniFile mixed = IniFile::parse("[A]\nk=1\r\nj=2\n");
    mixed.setValue("A", "j", "5");
    EXPECT_EQ(mixed.serialise(), "[A]\nk=1\r\nj=5\n");

    // A value can never break the line structure.
    ini.setValue("B", "X", "line\r\n[C]\r\ny=1");
    EXPECT_EQ(ini.value("B", "X"), "line");
    EXPECT_EQ(ini.value("C", "y"), std::nullopt);
}

TEST(IniFile, AppendsMissingKeysAndSections)
{
    IniFile ini = IniFile::parse("[A]\r\nk=1\r\n\r\n\r\n[B]\r\nz=9\r\n");
    ini.setValue("A", "new", "2");
    ini.setValue("C", "c", "3");
    EXPECT_EQ(ini.serialise(), "[A]\r\nk=1\r\nnew=2\r\n\r\n\r\n[B]\r\nz=9\r\n[C]\r\nc=3\r\n");

    IniFile lf = IniFile::parse("[A]\nk=1");  // LF style, no final line end
    lf.setValue("A", "m", "2");
    lf.setValue("B", "n", "3");
    EXPECT_EQ(lf.serialise(), "[A]\nk=1\nm=2\n[B]\nn=3\n");

    IniFile fresh = IniFile::parse("");
    fresh.setValue("S", "k", "v");
    EXPECT_EQ(fresh.serialise(), "[S]\r\nk=v\r\n");

    IniFile bare = IniFile::parse("[S]");
    bare.setValue("S", "k", "v");
    EXPECT_EQ(bare.serialise(), "[S]\r\nk=v\r\n");
}

TEST(IniFile, SurvivesGarbage)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(random() % 3000, '\0');
        for (char& c : bytes)
            c = "[]=;\r\n \tAk\x83\x00\xFF"[random() % 13];
        if (round == 0)
            bytes = "[A]\r\nk=" + std::string(1 << 20, 'x') + std::string(1, '\0') + "\r\n";
        IniFile ini = IniFile::parse(bytes);
        EXPECT_EQ(ini.serialise(), bytes);
        (void)ini.value("A", "k");
        ini.setValue("A", "k", "1");
        ini.setValue("\x83", "", std::string(5, '\0'));
        EXPECT_EQ(IniFile::parse(ini.serialise()).value("A", "k"), "1");
    }
}

TEST_F(IniFileOnDisk, WritesAtomicallyAndReads)
{
    const std::string file = (dir / "k.ini").string();
    EXPECT_EQ(kestrel::readWholeFile(file), std::nullopt);
    EXPECT_EQ(kestrel::readWholeFile(dir.string()), std::nullopt);  // a folder is no file
    ASSERT_TRUE(kestrel::writeFileAtomically(file, std::string("a\0b", 3)));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(kestrel::writeFileAtomically(file, "second"));
    EXPECT_EQ(kestrel::readWholeFile(file), "second");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    // Failures: parent is a regular file; target is a folder. No temporary stays.
    EXPECT_FALSE(kestrel::writeFileAtomically((dir / "k.ini" / "x.ini").string(), "x"));
    fs::create_directories(dir / "sub" / "inner");
    EXPECT_FALSE(kestrel::writeFileAtomically((dir / "sub").string(), "x"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    EXPECT_EQ(kestrel::readWholeFile(file), "second");
}

TEST_F(IniFileOnDisk, ReadOnlyFolderKeepsOldFile)
{
    const std::string file = (dir / "k.ini").string();
    ASSERT_TRUE(kestrel::writeFileAtomically(file, "old"));
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(dir / "probe"))
        GTEST_SKIP() << "this user can write into a read-only folder";
    EXPECT_FALSE(kestrel::writeFileAtomically(file, "new"));
    EXPECT_EQ(kestrel::readWholeFile(file), "old");
}

#include "platform/ini_file.h"
#include "support/monster_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using kestrel::IniFile;

TEST(IniFile, ReadsAndWritesWithProfileFileSemantics)
{
    const IniFile ini = IniFile::parse(
        "orphan=0\r\n; comment=1\r\n  [ Setting ]  \r\n  Key  =  a value  \r\n"
        "key=second\r\n[setting]\r\nonly=in second\r\n[\x83"
        "A]\r\nk=dbcs\r\n");
    EXPECT_EQ(ini.value("SETTING", "KEY"), "a value");        // case, blanks, first key
    EXPECT_EQ(ini.value("SETTING", "only"), std::nullopt);    // first section wins
    EXPECT_EQ(ini.value("SETTING", "orphan"), std::nullopt);  // before any section
    EXPECT_EQ(ini.value("SETTING", "; comment"), std::nullopt);
    EXPECT_EQ(ini.value("\x83"
                        "A",
                        "K"),
              "dbcs");
    EXPECT_EQ(ini.value("\x83"
                        "a",
                        "k"),
              std::nullopt);  // a trail byte is not a letter
    EXPECT_EQ(ini.valueOr("setting", "missing", "dflt"), "dflt");
    // A written value replaces the old one in place or is appended to its section or a new one.
    const struct {
        const char* before;
        const char* section;
        const char* key;
        const char* after;
    } cases[] = {{"; head\r\n[A]\r\nX = 1 \r\nx=2\r\n\r\n[B]\r\nX=3\r\n", "a", "x",
                  "; head\r\n[A]\r\nX = v\r\nx=2\r\n\r\n[B]\r\nX=3\r\n"},
                 {"[A]\nk=1\r\nj=2\n", "A", "j", "[A]\nk=1\r\nj=v\n"},  // mixed line ends stay as they are
                 {"[A]\r\nk=1\r\n\r\n\r\n[B]\r\nz=9\r\n", "A", "new", "[A]\r\nk=1\r\nnew=v\r\n\r\n\r\n[B]\r\nz=9\r\n"},
                 {"[A]\r\nk=1\r\n[B]\r\nz=9\r\n", "C", "c", "[A]\r\nk=1\r\n[B]\r\nz=9\r\n[C]\r\nc=v\r\n"},
                 {"[A]\nk=1", "A", "m", "[A]\nk=1\nm=v\n"},
                 {"[A]\nk=1", "B", "n", "[A]\nk=1\n[B]\nn=v\n"},  // LF, no end
                 {"", "S", "k", "[S]\r\nk=v\r\n"},
                 {"[S]", "S", "k", "[S]\r\nk=v\r\n"}};
    for (const auto& c : cases) {
        IniFile written = IniFile::parse(c.before);
        EXPECT_EQ(written.serialise(), c.before);
        written.setValue(c.section, c.key, "v\r\n[C]\r\ny=1");  // a value can never break the line structure
        EXPECT_EQ(written.serialise(), c.after) << c.before;
    }
}

TEST(IniFile, SurvivesGarbage)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(round == 0 ? 0 : random() % 3000, '\0');
        for (char& c : bytes)
            c = "[]=;\r\n \tAk\x83\x00\xFF"[random() % 13];
        if (round == 0)
            bytes = "[A]\r\nk=" + std::string(1 << 20, 'x') + std::string(1, '\0') + "\r\n";
        IniFile ini = IniFile::parse(bytes);
        EXPECT_EQ(ini.serialise(), bytes);
        ini.setValue("A", "k", "1");
        ini.setValue("\x83", "", std::string(5, '\0'));
        EXPECT_EQ(IniFile::parse(ini.serialise()).value("A", "k"), "1");
    }
}

TEST(IniFile, WritesAtomicallyAndKeepsTheOldFileOnFailure)
{
    kestrel::testing::TempDir dir;
    const std::string file = dir.path() + "/k.ini";
    EXPECT_FALSE(kestrel::readWholeFile(file) || kestrel::readWholeFile(dir.path()));  // a folder is no file
    ASSERT_TRUE(kestrel::writeFileAtomically(file, std::string("a\0b", 3)));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(kestrel::writeFileAtomically(file, "second"));
    EXPECT_EQ(kestrel::readWholeFile(file), "second");
#ifndef _WIN32  // Windows keeps no permission bits beyond read-only
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
#endif
    // Failures: parent is a regular file; target is a folder; the folder is read-only. No temporary stays.
    EXPECT_FALSE(kestrel::writeFileAtomically(file + "/x.ini", "x"));
    fs::create_directories(dir.path() + "/sub/inner");
    EXPECT_FALSE(kestrel::writeFileAtomically(dir.path() + "/sub", "x"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const bool writable = static_cast<bool>(std::ofstream(dir.path() + "/probe"));  // root writes anyway
    const bool written = kestrel::writeFileAtomically(file, "new");
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_TRUE(writable || !written);  // a read-only folder refuses the write, and the old file stays
    EXPECT_EQ(kestrel::readWholeFile(file), written ? "new" : "second");
}

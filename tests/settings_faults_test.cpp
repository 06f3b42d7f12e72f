// The settings file under faults: a save that cannot finish keeps the old file
// whole, and a damaged file loads with defaults where it must.

#include "settings/settings_file.h"
#include "support/monster_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace std::string_literals;
using kestrel::loadSettings, kestrel::parseSettings, kestrel::saveSettings, kestrel::testing::readFileBytes;
namespace fs = std::filesystem;

namespace {

const std::string kSlime = "\x83\x58\x83\x89\x83\x43\x83\x80";  // スライム

kestrel::Settings changed(int quizClass)
{
    kestrel::Settings s;
    s.currentClass = quizClass;
    std::strcpy(s.profiles[0].USERNAME, kSlime.c_str());
    return s;
}

auto entries(const std::string& folder) { return std::distance(fs::directory_iterator(folder), {}); }

}  // namespace

TEST(SettingsFaults, FailedOrInterruptedSavesKeepThePreviousFile)
{
    kestrel::testing::TempDir dir;
    const std::string file = dir.path() + "/k.ini";
    ASSERT_TRUE(saveSettings(changed(3), file));
    const std::string before = readFileBytes(file);
    EXPECT_FALSE(saveSettings(changed(2), file + "/k.ini"));  // the folder is a file

#ifndef _WIN32
    // A full disk: a child whose files cannot grow past 8 bytes reports the result.
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8, 8};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(saveSettings(changed(2), file) ? 1 : 0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the full disk went unnoticed";
    EXPECT_EQ(readFileBytes(file), before);
    EXPECT_EQ(entries(dir.path()), 1);  // no temporary file left
#endif

    // A crash before the rename leaves its temporary file; after a restart the
    // same process id may come back and meet its names.
    for (int n = 0; n < 50; ++n)
        dir.write(".k.ini.tmp" + std::to_string(getpid()) + "-" + std::to_string(n), "[SETTING]\r\nQUIZCLASS=");
    EXPECT_EQ(loadSettings(file).currentClass, 3);
    EXPECT_TRUE(saveSettings(changed(2), file));
    EXPECT_EQ(loadSettings(file).currentClass, 2);
    EXPECT_EQ(entries(dir.path()), 51);
}

TEST(SettingsFaults, TruncatedFileLoadsWhatIsThere)
{
    const std::string full = kestrel::renderSettings(changed(3), "");
    for (std::size_t n = 0; n <= full.size(); ++n) {
        const std::string cut = full.substr(0, n);  // mid-line and mid-character alike
        const kestrel::Settings s = parseSettings(cut);
        EXPECT_EQ(s.currentClass, cut.find("QUIZCLASS=3") != std::string::npos ? 3 : 1) << n;
        EXPECT_TRUE(kSlime.starts_with(s.profiles[0].USERNAME) || s.profiles[0].USERNAME == "User1"s) << n;
    }
}

TEST(SettingsFaults, GarbageNulDuplicatesAndLongLinesLoadAndSave)
{
    std::mt19937 random(11);
    std::string garbage(4096, '\0'), mega(1 << 20, '9'), longName;
    for (char& c : garbage)
        c = static_cast<char>(random());
    while (longName.size() < mega.size())
        longName += "\x8F\x62";  // 獣
    const struct {
        std::string bytes;
        int quizClass, sort;
        std::string name;
    } cases[] = {
        {garbage + "\n[SETTING]\r\nQUIZCLASS=2\r\nSORT=3\0x\r\n[USER0]\r\nUSERNAME=ab\0cd\r\n"s, 2, 3, "ab"},
        {"[SETTING]\r\nQUIZ\0CLASS=4\r\nSORT=3\r\n[USER0]\0\r\nUSERNAME=ab\r\n"s, 1, 3, "ab"},
        {"[SETTING]\r\nQUIZCLASS=2\r\nQUIZCLASS=4\r\n[setting]\r\nSORT=3\r\n[USER0]\r\n[USER0]\r\nUSERNAME=x\r\n", 2, 0,
         "User1"},
        {"[" + mega + "]\r\n" + mega + "\r\n[SETTING]\r\nMONSTERFILE=" + longName + "\r\nQUIZCLASS=" + mega +
             "\r\nSORT=3\r\n[USER0]\r\nUSERNAME=" + longName + "\r\n",
         1, 3, longName.substr(0, 12)},
    };
    kestrel::testing::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const kestrel::Settings s = parseSettings(c.bytes);
        EXPECT_EQ(s.currentClass, c.quizClass);
        EXPECT_EQ(s.sortKey, c.sort);
        EXPECT_EQ(s.profiles[0].USERNAME, c.name);
        EXPECT_EQ(s.monsterFilePath.size(), &c == &cases[3] ? 2046u : 0u);  // whole characters only

        // Saved over the damaged file, the values read back the same.
        const std::string file = dir.write("k.ini", c.bytes);
        ASSERT_TRUE(saveSettings(s, file));
        const kestrel::Settings again = loadSettings(file);
        EXPECT_EQ(again.currentClass, s.currentClass);
        EXPECT_STREQ(again.profiles[0].USERNAME, s.profiles[0].USERNAME);
        EXPECT_EQ(again.monsterFilePath, s.monsterFilePath);
    }
}

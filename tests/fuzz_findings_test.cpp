// Inputs the fuzzers found that once broke a rule; each stays here as a test.

#include "platform/ini_file.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <string>

// A carriage return inside a value (a hand-edited file, a stray CR) ended the
// value when it was written but not when it was read, so every save cut the
// definition-file path and the next start lost it.
TEST(FuzzFindings, ValueWithACarriageReturnReadsAsItIsWritten)
{
    const std::string file = "[SETTING]\r\nMONSTERFILE=C\r\r\r:\\hrv\\monsters.csv\r\nQUIZCLASS=3\r\x0D\r\n";
    const kestrel::Settings first = kestrel::parseSettings(file);
    const std::string saved = kestrel::renderSettings(first, file);
    const kestrel::Settings second = kestrel::parseSettings(saved);
    EXPECT_EQ(second.monsterFilePath, first.monsterFilePath);
    EXPECT_EQ(second.currentClass, 3);

    kestrel::IniFile ini = kestrel::IniFile::parse("[A]\nK=one\rtwo\n");
    const std::string read = ini.valueOr("A", "K", "");
    ini.setValue("A", "K", read);
    EXPECT_EQ(kestrel::IniFile::parse(ini.serialise()).valueOr("A", "K", ""), read);
}

// A NUL inside a value ended the text that the settings read, after the blanks
// around the value had been trimmed, so a blank before the NUL was kept when read
// and trimmed away when written.
TEST(FuzzFindings, ValueWithANulReadsAsItIsWritten)
{
    constexpr char kFile[] = "[SETTING]\r\nMONSTERFILE=C:\\hrv\v\0\\x.csv\r\nQUIZCLASS=2\r\n";
    const std::string file(kFile, sizeof kFile - 1);
    const kestrel::Settings first = kestrel::parseSettings(file);
    const kestrel::Settings second = kestrel::parseSettings(kestrel::renderSettings(first, file));
    EXPECT_EQ(second.monsterFilePath, first.monsterFilePath);
    EXPECT_EQ(second.currentClass, 2);

    kestrel::IniFile ini = kestrel::IniFile::parse(std::string("[A]\nK=one \0two\n", 15));
    const std::string read = ini.valueOr("A", "K", "");
    ini.setValue("A", "K", read);
    EXPECT_EQ(kestrel::IniFile::parse(ini.serialise()).valueOr("A", "K", ""), read);
}

// A file whose last line ended in a CR but no LF got a second CR when a key was
// added after that line, and lost it again on the next save: saving what was
// saved changed the file.
TEST(FuzzFindings, SavingWhatWasSavedChangesNothing)
{
    const std::string file = "[SETTING]\r\nQUIZCLASS=2\r\n[USER0]\r\nWEAPON=3\r";
    const std::string saved = kestrel::renderSettings(kestrel::parseSettings(file), file);
    EXPECT_EQ(saved.find("\r\r"), std::string::npos);
    EXPECT_EQ(kestrel::renderSettings(kestrel::parseSettings(saved), saved), saved);
}

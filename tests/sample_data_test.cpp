// Checks the sample definition file and the generated files as bytes, without
// the loader: encoding, line ends, column counts and the spread of values.

#include "platform/cp932.h"
#include "tests/support/monster_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace kestrel;
using namespace kestrel::testing;

namespace {

// Lines of a text whose lines all end in CR LF; false when a lone CR or LF is
// found or the last line is unterminated.
bool splitCrLfLines(std::string_view text, std::vector<std::string_view>& lines)
{
    lines.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos || lf == start || text[lf - 1] != '\r')
            return false;
        std::string_view line = text.substr(start, lf - 1 - start);
        if (line.find('\r') != std::string_view::npos)
            return false;
        lines.push_back(line);
        start = lf + 1;
    }
    return true;
}

// A trail byte is never 0x2C, so a plain byte split is exact.
std::vector<std::string_view> columnsOf(std::string_view line)
{
    std::vector<std::string_view> cols;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = line.find(',', start);
        cols.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return cols;
        start = comma + 1;
    }
}

// Skills split at the full-width comma, never inside a double-byte character.
std::vector<std::string_view> skillsOf(std::string_view field)
{
    std::vector<std::string_view> skills;
    if (field.empty())
        return skills;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < field.size()) {
        std::size_t len = charLengthAt(field, pos);
        if (field.substr(pos, len) == "\x81\x41") {  // 、
            skills.push_back(field.substr(start, pos - start));
            start = pos + len;
        }
        pos += len;
    }
    if (start < field.size())
        skills.push_back(field.substr(start));
    return skills;
}

int familyCodeOf(std::string_view field)
{
    for (int code = 1; code <= 14; ++code)
        if (field.substr(0, 2) == familyCharacter(code))
            return code;
    return 0;
}

int triviaLineCount(std::string_view text)
{
    int lines = 1;
    for (std::size_t pos = text.find("<BR>"); pos != std::string_view::npos; pos = text.find("<BR>", pos + 4))
        ++lines;
    return lines;
}

struct ParsedFile {
    std::string bytes;
    std::vector<std::string_view> lines;  // header first
};

void expectRoundTrip(const std::string& bytes)
{
    std::string utf8 = cp932ToUtf8(bytes);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8.find("\xEF\xBF\xBD"), std::string::npos) << "a byte sequence is not code page 932";
    std::size_t unmapped = 0;
    EXPECT_EQ(utf8ToCp932(utf8, &unmapped), bytes);
    EXPECT_EQ(unmapped, 0u);
}

class SampleFile : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sample_.bytes = readFileBytes(sampleFilePath());
        splitOk_ = splitCrLfLines(sample_.bytes, sample_.lines);
    }
    static ParsedFile sample_;
    static bool splitOk_;

    std::vector<std::vector<std::string_view>> dataRows() const
    {
        std::vector<std::vector<std::string_view>> rows;
        for (std::size_t i = 1; i < sample_.lines.size(); ++i)
            rows.push_back(columnsOf(sample_.lines[i]));
        return rows;
    }
};

ParsedFile SampleFile::sample_;
bool SampleFile::splitOk_ = false;

}  // namespace

TEST_F(SampleFile, IsCodePage932WithCrLfLinesAndExtendedHeader)
{
    ASSERT_FALSE(sample_.bytes.empty()) << sampleFilePath();
    EXPECT_TRUE(splitOk_) << "every line must end in CR LF";
    expectRoundTrip(sample_.bytes);
    ASSERT_FALSE(sample_.lines.empty());
    EXPECT_EQ(sample_.lines[0].rfind("HRVTNP15041200", 0), 0u);
}

TEST_F(SampleFile, EveryDataLineHas78ColumnsAndFieldsFitTheirBuffers)
{
    auto rows = dataRows();
    EXPECT_GE(rows.size(), 60u);
    std::set<std::string_view> names;
    for (const auto& cols : rows) {
        ASSERT_EQ(cols.size(), static_cast<std::size_t>(kExtendedColumns)) << cols[0];
        EXPECT_TRUE(names.insert(cols[1]).second) << "duplicate name in line " << cols[0];
        EXPECT_GE(cols[1].size(), 2u);
        EXPECT_LE(cols[1].size(), 31u) << cols[0];
        EXPECT_LE(cols[2].size(), 31u) << cols[0];
        auto skills = skillsOf(cols[45]);
        EXPECT_GE(skills.size(), 1u) << cols[0];
        EXPECT_LE(skills.size(), 8u) << cols[0];
        for (auto skill : skills)
            EXPECT_TRUE(!skill.empty() && skill.size() <= 63) << cols[0];
        EXPECT_LE(triviaLineCount(cols[46]), 4) << cols[0];
        EXPECT_LE(cols[46].size(), 255u) << cols[0];
        EXPECT_LE(cols[47].size(), 255u) << cols[0];
    }
}

TEST_F(SampleFile, CoversEveryFamilyAndQuizClass)
{
    std::map<int, int> families;
    std::map<std::string_view, int> classes;
    int uncertain = 0;
    for (const auto& cols : dataRows()) {
        ASSERT_EQ(cols.size(), static_cast<std::size_t>(kExtendedColumns));
        int code = familyCodeOf(cols[3]);
        EXPECT_NE(code, 0) << "line " << cols[0];
        ++families[code];
        uncertain += cols[3].size() == 3 && cols[3][2] == '?';
        EXPECT_TRUE(cols[3].size() == 2 || (cols[3].size() == 3 && cols[3][2] == '?')) << "line " << cols[0];
        ++classes[cols[75]];
    }
    for (int code = 1; code <= 14; ++code)
        EXPECT_GE(families[code], 4) << "family " << code;
    EXPECT_GE(uncertain, 3);
    EXPECT_EQ(classes.size(), 4u);
    for (const char* quizClass : {"1", "2", "3", "4"})
        EXPECT_GE(classes[quizClass], 10) << "class " << quizClass;
}

TEST_F(SampleFile, EveryObservationKeepsSomeMonstersAndRemovesOthers)
{
    std::map<int, std::set<std::string_view>> values;  // column -> values seen
    int light = 0, middle = 0, heavy = 0, unknownWeight = 0, unknownHp = 0, zeroAttack = 0, zeroDefense = 0;
    int spreadDealt = 0, spreadTaken = 0;
    std::vector<int> labelUse(16, 0);
    int callsFriends = 0;
    auto rows = dataRows();
    for (const auto& cols : rows) {
        ASSERT_EQ(cols.size(), static_cast<std::size_t>(kExtendedColumns));
        for (int col : {49, 50, 51, 52, 53, 54, 55})
            values[col].insert(cols[static_cast<std::size_t>(col)]);
        // Push limits for a player of weight 400: 320 and 743.
        std::string weight(cols[10]);
        if (weight.empty() || weight == "-1")
            ++unknownWeight;
        else
            ++(std::stoi(weight) < 320 ? light : std::stoi(weight) > 743 ? heavy : middle);
        unknownHp += cols[6].empty() || cols[6] == "-1";
        zeroAttack += cols[8] == "0";
        zeroDefense += cols[9] == "0";
        spreadDealt += cols[76] != "0";
        spreadTaken += cols[77] != "0";
        for (auto skill : skillsOf(cols[45])) {
            callsFriends += skill == "\x92\x87\x8A\xD4\x82\xF0\x8C\xC4\x82\xD4";  // 仲間を呼ぶ
            for (int k = 0; k < 16; ++k)
                labelUse[static_cast<std::size_t>(k)] += skill == skillLabelText(k);
        }
    }
    using Values = std::set<std::string_view>;
    EXPECT_EQ(values[49], (Values{"-1", "0", "1"}));  // floating
    for (int col : {50, 51, 52, 53, 55})
        EXPECT_EQ(values[col], (Values{"0", "1"})) << "column " << col;
    EXPECT_EQ(values[54], (Values{"0", "1", "?"}));  // anger
    EXPECT_GT(light, 0);
    EXPECT_GT(middle, 0);
    EXPECT_GT(heavy, 0);
    EXPECT_GT(unknownWeight, 0);
    EXPECT_GT(unknownHp, 0);
    EXPECT_GT(zeroAttack, 0);
    EXPECT_GT(zeroDefense, 0);
    EXPECT_GT(spreadDealt, 0);
    EXPECT_GT(spreadTaken, 0);
    EXPECT_GE(callsFriends, 3);
    for (int k = 0; k < 16; ++k) {
        EXPECT_GT(labelUse[static_cast<std::size_t>(k)], 0) << "label " << k;
        EXPECT_LT(labelUse[static_cast<std::size_t>(k)], static_cast<int>(rows.size()) / 4) << "label " << k;
    }
}

TEST(GeneratedFiles, HaveTheRequestedLinesAndColumnsInBothLayouts)
{
    for (int records : {0, 1, 60, 1024, 1100}) {
        std::string extended = generatedExtendedFile(records, 7);
        std::string basic = generatedBasicFile(records, 7);
        std::vector<std::string_view> extendedLines, basicLines;
        ASSERT_TRUE(splitCrLfLines(extended, extendedLines));
        ASSERT_TRUE(splitCrLfLines(basic, basicLines));
        EXPECT_EQ(extendedLines.size(), static_cast<std::size_t>(records) + 1);
        EXPECT_EQ(basicLines.size(), static_cast<std::size_t>(records) + 1);
        EXPECT_EQ(extendedLines[0].rfind("HRVTNP15041200", 0), 0u);
        EXPECT_EQ(basicLines[0].rfind("HRVTNP14122700", 0), 0u);
        for (std::size_t i = 1; i < extendedLines.size(); ++i)
            ASSERT_EQ(columnsOf(extendedLines[i]).size(), static_cast<std::size_t>(kExtendedColumns)) << i;
        for (std::size_t i = 1; i < basicLines.size(); ++i)
            ASSERT_EQ(columnsOf(basicLines[i]).size(), static_cast<std::size_t>(kBasicColumns)) << i;
    }
}

TEST(GeneratedFiles, AreValidVariedAndDeterministic)
{
    std::string bytes = generatedExtendedFile(1024, 42);
    EXPECT_EQ(bytes, generatedExtendedFile(1024, 42));
    EXPECT_NE(bytes, generatedExtendedFile(1024, 43));
    expectRoundTrip(bytes);
    expectRoundTrip(generatedBasicFile(300, 42));

    std::vector<std::string_view> lines;
    ASSERT_TRUE(splitCrLfLines(bytes, lines));
    std::set<std::string_view> names;
    std::set<int> families;
    std::set<std::string_view> classes, floating, anger;
    int uncertain = 0, emptySkills = 0, unknownHp = 0, multiLineTrivia = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        auto cols = columnsOf(lines[i]);
        names.insert(cols[1]);
        EXPECT_LE(cols[1].size(), 31u);
        EXPECT_LE(cols[2].size(), 31u);
        families.insert(familyCodeOf(cols[3]));
        uncertain += cols[3].size() == 3;
        classes.insert(cols[75]);
        floating.insert(cols[49]);
        anger.insert(cols[54]);
        auto skills = skillsOf(cols[45]);
        EXPECT_LE(skills.size(), 8u);
        emptySkills += skills.empty();
        unknownHp += cols[6].empty() || cols[6] == "-1";
        multiLineTrivia += triviaLineCount(cols[46]) > 1;
        EXPECT_LE(triviaLineCount(cols[46]), 4);
    }
    EXPECT_EQ(names.size(), 1024u);
    EXPECT_EQ(families.size(), 14u);
    EXPECT_EQ(families.count(0), 0u);
    EXPECT_EQ(classes, (std::set<std::string_view>{"1", "2", "3", "4"}));
    EXPECT_EQ(floating, (std::set<std::string_view>{"-1", "0", "1"}));
    EXPECT_EQ(anger, (std::set<std::string_view>{"0", "1", "?"}));
    EXPECT_GT(uncertain, 0);
    EXPECT_GT(emptySkills, 0);
    EXPECT_GT(unknownHp, 0);
    EXPECT_GT(multiLineTrivia, 0);
}

TEST(TempDirTest, WritesFilesAndRemovesTheFolder)
{
    std::string folder;
    {
        TempDir dir;
        folder = dir.path();
        ASSERT_FALSE(folder.empty());
        EXPECT_TRUE(std::filesystem::is_directory(folder));
        std::string bytes("a\0\x81\x41\r\n", 6);
        std::string path = dir.write("x.csv", bytes);
        EXPECT_EQ(readFileBytes(path), bytes);
        TempDir other;
        EXPECT_NE(other.path(), folder);
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_EQ(readFileBytes(folder + "/x.csv"), "");
}

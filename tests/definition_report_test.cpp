// The window tells every warning of the loader in Japanese; kestrel-cli keeps
// the loader's English words.

#include "catalogue/monster_loader.h"
#include "platform/cp932.h"
#include "ui/texts/definition_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>

using namespace kestrel;

namespace {

LoadReport load(const std::string& bytes)
{
    auto catalogue = std::make_unique<Catalogue>();
    return loadMonsterBytes(*catalogue, bytes, "m.csv", {});
}

bool hasLatinWords(std::string text)
{
    for (const char* allowed : {"Shift_JIS", "UTF-8"})
        if (const std::size_t at = text.find(allowed); at != std::string::npos)
            text.erase(at, std::string(allowed).size());
    // Code page 932 bytes past ASCII may hold letters as their second byte: only ASCII runs count.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) {
            ++i;
            continue;
        }
        if (std::isalpha(static_cast<unsigned char>(text[i])) != 0)
            return true;
    }
    return false;
}

}  // namespace

TEST(DefinitionReport, EveryWarningOfTheLoaderReadsInJapanese)
{
    const std::string longName(40, 'N'), longField(300, 'x'), longLine(4100, ',');
    std::string basic = "HRVTNP14122700\r\n";
    basic += "0," + longName + ",,,1\r\n";  // name cut, class missing, few columns
    basic +=
        "0,A,x,??,F,1,2,3,4,a\x81\x41"
        "b\x81\x41"
        "c\x81\x41"
        "d\x81\x41"
        "e\x81\x41"
        "f\x81\x41"
        "g\x81\x41"
        "h\x81\x41"
        "i\r\n";                                              // class not a number, family, nine skills
    basic += "\r\n";                                          // an empty line
    basic += "0,B,1,,F,1,2,3,4," + longField + "\r\n";        // a column over 255 bytes
    basic += "0,C,1,,F,1,2,3,4,x" + longLine + "\r\n";        // a line over 4095 bytes
    std::string extended = "\xEF\xBB\xBFHRVTNP19010100\r\n";  // unsupported version, UTF-8
    for (int c = 0; c < 78; ++c)  // a reading cut, a letter unknown, a character outside code page 932
        extended += (c > 0 ? "," : "") + (c == 2    ? std::string(40, 'r')
                                          : c == 56 ? "?"
                                          : c == 1  ? "\xF0\x9F\x98\x80"
                                                    : "");
    extended += "\r\n";
    for (int n = 0; n < 1030; ++n)  // past the table's end
        extended += std::string(77, ',') + "\r\n";

    std::set<std::string> english;
    for (const LoadReport& report : {load(basic), load(extended)}) {
        for (const LoadWarning& warning : report.warnings) {
            english.insert(warning.what.substr(0, warning.what.find_first_of("0123456789")));
            EXPECT_FALSE(hasLatinWords(ui::warningText(warning))) << warning.what;
        }
        EXPECT_FALSE(hasLatinWords(ui::definitionReportText("", report, 3)));
    }
    EXPECT_GE(english.size(), 12u);  // the loader's kinds of warning, nearly all of them
    const std::string text = cp932ToUtf8(ui::warningText({3, "41 columns, the layout has 78"}));
    EXPECT_EQ(text, "列が 41 個しかありません（この形式は 78 列）");
}

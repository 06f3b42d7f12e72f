#include "ui/texts/definition_report.h"

#include "ui/texts/texts.h"

#include <array>
#include <cctype>
#include <optional>

namespace kestrel::ui {

namespace {

// The loader's words with one or two numbers in them ("41 columns, the layout
// has 78"): the numbers as they stand, when what has the shape of pattern,
// where '#' stands for a number.
std::optional<std::array<std::string, 2>> numbersIn(std::string_view what, std::string_view pattern)
{
    std::array<std::string, 2> numbers;
    std::size_t at = 0;
    std::size_t found = 0;
    for (const char c : pattern) {
        if (c != '#') {
            if (at >= what.size() || what[at] != c)
                return std::nullopt;
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < what.size() && std::isdigit(static_cast<unsigned char>(what[at])) != 0)
            ++at;
        if (at == start || found == numbers.size())
            return std::nullopt;
        numbers[found++] = std::string(what.substr(start, at - start));
    }
    if (at != what.size())
        return std::nullopt;
    return numbers;
}

struct Plain {
    std::string_view english;
    std::string_view japanese;
};

constexpr std::array<Plain, 7> kPlain = {{
    {"quiz class missing, class 1 used", "クイズの級が空のため初級として読みました"},
    {"quiz class is not a number, class 1 used", "クイズの級が数字でないため初級として読みました"},
    {"family not recognised", "系統を読み取れません"},
    {"type letter not recognised", "タイプの文字を読み取れません"},
    {"empty line, read as a monster with every field empty",
     "空の行です（すべての欄が空のモンスターとして読みました）"},
    {"header version 19010100 is not supported, read in the extended layout",
     "見出しの版 19010100 には対応していないため、拡張形式として読みました"},
    {"past the 1024th monster, ignored with every later line", "1024 体目より後の行はすべて読み飛ばしました"},
}};

struct Numbered {
    std::string_view english;  // '#' for each number
    std::string_view before, between, after;
};

constexpr std::array<Numbered, 8> kNumbered = {{
    {"# columns, the layout has #", "列が ", " 個しかありません（この形式は ", " 列）"},
    {"# skills, only the first 8 kept", "特技が ", " 個あり、最初の 8 個だけを使います", ""},
    {"line longer than # bytes", "行が ", " バイトを超えています", ""},
    {"column # longer than # bytes, cut to fit", "", " 列目が ", " バイトを超えるため切り詰めました"},
    {"name longer than # bytes, cut to fit", "名前が ", " バイトを超えるため切り詰めました", ""},
    {"reading longer than # bytes, cut to fit", "読みが ", " バイトを超えるため切り詰めました", ""},
    {"skill longer than # bytes, cut to fit", "特技が ", " バイトを超えるため切り詰めました", ""},
    {"# characters have no code page 932 form, read as '?'", "", " 文字は Shift_JIS にないため「?」として読みました",
     ""},
}};

}  // namespace

std::string warningText(const LoadWarning& warning)
{
    for (const Plain& plain : kPlain)
        if (warning.what == plain.english)
            return sjis(plain.japanese);
    for (const Numbered& numbered : kNumbered) {
        if (const auto numbers = numbersIn(warning.what, numbered.english)) {
            const bool two = numbered.english.find('#') != numbered.english.rfind('#');
            return sjis(numbered.before) + (*numbers)[0] + sjis(numbered.between) + (two ? (*numbers)[1] : "") +
                   sjis(numbered.after);
        }
    }
    return warning.what;
}

std::string definitionReportText(std::string_view path, const LoadReport& report, int monsterCount)
{
    std::string text = std::string(path) + "\n";
    text += sjis("形式: ") + std::to_string(report.format) +
            sjis(report.format == kExtendedFormat ? "（拡張形式）" : "（基本形式）") + sjis("、文字コード: ") +
            (report.encoding == FileEncoding::Utf8 ? "UTF-8" : "Shift_JIS") + sjis("、モンスター ") +
            std::to_string(monsterCount) + sjis(" 体\n");
    for (const LoadWarning& warning : report.warnings)
        text += (warning.line > 0 ? std::to_string(warning.line) + sjis(" 行目: ") : sjis("ファイル全体: ")) +
                warningText(warning) + "\n";
    if (report.warnings.empty())
        text += sjis("形式に合わない行はありません。\n");
    else
        text += sjis("注意点は ") + std::to_string(report.warnings.size()) + sjis(" 件です。\n");
    return text;
}

}  // namespace kestrel::ui

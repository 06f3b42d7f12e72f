// The rows of the candidate list: one row per candidate in the row layouts, a
// block of rows per candidate in the trivia layout. Every row carries exactly as
// many cells as its layout has columns; the cells a row does not fill are empty.

#include "ui/list/list_view.h"

#include "ui/texts/texts.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace kestrel::ui {

namespace {

constexpr std::int32_t kSkillLayout = 0;
constexpr std::int32_t kLocationLayout = 1;
constexpr std::int32_t kTriviaLayout = 2;
constexpr std::int32_t kWeightDebugLevel = 8;
constexpr float kLargestShownRatio = 57.0f;
constexpr int kTriviaLinesFlagged = 4;  // lines per trivia text with a search flag of their own
constexpr std::string_view kLineBreak = "<BR>";

using Row = std::vector<std::string>;

// Texts of the list, converted once.
struct ListTexts {
    std::string metal = sjis("M");
    std::string floating = sjis("浮");
    std::string big = sjis("大");
    std::string ground = sjis("地");
    std::string translucent = sjis("透");
    std::string tilde = sjis("～");
    std::string arrow = sjis("→");
    std::string underline = sjis("＿＿＿＿＿＿＿＿＿＿＿＿＿");
};

const ListTexts& texts()
{
    static const ListTexts t;
    return t;
}

template <std::size_t N>
std::string fieldText(const char (&field)[N])
{
    return {field, ::strnlen(field, N)};
}

std::string valueOrUnknown(std::int32_t value) { return value == -1 ? "?" : std::to_string(value); }

// The damage layout fills some 10 000 cells a refresh; they are formatted
// without printf, to the same text (see the list view's tests).

// "%*d": right-aligned in width places, wider when it needs to be.
void appendWide(std::string& out, std::int32_t value, std::size_t width)
{
    char digits[16];
    const std::size_t n = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
    if (n < width)
        out.append(width - n, ' ');
    out.append(digits, n);
}

// "(+-%d) %3d", or "%3d" without a spread.
std::string damageCell(std::int32_t spread, std::int32_t low)
{
    std::string cell;
    if (spread != 0) {
        cell += "(+-";
        appendWide(cell, spread, 0);
        cell += ") ";
    }
    appendWide(cell, low, 3);
    return cell;
}

std::string threeWide(std::int32_t value)
{
    std::string cell;
    appendWide(cell, value, 3);
    return cell;
}

// "%3.0f%%"; a ratio above 57 (or one that is not a number) leaves its cell
// empty. The shortest form in fixed notation with no decimals is printf's own.
std::string ratioCell(float ratio)
{
    if (!(ratio <= kLargestShownRatio))
        return {};
    char digits[64];  // even -FLT_MAX fits
    const auto end =
        std::to_chars(digits, digits + sizeof digits, static_cast<double>(ratio), std::chars_format::fixed, 0).ptr;
    const std::size_t n = static_cast<std::size_t>(end - digits);
    std::string cell(n < 3 ? 3 - n : 0, ' ');
    cell.append(digits, n);
    cell += '%';
    return cell;
}

std::string attributeCell(const MonsterRecord& r)
{
    const ListTexts& t = texts();
    if (r.metal != 0)
        return t.metal;
    if (r.floating != 0)
        return t.floating;
    if (r.size != 0)
        return t.big;
    if (r.groundFlag != 0)
        return t.ground;
    if (r.translucentFlag != 0)
        return t.translucent;
    return {};
}

Row formRow(const Catalogue& catalogue, const MonsterRecord& r, std::int32_t layout, std::int32_t searchWordCount,
            std::int32_t debugLevel)
{
    Row row;
    row.reserve(15);
    row.push_back(fieldText(r.name));
    row.push_back(familyCell(r.family));
    if (layout == kLocationLayout) {
        row.push_back(locationTextOf(catalogue, r));
        return row;
    }
    row.push_back(attributeCell(r));
    row.push_back(valueOrUnknown(r.hp));
    row.push_back(valueOrUnknown(r.mp));
    row.push_back((r.dealtSpread != 0 ? "*" : "") + valueOrUnknown(r.attack));
    row.push_back((r.takenSpread != 0 ? "*" : "") + valueOrUnknown(r.defense));
    if (debugLevel == kWeightDebugLevel) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "Weight = %4d", r.weight);
        row.push_back(buf);
        return row;
    }
    if (layout == kSkillLayout) {
        row.push_back(skillsCell(r, searchWordCount));
        return row;
    }
    if (r.defense == -1) {
        row.push_back("?");
        return row;
    }
    const ListTexts& t = texts();
    row.push_back(damageCell(r.dealtSpread, r.dealtMin));
    row.push_back(t.tilde);
    row.push_back(threeWide(r.dealtMax));
    row.push_back(ratioCell(r.dealtRatio));
    row.push_back(damageCell(r.takenSpread, r.takenMin));
    row.push_back(t.tilde);
    row.push_back(threeWide(r.takenMax));
    row.push_back(ratioCell(r.takenRatio));
    return row;
}

// The lines of a trivia text, cut at every "<BR>". An empty text has no lines; a
// marker at the very end leaves an empty last line, so that line numbers stay
// those of the trivia search.
std::vector<std::string_view> triviaLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    if (text.empty())
        return lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find(kLineBreak, start), text.size());
        lines.push_back(text.substr(start, end - start));
        if (end == text.size())
            return lines;
        start = end + kLineBreak.size();
    }
}

// The arrow of line k (1-based) of a text whose flags start at firstFlag. Only
// the first four lines of each text have a flag; a match on a later line keeps
// the monster a candidate but its line shows no arrow.
std::string hitMark(const MonsterRecord& r, std::size_t k, int firstFlag)
{
    if (k > kTriviaLinesFlagged || r.triviaHit[firstFlag + static_cast<int>(k) - 1] == 0)
        return " ";
    return texts().arrow;
}

void appendBlock(const Catalogue& catalogue, const MonsterRecord& r, std::vector<Row>& rows)
{
    rows.push_back(Row{fieldText(r.name), " ", "", "", ""});
    const std::vector<std::string_view> first = triviaLines(triviaText1Of(catalogue, r));
    const std::vector<std::string_view> second = triviaLines(triviaText2Of(catalogue, r));
    const std::size_t lineRows = std::max(first.size(), second.size());
    for (std::size_t i = 0; i < lineRows; ++i) {
        const std::size_t k = i + 1;
        rows.push_back(Row{"", hitMark(r, k, 1), i < first.size() ? std::string(first[i]) : std::string(),
                           hitMark(r, k, 1 + kTriviaLinesFlagged),
                           i < second.size() ? std::string(second[i]) : std::string()});
    }
    const std::string& line = texts().underline;
    rows.push_back(Row{"", "", line, "", line});
}

}  // namespace

std::vector<Row> candidateRows(const Catalogue& catalogue, const ObservationState& state, std::int32_t debugLevel)
{
    const std::int32_t layout = effectiveLayout(state.listLayout);
    const std::size_t columnCount = columnCountOf(layout);
    const int count = std::clamp<std::int32_t>(catalogue.monsterCount, 0, kMaxMonsters);
    std::vector<Row> rows;
    if (layout != kTriviaLayout)
        rows.reserve(static_cast<std::size_t>(state.candidateCount > 0 ? std::min(state.candidateCount, count) : 0));
    for (int i = 0; i < count; ++i) {
        const MonsterRecord& r = catalogue.monsterTable[i];
        if (!r.isCandidate)
            continue;
        if (layout == kTriviaLayout)
            appendBlock(catalogue, r, rows);
        else
            rows.push_back(formRow(catalogue, r, layout, state.search.searchWordCount, debugLevel));
    }
    for (Row& row : rows)
        row.resize(columnCount);
    return rows;
}

}  // namespace kestrel::ui

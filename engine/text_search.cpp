// The search edit's words and the three text criteria: name, skill and trivia.

#include "engine/text_search.h"

#include "text/normaliser.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace kestrel {

namespace {

constexpr std::int32_t kTriviaLayout = 2;  // まめ
constexpr int kTriviaLinesFlagged = 4;     // lines per text with a flag of their own
constexpr std::string_view kLineBreak = "<BR>";

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

bool isSeparator(std::string_view text, std::size_t pos, std::size_t width)
{
    const auto b = static_cast<unsigned char>(text[pos]);
    if (width == 1)
        return b == 0x20;
    return b == 0x81 && static_cast<unsigned char>(text[pos + 1]) == 0x40;  // full-width space
}

// An at-sign opening a word: ASCII "@" or the full-width "＠".
std::size_t atSignWidth(const char* word)
{
    const auto b0 = static_cast<unsigned char>(word[0]);
    if (b0 == '@')
        return 1;
    if (b0 == 0x81 && static_cast<unsigned char>(word[1]) == 0x97)
        return 2;
    return 0;
}

template <std::size_t N>
std::string_view fieldText(const char (&field)[N])
{
    return {field, ::strnlen(field, N)};
}

// Flags the lines of text that contain needle, numbering them from flag 1 of
// flags; lines past the fourth keep the record found but have no flag to set.
bool searchTriviaLines(std::string_view text, std::string_view needle, std::int32_t* flags)
{
    bool found = false;
    std::size_t start = 0;
    for (int line = 0;; ++line) {
        const std::size_t end = std::min(text.find(kLineBreak, start), text.size());
        if (text.substr(start, end - start).find(needle) != std::string_view::npos) {
            found = true;
            if (line < kTriviaLinesFlagged)
                flags[line] = 1;
        }
        if (end == text.size())
            return found;
        start = end + kLineBreak.size();
    }
}

}  // namespace

void splitSearchText(SearchState& search, std::string_view text)
{
    std::memset(search.searchWords, 0, sizeof search.searchWords);
    std::memset(search.searchWordsNormalised, 0, sizeof search.searchWordsNormalised);
    std::memset(search.nameSearchText, 0, sizeof search.nameSearchText);
    search.nameSearchActive = 0;

    int count = 0;
    std::size_t used = 0;  // bytes in the open word's slot
    bool open = false;     // a word has begun and not been closed
    bool full = false;     // a character of the open word did not fit: drop the rest
    std::size_t pos = 0;
    while (pos < text.size() && count < kMaxSearchWords) {
        std::size_t width = 1;
        if (isLeadByte(static_cast<unsigned char>(text[pos]))) {
            if (pos + 1 == text.size())
                break;  // half a character at the very end is not a character
            width = 2;
        }
        if (isSeparator(text, pos, width)) {
            if (open)
                ++count;
            open = full = false;
            used = 0;
        } else {
            open = true;
            if (!full && used + width <= static_cast<std::size_t>(kSearchWordBytes)) {
                std::memcpy(search.searchWords[count] + used, text.data() + pos, width);
                used += width;
            } else {
                full = true;
            }
        }
        pos += width;
    }
    if (open)
        ++count;

    for (int i = 0; i < count; ++i) {
        const std::size_t skip = atSignWidth(search.searchWords[i]);
        if (skip == 0)
            continue;
        const std::string_view name = fieldText(search.searchWords[i]).substr(skip);
        std::memcpy(search.nameSearchText, name.data(), name.size());
        search.nameSearchActive = 1;
        for (int j = i; j + 1 < count; ++j)
            std::memcpy(search.searchWords[j], search.searchWords[j + 1], sizeof search.searchWords[j]);
        --count;
        std::memset(search.searchWords[count], 0, sizeof search.searchWords[count]);
        break;
    }
    search.searchWordCount = count;
}

void normaliseSearchWords(SearchState& search)
{
    const int count = std::clamp(search.searchWordCount, 0, kMaxSearchWords);
    for (int i = 0; i < count; ++i) {
        normaliseText(fieldText(search.searchWords[i]), search.searchWordsNormalised[i],
                      sizeof search.searchWordsNormalised[i]);
    }
}

std::string toggleSkillWord(std::string_view currentText, std::string_view label)
{
    SearchState words{};
    splitSearchText(words, currentText);
    int match = -1;
    for (int i = 0; i < words.searchWordCount; ++i) {
        if (fieldText(words.searchWords[i]) == label)
            match = i;
    }
    std::string result;
    for (int i = 0; i < words.searchWordCount; ++i) {
        if (i == match)
            continue;
        result += fieldText(words.searchWords[i]);
        result += ' ';
    }
    if (match < 0)
        result += label;
    return result;
}

std::string_view normalisedNameOf(Catalogue& catalogue, int i)
{
    // Made again only when that position holds another name than the one it was made from.
    const MonsterRecord& record = catalogue.monsterTable[i];
    NameKey& cached = catalogue.nameKeys[i];
    if (std::memcmp(cached.name, record.name, kNameSize) != 0 || cached.key[0] == '\0') {
        std::memcpy(cached.name, record.name, kNameSize);
        normaliseText(fieldText(record.name), cached.key, sizeof cached.key);
    }
    return fieldText(cached.key);
}

TextCriteria textCriteriaInForce(const ObservationState& state, bool searchBoxTicked, std::string_view searchEditText)
{
    const SearchState& search = state.search;
    const bool words = searchBoxTicked && std::clamp(search.searchWordCount, 0, kMaxSearchWords) >= 1;
    TextCriteria on;
    on.name = search.nameSearchActive && !fieldText(search.nameSearchText).empty();
    if (state.listLayout == kTriviaLayout)
        on.trivia = words && !searchEditText.empty();
    else
        on.skill = words;
    return on;
}

bool nameKeeps(Catalogue& catalogue, int i, std::string_view prefix)
{
    return normalisedNameOf(catalogue, i).starts_with(prefix);
}

bool skillKeyHolds(std::string_view skillKey, std::string_view word)
{
    return skillKey.find(word) != std::string_view::npos;
}

bool skillKeeps(const MonsterRecord& record, const SearchState& search, std::uint8_t (&hits)[kMaxSkills])
{
    std::memset(hits, kNoSkillHit, sizeof hits);
    const int wordCount = std::clamp(search.searchWordCount, 0, kMaxSearchWords);
    const int skills = std::clamp(record.skillCount, 0, kMaxSkills);
    int found = 0;
    for (int w = 0; w < wordCount; ++w) {
        const std::string_view word = fieldText(search.searchWordsNormalised[w]);
        int match = -1;
        for (int k = 0; k < skills && match < 0; ++k) {
            if (skillKeyHolds(fieldText(record.skillKeys[k]), word))
                match = k;
        }
        if (match < 0)
            return false;
        if (std::find(hits, hits + found, match) == hits + found)
            hits[found++] = static_cast<std::uint8_t>(match);
    }
    return true;
}

bool triviaKeeps(const Catalogue& catalogue, const MonsterRecord& record, std::string_view needle,
                 std::int32_t (&flags)[kTriviaHits])
{
    std::memset(flags, 0, sizeof flags);
    const bool inFirst = searchTriviaLines(triviaText1Of(catalogue, record), needle, flags + 1);
    const bool inSecond = searchTriviaLines(triviaText2Of(catalogue, record), needle, flags + 1 + kTriviaLinesFlagged);
    flags[0] = (inFirst || inSecond) ? 1 : 0;
    return flags[0] != 0;
}

void applyTextCriteria(Catalogue& catalogue, const ObservationState& state, bool searchBoxTicked,
                       std::string_view searchEditText)
{
    const TextCriteria on = textCriteriaInForce(state, searchBoxTicked, searchEditText);
    const int count = std::clamp(catalogue.monsterCount, 0, kMaxMonsters);
    const std::string prefix = on.name ? normaliseText(fieldText(state.search.nameSearchText)) : std::string();
    for (int i = 0; i < count; ++i) {
        MonsterRecord& record = catalogue.monsterTable[i];
        if (on.name && record.isCandidate && !nameKeeps(catalogue, i, prefix))
            record.isCandidate = 0;
    }
    for (int i = 0; i < count; ++i) {
        MonsterRecord& record = catalogue.monsterTable[i];
        if (!record.isCandidate)
            continue;
        if (on.skill && !skillKeeps(record, state.search, record.skillHit))
            record.isCandidate = 0;
        else if (on.trivia && !triviaKeeps(catalogue, record, searchEditText, record.triviaHit))
            record.isCandidate = 0;
    }
}

}  // namespace kestrel

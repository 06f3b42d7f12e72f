// The search edit's words and the three text criteria: name, skill and trivia.

#include "engine/text_search.h"

#include "text/normaliser.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace kestrel {

namespace {

constexpr std::int32_t kTriviaLayout = 2;           // まめ
constexpr int kTriviaLinesFlagged = 4;              // lines per text with a flag of their own
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

// The normalised name of the record at position i, made again only when that
// position holds another name than the one it was made from.
std::string_view normalisedName(Catalogue& catalogue, int i)
{
    const MonsterRecord& record = catalogue.monsterTable[i];
    NameKey& cached = catalogue.nameKeys[i];
    if (std::memcmp(cached.name, record.name, kNameSize) != 0 || cached.key[0] == '\0') {
        std::memcpy(cached.name, record.name, kNameSize);
        normaliseText(fieldText(record.name), cached.key, sizeof cached.key);
    }
    return fieldText(cached.key);
}

void applyNameCriterion(Catalogue& catalogue, int count, const SearchState& search)
{
    const std::string prefix = normaliseText(fieldText(search.nameSearchText));
    for (int i = 0; i < count; ++i) {
        MonsterRecord& record = catalogue.monsterTable[i];
        if (record.isCandidate && !normalisedName(catalogue, i).starts_with(prefix))
            record.isCandidate = 0;
    }
}

void applySkillCriterion(Catalogue& catalogue, int count, const SearchState& search, int wordCount)
{
    for (int i = 0; i < count; ++i) {
        MonsterRecord& record = catalogue.monsterTable[i];
        if (!record.isCandidate)
            continue;
        std::memset(record.skillHit, kNoSkillHit, sizeof record.skillHit);
        const int skills = std::clamp(record.skillCount, 0, kMaxSkills);
        int hits = 0;
        for (int w = 0; w < wordCount && record.isCandidate; ++w) {
            const std::string_view word = fieldText(search.searchWordsNormalised[w]);
            int match = -1;
            for (int k = 0; k < skills && match < 0; ++k) {
                if (fieldText(record.skillKeys[k]).find(word) != std::string_view::npos)
                    match = k;
            }
            if (match < 0) {
                record.isCandidate = 0;
            } else if (std::find(record.skillHit, record.skillHit + hits, match) == record.skillHit + hits) {
                record.skillHit[hits++] = static_cast<std::uint8_t>(match);
            }
        }
    }
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

void applyTriviaCriterion(Catalogue& catalogue, int count, std::string_view needle)
{
    for (int i = 0; i < count; ++i) {
        MonsterRecord& record = catalogue.monsterTable[i];
        if (!record.isCandidate)
            continue;
        std::memset(record.triviaHit, 0, sizeof record.triviaHit);
        const bool inFirst = searchTriviaLines(triviaText1Of(catalogue, record), needle, record.triviaHit + 1);
        const bool inSecond = searchTriviaLines(triviaText2Of(catalogue, record), needle,
                                                record.triviaHit + 1 + kTriviaLinesFlagged);
        record.triviaHit[0] = (inFirst || inSecond) ? 1 : 0;
        if (!record.triviaHit[0])
            record.isCandidate = 0;
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
    std::size_t used = 0;    // bytes in the open word's slot
    bool open = false;       // a word has begun and not been closed
    bool full = false;       // a character of the open word did not fit: drop the rest
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

void applyTextCriteria(Catalogue& catalogue, const ObservationState& state, bool searchBoxTicked,
                       std::string_view searchEditText)
{
    const SearchState& search = state.search;
    const int count = std::clamp(catalogue.monsterCount, 0, kMaxMonsters);
    const int wordCount = std::clamp(search.searchWordCount, 0, kMaxSearchWords);

    if (search.nameSearchActive && !fieldText(search.nameSearchText).empty())
        applyNameCriterion(catalogue, count, search);

    if (state.listLayout == kTriviaLayout) {
        if (searchBoxTicked && wordCount >= 1 && !searchEditText.empty())
            applyTriviaCriterion(catalogue, count, searchEditText);
    } else if (searchBoxTicked && wordCount >= 1) {
        applySkillCriterion(catalogue, count, search, wordCount);
    }
}

}  // namespace kestrel

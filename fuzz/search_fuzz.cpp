// Splitting the search text and the skill buttons' add/remove-word rule over any
// text: at most 8 words, every slot terminated within its size, no split
// double-byte character, and a label clicked twice gives back the words.

#include "engine/text_search.h"
#include "fuzz_support.h"

#include <memory>
#include <string>
#include <vector>

using namespace kestrel;
using kestrel::fuzz::check;
using kestrel::fuzz::terminatedWithin;
using kestrel::fuzz::wholeCharacters;

namespace {

std::vector<std::string> wordsOf(std::string_view text, SearchState& search)
{
    splitSearchText(search, text);
    normaliseSearchWords(search);
    check(search.searchWordCount >= 0 && search.searchWordCount <= kMaxSearchWords, "at most 8 words");
    check(terminatedWithin(search.nameSearchText, sizeof search.nameSearchText), "name word terminated");
    std::vector<std::string> words;
    for (int i = 0; i < kMaxSearchWords; ++i) {
        check(terminatedWithin(search.searchWords[i], sizeof search.searchWords[i]), "word terminated");
        check(terminatedWithin(search.searchWordsNormalised[i], sizeof search.searchWordsNormalised[i]),
              "normalised word terminated");
    }
    for (int i = 0; i < search.searchWordCount; ++i)
        words.emplace_back(search.searchWords[i]);
    if (wholeCharacters(text)) {
        check(wholeCharacters(search.nameSearchText), "no split character in the name word");
        for (int i = 0; i < search.searchWordCount; ++i) {
            check(wholeCharacters(search.searchWords[i]), "no split character in a word");
            check(wholeCharacters(search.searchWordsNormalised[i]), "no split character in a normalised word");
        }
    }
    return words;
}

bool startsWithAtSign(const std::string& word)
{
    return word.rfind("@", 0) == 0 || word.rfind("\x81\x97", 0) == 0;  // ＠
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ByteStream in(data, size);
    const std::uint8_t choice = in.byte();
    std::string label;
    if (choice & 0x80)
        label = in.text(40);
    else if (const char* fixed = skillButtonLabel(1 + (choice >> 4) % 4, choice % kSkillButtonCount))
        label = fixed;
    // An edit's text, like a label, is a C text: it ends at its first NUL.
    label = label.substr(0, label.find('\0'));
    const std::string_view rest = in.rest();
    const std::string text(rest.substr(0, rest.find('\0')));

    const auto search = std::make_unique<SearchState>();
    const std::vector<std::string> words = wordsOf(text, *search);

    const std::string once = toggleSkillWord(text, label);
    const std::vector<std::string> onceWords = wordsOf(once, *search);
    if (wholeCharacters(text) && wholeCharacters(label))
        check(wholeCharacters(once), "no split character after a click");

    // A fixed label added to fewer than seven plain words comes last, and a second
    // click takes it out again.
    bool plain = !(choice & 0x80) && words.size() < 7;
    for (const std::string& w : words)
        plain = plain && w != label && !startsWithAtSign(w);
    if (plain) {
        std::vector<std::string> expected = words;
        expected.push_back(label);
        check(onceWords == expected, "a click appends the label as the last word");
        const std::string twice = toggleSkillWord(once, label);
        check(wordsOf(twice, *search) == words, "a second click gives back the words");
    }
    return 0;
}

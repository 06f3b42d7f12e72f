#pragma once
// Text search: the search edit's words, the name search, and the skill and
// trivia criteria; the skill buttons' labels and their add/remove-word rule.

#include "catalogue/catalogue.h"
#include "engine/observation_state.h"

#include <string>
#include <string_view>

namespace kestrel {

// The skill buttons, each with its label below.
inline constexpr int kSkillButtonCount = 16;

// Fills searchWords, searchWordCount, nameSearchActive and nameSearchText from
// text; clears searchWordsNormalised.
void splitSearchText(SearchState& search, std::string_view text);
// Normalises each search word into its slot of searchWordsNormalised.
void normaliseSearchWords(SearchState& search);

// The label of skill button k (0..15) for quiz class 1..4 (code page 932);
// nullptr for another class, whose captions stay as they are.
const char* skillButtonLabel(int quizClass, int k);

// The new text of the search edit after a skill button with this label was
// clicked while the edit held currentText.
std::string toggleSkillWord(std::string_view currentText, std::string_view label);

// Which text criteria are in force: the name criterion while a name search is
// active with a text, then the trivia criterion (listLayout 2: box ticked, at
// least one word, edit not empty) or the skill criterion (any other layout: box
// ticked, at least one word).
struct TextCriteria {
    bool name = false;
    bool skill = false;
    bool trivia = false;
};
TextCriteria textCriteriaInForce(const ObservationState& state, bool searchBoxTicked, std::string_view searchEditText);

// The normalised name of the record at position i (kept in the catalogue's cache).
std::string_view normalisedNameOf(Catalogue& catalogue, int i);

// The three text predicates: true when the record stays. prefix is the
// normalised name-search text. The skill predicate writes the indices of the
// matched skills into hits (kNoSkillHit elsewhere), the trivia predicate the
// found flags into flags; both stop at the first word or text that fails.
bool nameKeeps(Catalogue& catalogue, int i, std::string_view prefix);
// One normalised search word against one normalised skill: the word matches
// when the skill contains it. The skill criterion asks this of every word.
bool skillKeyHolds(std::string_view skillKey, std::string_view word);
bool skillKeeps(const MonsterRecord& record, const SearchState& search, std::uint8_t (&hits)[kMaxSkills]);
bool triviaKeeps(const Catalogue& catalogue, const MonsterRecord& record, std::string_view needle,
                 std::int32_t (&flags)[kTriviaHits]);

// The name criterion and then the trivia criterion (listLayout 2) or the skill
// criterion (any other layout), over the records still candidate.
void applyTextCriteria(Catalogue& catalogue, const ObservationState& state, bool searchBoxTicked,
                       std::string_view searchEditText);

}  // namespace kestrel

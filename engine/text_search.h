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

// The name criterion and then the trivia criterion (listLayout 2) or the skill
// criterion (any other layout), over the records still candidate.
void applyTextCriteria(Catalogue& catalogue, const ObservationState& state, bool searchBoxTicked,
                       std::string_view searchEditText);

}  // namespace kestrel

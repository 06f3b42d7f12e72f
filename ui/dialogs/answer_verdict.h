#pragma once
// The verdict of the 答え合わせ in one sentence for the notice line (code page
// 932): "答え: NAME — 観測と定義ファイルは合っています", or each reason the answer
// left the list, with what the observations imply instead of the file's value
// ("与ダメ 95 で外れていました: 観測からは守備力 120～140（定義ファイルは 170）").

#include "catalogue/catalogue.h"
#include "engine/answer_check.h"
#include "engine/filter_inputs.h"
#include "engine/observation_state.h"

#include <string>
#include <vector>

namespace kestrel::ui {

// What the check calls a fact ("floating", "family", "skill") in the player's
// words ("浮遊", "系統", "特技"); an unknown one stays as it is.
std::string factSubject(const std::string& attribute);

// "120～140", "125", "300 以上", joined by " または "; "" for none.
std::string impliedText(const std::vector<StatInterval>& intervals);

std::string answerVerdictText(const MonsterRecord& answer, const AnswerCheck& check, const ObservationState& state,
                              const FilterInputs& inputs);

}  // namespace kestrel::ui

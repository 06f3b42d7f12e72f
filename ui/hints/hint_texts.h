#pragma once
// The hint panel's sentences, in code page 932: an advised observation with its
// expected count and split, the live split of a value button, and what removed
// a record.

#include "catalogue/catalogue.h"
#include "engine/elimination.h"
#include "engine/next_observation.h"

#include <string>

namespace kestrel::ui {

// How many full-width characters a line of the panel holds at the window's
// first size; an advice line longer than that puts its answers on a line of
// their own, so that no word is broken.
inline constexpr double kHintLineCharacters = 24;
// How many the skills of the skill advice take at most, brackets included: as
// many skills as fit in them, so that their line fits the panel even in a
// wider font or with the panel narrowed.
inline constexpr double kSkillAnswersCharacters = 17;

// "MP吸を確かめる → 平均 4.3 体（吸えた 3 / 吸えない 5）", "通常攻撃を1回当てる → 平均 1.8 体",
// "特技を見る → 平均 1.6 体（メラミ 3 / ルカナン 2 / …）", a line break before the
// brackets where the line would not fit. specialAttack names the weapon's
// special attack (for the family observation).
std::string adviceLine(const Advice& advice, const char* specialAttack, std::int32_t targetFamily);

// "吸えた 3 / 吸えない 5": a yes/no observation's two answers, the positive one first.
std::string splitText(Observation observation, const AnswerSplit& split, std::int32_t targetFamily);

// What removed a record, criterion by criterion ("与ダメ 28～35 の範囲外、MP吸が合わない").
std::string removalReasons(const MonsterRecord& record, const RecordVerdict& verdict, const ObservationState& state);

// The family of a code as a sentence names it ("ドラゴン系"); "?" for none.
std::string familyName(std::int32_t code);

// "NAME ― TEXT".
std::string hintLine(const MonsterRecord& record, const std::string& text);

}  // namespace kestrel::ui

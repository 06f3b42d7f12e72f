#include "ui/hints/hint_texts.h"

#include "ui/list/list_view.h"
#include "ui/texts/texts.h"

#include <cstdio>
#include <cstring>

namespace kestrel::ui {

namespace {

struct AnswerWords {
    std::int32_t value;
    const char* word;  // UTF-8
};

struct FactTexts {
    const char* subject;  // what the player checks, UTF-8
    AnswerWords first;    // shown first
    AnswerWords second;
};

// Per yes/no observation, in the order of Observation (family's words are built).
constexpr FactTexts kFacts[] = {
    {"浮遊", {1, "浮く"}, {0, "浮かない"}},   {"メタル", {1, "メタル"}, {0, "メタルでない"}},
    {"大きさ", {1, "大きい"}, {0, "普通"}},   {"MP吸", {1, "吸えた"}, {0, "吸えない"}},
    {"怒り", {1, "怒った"}, {2, "怒らない"}}, {"重さ", {0, "押せた"}, {1, "押せない"}},
};

std::int32_t countOf(const AnswerSplit& split, std::int32_t value)
{
    for (std::size_t a = 0; a < split.value.size(); ++a)
        if (split.value[a] == value)
            return split.count[a];
    return 0;
}

// The families by code, as a sentence names them.
constexpr const char* kFamilyNames[kFamilyCount] = {
    "けもの系",     "鳥系", "植物系",     "虫系",     "怪人系", "物質系",     "マシン系",
    "エレメント系", "水系", "スライム系", "ゾンビ系", "悪魔系", "ドラゴン系", "「?」の系統",
};

// How wide a text is drawn, in full-width characters: a double-byte character
// is one, a single byte half of one.
double widthInCharacters(std::string_view text)
{
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) {
            ++i;
            width += 1;
        } else {
            width += 0.5;
        }
    }
    return width;
}

// An advice line: the action and its expected count, then its answers in
// brackets, on a line of their own when both do not fit on one.
std::string actionWithAnswers(const std::string& action, const std::string& answers)
{
    if (answers.empty())
        return action;
    const std::string bracketed = sjis("（") + answers + sjis("）");
    const bool fits = widthInCharacters(action) + widthInCharacters(bracketed) <= kHintLineCharacters;
    return action + (fits ? "" : "\n") + bracketed;
}

// The skills with their counts, the best-splitting first, as many as fit on a line.
std::string skillAnswers(const std::vector<SkillCount>& skills)
{
    std::string text;
    const std::string more = sjis(" / …");
    for (std::size_t k = 0; k < skills.size(); ++k) {
        std::string next = (text.empty() ? "" : " / ") + skills[k].text + " " + std::to_string(skills[k].count);
        const bool last = k + 1 == skills.size();
        const double room = kSkillAnswersCharacters - 2 - (last ? 0 : widthInCharacters(more));
        if (!text.empty() && widthInCharacters(text + next) > room)
            return text + more;
        text += next;
    }
    return text;
}

std::string number(std::int64_t value) { return std::to_string(value); }

std::string oneDecimal(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string fieldText(const char* field, std::size_t size) { return {field, ::strnlen(field, size)}; }

}  // namespace

std::string familyName(std::int32_t code)
{
    return code >= 1 && code <= kFamilyCount ? sjis(kFamilyNames[code - 1]) : std::string("?");
}

std::string splitText(Observation observation, const AnswerSplit& split, std::int32_t targetFamily)
{
    if (observation == Observation::family) {
        const std::string family = familyName(targetFamily + 1);
        return family + " " + number(countOf(split, 1)) + " / " + family + sjis("でない ") + number(countOf(split, 0));
    }
    const auto k = static_cast<std::size_t>(observation);
    if (k >= std::size(kFacts))
        return {};
    const FactTexts& f = kFacts[k];
    return sjis(f.first.word) + " " + number(countOf(split, f.first.value)) + " / " + sjis(f.second.word) + " " +
           number(countOf(split, f.second.value));
}

std::string adviceLine(const Advice& advice, const char* specialAttack, std::int32_t targetFamily)
{
    std::string action;
    std::string answers;
    switch (advice.observation) {
    case Observation::dealtDamage:
        action = sjis(advice.repeated ? "もう1回 通常攻撃を当てる" : "通常攻撃を1回当てる");
        break;
    case Observation::takenDamage: action = sjis(advice.repeated ? "もう1回 攻撃を受ける" : "攻撃を1回受ける"); break;
    case Observation::skill:
        action = sjis("特技を見る");
        answers = skillAnswers(advice.skills);
        break;
    case Observation::family:
        action = (specialAttack && *specialAttack ? std::string(specialAttack) : sjis("特技")) + sjis("を当てる");
        break;
    default: action = sjis(kFacts[static_cast<std::size_t>(advice.observation)].subject) + sjis("を確かめる");
    }
    action += sjis(" → 平均 ") + oneDecimal(advice.expectedRemaining) + sjis(" 体");
    if (advice.hasSplit)
        answers = splitText(advice.observation, advice.split, targetFamily);
    if (advice.repeated)
        answers = sjis("今の範囲より低ければ左、高ければ右の欄へ");
    return actionWithAnswers(action, answers);
}

std::string removalReasons(const MonsterRecord& r, const RecordVerdict& v, const ObservationState& s)
{
    std::string text;
    auto add = [&text](const std::string& reason) {
        if (!text.empty())
            text += sjis("、");
        text += reason;
    };
    auto range = [](const char* what, const DamageInterval& d) {
        return sjis(what) + " " + number(d.low) + sjis("～") + number(d.high) + sjis("の範囲外");
    };
    for (int c = 0; c < kCriterionCount; ++c) {
        const auto criterion = static_cast<Criterion>(c);
        if (!v.fails(criterion))
            continue;
        switch (criterion) {
        case Criterion::hpAtLeast:
            add("HP " + number(r.hp) + sjis("は") + number(s.hpAtLeast) + sjis("より少ない"));
            break;
        case Criterion::hpAtMost: add("HP " + number(r.hp) + sjis("は") + number(s.hpAtMost) + sjis("より多い")); break;
        case Criterion::mpAtLeast:
            add("MP " + number(r.mp) + sjis("は") + number(s.mpAtLeast) + sjis("より少ない"));
            break;
        case Criterion::mpAtMost: add("MP " + number(r.mp) + sjis("は") + number(s.mpAtMost) + sjis("より多い")); break;
        case Criterion::dealtDamage: add(range("与ダメ", v.dealt)); break;
        case Criterion::takenDamage: add(range("被ダメ", v.taken)); break;
        case Criterion::familyExclusion: add(familyName(r.family) + sjis("は除外した系統")); break;
        case Criterion::familyConfirmation: add(sjis("系統が") + familyName(r.family & 0x7F)); break;
        case Criterion::name: add(sjis("名前が合わない")); break;
        case Criterion::skill: add(sjis("特技が合わない")); break;
        case Criterion::trivia: add(sjis("まめちしきが合わない")); break;
        default: add(sjis(kFacts[static_cast<std::size_t>(c)].subject) + sjis("が合わない")); break;
        }
    }
    return text;
}

std::string hintLine(const MonsterRecord& record, const std::string& text)
{
    return fieldText(record.name, sizeof record.name) + sjis(" ― ") + text;
}

}  // namespace kestrel::ui

// The 答え合わせ sentence: the answer's name, then either that the file agrees
// with everything observed or every reason it did not, joined by "、".

#include "ui/dialogs/answer_verdict.h"

#include "ui/list/list_view.h"
#include "ui/texts/texts.h"

#include <cstring>
#include <string_view>

namespace kestrel::ui {

namespace {

std::string number(std::int64_t value) { return std::to_string(value); }

// A fact's words: the subject, and what each value the check names means.
struct FactWords {
    std::string_view attribute;
    const char* subject;  // UTF-8
    const char* yes;      // "yes", "big"
    const char* no;       // "no", "normal"
};

constexpr FactWords kFacts[] = {
    {"floating", "浮遊", "浮く", "浮かない"}, {"metal", "メタル", "メタル", "メタルでない"},
    {"size", "大きさ", "大きい", "普通"},     {"mpDrain", "MP吸", "吸えた", "吸えない"},
    {"anger", "怒り", "怒る", "怒らない"},    {"push", "重さ", "押せる", "押せない"},
};

// A value of the check in the player's words; a word it does not know stays as it is.
std::string factValue(const FactWords& fact, const std::string& value)
{
    if (value == "yes" || value == "big")
        return sjis(fact.yes);
    if (value == "no" || value == "normal")
        return sjis(fact.no);
    if (value.starts_with("weight "))
        return sjis("重さ ") + value.substr(7);
    return value;
}

// A family code as its label ("獣", "獣?"), "not N" as "獣 以外".
std::string familyValue(const std::string& value)
{
    if (value.starts_with("not "))
        return familyValue(value.substr(4)) + sjis(" 以外");
    if (value.empty() || value.size() > 3 || value.find_first_not_of("0123456789") != std::string::npos)
        return value;
    return familyCell(std::stoi(value));
}

std::string contradictionText(const FactContradiction& c)
{
    if (c.attribute == "skill")
        return sjis("特技「") + c.observed + sjis("」は定義ファイルの特技にありません");
    if (c.attribute == "family")
        return sjis("系統が違います（観測: ") + familyValue(c.observed) + sjis("、定義ファイル: ") +
               familyValue(c.recorded) + sjis("）");
    for (const FactWords& fact : kFacts) {
        if (fact.attribute == c.attribute)
            return sjis(fact.subject) + sjis("が違います（観測: ") + factValue(fact, c.observed) +
                   sjis("、定義ファイル: ") + factValue(fact, c.recorded) + sjis("）");
    }
    return c.attribute + sjis("が違います（観測: ") + c.observed + sjis("、定義ファイル: ") + c.recorded + sjis("）");
}

bool contradicted(const AnswerCheck& check, std::string_view attribute)
{
    for (const FactContradiction& c : check.contradictions)
        if (c.attribute == attribute)
            return true;
    return false;
}

// The typed values of a damage row that lie outside what the record allows.
std::string typedOutside(const DamageInterval& allowed, std::int32_t low, std::int32_t high)
{
    const bool lowOut = !intervalKeeps(allowed, low), highOut = !intervalKeeps(allowed, high);
    if (lowOut && highOut && low != high)
        return number(low) + sjis("～") + number(high);
    return number(lowOut || !highOut ? low : high);
}

// "観測からは守備力 120～140（定義ファイルは 170）".
std::string impliedClause(const char* stat, const ImpliedValue& value)
{
    const std::string file = sjis("（定義ファイルは ") + number(value.fileValue) + sjis("）");
    if (value.implied.empty())
        return sjis("観測に合う") + sjis(stat) + sjis("はありません") + file;
    return sjis("観測からは") + sjis(stat) + " " + impliedText(value.implied) + file;
}

std::string damageReason(const char* row, const std::string& typed, const char* stat, const ImpliedValue& value,
                         const DamageInterval& allowed)
{
    std::string text = sjis(row) + " " + typed + sjis(" で外れていました");
    if (value.known)
        return text + ": " + impliedClause(stat, value);
    if (allowed.tested)
        text += sjis("（定義ファイルからは ") + number(allowed.low) + sjis("～") + number(allowed.high) + sjis("）");
    return text;
}

std::string boundReason(const char* what, std::int32_t value, std::int32_t bound, const char* side)
{
    return sjis("定義ファイルの ") + what + " " + number(value) + sjis(" は観測の「") + number(bound) + " " +
           sjis(side) + sjis("」に合いません");
}

// Every criterion the answer failed, in the filter's order; a fact the check
// names as contradicted is told with both values.
void failedReasons(std::vector<std::string>& reasons, const MonsterRecord& r, const AnswerCheck& check,
                   const ObservationState& s, const FilterInputs& in)
{
    const RecordVerdict& v = check.verdict;
    for (int c = 0; c < kCriterionCount; ++c) {
        const auto criterion = static_cast<Criterion>(c);
        if (!v.fails(criterion))
            continue;
        switch (criterion) {
        case Criterion::hpAtLeast: reasons.push_back(boundReason("HP", r.hp, s.hpAtLeast, "以上")); break;
        case Criterion::hpAtMost: reasons.push_back(boundReason("HP", r.hp, s.hpAtMost, "以下")); break;
        case Criterion::mpAtLeast: reasons.push_back(boundReason("MP", r.mp, s.mpAtLeast, "以上")); break;
        case Criterion::mpAtMost: reasons.push_back(boundReason("MP", r.mp, s.mpAtMost, "以下")); break;
        case Criterion::dealtDamage:
            reasons.push_back(damageReason("与ダメ", typedOutside(v.dealt, in.dealtLow, in.dealtHigh), "守備力",
                                           check.defense, v.dealt));
            break;
        case Criterion::takenDamage:
            reasons.push_back(damageReason("被ダメ", typedOutside(v.taken, in.takenLow, in.takenHigh), "攻撃力",
                                           check.attack, v.taken));
            break;
        case Criterion::familyExclusion:
        case Criterion::familyConfirmation:
            if (!contradicted(check, "family"))
                reasons.push_back(sjis("系統が観測と違います（定義ファイル: ") + familyCell(r.family) + sjis("）"));
            break;
        case Criterion::name: reasons.push_back(sjis("名前の検索（@）に合いません")); break;
        case Criterion::skill:
            if (!contradicted(check, "skill"))
                reasons.push_back(sjis("検索した特技が定義ファイルの特技にありません"));
            break;
        case Criterion::trivia: reasons.push_back(sjis("まめちしきの検索に合いません")); break;
        default:
            if (!contradicted(check, criterionName(criterion)))
                reasons.push_back(sjis(kFacts[static_cast<std::size_t>(c)].subject) + sjis("が観測と違います"));
            break;
        }
    }
    for (const FactContradiction& c : check.contradictions)
        reasons.push_back(contradictionText(c));
}

}  // namespace

std::string factSubject(const std::string& attribute)
{
    if (attribute == "family")
        return sjis("系統");
    if (attribute == "skill")
        return sjis("特技");
    for (const FactWords& fact : kFacts)
        if (fact.attribute == attribute)
            return sjis(fact.subject);
    return attribute;
}

std::string impliedText(const std::vector<StatInterval>& intervals)
{
    std::string text;
    for (const auto& [low, high] : intervals) {
        if (!text.empty())
            text += sjis(" または ");
        if (high >= kImpliedStatMax)
            text += number(low) + sjis(" 以上");
        else if (low == high)
            text += number(low);
        else
            text += number(low) + sjis("～") + number(high);
    }
    return text;
}

std::string answerVerdictText(const MonsterRecord& answer, const AnswerCheck& check, const ObservationState& state,
                              const FilterInputs& inputs)
{
    const std::string head =
        sjis("答え: ") + std::string(answer.name, ::strnlen(answer.name, sizeof answer.name)) + sjis(" — ");
    std::vector<std::string> reasons;
    failedReasons(reasons, answer, check, state, inputs);
    // Kept by the tolerance box alone: the file's value is still outside what was seen.
    if (!check.verdict.fails(Criterion::dealtDamage) && check.defense.known && !check.defense.inside)
        reasons.push_back(sjis("許容範囲で残っていました: ") + impliedClause("守備力", check.defense));
    if (!check.verdict.fails(Criterion::takenDamage) && check.attack.known && !check.attack.inside)
        reasons.push_back(sjis("許容範囲で残っていました: ") + impliedClause("攻撃力", check.attack));
    if (reasons.empty() && !check.wasCandidate)
        reasons.push_back(sjis("今の級では出題されないモンスターです"));
    if (reasons.empty())
        return head + sjis("観測と定義ファイルは合っています");
    std::string text = head;
    for (std::size_t k = 0; k < reasons.size(); ++k)
        text += (k == 0 ? "" : sjis("、")) + reasons[k];
    return text;
}

}  // namespace kestrel::ui

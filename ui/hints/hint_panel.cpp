#include "ui/hints/hint_panel.h"

#include "engine/elimination.h"
#include "engine/next_observation.h"
#include "text/normaliser.h"
#include "engine/text_search.h"
#include "ui/hints/hint_texts.h"
#include "ui/keyboard/shortcuts.h"
#include "ui/ids.h"
#include "ui/texts/texts.h"

#include <algorithm>

namespace kestrel::ui {

namespace {

struct ButtonTip {
    int button;
    Observation observation;
};

constexpr ButtonTip kButtonTips[] = {
    {id::kFloatingButton, Observation::floating}, {id::kMetalButton, Observation::metal},
    {id::kSizeButton, Observation::size},         {id::kMpDrainButton, Observation::mpDrain},
    {id::kAngerButton, Observation::anger},       {id::kPushButton, Observation::push},
};

template <std::size_t N>
void fillLines(Controls& controls, const std::array<int, N>& ids, const std::vector<std::string>& lines)
{
    for (std::size_t i = 0; i < N; ++i)
        controls.setText(ids[i], i < lines.size() ? lines[i] : std::string());
}

const RecordVerdict* verdictOf(const Elimination& elimination, std::int32_t index)
{
    auto it = std::lower_bound(elimination.verdicts.begin(), elimination.verdicts.end(), index,
                               [](const RecordVerdict& v, std::int32_t i) { return v.index < i; });
    return it != elimination.verdicts.end() && it->index == index ? &*it : nullptr;
}

std::vector<std::string> whyGoneLines(Controls& controls, const HintSources& s, const Elimination& elimination)
{
    std::vector<std::string> lines;
    const std::string prefix = normaliseText(controls.text(kIdWhyGoneEdit));
    if (prefix.empty())
        return lines;
    const int n = std::clamp<std::int32_t>(s.catalogue.monsterCount, 0, kMaxMonsters);
    for (int i = 0; i < n && lines.size() < kIdWhyGoneLines.size(); ++i) {
        if (!normalisedNameOf(s.catalogue, i).starts_with(prefix))
            continue;
        const MonsterRecord& r = s.catalogue.monsterTable[i];
        const RecordVerdict* v = verdictOf(elimination, i);
        const std::string why = !v               ? sjis("今の級では出ない")
                                : v->failed == 0 ? sjis("候補に残っている")
                                                 : removalReasons(r, *v, s.state);
        lines.push_back(hintLine(r, why));
    }
    return lines;
}

// What an unset attack or defense means for the damage tests, with the button
// that sets them; empty while both are set.
std::string unsetProfileLine(const PlayerProfile* profile)
{
    if (profile == nullptr)
        return {};
    const bool attack = attackUnset(*profile), defense = defenseUnset(*profile);
    if (!attack && !defense)
        return {};
    const char* line = attack && defense ? "ダメージで絞るには → 「変更」で攻撃力と守備力を設定"
                       : attack          ? "与ダメで絞るには → 「変更」で攻撃力を設定"
                                         : "被ダメで絞るには → 「変更」で守備力を設定";
    return sjis(line);
}

// A damage observation is no advice while the profile value it rests on is unset.
bool adviceUsable(Observation observation, const PlayerProfile* profile)
{
    if (profile == nullptr)
        return true;
    if (observation == Observation::dealtDamage)
        return !attackUnset(*profile);
    if (observation == Observation::takenDamage)
        return !defenseUnset(*profile);
    return true;
}

}  // namespace

void addHintPanelControls(std::vector<ControlSpec>& items)
{
    items.push_back({kIdAdviceHeading, ControlKind::Static, sjis("次に確かめるとよいこと"), 0});
    for (int id : kIdAdviceLines)
        items.push_back({id, ControlKind::Static, "", 0});
    items.push_back({kIdNearMissHeading, ControlKind::Static, sjis("惜しい候補（残りが3体以下のとき）"), 0});
    for (int id : kIdNearMissLines)
        items.push_back({id, ControlKind::Static, "", 0});
    items.push_back({kIdWhyGoneHeading, ControlKind::Static, sjis("候補から消えた理由"), 0});
    items.push_back({kIdWhyGoneLabel, ControlKind::Static, sjis("なぜ消えた?"), 0});
    items.push_back({kIdWhyGoneEdit, ControlKind::Edit, "", 0});
    for (int id : kIdWhyGoneLines)
        items.push_back({id, ControlKind::Static, "", 0});
}

void showHints(Controls& controls, const HintSources& s)
{
    std::vector<std::string> advice, nearMisses, whyGone;
    std::vector<std::string> tips(std::size(kButtonTips));
    if (s.catalogue.monsterCount > 0) {
        const Elimination elimination = explainElimination(s.catalogue, s.state, s.inputs);
        const std::int32_t target = s.weapon ? s.weapon->targetFamily : -1;
        const AdviceContext context{s.catalogue, s.state, s.inputs, elimination, target};
        if (std::string line = unsetProfileLine(s.profile); !line.empty())
            advice.push_back(std::move(line));
        // One pass over the candidates for the yes/no observations, for the advice and the buttons.
        const FactTally tally = tallyFacts(context);
        for (const Advice& a : adviseNextObservation(context, tally)) {
            if (advice.size() < kIdAdviceLines.size() && adviceUsable(a.observation, s.profile))
                advice.push_back(adviceLine(a, s.weapon ? s.weapon->specialAttack : nullptr, target));
        }
        if (elimination.candidates.size() <= static_cast<std::size_t>(kNearMissListSize)) {
            for (std::int32_t i : elimination.nearMisses) {
                const MonsterRecord& r = s.catalogue.monsterTable[static_cast<std::size_t>(i)];
                nearMisses.push_back(hintLine(r, removalReasons(r, *verdictOf(elimination, i), s.state)));
            }
        }
        whyGone = whyGoneLines(controls, s, elimination);
        for (std::size_t t = 0; t < std::size(kButtonTips); ++t) {
            const Observation o = kButtonTips[t].observation;
            if (o == Observation::push && s.inputs.WEIGHT > 1000)
                continue;  // the push test is off for this profile
            tips[t] = splitText(o, tally.splits[static_cast<std::size_t>(o)], target);
        }
    }
    fillLines(controls, kIdAdviceLines, advice);
    fillLines(controls, kIdNearMissLines, nearMisses);
    fillLines(controls, kIdWhyGoneLines, whyGone);
    for (std::size_t t = 0; t < std::size(kButtonTips); ++t)
        controls.setToolTip(kButtonTips[t].button, toolTipWithShortcut(kButtonTips[t].button, tips[t]));
}

}  // namespace kestrel::ui

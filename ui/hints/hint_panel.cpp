#include "ui/hints/hint_panel.h"

#include "engine/differences.h"
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

// The sentence for two or more candidates that no advised observation splits:
// whether anything the fight shows still differs.
std::string silentLine(const Differences& differences)
{
    return sjis(differences.nothingDiffers() ? "戦いで見えるものでは、残りの候補を見分けられない"
                                             : "これ以上絞れる観測はない（違いは下の表）");
}

// A skill's name cut after six characters with "…", so that the line of the
// first skill fits the panel at its narrowest.
std::string shortened(const std::string& skill)
{
    constexpr int kShown = 6;
    std::size_t at = 0;
    for (int shown = 0; at < skill.size() && shown < kShown; ++shown) {
        const auto b = static_cast<unsigned char>(skill[at]);
        at += ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) && at + 1 < skill.size() ? 2 : 1;
    }
    return at < skill.size() ? skill.substr(0, at) + sjis("…") : skill;
}

}  // namespace

std::string HintSkills::of(int id) const
{
    for (std::size_t k = 0; k < advice.size(); ++k)
        if (id == kIdAdviceLines[k])
            return advice[k];
    for (int r = 0; r < kDifferenceRows; ++r)
        if (id == differenceLabelId(r))
            return rows[static_cast<std::size_t>(r)];
    return {};
}

std::string HintSkills::first() const
{
    for (const std::string& skill : advice)
        if (!skill.empty())
            return skill;
    for (const std::string& skill : rows)
        if (!skill.empty())
            return skill;
    return {};
}

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
    items.push_back({id::kFirstSkill, ControlKind::Static, "", 0});
    addDifferencesTableControls(items);
}

HintSkills showHints(Controls& controls, const HintSources& s)
{
    HintSkills skills;
    std::vector<std::string> advice, nearMisses, whyGone;
    std::vector<std::string> tips(std::size(kButtonTips));
    DifferencesTable table;
    if (s.catalogue.monsterCount > 0) {
        const Elimination elimination = explainElimination(s.catalogue, s.state, s.inputs);
        const std::int32_t target = s.weapon ? s.weapon->targetFamily : -1;
        const AdviceContext context{s.catalogue, s.state, s.inputs, elimination, target};
        if (std::string line = unsetProfileLine(s.profile); !line.empty())
            advice.push_back(std::move(line));
        // One pass over the candidates for the yes/no observations, for the advice and the buttons.
        const FactTally tally = tallyFacts(context);
        bool advised = false;
        for (const Advice& a : adviseNextObservation(context, tally)) {
            if (advice.size() < kIdAdviceLines.size() && adviceUsable(a.observation, s.profile)) {
                if (a.observation == Observation::skill && !a.skills.empty())
                    skills.advice[advice.size()] = a.skills.front().text;
                advice.push_back(adviceLine(a, s.weapon ? s.weapon->specialAttack : nullptr, target));
                advised = true;
            }
        }
        const std::size_t left = elimination.candidates.size();
        if (left >= 2 && (left <= kMaxDifferencesShown || !advised)) {
            const Differences differences = findDifferences(context);
            if (!advised && advice.size() < kIdAdviceLines.size())
                advice.push_back(silentLine(differences));
            table = differencesTable(s.catalogue, differences);
            for (std::size_t r = 0; r < table.rows.size(); ++r)
                if (table.rows[r].skill)
                    skills.rows[r] = table.rows[r].label;
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
    showDifferencesTable(controls, table);
    const std::string first = skills.first();
    controls.setText(id::kFirstSkill,
                     first.empty() ? std::string() : sjis("「") + shortened(first) + sjis("」を検索へ Ctrl+Shift+S"));
    for (std::size_t t = 0; t < std::size(kButtonTips); ++t)
        controls.setToolTip(kButtonTips[t].button, toolTipWithShortcut(kButtonTips[t].button, tips[t]));
    for (std::size_t k = 0; k < kIdAdviceLines.size(); ++k)
        controls.setToolTip(kIdAdviceLines[k],
                            skills.advice[k].empty()
                                ? std::string()
                                : sjis("クリックで「") + skills.advice[k] + sjis("」を特技検索に足す（Ctrl+Shift+S）"));
    return skills;
}

}  // namespace kestrel::ui

#pragma once
// The answers of the observation "a skill seen": the skills of the current
// candidates as the player would type them into the search (仲間を呼ぶ without
// the monster's name the loader adds), and for each candidate the answers that
// keep it, that is the answers whose search word one of its skills contains.
// Counted once per distinct skill, never one filter run per answer.

#include "catalogue/catalogue.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

struct SkillAnswer {
    std::string text;       // code page 932, as typed into the search edit
    std::string word;       // the search word it gives, normalised as the search normalises
    std::int32_t kept = 0;  // candidates it keeps
};

struct SkillAnswers {
    std::vector<SkillAnswer> answers;  // distinct, in the order first met
    // By candidate c (in the order given): the answers that keep it, ascending,
    // at keptBy[keptStart[c]] up to keptBy[keptStart[c + 1]].
    std::vector<std::int32_t> keptBy;
    std::vector<std::size_t> keptStart;

    std::span<const std::int32_t> keeping(std::size_t c) const
    {
        return {keptBy.data() + keptStart[c], keptStart[c + 1] - keptStart[c]};
    }
    std::size_t candidateCount() const { return keptStart.empty() ? 0 : keptStart.size() - 1; }
};

// The text of a record's skill k as a player types it: 仲間を呼ぶ (or a beginning
// of it) loses the "(name)" that the loader added.
std::string_view typedSkillText(const MonsterRecord& record, int k);

// The answers over the candidates (positions in the table). A skill whose text
// is not one plain search word (empty, holding a space, or starting with "@")
// is no answer.
SkillAnswers collectSkillAnswers(const Catalogue& catalogue, const std::vector<std::int32_t>& candidates);

}  // namespace kestrel

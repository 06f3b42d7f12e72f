#pragma once
// The criteria of the candidate filter, each as a predicate of its own over one
// record and the observed value, with the condition that puts it in force. The
// filter and the identification assistant both use these, so the two can never
// disagree on why a record stays or goes.

#include "catalogue/catalogue.h"
#include "engine/filter_inputs.h"
#include "engine/observation_state.h"

#include <array>
#include <cstdint>

namespace kestrel {

// In the order the filter applies them.
enum class Criterion : std::uint8_t {
    floating,
    metal,
    size,
    mpDrain,
    anger,
    push,
    hpAtLeast,
    hpAtMost,
    mpAtLeast,
    mpAtMost,
    dealtDamage,
    takenDamage,
    familyExclusion,
    familyConfirmation,
    name,
    skill,
    trivia,
};
inline constexpr int kCriterionCount = 17;

// The criterion's name as the command line prints it ("floating", "hpAtLeast", ...).
const char* criterionName(Criterion criterion);

// Which criteria the current observations and enabling boxes put in force.
using CriteriaInForce = std::array<bool, kCriterionCount>;
CriteriaInForce criteriaInForce(const ObservationState& state, const FilterInputs& inputs);

// One predicate per observed fact: true when the record stays.
bool floatingKeeps(const MonsterRecord& r, std::int32_t observedFloating);
bool metalKeeps(const MonsterRecord& r, std::int32_t observedMetal);
bool sizeKeeps(const MonsterRecord& r, std::int32_t observedSize);
bool mpDrainKeeps(const MonsterRecord& r, std::int32_t observedMpDrain);
bool angerKeeps(const MonsterRecord& r, std::int32_t observedAnger);  // 1 got angry, else not

// The push test's two weight limits for a profile weight W.
struct PushLimits {
    float heavy;
    float light;
};
PushLimits pushLimits(std::int32_t W);
bool pushKeeps(const MonsterRecord& r, std::int32_t observedPush, const PushLimits& limits);

// Bounds on HP and MP; an unknown value (-1) always stays, the bound itself stays.
bool atLeastKeeps(std::int32_t value, std::int32_t bound);
bool atMostKeeps(std::int32_t value, std::int32_t bound);

// The typed damage values a record allows, both ends included. A record of
// unknown defense (dealt) or attack (received), 0 or -1, is not tested.
struct DamageInterval {
    bool tested = false;
    std::int64_t low = 0;
    std::int64_t high = 0;
};
DamageInterval dealtInterval(const MonsterRecord& r, const FilterInputs& inputs);
// On the typed scale: the orb level's hidden points are already taken off.
DamageInterval takenInterval(const MonsterRecord& r, const FilterInputs& inputs);
bool intervalKeeps(const DamageInterval& interval, std::int64_t typed);

// Family rules; a record of unknown or uncertain family always stays.
bool familyExclusionKeeps(const MonsterRecord& r, std::int32_t excludedFamily);
bool familyExclusionKeeps(const MonsterRecord& r, const ObservationState& state);
bool familyConfirmationKeeps(const MonsterRecord& r, std::int32_t confirmedFamily);

}  // namespace kestrel

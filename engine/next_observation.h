#pragma once
// The best next observation: for every observation still open, the number of
// candidates expected to remain after making it, the hidden monster being each
// current candidate with equal probability.

#include "catalogue/catalogue.h"
#include "engine/elimination.h"
#include "engine/filter_inputs.h"
#include "engine/observation_state.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

// In the order that breaks ties.
enum class Observation : std::uint8_t {
    floating,
    metal,
    size,
    mpDrain,
    anger,
    push,
    family,       // the weapon's target family: confirmed or excluded
    dealtDamage,  // one normal hit dealt
    takenDamage,  // one hit received
    skill,        // a skill seen, added to the skill search
};
inline constexpr int kObservationCount = 10;

// The observation's name as the command line prints it ("mpDrain", "family", ...).
const char* observationName(Observation observation);

// A yes/no observation's two answers in their order, as stored values (for
// family: 1 confirmed, 0 excluded), and the candidates each answer keeps.
struct AnswerSplit {
    std::array<std::int32_t, 2> value{};
    std::array<std::int32_t, 2> count{};
};

// One answer of the skill observation: the skill as typed (code page 932) and
// the candidates it keeps.
struct SkillCount {
    std::string text;
    std::int32_t count = 0;
};

struct Advice {
    Observation observation = Observation::floating;
    double expectedRemaining = 0.0;
    bool hasSplit = false;  // false for the two damage observations and the skill
    AnswerSplit split;
    // A damage observation while its pair already holds a hit: one more hit,
    // which widens the typed pair to take it in.
    bool repeated = false;
    // The skill observation's answers, the best-splitting first (nearest to
    // half of the candidates, then more candidates, then as first met).
    std::vector<SkillCount> skills;
};

// What the advice needs besides the elimination: the target family of the
// profile's weapon as family code - 1 (0..13), or -1 when the weapon has none.
struct AdviceContext {
    const Catalogue& catalogue;
    const ObservationState& state;
    const FilterInputs& inputs;
    const Elimination& elimination;
    std::int32_t targetFamily = -1;
};

// The seven yes/no observations (floating to family) over the candidates, found
// in one pass: for each, how many candidates each set of its answers keeps.
inline constexpr int kFactObservationCount = 7;
struct FactTally {
    // By observation, then by the answers that keep a candidate (bit 0 the
    // first answer, bit 1 the second): the number of candidates.
    std::array<std::array<std::int32_t, 4>, kFactObservationCount> keptBy{};
    // By observation: the candidates each answer keeps, zero counts included,
    // whether or not the observation is open (empty for family without a target).
    std::array<AnswerSplit, kFactObservationCount> splits{};
};
FactTally tallyFacts(const AdviceContext& context);

// The open observations ranked by expected remaining count, ascending, ties (to
// a relative 1e-9) in the order above. An observation that keeps no candidate
// under any answer, or that is expected to leave every candidate, is left out.
std::vector<Advice> adviseNextObservation(const AdviceContext& context);
// The same from a tally of the same context, made once for the value buttons too.
std::vector<Advice> adviseNextObservation(const AdviceContext& context, const FactTally& tally);

// The answers of a yes/no observation (floating to family) that keep a record:
// bit 0 the first answer of its split, bit 1 the second.
unsigned factAnswersKeeping(const AdviceContext& context, Observation observation, const MonsterRecord& record);

// Whether the skill observation is open: the search has room for a word, and
// in the trivia layout the search edit is empty.
bool skillObservationOpen(const AdviceContext& context);

// a and b equal to a relative tolerance of 1e-9.
bool nearlyEqual(double a, double b);

}  // namespace kestrel

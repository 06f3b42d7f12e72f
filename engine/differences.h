#pragma once
// What still tells the last candidates apart: for each attribute the fight
// shows, each candidate's value, kept only where two candidates differ; then
// the skills that some candidates have and others do not.

#include "engine/next_observation.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

// In the order they are shown.
enum class Trait : std::uint8_t {
    floating,
    metal,
    size,
    mpDrain,
    anger,
    push,  // with the profile's weight; absent while the push test is off
    family,
    dealtDamage,  // the typed values a hit may show
    takenDamage,
    hp,
};
inline constexpr int kTraitCount = 10;

// The differences are shown for 2 to this many candidates.
inline constexpr std::size_t kMaxDifferencesShown = 5;

// The attribute's name as the command line prints it ("floating", "hp", ...).
const char* traitName(Trait trait);

// One candidate's value: for the yes/no traits the one answer that keeps it (as
// stored: floating 1 floats, push 0 could push it, ...), for family the code,
// for damage the interval low..high, for HP the value. An unknown value (a
// record kept by both answers or neither, an uncertain family, an untested
// interval, HP -1) differs from nothing.
struct TraitValue {
    bool known = false;
    std::int64_t low = 0;
    std::int64_t high = 0;  // equal to low but for the damage intervals
    friend bool operator==(const TraitValue&, const TraitValue&) = default;
};

struct TraitRow {
    Trait trait = Trait::floating;
    std::vector<TraitValue> values;  // by candidate
};

struct SkillRow {
    std::string text;        // code page 932, as typed into the search
    std::vector<bool> has;   // by candidate: the skill's search word keeps it
    std::int32_t count = 0;  // candidates that have it
};

struct Differences {
    std::vector<std::int32_t> candidates;  // positions in the table
    std::vector<TraitRow> traits;
    std::vector<SkillRow> skills;  // the best-splitting first
    bool nothingDiffers() const { return traits.empty() && skills.empty(); }
};

// The differences among the context's candidates, whatever their number.
Differences findDifferences(const AdviceContext& context);

}  // namespace kestrel

#pragma once
// Why each record of the quiz class is or is not a candidate: the criteria it
// fails, each judged on its own, with the damage it would have allowed, and the
// near misses (the records that fail only one or two criteria).

#include "catalogue/catalogue.h"
#include "engine/criteria.h"
#include "engine/filter_inputs.h"
#include "engine/observation_state.h"

#include <cstdint>
#include <vector>

namespace kestrel {

inline constexpr int kMaxNearMisses = 10;

struct RecordVerdict {
    std::int32_t index = 0;    // position in the table
    std::uint32_t failed = 0;  // bit c set when criterion c fails
    DamageInterval dealt;      // the typed values the record allows, where it failed on dealt damage
    DamageInterval taken;      // the same for received damage

    bool fails(Criterion c) const { return (failed >> static_cast<unsigned>(c)) & 1U; }
    int failedCount() const;
};

struct Elimination {
    std::vector<RecordVerdict> verdicts;   // every record of the quiz class, in table order
    std::vector<std::int32_t> candidates;  // positions of the records that fail nothing
    std::vector<std::int32_t> nearMisses;  // positions: one criterion failed, then two; at most 10
};

// Judges every record of the quiz class against every criterion in force, with
// the same predicates as the filter: a record is a candidate after refresh
// exactly when it fails nothing. While refreshes are suppressed nothing is in
// force. The catalogue is written only in its cache of normalised names.
Elimination explainElimination(Catalogue& catalogue, const ObservationState& state, const FilterInputs& inputs);

}  // namespace kestrel

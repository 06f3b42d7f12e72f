#pragma once
// The members that `kestrel-cli query --explain` adds to the query document:
// the best next observations, why each record of the quiz class left the list,
// and the near misses.

#include "cli/cli_common.h"
#include "engine/filter_inputs.h"
#include "engine/observation_state.h"

#include <cstdint>

namespace kestrel::cli {

// Adds "advice", "eliminated" and "nearMisses" to document. targetFamily is the
// family code - 1 that the profile's weapon targets, -1 for none.
void addExplanation(Json& document, Catalogue& catalogue, const ObservationState& state, const FilterInputs& inputs,
                    std::int32_t targetFamily);

}  // namespace kestrel::cli

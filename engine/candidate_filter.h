#pragma once
// The candidate filter: marks every record still consistent with everything
// observed, criterion by criterion in a fixed order, and counts the candidates.

#include "catalogue/catalogue.h"
#include "engine/filter_inputs.h"
#include "engine/observation_state.h"

#include <cstdint>

namespace kestrel {

// Marks every record as candidate, then (unless refreshSuppressed) removes records
// by quiz class, floating, metal, size, MP drain, anger, push, HP and MP bounds,
// damage dealt, damage received, family exclusion, family confirmation and the
// text criteria, and stores the count in state.candidateCount. The display
// (range texts, list) is the caller's.
void refresh(Catalogue& catalogue, ObservationState& state, const FilterInputs& inputs);

// The two damage tests, each applied to one typed value over the candidates.
void testDealtDamage(Catalogue& catalogue, const FilterInputs& inputs, std::int32_t value);
void testTakenDamage(Catalogue& catalogue, const FilterInputs& inputs, std::int32_t value);

}  // namespace kestrel

#pragma once
// The observations and profile that `kestrel-cli query` takes from its options.

#include "cli/cli_common.h"
#include "engine/filter_inputs.h"
#include "engine/observation_state.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kestrel::cli {

struct DamageEntry {
    std::int32_t low = 0;
    std::int32_t high = 0;
    bool given = false;
};

struct QueryOptions {
    std::string file;
    std::int32_t attack = 1001, defense = 2001, weight = 3001, orb = 0, spatk = 0, weapon = 0;
    DamageEntry dealt, taken;
    std::int32_t sortKey = 0;
    std::int32_t debugLevel = 0;
    bool explain = false;    // add the assistant's advice and explanations
    ObservationState state;  // observed values, class and layout
    FilterInputs inputs;     // enabling boxes, tolerance and search text
};

// Parses the arguments after "query". On a bad option returns nullopt and sets error.
std::optional<QueryOptions> parseQueryOptions(const Args& args, std::string& error);

}  // namespace kestrel::cli

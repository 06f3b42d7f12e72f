// kestrel-cli damage: the damage formula and its inverses, one value at a time.

#include "cli/cli_common.h"

#include "engine/damage_model.h"

#include <charconv>
#include <iostream>
#include <optional>

namespace kestrel::cli {

namespace {

constexpr const char* kHelp =
    "usage: kestrel-cli damage range ATK DEF [--no-damage]   -> {\"min\", \"max\", \"ratio\"}\n"
    "       kestrel-cli damage attack PLAYERDEF TAKEN       -> {\"low\", \"high\"}\n"
    "       kestrel-cli damage defense PLAYERATK DEALT      -> {\"low\", \"high\", \"bonusLow\", \"bonusHigh\"}\n";

std::optional<std::int32_t> integer(const std::string& text)
{
    std::int32_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

int runDamage(const Args& args)
{
    if (wantsHelp(args)) {
        std::cout << kHelp;
        return kOk;
    }
    if (args.size() < 3)
        return fail("damage", "expects range|attack|defense and two numbers (see --help)");
    const std::string& what = args[0];
    const bool noDamage = args.size() == 4 && args[3] == "--no-damage" && what == "range";
    if (args.size() > 3 && !noDamage)
        return fail("damage", "unexpected argument '" + args[3] + "'");
    auto a = integer(args[1]);
    auto b = integer(args[2]);
    if (!a || !b)
        return fail("damage", "expects whole numbers, got '" + args[1] + "' and '" + args[2] + "'");

    Json result;
    if (what == "range") {
        DamageRange range = expectedDamageRange(*a, *b, noDamage ? 1 : 0);
        result = {{"min", range.min}, {"max", range.max}, {"ratio", floatForJson(range.ratio)}};
    } else if (what == "attack") {
        ObservationState state;
        attackFromTakenDamage(state, *a, *b);
        result = {{"low", state.lastAttackLow}, {"high", state.lastAttackHigh}};
    } else if (what == "defense") {
        ObservationState state;
        defenseFromDealtDamage(state, *a, *b);
        result = {{"low", state.lastDefenseLow},
                  {"high", state.lastDefenseHigh},
                  {"bonusLow", state.lastBonusDefenseLow},
                  {"bonusHigh", state.lastBonusDefenseHigh}};
    } else {
        return fail("damage", "unknown calculation '" + what + "' (range, attack or defense)");
    }
    printJson(result);
    return kOk;
}

}  // namespace kestrel::cli

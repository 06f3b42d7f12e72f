#include "cli/query_options.h"

#include "platform/cp932.h"

#include <charconv>
#include <cstring>
#include <functional>
#include <map>

namespace kestrel::cli {

namespace {

std::optional<std::int32_t> wholeNumber(const std::string& text)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

// The family of a caption 獣 … ？ (UTF-8), 1..14; 0 when none.
int familyOfCaption(const std::string& caption)
{
    static const char* const kCaptions[] = {"獣", "鳥", "植", "虫", "怪", "物", "マ",
                                            "エ", "水", "ス", "ゾ", "悪", "ド", "？"};
    for (int k = 0; k < 14; ++k)
        if (caption == kCaptions[k])
            return k + 1;
    return 0;
}

bool parseDamage(const std::string& text, DamageEntry& entry)
{
    std::size_t dash = text.find('-', 1);
    auto low = wholeNumber(text.substr(0, dash));
    auto high = dash == std::string::npos ? low : wholeNumber(text.substr(dash + 1));
    if (!low || !high)
        return false;
    entry = {*low, *high, true};
    return true;
}

std::optional<std::int32_t> yesNo(const std::string& text, std::int32_t yes, std::int32_t no)
{
    if (text == "yes")
        return yes;
    if (text == "no")
        return no;
    return std::nullopt;
}

using Setter = std::function<bool(const std::string&)>;

// An option that takes an integer within [min, max] into target.
Setter number(std::int32_t& target, std::int32_t min, std::int32_t max)
{
    return [&target, min, max](const std::string& v) {
        auto n = wholeNumber(v);
        if (!n || *n < min || *n > max)
            return false;
        target = *n;
        return true;
    };
}

// A yes/no observation with its enabling box.
Setter observed(std::int32_t& target, bool& box, std::int32_t yes, std::int32_t no)
{
    return [&target, &box, yes, no](const std::string& v) {
        auto n = yesNo(v, yes, no);
        if (!n)
            return false;
        target = *n;
        box = true;
        return true;
    };
}

// An HP or MP limit above 0 with its enabling box.
Setter bound(std::int32_t& target, bool& box)
{
    return [&target, &box](const std::string& v) {
        auto n = wholeNumber(v);
        if (!n || *n <= 0)
            return false;
        target = *n;
        box = true;
        return true;
    };
}

// A tolerance pair "L,H": L in 1..100, H in 100..999.
Setter percentPair(std::int32_t& low, std::int32_t& high)
{
    return [&low, &high](const std::string& v) {
        std::size_t comma = v.find(',');
        if (comma == std::string::npos)
            return false;
        auto l = wholeNumber(v.substr(0, comma));
        auto h = wholeNumber(v.substr(comma + 1));
        if (!l || !h || *l == 0 || *l > 100 || *h < 100 || *h > 999)
            return false;
        low = *l;
        high = *h;
        return true;
    };
}

bool parseSize(QueryOptions& q, const std::string& v)
{
    if (v != "normal" && v != "big")
        return false;
    q.state.observedSize = v == "big" ? 1 : 0;
    q.inputs.size = true;
    return true;
}

// Families by caption, separated by commas.
bool parseExclusions(QueryOptions& q, const std::string& v)
{
    std::size_t start = 0;
    while (start <= v.size()) {
        std::size_t comma = v.find(',', start);
        int family = familyOfCaption(v.substr(start, comma - start));
        if (family == 0)
            return false;
        q.state.familyExcluded[family] = 1;
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    q.inputs.familyExclusion = true;
    return true;
}

bool parseConfirmation(QueryOptions& q, const std::string& v)
{
    q.state.familyConfirmed = familyOfCaption(v);
    q.inputs.familyConfirmation = true;
    return q.state.familyConfirmed != 0;
}

bool parseSearch(QueryOptions& q, const std::string& v)
{
    q.inputs.searchText = utf8ToCp932(v);
    q.inputs.textSearch = !q.inputs.searchText.empty();  // the box follows the edit
    return true;
}

bool parseLayout(QueryOptions& q, const std::string& v)
{
    static const char* const kLayouts[] = {"skills", "place", "trivia", "damage"};
    for (int k = 0; k < 4; ++k)
        if (v == kLayouts[k]) {
            q.state.listLayout = k;
            return true;
        }
    return false;
}

// Every option that takes a value, writing into q.
std::map<std::string, Setter> optionsWithValue(QueryOptions& q)
{
    ObservationState& s = q.state;
    FilterInputs& in = q.inputs;
    const auto with = [&q](bool (*parse)(QueryOptions&, const std::string&)) {
        return [&q, parse](const std::string& v) { return parse(q, v); };
    };
    return {
        {"--class", number(s.currentClass, 1, 4)},
        {"--atk", number(q.attack, 1, 9999)},
        {"--def", number(q.defense, 1, 9999)},
        {"--weight", number(q.weight, 1, 9999)},
        {"--orb", number(q.orb, 0, 6)},
        {"--spatk", number(q.spatk, 0, 9999)},
        {"--weapon", number(q.weapon, 0, 16)},
        {"--sort", number(q.sortKey, 0, 6)},
        {"--debug", number(q.debugLevel, -1000000, 1000000)},
        {"--dealt", [&q](const std::string& v) { return parseDamage(v, q.dealt); }},
        {"--taken", [&q](const std::string& v) { return parseDamage(v, q.taken); }},
        {"--perm-atk", percentPair(in.tolerances.PERM_ATK_L, in.tolerances.PERM_ATK_H)},
        {"--perm-def", percentPair(in.tolerances.PERM_DEF_L, in.tolerances.PERM_DEF_H)},
        {"--float", observed(s.observedFloating, in.floating, 1, 0)},
        {"--metal", observed(s.observedMetal, in.metal, 1, 0)},
        {"--mpdrain", observed(s.observedMpDrain, in.mpDrain, 1, 0)},
        {"--anger", observed(s.observedAnger, in.anger, 1, 2)},
        {"--push", observed(s.observedPush, in.push, 0, 1)},
        {"--size", with(parseSize)},
        {"--hp-min", bound(s.hpAtLeast, in.hpAtLeast)},
        {"--hp-max", bound(s.hpAtMost, in.hpAtMost)},
        {"--mp-min", bound(s.mpAtLeast, in.mpAtLeast)},
        {"--mp-max", bound(s.mpAtMost, in.mpAtMost)},
        {"--exclude", with(parseExclusions)},
        {"--confirm", with(parseConfirmation)},
        {"--search", with(parseSearch)},
        {"--layout", with(parseLayout)},
    };
}

}  // namespace

std::optional<QueryOptions> parseQueryOptions(const Args& args, std::string& error)
{
    QueryOptions q;
    q.state.currentClass = 4;
    const std::map<std::string, Setter> withValue = optionsWithValue(q);

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--tolerance") {
            q.inputs.tolerance = true;
            continue;
        }
        if (arg == "--explain") {
            q.explain = true;
            continue;
        }
        auto option = withValue.find(arg);
        if (option != withValue.end()) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            if (!option->second(args[++i])) {
                error = "bad value for " + arg + ": '" + args[i] + "'";
                return std::nullopt;
            }
            continue;
        }
        if (!arg.empty() && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        }
        if (!q.file.empty()) {
            error = "more than one FILE given";
            return std::nullopt;
        }
        q.file = arg;
    }
    if (q.file.empty()) {
        error = "expects a FILE (see --help)";
        return std::nullopt;
    }
    return q;
}

}  // namespace kestrel::cli

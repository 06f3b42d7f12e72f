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
    static const char* const kCaptions[] = {"獣", "鳥", "植", "虫", "怪", "物", "マ", "エ", "水", "ス", "ゾ", "悪", "ド", "？"};
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

}  // namespace

std::optional<QueryOptions> parseQueryOptions(const Args& args, std::string& error)
{
    QueryOptions q;
    q.state.currentClass = 4;
    ObservationState& s = q.state;
    FilterInputs& in = q.inputs;

    // An option that takes an integer within [min, max] into target.
    auto number = [&](std::int32_t& target, std::int32_t min, std::int32_t max) {
        return [&target, min, max](const std::string& v) {
            auto n = wholeNumber(v);
            if (!n || *n < min || *n > max)
                return false;
            target = *n;
            return true;
        };
    };
    // A yes/no observation with its enabling box.
    auto observed = [&](std::int32_t& target, bool& box, std::int32_t yes, std::int32_t no) {
        return [&target, &box, yes, no](const std::string& v) {
            auto n = yesNo(v, yes, no);
            if (!n)
                return false;
            target = *n;
            box = true;
            return true;
        };
    };
    auto bound = [&](std::int32_t& target, bool& box) {
        return [&target, &box](const std::string& v) {
            auto n = wholeNumber(v);
            if (!n || *n <= 0)
                return false;
            target = *n;
            box = true;
            return true;
        };
    };
    auto percentPair = [&](std::int32_t& low, std::int32_t& high) {
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
    };

    const std::map<std::string, std::function<bool(const std::string&)>> withValue = {
        {"--class", number(s.currentClass, 1, 4)},
        {"--atk", number(q.attack, 1, 9999)},
        {"--def", number(q.defense, 1, 9999)},
        {"--weight", number(q.weight, 1, 9999)},
        {"--orb", number(q.orb, 0, 6)},
        {"--spatk", number(q.spatk, 0, 9999)},
        {"--weapon", number(q.weapon, 0, 16)},
        {"--sort", number(q.sortKey, 0, 6)},
        {"--debug", number(q.debugLevel, -1000000, 1000000)},
        {"--dealt", [&](const std::string& v) { return parseDamage(v, q.dealt); }},
        {"--taken", [&](const std::string& v) { return parseDamage(v, q.taken); }},
        {"--perm-atk", percentPair(in.tolerances.PERM_ATK_L, in.tolerances.PERM_ATK_H)},
        {"--perm-def", percentPair(in.tolerances.PERM_DEF_L, in.tolerances.PERM_DEF_H)},
        {"--float", observed(s.observedFloating, in.floating, 1, 0)},
        {"--metal", observed(s.observedMetal, in.metal, 1, 0)},
        {"--mpdrain", observed(s.observedMpDrain, in.mpDrain, 1, 0)},
        {"--anger", observed(s.observedAnger, in.anger, 1, 2)},
        {"--push", observed(s.observedPush, in.push, 0, 1)},
        {"--size", [&](const std::string& v) {
             if (v != "normal" && v != "big")
                 return false;
             s.observedSize = v == "big" ? 1 : 0;
             in.size = true;
             return true;
         }},
        {"--hp-min", bound(s.hpAtLeast, in.hpAtLeast)},
        {"--hp-max", bound(s.hpAtMost, in.hpAtMost)},
        {"--mp-min", bound(s.mpAtLeast, in.mpAtLeast)},
        {"--mp-max", bound(s.mpAtMost, in.mpAtMost)},
        {"--exclude", [&](const std::string& v) {
             std::size_t start = 0;
             while (start <= v.size()) {
                 std::size_t comma = v.find(',', start);
                 int family = familyOfCaption(v.substr(start, comma - start));
                 if (family == 0)
                     return false;
                 s.familyExcluded[family] = 1;
                 if (comma == std::string::npos)
                     break;
                 start = comma + 1;
             }
             in.familyExclusion = true;
             return true;
         }},
        {"--confirm", [&](const std::string& v) {
             s.familyConfirmed = familyOfCaption(v);
             in.familyConfirmation = true;
             return s.familyConfirmed != 0;
         }},
        {"--search", [&](const std::string& v) {
             in.searchText = utf8ToCp932(v);
             in.textSearch = !in.searchText.empty();  // the box follows the edit
             return true;
         }},
        {"--layout", [&](const std::string& v) {
             static const char* const kLayouts[] = {"skills", "place", "trivia", "damage"};
             for (int k = 0; k < 4; ++k)
                 if (v == kLayouts[k]) {
                     s.listLayout = k;
                     return true;
                 }
             return false;
         }},
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--tolerance") {
            in.tolerance = true;
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

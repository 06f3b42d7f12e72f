// Reading one line of the quiz log back. Any line may be torn or edited by
// hand: every member is looked up and type-checked, nothing throws, and a line
// that lacks what a line of ours always holds is not one.

#include "settings/quiz_log.h"
#include "settings/quiz_log_json.h"

#include "engine/text_search.h"
#include "platform/cp932.h"

#include <charconv>
#include <limits>

namespace kestrel {

namespace {

using Json = nlohmann::json;

// A reading that remembers whether anything it was asked for was missing.
struct Reader {
    bool ok = true;

    const Json& member(const Json& object, const char* key)
    {
        static const Json kNull;
        if (object.is_object()) {
            auto it = object.find(key);
            if (it != object.end())
                return *it;
        }
        ok = false;
        return kNull;
    }

    std::int32_t integer(const Json& j)
    {
        if (j.is_number_integer()) {
            const auto v = j.get<std::int64_t>();
            if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max())
                return static_cast<std::int32_t>(v);
        }
        ok = false;
        return 0;
    }
    std::int32_t integer(const Json& object, const char* key) { return integer(member(object, key)); }

    bool boolean(const Json& object, const char* key)
    {
        const Json& j = member(object, key);
        if (j.is_boolean())
            return j.get<bool>();
        ok = false;
        return false;
    }

    std::string utf8(const Json& j)
    {
        if (j.is_string())
            return j.get<std::string>();
        ok = false;
        return {};
    }
    // A text of the line, back in code page 932.
    std::string text(const Json& j) { return utf8ToCp932(utf8(j)); }
    std::string text(const Json& object, const char* key) { return text(member(object, key)); }

    std::vector<StatInterval> intervals(const Json& j)
    {
        std::vector<StatInterval> out;
        if (!j.is_array()) {
            ok = false;
            return out;
        }
        for (const Json& pair : j) {
            if (!pair.is_array() || pair.size() != 2) {
                ok = false;
                return out;
            }
            const StatInterval interval{integer(pair[0]), integer(pair[1])};
            // Ascending and apart, as the check writes them.
            if (interval.first > interval.second || (!out.empty() && interval.first <= out.back().second)) {
                ok = false;
                return out;
            }
            out.push_back(interval);
        }
        return out;
    }
};

void readTyped(Reader& r, const Json& o, TypedDamageRow& typed)
{
    const Json& t = r.member(o, "typed");
    const bool pair = t.is_array() && t.size() == 2;
    typed = {r.text(pair ? t[0] : Json()), r.text(pair ? t[1] : Json())};
}

void readDamage(Reader& r, const Json& o, bool& on, std::int32_t& low, std::int32_t& high, TypedDamageRow& typed)
{
    on = r.boolean(o, "on");
    low = r.integer(o, "low");
    high = r.integer(o, "high");
    readTyped(r, o, typed);
}

void readFact(Reader& r, const Json& facts, const char* key, bool& on, std::int32_t& value)
{
    const Json& f = r.member(facts, key);
    on = r.boolean(f, "on");
    value = r.integer(f, "value");
}

void readFamily(Reader& r, const Json& f, QuizLogEntry& e)
{
    e.inputs.familyExclusion = r.boolean(f, "excludeOn");
    const Json& excluded = r.member(f, "excluded");
    if (!excluded.is_array())
        r.ok = false;
    else
        for (const Json& code : excluded) {
            const std::int32_t family = r.integer(code);
            if (family >= 1 && family <= kFamilyCount)
                e.state.familyExcluded[family] = 1;
            else
                r.ok = false;
        }
    e.inputs.familyConfirmation = r.boolean(f, "confirmOn");
    e.state.familyConfirmed = r.integer(f, "confirmed");
}

void readObservations(Reader& r, const Json& o, QuizLogEntry& e)
{
    ObservationState& s = e.state;
    FilterInputs& in = e.inputs;
    s.listLayout = r.integer(o, "layout");
    s.refreshSuppressed = r.boolean(o, "suppressed") ? 1 : 0;
    const Json& damage = r.member(o, "damage");
    readDamage(r, r.member(damage, "dealt"), in.dealtDamage, in.dealtLow, in.dealtHigh, e.context.dealt);
    readDamage(r, r.member(damage, "taken"), in.takenDamage, in.takenLow, in.takenHigh, e.context.taken);
    readTyped(r, r.member(damage, "special"), e.context.special);
    readTyped(r, r.member(damage, "moonsault"), e.context.moonsault);
    const Json& facts = r.member(o, "facts");
    readFact(r, facts, "floating", in.floating, s.observedFloating);
    readFact(r, facts, "metal", in.metal, s.observedMetal);
    readFact(r, facts, "size", in.size, s.observedSize);
    readFact(r, facts, "mpDrain", in.mpDrain, s.observedMpDrain);
    readFact(r, facts, "anger", in.anger, s.observedAnger);
    readFact(r, facts, "push", in.push, s.observedPush);
    const Json& bounds = r.member(o, "bounds");
    readFact(r, bounds, "hpAtLeast", in.hpAtLeast, s.hpAtLeast);
    readFact(r, bounds, "hpAtMost", in.hpAtMost, s.hpAtMost);
    readFact(r, bounds, "mpAtLeast", in.mpAtLeast, s.mpAtLeast);
    readFact(r, bounds, "mpAtMost", in.mpAtMost, s.mpAtMost);
    readFamily(r, r.member(o, "family"), e);
    const Json& search = r.member(o, "search");
    in.textSearch = r.boolean(search, "on");
    in.searchText = r.text(search, "text");
    splitSearchText(s.search, in.searchText);
    normaliseSearchWords(s.search);
    const Json& tolerance = r.member(o, "tolerance");
    in.tolerance = r.boolean(tolerance, "on");
    const auto pair = [&r](const Json& j, std::int32_t& low, std::int32_t& high) {
        const bool two = j.is_array() && j.size() == 2;
        r.ok = r.ok && two;
        low = two ? r.integer(j[0]) : 0;
        high = two ? r.integer(j[1]) : 0;
    };
    pair(r.member(tolerance, "attack"), in.tolerances.PERM_ATK_L, in.tolerances.PERM_ATK_H);
    pair(r.member(tolerance, "defense"), in.tolerances.PERM_DEF_L, in.tolerances.PERM_DEF_H);
}

ImpliedValue readImplied(Reader& r, const Json& j)
{
    ImpliedValue v;
    v.fileValue = r.integer(j, "value");
    v.known = r.boolean(j, "known");
    v.implied = r.intervals(r.member(j, "implied"));
    v.inside = r.boolean(j, "inside");
    return v;
}

void readCheck(Reader& r, const Json& c, QuizLogEntry& e)
{
    e.answer = r.text(c, "answer");
    e.wasCandidate = r.boolean(c, "wasCandidate");
    const Json& failed = r.member(c, "failed");
    if (failed.is_array())
        for (const Json& name : failed)
            e.failed.push_back(r.utf8(name));
    else
        r.ok = false;
    e.attack = readImplied(r, r.member(c, "attack"));
    e.defense = readImplied(r, r.member(c, "defense"));
    const Json& facts = r.member(c, "contradictions");
    if (!facts.is_array()) {
        r.ok = false;
        return;
    }
    for (const Json& f : facts)
        e.contradictions.push_back({r.utf8(r.member(f, "attribute")), r.text(f, "observed"), r.text(f, "recorded")});
}

void readProfile(Reader& r, const Json& p, PlayerProfile& profile)
{
    profile.WEAPON = r.integer(p, "weapon");
    profile.ORBUMLV = r.integer(p, "orb");
    profile.ATACK = r.integer(p, "attack");
    profile.DEFENSE = r.integer(p, "defense");
    profile.WEIGHT = r.integer(p, "weight");
    profile.SPATK = r.integer(p, "specialAttack");
}

std::uint64_t digestOf(Reader& r, const Json& j)
{
    const std::string hex = r.utf8(j);
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
    r.ok = r.ok && ec == std::errc() && end == hex.data() + hex.size() && hex.size() == 16;
    return value;
}

}  // namespace

std::optional<QuizLogEntry> readQuizLogLine(std::string_view line)
{
    const Json j = Json::parse(line.begin(), line.end(), nullptr, false);
    if (j.is_discarded() || !j.is_object())
        return std::nullopt;
    Reader r;
    QuizLogEntry e;
    e.format = r.integer(j, "format");
    if (!r.ok || e.format != kQuizLogFormat)
        return std::nullopt;
    e.time = r.utf8(r.member(j, "time"));
    const Json& definition = r.member(j, "definition");
    e.context.definitionName = r.text(definition, "name");
    const Json& size = r.member(definition, "size");
    r.ok = r.ok && size.is_number_unsigned();
    e.context.definitionSize = size.is_number_unsigned() ? size.get<std::uint64_t>() : 0;
    e.context.definitionDigest = digestOf(r, r.member(definition, "fnv1a64"));
    readProfile(r, r.member(j, "profile"), e.context.profile);
    e.state.currentClass = r.integer(j, "quizClass");
    readObservations(r, r.member(j, "observations"), e);
    e.inputs.ORBUMLV = e.context.profile.ORBUMLV;
    e.inputs.WEIGHT = e.context.profile.WEIGHT;
    const Json& candidates = r.member(j, "candidates");
    if (candidates.is_array())
        for (const Json& name : candidates)
            e.candidates.push_back(r.text(name));
    else
        r.ok = false;
    readCheck(r, r.member(j, "check"), e);
    if (!r.ok || e.answer.empty())
        return std::nullopt;
    return e;
}

}  // namespace kestrel

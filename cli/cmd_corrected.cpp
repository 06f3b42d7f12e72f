// kestrel-cli corrected FILE LOG OUT [--force OUT]: a copy of a definition file
// with the attack and defense values that the quiz log refutes corrected.

#include "cli/cli_common.h"

#include "catalogue/definition_edit.h"
#include "platform/file_names.h"
#include "platform/ini_file.h"
#include "settings/quiz_log.h"

#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

namespace kestrel::cli {

namespace {

constexpr const char* kHelp =
    "usage: kestrel-cli corrected FILE LOG OUT [--force OUT]\n"
    "Writes to OUT a copy of the definition file FILE in which the attack or defense of each\n"
    "monster whose value lies outside what the quiz log LOG implies is replaced by the middle of\n"
    "the implied interval nearest to the file's value (its low end when the interval is open\n"
    "above); every other byte stays as it is. Prints each change. A monster whose implied sets\n"
    "do not intersect is left as it is, and said so. FILE is never overwritten; an existing OUT\n"
    "only when --force names it.\n";

struct CorrectedOptions {
    std::string file, log, out, force;
};

bool parseCorrected(const Args& args, CorrectedOptions& o, std::string& error)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--force") {
            if (i + 1 >= args.size()) {
                error = "--force needs the OUT it may overwrite";
                return false;
            }
            o.force = args[++i];
        } else if (!args[i].empty() && args[i][0] == '-') {
            error = "unknown option " + args[i];
            return false;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 3) {
        error = "expects FILE LOG OUT (see --help)";
        return false;
    }
    o.file = positional[0];
    o.log = positional[1];
    o.out = positional[2];
    return true;
}

// Why OUT may not be written; empty when it may.
std::string refusal(const CorrectedOptions& o)
{
    std::error_code ec;
    const std::filesystem::path file = pathFromUtf8(o.file);
    const std::filesystem::path out = pathFromUtf8(o.out);
    if (std::filesystem::equivalent(file, out, ec) || file.lexically_normal() == out.lexically_normal())
        return "OUT is FILE itself: the definition file is never changed in place";
    if (std::filesystem::exists(out, ec) && o.force != o.out)
        return o.out + " exists: name it with --force " + o.out + " to overwrite it";
    return {};
}

// The middle of the implied interval nearest to value (its low end when open above).
std::int32_t correctedValue(const std::vector<StatInterval>& implied, std::int32_t value)
{
    const StatInterval* best = nullptr;
    std::int64_t bestDistance = 0;
    for (const StatInterval& i : implied) {
        const std::int64_t distance =
            value < i.first ? std::int64_t{i.first} - value : std::max<std::int64_t>(0, std::int64_t{value} - i.second);
        if (!best || distance < bestDistance) {
            best = &i;
            bestDistance = distance;
        }
    }
    if (best->second == kImpliedStatMax)
        return best->first;
    return best->first + (best->second - best->first) / 2;
}

std::int32_t recordNamed(const Catalogue& catalogue, const std::string& name)
{
    for (int i = 0; i < catalogue.monsterCount && i < kMaxMonsters; ++i) {
        const MonsterRecord& r = catalogue.monsterTable[i];
        if (std::string_view(r.name, ::strnlen(r.name, sizeof r.name)) == name)
            return i;
    }
    return -1;
}

void plan(const MonsterLesson& m, std::int32_t record, std::vector<FieldEdit>& edits)
{
    const auto side = [&](const ImpliedSummary& s, StatColumn column, const char* what) {
        if (!s.outside)
            return;
        const std::int32_t value = correctedValue(s.implied, s.value);
        edits.push_back({record, column, value});
        std::cout << utf8(m.name) << ": " << what << " " << s.value << " -> " << value << " (implied "
                  << intervalsText(s.implied) << " by " << s.measured << (s.measured == 1 ? " quiz)\n" : " quizzes)\n");
    };
    side(m.attack, StatColumn::Attack, "attack");
    side(m.defense, StatColumn::Defense, "defense");
}

}  // namespace

int runCorrected(const Args& args)
{
    if (wantsHelp(args)) {
        std::cout << kHelp;
        return kOk;
    }
    CorrectedOptions o;
    std::string error;
    if (!parseCorrected(args, o, error))
        return fail("corrected", error);
    if (const std::string why = refusal(o); !why.empty())
        return fail("corrected", why);

    const std::optional<std::string> bytes = readWholeFile(o.file);
    auto catalogue = std::make_unique<Catalogue>();
    if (!bytes || !loadDefinitionFile(*catalogue, o.file).opened)
        return fail("corrected", "cannot read " + o.file);
    std::ifstream in(pathFromUtf8(o.log), std::ios::binary);
    if (!in)
        return fail("corrected", "cannot read " + o.log);
    const QuizLogSummary summary = summariseQuizLog(in, *catalogue, fnv1a64(*bytes));

    std::vector<FieldEdit> edits;
    for (const MonsterLesson& m : summary.monsters) {
        const std::int32_t record = recordNamed(*catalogue, m.name);
        if (record < 0)
            continue;
        if (m.inconsistent) {
            std::cout << utf8(m.name) << ": left as it is: the implied values of its " << m.quizzes
                      << " quizzes do not intersect (a wrong answer typed, or the game changed)\n";
            continue;
        }
        plan(m, record, edits);
    }
    const std::optional<std::string> corrected = editDefinitionBytes(*bytes, edits, error);
    if (!corrected)
        return fail("corrected", error);
    if (!writeFileAtomically(o.out, *corrected))
        return fail("corrected", "cannot write " + o.out);
    std::cout << edits.size() << " values changed, written to " << o.out << '\n';
    return kOk;
}

}  // namespace kestrel::cli

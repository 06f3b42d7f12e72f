// kestrel-cli answer FILE [observations] --answer NAME [--log LOG]: the answer
// checked against the file, and the quiz recorded in a quiz log.

#include "cli/cli_common.h"
#include "cli/query_options.h"
#include "cli/query_setup.h"

#include "engine/answer_check.h"
#include "platform/cp932.h"
#include "platform/file_names.h"
#include "settings/quiz_log.h"
#include "settings/quiz_log_json.h"

#include <iostream>
#include <memory>

namespace kestrel::cli {

namespace {

constexpr const char* kHelp =
    "usage: kestrel-cli answer FILE [options of query] --answer NAME [--log LOG]\n"
    "Applies the observations as `query` does, then checks the answer NAME against FILE and\n"
    "prints the check as JSON: \"answer\", \"wasCandidate\", \"failed\" (with \"dealtRange\" and\n"
    "\"takenRange\", the damage the record allowed, where a damage test failed), \"attack\" and\n"
    "\"defense\" (the file's \"value\", the \"implied\" [low, high] intervals of the values that\n"
    "keep every typed damage, \"inside\"), and \"contradictions\" (facts the record contradicts).\n"
    "NAME is the record of that exact name, else the first whose name begins with NAME as the\n"
    "@name search finds it. With --log the quiz is appended to LOG as one line of JSON, the\n"
    "line the window writes.\n";

struct AnswerOptions {
    std::string name;
    std::string log;
    bool logGiven = false;
};

// Takes --answer and --log out of args; the rest are query's.
bool takeAnswerOptions(Args& args, AnswerOptions& answer, std::string& error)
{
    Args rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool isAnswer = args[i] == "--answer";
        if (!isAnswer && args[i] != "--log") {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = args[i] + " needs a value";
            return false;
        }
        (isAnswer ? answer.name : answer.log) = args[++i];
        answer.logGiven = answer.logGiven || !isAnswer;
    }
    args = std::move(rest);
    if (answer.name.empty()) {
        error = "expects --answer NAME (see --help)";
        return false;
    }
    return true;
}

TypedDamageRow typedRow(const DamageEntry& entry)
{
    if (!entry.given)
        return {};
    return {std::to_string(entry.low), std::to_string(entry.high)};
}

int appendToLog(const QueryOptions& q, const Catalogue& catalogue, const AnswerCheck& check, const std::string& log)
{
    QuizLogContext context;
    if (!describeDefinitionFile(pathFromUtf8(q.file), context))
        return fail("answer", "cannot read " + q.file);
    context.profile = {q.weapon, q.orb, q.attack, q.defense, q.weight, q.spatk, {}};
    context.dealt = typedRow(q.dealt);
    context.taken = typedRow(q.taken);
    const std::string line = quizLogLine(context, catalogue, q.state, q.inputs, check, currentLocalTime());
    const AppendResult result = appendQuizLogLine(pathFromUtf8(log), line);
    if (!result.ok)
        return fail("answer", utf8(result.message));
    return kOk;
}

}  // namespace

int runAnswer(const Args& arguments)
{
    if (wantsHelp(arguments)) {
        std::cout << kHelp;
        return kOk;
    }
    Args args = arguments;
    AnswerOptions answer;
    std::string error;
    if (!takeAnswerOptions(args, answer, error))
        return fail("answer", error);
    auto parsed = parseQueryOptions(args, error);
    if (!parsed)
        return fail("answer", error);
    QueryOptions& q = *parsed;

    auto catalogue = std::make_unique<Catalogue>();
    if (!loadAndRefresh(q, *catalogue))
        return kFailure;
    const std::int32_t index = findAnswer(*catalogue, utf8ToCp932(answer.name));
    if (index < 0)
        return fail("answer", "no monster named '" + answer.name + "' in " + q.file);
    const PlayerProfile profile{q.weapon, q.orb, q.attack, q.defense, q.weight, q.spatk, {}};
    const AnswerCheck check = checkAnswer(*catalogue, q.state, q.inputs, index, profileSidesOf(profile));
    printJson(answerCheckJson(*catalogue, check));
    return answer.logGiven ? appendToLog(q, *catalogue, check, answer.log) : kOk;
}

}  // namespace kestrel::cli

// kestrel-cli log [LOG] [--definition FILE] [--csv]: what the checked quizzes
// of a quiz log teach about each monster that was an answer.

#include "cli/cli_common.h"

#include "platform/file_names.h"
#include "platform/program_path.h"
#include "settings/quiz_log.h"
#include "settings/quiz_log_json.h"

#include <fstream>
#include <iostream>
#include <memory>

namespace kestrel::cli {

namespace {

constexpr const char* kHelp =
    "usage: kestrel-cli log [LOG] [--definition FILE] [--csv]\n"
    "Reads the quiz log LOG (without it, kestrel-quizlog.jsonl beside the window's settings\n"
    "file) and prints, as JSON, how many lines it holds and how many could not be read, and\n"
    "for each monster that was an answer: the number of quizzes; for \"attack\" and \"defense\"\n"
    "the \"value\" of FILE (-1 without FILE or when FILE lacks the monster), the intersection\n"
    "of every \"implied\" set and \"outside\" (true where the fights refute the value); the\n"
    "contradicted facts with their counts; \"inconsistent\" where the implied sets do not\n"
    "intersect; and with FILE, \"otherDefinition\" where some quizzes were checked against\n"
    "another definition file (matched by name). --csv prints the same as CSV in UTF-8 with a\n"
    "byte order mark, for a spreadsheet.\n";

struct LogOptions {
    std::string log;
    std::string definition;
    bool csv = false;
};

bool parseLogOptions(const Args& args, LogOptions& o, std::string& error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--csv") {
            o.csv = true;
        } else if (args[i] == "--definition") {
            if (i + 1 >= args.size()) {
                error = "--definition needs a value";
                return false;
            }
            o.definition = args[++i];
        } else if (!args[i].empty() && args[i][0] == '-') {
            error = "unknown option " + args[i];
            return false;
        } else if (!o.log.empty()) {
            error = "more than one LOG given";
            return false;
        } else {
            o.log = args[i];
        }
    }
    return true;
}

// The log beside the settings file of the window program in this program's folder.
std::string defaultLog()
{
    const std::filesystem::path self = pathFromUtf8(executablePath());
    const std::filesystem::path window = self.parent_path() / ("kestrel" + self.extension().string());
    return utf8FromPath(quizLogPath(pathFromUtf8(settingsFilePath(utf8FromPath(window)))));
}

Json sideJson(const ImpliedSummary& side)
{
    return Json{{"value", side.value}, {"implied", intervalsJson(side.implied)}, {"outside", side.outside}};
}

Json summaryJson(const QuizLogSummary& summary, bool withDefinition)
{
    Json monsters = Json::array();
    for (const MonsterLesson& m : summary.monsters) {
        Json item;
        item["name"] = utf8(m.name);
        item["quizzes"] = m.quizzes;
        item["attack"] = sideJson(m.attack);
        item["defense"] = sideJson(m.defense);
        item["contradictions"] = Json::object();
        for (const auto& [attribute, count] : m.contradictions)
            item["contradictions"][attribute] = count;
        item["inconsistent"] = m.inconsistent;
        if (withDefinition)
            item["otherDefinition"] = m.otherDefinition;
        monsters.push_back(std::move(item));
    }
    return Json{{"lines", summary.lines}, {"unreadable", summary.unreadable}, {"monsters", std::move(monsters)}};
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char ch : text)
        quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return quoted + "\"";
}

void printCsv(const QuizLogSummary& summary, bool withDefinition)
{
    std::string out = "\xEF\xBB\xBF";
    out +=
        "name,quizzes,attack,attack implied,attack outside,defense,defense implied,defense outside,"
        "contradictions,inconsistent";
    out += withDefinition ? ",other definition\r\n" : "\r\n";
    const auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
    for (const MonsterLesson& m : summary.monsters) {
        std::string facts;
        for (const auto& [attribute, count] : m.contradictions)
            facts += (facts.empty() ? "" : " ") + attribute + ":" + std::to_string(count);
        out += csvField(utf8(m.name)) + "," + std::to_string(m.quizzes) + "," + std::to_string(m.attack.value) + "," +
               intervalsText(m.attack.implied) + "," + flag(m.attack.outside) + "," + std::to_string(m.defense.value) +
               "," + intervalsText(m.defense.implied) + "," + flag(m.defense.outside) + "," + facts + "," +
               flag(m.inconsistent);
        out += withDefinition ? "," + flag(m.otherDefinition) + "\r\n" : "\r\n";
    }
    std::cout << out;
}

}  // namespace

int runLog(const Args& args)
{
    if (wantsHelp(args)) {
        std::cout << kHelp;
        return kOk;
    }
    LogOptions o;
    std::string error;
    if (!parseLogOptions(args, o, error))
        return fail("log", error);
    if (o.log.empty())
        o.log = defaultLog();

    auto catalogue = std::make_unique<Catalogue>();
    QuizLogContext definition;
    if (!o.definition.empty()) {
        if (!loadDefinitionFile(*catalogue, o.definition).opened ||
            !describeDefinitionFile(pathFromUtf8(o.definition), definition))
            return kFailure;
    }
    std::ifstream in(pathFromUtf8(o.log), std::ios::binary);
    if (!in)
        return fail("log", "cannot read " + o.log);
    const QuizLogSummary summary = summariseQuizLog(in, *catalogue, definition.definitionDigest);
    if (o.csv)
        printCsv(summary, !o.definition.empty());
    else
        printJson(summaryJson(summary, !o.definition.empty()));
    return kOk;
}

}  // namespace kestrel::cli

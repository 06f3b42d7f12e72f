// The commands of the 答え合わせ: filling and closing the answer dialog, the quiz log brought in or made unwritable,
// and what the log holds.

#include "platform/file_names.h"
#include "platform/ini_file.h"
#include "scenario/session.h"
#include "ui/dialogs/answer_dialog.h"
#include "ui/list/list_view.h"

#include <fstream>
#include <system_error>

namespace kestrel::scenario {

namespace {

std::vector<std::string> logLines(Session& session)
{
    std::vector<std::string> lines;
    std::ifstream in(session.window ? session.window->quizLogFile() : std::filesystem::path(), std::ios::binary);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

// "quiz-answer OK|Cancel [NAME]": NAME typed into the next 答え合わせ dialog's
// field (left as it opened without one), then the dialog closed.
void runQuizAnswer(Session& session, const Command& command)
{
    const std::string& rest = command.args[0];
    const std::size_t blank = rest.find(' ');
    const std::string button = rest.substr(0, blank);
    if (button != "OK" && button != "Cancel")
        return session.malformed(command, "the form 'quiz-answer OK|Cancel [NAME]'");
    ui::DialogScript script;
    script.ok = button == "OK";
    if (blank != std::string::npos) {
        const auto name = toCp932(rest.substr(blank + 1));
        if (!name)
            return session.malformed(command, "a name with a code page 932 form");
        script.fills.emplace_back(ui::answer_dialog_id::kName, *name);
    }
    session.controls.queueDialog(std::move(script));
}

// "quiz-log PATH|unwritable|writable": a log of earlier quizzes (relative to
// the script) put where the window keeps its log; or the log set aside and a
// folder put in its place, so that no line can be appended, and back again.
void runQuizLog(Session& session, const Command& command)
{
    if (!session.needWindow(command))
        return;
    const std::filesystem::path log = session.window->quizLogFile();
    std::filesystem::path aside = log;
    aside += ".aside";
    const std::string& what = command.args[0];
    std::error_code error;
    if (what == "unwritable") {
        if (std::filesystem::exists(log, error))
            std::filesystem::rename(log, aside, error);
        if (!error)
            std::filesystem::create_directory(log, error);
    } else if (what == "writable") {
        std::filesystem::remove(log, error);  // the empty folder
        if (!error && std::filesystem::exists(aside, error))
            std::filesystem::rename(aside, log, error);
    } else if (!what.empty()) {
        std::filesystem::copy_file(session.scriptDir / pathFromUtf8(what), log,
                                   std::filesystem::copy_options::overwrite_existing, error);
    } else {
        return session.malformed(command, "the form 'quiz-log PATH|unwritable|writable'");
    }
    if (error)
        session.fail(command, "the quiz log put in place", error.message());
}

// "expect quiz-log N [TEXT]": the log holds N lines, the last of them containing TEXT.
void expectQuizLog(Session& session, const Command& command)
{
    const auto count = parseNumber(command.args[0]);
    if (!count)
        return session.malformed(command, "the form 'expect quiz-log N [TEXT]'");
    const std::vector<std::string> lines = logLines(session);
    if (lines.size() != static_cast<std::size_t>(*count))
        return session.fail(command, "quiz log of " + command.args[0] + " lines", std::to_string(lines.size()));
    const std::string& text = command.args[1];
    if (!text.empty() && (lines.empty() || lines.back().find(text) == std::string::npos))
        session.fail(command, "last quiz log line with \"" + text + "\"",
                     lines.empty() ? std::string("none") : "\"" + lines.back() + "\"");
}

}  // namespace kestrel::scenario

// The "expect …" commands: what the user sees in the window, the message boxes
// shown, the settings file on disk and the observation state.

#include "platform/cp932.h"
#include "platform/ini_file.h"
#include "scenario/session.h"
#include "ui/list/list_view.h"

#include <charconv>

namespace kestrel::scenario {

namespace {

// Compares a seen code page 932 text with an expected script text.
void expectEqual(Session& session, const Command& command, const std::string& what, std::string_view expectedUtf8,
                 std::string_view seen)
{
    const auto expected = toCp932(expectedUtf8);
    if (!expected)
        return session.malformed(command, "a text with a code page 932 form");
    if (*expected != seen)
        session.fail(command, what + " " + quote(*expected), quote(seen));
}

std::optional<int> controlId(Session& session, const Command& command, std::string_view usage)
{
    const auto id = parseControl(command.args[0]);
    if (!id) {
        session.malformed(command, "the form '" + std::string(usage) + "'");
        return std::nullopt;
    }
    if (!session.controls.exists(*id)) {
        session.fail(command, "control " + command.args[0], "no such control");
        return std::nullopt;
    }
    return id;
}

void expectFlag(Session& session, const Command& command, bool checked)
{
    const std::string usage = std::string(checked ? "expect checked" : "expect enabled") + " ID 0|1";
    const std::string& value = command.args[1];
    if (value != "0" && value != "1")
        return session.malformed(command, "the form '" + usage + "'");
    const auto id = controlId(session, command, usage);
    if (!id)
        return;
    const bool seen = checked ? session.controls.checked(*id) : session.controls.enabled(*id);
    if (seen != (value == "1"))
        session.fail(command, (checked ? "checked " : "enabled ") + command.args[0] + " " + value, seen ? "1" : "0");
}

std::string joined(const std::vector<std::string>& parts, char separator)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += separator;
        text += parts[i];
    }
    return text;
}

const std::vector<std::vector<std::string>>& listRows(Session& session) { return session.controls.rows(ui::kIdList); }

void expectCell(Session& session, const Command& command)
{
    const auto row = parseNumber(command.args[0]);
    const auto column = parseNumber(command.args[1]);
    if (!row || !column)
        return session.malformed(command, "the form 'expect cell ROW COL TEXT'");
    const auto& rows = listRows(session);
    const std::size_t columns = session.controls.columns(ui::kIdList).size();
    const std::string where = "cell " + command.args[0] + " " + command.args[1];
    if (static_cast<std::size_t>(*row) >= rows.size())
        return session.fail(command, where, "only " + std::to_string(rows.size()) + " rows");
    const auto& cells = rows[*row];
    if (static_cast<std::size_t>(*column) >= std::max(columns, cells.size()))
        return session.fail(command, where, "only " + std::to_string(columns) + " columns");
    // A cell the row did not fill reads as empty, as in the list.
    const std::string seen = static_cast<std::size_t>(*column) < cells.size() ? cells[*column] : std::string();
    expectEqual(session, command, where, command.args[2], seen);
}

void expectNames(Session& session, const Command& command)
{
    std::vector<std::string> names;
    for (const auto& row : listRows(session))
        names.push_back(row.empty() ? std::string() : row[0]);
    expectEqual(session, command, "names", command.args[0], joined(names, ','));
}

void expectColumns(Session& session, const Command& command)
{
    std::vector<std::string> headers;
    for (const auto& column : session.controls.columns(ui::kIdList))
        headers.push_back(column.header);
    expectEqual(session, command, "columns", command.args[0], joined(headers, '|'));
}

std::string describe(const ui::ShownMessage& box) { return quote(box.caption + "|" + box.text); }

// The first box since the last message expectation with the caption and a text
// that contains the expected text; it and the boxes before it are consumed.
void expectMessage(Session& session, const Command& command)
{
    const std::size_t bar = command.args[0].find('|');
    if (bar == std::string::npos)
        return session.malformed(command, "the form 'expect message CAPTION|TEXT'");
    const auto caption = toCp932(command.args[0].substr(0, bar));
    const auto text = toCp932(command.args[0].substr(bar + 1));
    if (!caption || !text)
        return session.malformed(command, "texts with a code page 932 form");
    auto& shown = session.controls.shownMessages();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        // An empty caption is the program's own title.
        const std::string& seenCaption = shown[i].caption;
        const bool captionMatches =
            seenCaption == *caption || (seenCaption.empty() && *caption == session.controls.title());
        if (captionMatches && shown[i].text.find(*text) != std::string::npos) {
            shown.erase(shown.begin(), shown.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return;
        }
    }
    std::string seen;
    for (const auto& box : shown)
        seen += (seen.empty() ? "" : ", ") + describe(box);
    session.fail(command, "message " + quote(*caption + "|" + *text), seen.empty() ? "no message" : seen);
}

void expectNoMessage(Session& session, const Command& command)
{
    if (!command.args[0].empty())
        return session.malformed(command, "the form 'expect nomessage'");
    auto& shown = session.controls.shownMessages();
    if (!shown.empty())
        session.fail(command, "no message", describe(shown.front()));
    shown.clear();
}

void expectIni(Session& session, const Command& command)
{
    const auto section = toCp932(command.args[0]);
    const auto key = toCp932(command.args[1]);
    if (!section || !key)
        return session.malformed(command, "texts with a code page 932 form");
    const IniFile ini = IniFile::parse(readWholeFile(session.settingsPath).value_or(std::string()));
    const auto value = ini.value(*section, *key);
    const std::string what = "ini " + command.args[0] + " " + command.args[1];
    if (command.args[2] == "-") {
        if (value)
            session.fail(command, what + " absent", quote(*value));
        return;
    }
    if (!value)
        return session.fail(command, what + " " + quote(command.args[2]), "no such key");
    expectEqual(session, command, what, command.args[2], *value);
}

void expectState(Session& session, const Command& command)
{
    const std::string& text = command.args[1];
    std::int32_t expected = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
    if (error != std::errc() || end != text.data() + text.size())
        return session.malformed(command, "the form 'expect state FIELD INTEGER'");
    const auto seen = session.window->stateField(command.args[0]);
    const std::string what = "state " + command.args[0] + " " + text;
    if (!seen)
        return session.fail(command, what, "no such field");
    if (*seen != expected)
        session.fail(command, what, std::to_string(*seen));
}

// The notice on show contains the text; "-" for no notice on show.
void expectNotice(Session& session, const Command& command)
{
    const std::string& seen = session.controls.currentNotice();
    if (command.args[0] == "-") {
        if (!seen.empty())
            session.fail(command, "no notice", quote(seen));
        return;
    }
    const auto text = toCp932(command.args[0]);
    if (!text)
        return session.malformed(command, "a text with a code page 932 form");
    if (text->empty() || seen.find(*text) == std::string::npos)
        session.fail(command, "notice with " + quote(*text), seen.empty() ? "no notice" : quote(seen));
}

}  // namespace

void runExpectation(Session& session, const Command& command)
{
    const std::string kind = command.name.substr(std::string_view("expect ").size());
    // These look at the settings file and the boxes shown, with or without a window.
    if (kind == "message")
        return expectMessage(session, command);
    if (kind == "nomessage")
        return expectNoMessage(session, command);
    if (kind == "ini")
        return expectIni(session, command);
    if (!session.needWindow(command))
        return;

    if (kind == "text") {
        const auto id = controlId(session, command, "expect text ID TEXT");
        if (id)
            expectEqual(session, command, "text " + command.args[0], command.args[1], session.controls.text(*id));
    } else if (kind == "tooltip") {
        const auto id = controlId(session, command, "expect tooltip ID TEXT");
        if (id)
            expectEqual(session, command, "tooltip " + command.args[0], command.args[1], session.controls.toolTip(*id));
    } else if (kind == "checked" || kind == "enabled") {
        expectFlag(session, command, kind == "checked");
    } else if (kind == "focus") {
        const auto id = parseControl(command.args[0]);
        if (!id)
            return session.malformed(command, "the form 'expect focus ID'");
        if (session.controls.focus() != *id)
            session.fail(command, "focus " + command.args[0], std::to_string(session.controls.focus()));
    } else if (kind == "title") {
        expectEqual(session, command, "title", command.args[0], session.controls.title());
    } else if (kind == "rows") {
        const auto rows = parseNumber(command.args[0]);
        if (!rows)
            return session.malformed(command, "the form 'expect rows N'");
        const std::size_t seen = listRows(session).size();
        if (seen != static_cast<std::size_t>(*rows))
            session.fail(command, "rows " + command.args[0], std::to_string(seen));
    } else if (kind == "cell") {
        expectCell(session, command);
    } else if (kind == "names") {
        expectNames(session, command);
    } else if (kind == "columns") {
        expectColumns(session, command);
    } else if (kind == "state") {
        expectState(session, command);
    } else if (kind == "notice") {
        expectNotice(session, command);
    } else if (runPictureExpectation(session, command, kind) || runRecordedExpectation(session, command, kind)) {
        return;
    } else if (kind == "quiz-log") {
        expectQuizLog(session, command);
    } else {
        session.malformed(command, "a known expectation");
    }
}

}  // namespace kestrel::scenario

// The "expect bar|solid|axis|marks" commands: the picture columns of the list
// as the window logic describes them.

#include "scenario/session.h"
#include "ui/list/list_view.h"

#include <charconv>

namespace kestrel::scenario {

namespace {

std::optional<std::int64_t> parseSigned(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "LOW HIGH" as two signed numbers.
std::optional<std::pair<std::int64_t, std::int64_t>> parsePair(std::string_view text)
{
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const auto low = parseSigned(text.substr(0, blank));
    const auto high = parseSigned(text.substr(blank + 1));
    if (!low || !high)
        return std::nullopt;
    return std::pair{*low, *high};
}

std::string pairText(std::int64_t low, std::int64_t high) { return std::to_string(low) + " " + std::to_string(high); }

const ui::ListPicture* pictureOf(Session& session, const Command& command, std::string_view columnText)
{
    const auto column = parseNumber(columnText);
    if (!column) {
        session.malformed(command, "a column number");
        return nullptr;
    }
    for (const ui::ListPicture& picture : session.controls.pictures(ui::kIdList))
        if (picture.column == *column)
            return &picture;
    session.fail(command, "a picture in column " + std::string(columnText), "none");
    return nullptr;
}

// "expect bar ROW COL LOW HIGH" (or "?"), "expect solid ROW COL LOW HIGH".
void expectBar(Session& session, const Command& command, bool solid)
{
    const std::string usage = solid ? "expect solid ROW COL LOW HIGH" : "expect bar ROW COL LOW HIGH|?";
    const auto row = parseNumber(command.args[0]);
    const bool unknown = !solid && command.args[2] == "?";
    const auto ends = parsePair(command.args[2]);
    if (!row || (!unknown && !ends))
        return session.malformed(command, "the form '" + usage + "'");
    const ui::ListPicture* picture = pictureOf(session, command, command.args[1]);
    if (picture == nullptr)
        return;
    const std::string where = (solid ? "solid " : "bar ") + command.args[0] + " " + command.args[1];
    if (static_cast<std::size_t>(*row) >= picture->bars.size())
        return session.fail(command, where, "only " + std::to_string(picture->bars.size()) + " bars");
    const ui::PictureBar& bar = picture->bars[static_cast<std::size_t>(*row)];
    const std::string seen = !bar.known ? "?"
                             : solid    ? pairText(bar.solidLow, bar.solidHigh)
                                        : pairText(bar.low, bar.high);
    if (seen != command.args[2])
        session.fail(command, where + " " + command.args[2], seen);
}

// "expect axis COL LOW HIGH"
void expectAxis(Session& session, const Command& command)
{
    const auto ends = parsePair(command.args[1]);
    if (!ends)
        return session.malformed(command, "the form 'expect axis COL LOW HIGH'");
    const ui::ListPicture* picture = pictureOf(session, command, command.args[0]);
    if (picture == nullptr)
        return;
    const std::string seen = pairText(picture->axisLow, picture->axisHigh);
    if (seen != command.args[1])
        session.fail(command, "axis " + command.args[0] + " " + command.args[1], seen);
}

// "expect marks COL V1,V2,…" ("-" for none).
void expectMarks(Session& session, const Command& command)
{
    const ui::ListPicture* picture = pictureOf(session, command, command.args[0]);
    if (picture == nullptr)
        return;
    std::string seen;
    for (const std::int64_t mark : picture->marks)
        seen += (seen.empty() ? "" : ",") + std::to_string(mark);
    if (seen.empty())
        seen = "-";
    if (seen != command.args[1])
        session.fail(command, "marks " + command.args[0] + " " + command.args[1], seen);
}

}  // namespace

bool runPictureExpectation(Session& session, const Command& command, std::string_view kind)
{
    if (kind == "bar" || kind == "solid")
        expectBar(session, command, kind == "solid");
    else if (kind == "axis")
        expectAxis(session, command);
    else if (kind == "marks")
        expectMarks(session, command);
    else if (kind == "pictures") {
        const std::size_t seen = session.controls.pictures(ui::kIdList).size();
        if (command.args[0] != std::to_string(seen))
            session.fail(command, "pictures " + command.args[0], std::to_string(seen));
    } else
        return false;
    return true;
}

}  // namespace kestrel::scenario

#include "scenario/session.h"

#include "platform/cp932.h"
#include "ui/main_window/control_names.h"

#include <charconv>

namespace kestrel::scenario {

void Session::fail(const Command& command, std::string_view expected, std::string_view seen)
{
    ++failures;
    *out << scriptName << ':' << command.line << ": expected " << expected << ", saw " << seen << '\n';
}

void Session::malformed(const Command& command, std::string_view expected)
{
    fail(command, expected, "'" + command.source + "'");
}

bool Session::needWindow(const Command& command)
{
    if (window)
        return true;
    fail(command, "an open window for '" + command.name + "'", "none (before start or after close)");
    return false;
}

std::optional<std::string> toCp932(std::string_view utf8)
{
    std::size_t unmapped = 0;
    std::string text = utf8ToCp932(utf8, &unmapped);
    if (unmapped != 0)
        return std::nullopt;
    return text;
}

std::string quote(std::string_view cp932)
{
    std::string text = "\"";
    for (const char c : cp932ToUtf8(cp932)) {
        if (c == '\n') {
            text += "\\n";
        } else {
            text += c;
        }
    }
    return text + "\"";
}

std::optional<int> parseNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text[0] == '-' || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> parseControl(std::string_view text)
{
    if (const auto id = parseNumber(text))
        return id;
    return ui::mainWindowControlByName(text);
}

}  // namespace kestrel::scenario

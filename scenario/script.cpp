#include "scenario/script.h"

#include "platform/cp932.h"

#include <array>

namespace kestrel::scenario {

namespace {

struct Shape {
    std::string_view name;
    int fixedArgs;  // arguments before the rest of the line
};

// Every command, by the words that name it, with its fixed arguments.
constexpr std::array<Shape, 44> kShapes = {{
    {"ini", 2},
    {"monsters", 0},
    {"answer", 0},
    {"file", 0},
    {"user", 0},
    {"config", 0},
    {"start", 0},
    {"close", 0},
    {"type", 1},
    {"key", 1},
    {"click", 0},
    {"menu", 0},
    {"expect text", 1},
    {"expect checked", 1},
    {"expect enabled", 1},
    {"expect focus", 0},
    {"expect title", 0},
    {"expect rows", 0},
    {"expect cell", 2},
    {"expect names", 0},
    {"expect columns", 0},
    {"expect message", 0},
    {"expect nomessage", 0},
    {"expect ini", 2},
    {"expect state", 1},
    {"expect tooltip", 1},
    {"expect notice", 0},
    {"header", 0},
    {"select", 0},
    {"double-click", 0},
    {"press", 0},
    {"expect bar", 2},
    {"expect solid", 2},
    {"expect axis", 1},
    {"expect marks", 1},
    {"expect pictures", 0},
    {"expect clipboard", 0},
    {"expect opened", 0},
    {"expect topmost", 0},
    {"quiz-answer", 0},
    {"quiz-log", 0},
    {"expect quiz-log", 1},
    {"focus", 0},
    {"shortcut", 0},
}};

const Shape* findShape(std::string_view name)
{
    for (const Shape& shape : kShapes) {
        if (shape.name == name)
            return &shape;
    }
    return nullptr;
}

// Takes the next blank-separated word off the front of text. found is false
// when text has no blank left (the word is then all of it).
std::string_view takeWord(std::string_view& text, bool& found)
{
    const std::size_t blank = text.find(' ');
    found = blank != std::string_view::npos;
    const std::string_view word = text.substr(0, found ? blank : text.size());
    text.remove_prefix(found ? blank + 1 : text.size());
    return word;
}

bool isBlankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

Command parseLine(int number, std::string_view line)
{
    Command command;
    command.line = number;
    command.source.assign(line);
    if (!isValidUtf8(line)) {
        command.error = "a line of UTF-8 text";
        return command;
    }
    std::string_view rest = line;
    bool more = false;
    std::string name(takeWord(rest, more));
    if (name == "expect") {
        if (!more) {
            command.error = "an expectation after 'expect'";
            return command;
        }
        name += ' ';
        name += takeWord(rest, more);
    }
    const Shape* shape = findShape(name);
    if (!shape) {
        command.error = name.starts_with("expect ") ? "a known expectation" : "a known command";
        return command;
    }
    for (int i = 0; i < shape->fixedArgs; ++i) {
        const std::string_view word = more ? takeWord(rest, more) : std::string_view();
        if (word.empty()) {
            command.error = "argument " + std::to_string(i + 1) + " of '" + name + "'";
            return command;
        }
        command.args.emplace_back(word);
    }
    command.args.push_back(more ? unescape(rest) : std::string());
    command.name = name;
    return command;
}

}  // namespace

std::string unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out.push_back('\n');
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::vector<std::string> splitText(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    if (text.empty())
        return parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return parts;
}

std::vector<Command> parseScript(std::string_view text)
{
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());

    std::vector<Command> commands;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (isBlankLine(line) || line.front() == '#')
            continue;
        commands.push_back(parseLine(number, line));
    }
    return commands;
}

}  // namespace kestrel::scenario

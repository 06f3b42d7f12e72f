#include "catalogue/definition_edit.h"

#include "catalogue/monster_loader.h"

#include <algorithm>

namespace kestrel {

namespace {

// The column of the attack or defense in a layout (the loader's columns).
int columnOf(StatColumn column, std::int32_t format)
{
    const int attack = format == kExtendedFormat ? 8 : 7;
    return column == StatColumn::Attack ? attack : attack + 1;
}

// Where line number `line` (0 for the header) starts and ends (before its '\n').
struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::optional<LineSpan> lineAt(std::string_view bytes, std::size_t line)
{
    std::size_t begin = 0;
    for (std::size_t n = 0; n < line; ++n) {
        const std::size_t newline = bytes.find('\n', begin);
        if (newline == std::string_view::npos)
            return std::nullopt;
        begin = newline + 1;
    }
    if (begin >= bytes.size())
        return std::nullopt;
    const std::size_t newline = bytes.find('\n', begin);
    return LineSpan{begin, newline == std::string_view::npos ? bytes.size() : newline};
}

// The field `column` inside a line, as offsets into the whole text.
std::optional<LineSpan> fieldAt(std::string_view bytes, LineSpan line, int column)
{
    std::size_t begin = line.begin;
    for (int c = 0; c < column; ++c) {
        const std::size_t comma = bytes.find(',', begin);
        if (comma == std::string_view::npos || comma >= line.end)
            return std::nullopt;
        begin = comma + 1;
    }
    std::size_t end = bytes.find(',', begin);
    if (end == std::string_view::npos || end > line.end)
        end = line.end;
    if (end > begin && bytes[end - 1] == '\r' && end == line.end)
        --end;
    return LineSpan{begin, end};
}

}  // namespace

std::optional<std::string> editDefinitionBytes(std::string_view bytes, const std::vector<FieldEdit>& edits,
                                               std::string& error)
{
    const std::optional<LineSpan> header = lineAt(bytes, 0);
    if (!header) {
        error = "the file has no header line";
        return std::nullopt;
    }
    const std::int32_t format = formatOfHeader(bytes.substr(header->begin, header->end - header->begin));
    struct Replacement {
        LineSpan field;
        std::string text;
    };
    std::vector<Replacement> replacements;
    for (const FieldEdit& edit : edits) {
        const std::optional<LineSpan> line =
            edit.record >= 0 ? lineAt(bytes, static_cast<std::size_t>(edit.record) + 1) : std::nullopt;
        const std::optional<LineSpan> field =
            line ? fieldAt(bytes, *line, columnOf(edit.column, format)) : std::nullopt;
        if (!field) {
            error = "data line " + std::to_string(edit.record + 1) + " holds no such field";
            return std::nullopt;
        }
        replacements.push_back({*field, std::to_string(edit.value)});
    }
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement& a, const Replacement& b) { return a.field.begin > b.field.begin; });
    std::string out(bytes);
    for (const Replacement& r : replacements)
        out.replace(r.field.begin, r.field.end - r.field.begin, r.text);
    return out;
}

}  // namespace kestrel

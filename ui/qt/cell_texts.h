#pragma once
// The laid-out texts of a list's cells. A cell's text is converted from code
// page 932, cut with "…" to its column's width and shaped once; painting then
// only draws the glyphs. Texts are kept by column and content, so that a list
// refilled with the same texts (every keystroke refills it) shapes nothing new.
// A column forgets its texts when its width changes, all columns when the font
// does.

#include <QFont>
#include <QStaticText>

#include <string>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kestrel::ui {

struct CellText {
    QStaticText shown;  // as painted: cut with "…" when it does not fit
    bool elided = false;
};

class CellTexts {
public:
    // The text laid out for a column whose room for text is width pixels wide.
    const CellText& laidOut(int column, std::string_view cp932, int width, const QFont& font);

    // The text as last laid out for column, or nullptr when it has not been
    // (or its column's width or the font changed since).
    const CellText* find(int column, std::string_view cp932) const;

    void clear();

private:
    // Looked up by the cell's bytes without copying them.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    struct Column {
        int width = -1;
        std::unordered_map<std::string, CellText, Hash, std::equal_to<>> texts;
    };
    std::vector<Column> columns_;
    QFont font_;
};

}  // namespace kestrel::ui

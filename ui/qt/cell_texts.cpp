#include "ui/qt/cell_texts.h"

#include "ui/qt/qt_text.h"

#include <QFontMetrics>
#include <QTransform>

namespace kestrel::ui {

namespace {

// A column never keeps more texts than this: a long session of searches makes
// new ones all the time.
constexpr std::size_t kMaxTextsPerColumn = 4096;

}  // namespace

const CellText& CellTexts::laidOut(int column, std::string_view cp932, int width, const QFont& font)
{
    if (!(font == font_) || font.resolveMask() != font_.resolveMask()) {
        columns_.clear();
        font_ = font;
    }
    if (column >= static_cast<int>(columns_.size()))
        columns_.resize(static_cast<std::size_t>(column) + 1);
    Column& texts = columns_[static_cast<std::size_t>(column)];
    if (texts.width != width || texts.texts.size() >= kMaxTextsPerColumn) {
        texts.texts.clear();
        texts.width = width;
    }
    if (const auto known = texts.texts.find(cp932); known != texts.texts.end())
        return known->second;

    CellText& text = texts.texts[std::string(cp932)];
    const QString whole = toQString(cp932);
    const QString shown = QFontMetrics(font).elidedText(whole, Qt::ElideRight, width);
    text.elided = shown != whole;
    text.shown.setTextFormat(Qt::PlainText);
    text.shown.setText(shown);
    text.shown.prepare(QTransform(), font);
    return text;
}

const CellText* CellTexts::find(int column, std::string_view cp932) const
{
    if (column < 0 || column >= static_cast<int>(columns_.size()))
        return nullptr;
    const auto& texts = columns_[static_cast<std::size_t>(column)].texts;
    const auto it = texts.find(cp932);
    return it == texts.end() ? nullptr : &it->second;
}

void CellTexts::clear() { columns_.clear(); }

}  // namespace kestrel::ui

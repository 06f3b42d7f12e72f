#include "ui/qt/dialog_unit_layout.h"

#include <QFontMetrics>
#include <QWidget>
#include <QWidgetItem>

#include <algorithm>

namespace kestrel::ui {

namespace {

// (value × numerator ÷ denominator), rounded half away from zero.
int mulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

DialogUnitLayout::DialogUnitLayout(const layout::Window& window, QWidget* parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    const QFontMetrics metrics(parent->font());
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = std::max(1, (letters / 26 + 1) / 2);
    baseY_ = std::max(1, metrics.height());
    designed_ = QSize(pixelsAcross(window.width), pixelsDown(window.height));
    minimum_ = QSize(pixelsAcross(window.minWidth), pixelsDown(window.minHeight));
}

DialogUnitLayout::~DialogUnitLayout()
{
    for (const Item& i : items_)
        delete i.item;
}

int DialogUnitLayout::pixelsAcross(int units) const { return mulDiv(units, baseX_, 4); }
int DialogUnitLayout::pixelsDown(int units) const { return mulDiv(units, baseY_, 8); }

QRect DialogUnitLayout::pixels(const layout::Rect& r) const
{
    const int left = pixelsAcross(r.x), top = pixelsDown(r.y);
    return QRect(left, top, pixelsAcross(r.right()) - left, pixelsDown(r.bottom()) - top);
}

void DialogUnitLayout::place(QWidget* widget, const layout::Rect& rect, const layout::Follow& follow)
{
    addChildWidget(widget);
    items_.push_back({new QWidgetItem(widget), rect, follow});
    invalidate();
}

void DialogUnitLayout::addItem(QLayoutItem* item)
{
    items_.push_back({item, {}, {}});  // nothing placed this way is ever seen
}

int DialogUnitLayout::count() const { return static_cast<int>(items_.size()); }

QLayoutItem* DialogUnitLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)].item : nullptr;
}

QLayoutItem* DialogUnitLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = items_[static_cast<std::size_t>(index)].item;
    items_.erase(items_.begin() + index);
    return item;
}

QSize DialogUnitLayout::sizeHint() const { return designed_; }
QSize DialogUnitLayout::minimumSize() const { return minimum_; }

void DialogUnitLayout::setGeometry(const QRect& area)
{
    QLayout::setGeometry(area);
    const int dx = area.width() - designed_.width();
    const int dy = area.height() - designed_.height();
    for (const Item& i : items_) {
        const QRect r = pixels(i.rect);
        const int left = r.left() + mulDiv(dx, i.follow.left, 100);
        const int top = r.top() + mulDiv(dy, i.follow.top, 100);
        const int right = r.left() + r.width() + mulDiv(dx, i.follow.right, 100);
        const int bottom = r.top() + r.height() + mulDiv(dy, i.follow.bottom, 100);
        const QRect target(area.left() + left, area.top() + top, std::max(0, right - left), std::max(0, bottom - top));
        // A label with a new text asks for the whole part to be laid out again
        // (on every key); a widget already in its place stays there without
        // the item measuring its text for a largest size.
        QWidget* widget = i.item->widget();
        if (widget != nullptr && !widget->isHidden() && widget->geometry() == target)
            continue;
        i.item->setGeometry(target);
    }
}

}  // namespace kestrel::ui

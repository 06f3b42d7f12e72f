#pragma once
// A Qt layout that places widgets by a window description: rectangles in
// dialog units turned into pixels by the font's metrics, as Windows does (a
// unit across is a quarter of the average character width, a unit down an
// eighth of the font's height), each edge following its share of the growth.

#include "ui/layout/layout.h"

#include <QLayout>

#include <vector>

namespace kestrel::ui {

class DialogUnitLayout : public QLayout {
public:
    // The part of a window this layout holds, measured with parent's font.
    DialogUnitLayout(const layout::Window& window, QWidget* parent);
    ~DialogUnitLayout() override;

    void place(QWidget* widget, const layout::Rect& rect, const layout::Follow& follow);
    // Dialog units in pixels of the parent's font.
    int pixelsAcross(int units) const;
    int pixelsDown(int units) const;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal | Qt::Vertical; }

private:
    struct Item {
        QLayoutItem* item;
        layout::Rect rect;
        layout::Follow follow;
    };
    QRect pixels(const layout::Rect& rect) const;

    std::vector<Item> items_;
    QSize designed_;
    QSize minimum_;
    int baseX_ = 1;  // the font's average character width
    int baseY_ = 1;  // the font's height
};

}  // namespace kestrel::ui

// The widgets of a window or dialog placed by its description: each control's
// rectangle, font, look and tab order, the frames and lines drawn between
// them, and for the main window the divider between the bands and the hint
// panel as a splitter the player can drag.

#include "ui/layout/layout.h"
#include "ui/qt/dialog_unit_layout.h"
#include "ui/qt/qt_controls.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>

// The icons are compiled into this library; a static library needs them
// registered by name.
static void registerKestrelResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(kestrel);
        return true;
    }();
    (void)registered;
}

namespace kestrel::ui {

namespace {

using layout::Look;
using layout::Placement;

Qt::Alignment alignmentOf(const Placement& p)
{
    const Qt::Alignment across = p.align == layout::TextAlign::Right    ? Qt::AlignRight
                                 : p.align == layout::TextAlign::Centre ? Qt::AlignHCenter
                                                                        : Qt::AlignLeft;
    return across | (p.wrap ? Qt::AlignTop : Qt::AlignVCenter);
}

void applyFont(QWidget& widget, layout::FontRole role, const DialogUnitLayout& units)
{
    QFont font = widget.font();
    switch (role) {
    case layout::FontRole::Dialog: return;
    case layout::FontRole::Panel: font.setPointSizeF(font.pointSizeF() + 1); break;
    case layout::FontRole::Heading: font.setBold(true); break;
    case layout::FontRole::Drawing:
        // A full-width character is about as wide as the font's pixel size.
        font.setPixelSize(units.pixelsAcross(8));
        break;
    }
    widget.setFont(font);
}

void applyLook(QWidget& widget, const Placement& p, const DialogUnitLayout& units)
{
    applyFont(widget, p.font, units);
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setAlignment(alignmentOf(p));
        label->setWordWrap(p.wrap);
        if (p.look == Look::Sunken) {
            label->setFrameShape(QFrame::StyledPanel);
            label->setFrameShadow(QFrame::Sunken);
        }
        if (p.notify)
            label->setCursor(Qt::PointingHandCursor);
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        edit->setAlignment(alignmentOf(p));
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        if (p.look == Look::DecreaseArrow || p.look == Look::IncreaseArrow) {
            button->setIcon(QIcon(p.look == Look::DecreaseArrow ? QStringLiteral(":/icons/left.svg")
                                                                : QStringLiteral(":/icons/right.svg")));
            const int side = units.pixelsDown(7);
            button->setIconSize(QSize(side, side));
        }
    }
    if (!p.tabStop && widget.focusPolicy() != Qt::NoFocus)
        widget.setFocusPolicy(Qt::NoFocus);
}

// Lays the controls and decorations of one window (or one part of it) out
// inside container.
void layOutPart(QtControls& controls, const layout::Window& part, QWidget& container)
{
    auto* units = new DialogUnitLayout(part, &container);
    for (const layout::Decoration& d : part.decorations) {
        QWidget* drawn = nullptr;
        if (d.kind == layout::Decoration::Kind::VerticalLine) {
            auto* line = new QFrame(&container);
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            drawn = line;
        } else {
            drawn = new QGroupBox(&container);
        }
        units->place(drawn, d.rect, d.follow);
    }
    for (const Placement& p : part.controls) {
        QWidget* widget = controls.widget(p.id);
        if (widget == nullptr)
            continue;
        if (p.look == Look::Frame) {
            // The frame shows the static's text as its caption.
            auto* label = qobject_cast<QLabel*>(widget);
            auto* frame = new QGroupBox(label != nullptr ? label->text() : QString(), &container);
            units->place(frame, p.rect, p.follow);
            frame->lower();
            widget->setParent(&container);
            widget->hide();
            continue;
        }
        widget->setParent(&container);
        applyLook(*widget, p, *units);
        units->place(widget, p.rect, p.follow);
        widget->setVisible(p.look != Look::Hidden);
    }
    // Frames and lines lie beneath the controls.
    for (QGroupBox* frame : container.findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly))
        frame->lower();
}

void setTabOrder(QtControls& controls, const layout::Window& window)
{
    QWidget* previous = nullptr;
    for (int id : layout::tabOrder(window)) {
        QWidget* widget = controls.widget(id);
        if (widget == nullptr)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QWidget* partWidget(QtControls& controls, const layout::Window& part, QWidget* parent)
{
    auto* widget = new QWidget(parent);
    layOutPart(controls, part, *widget);
    return widget;
}

}  // namespace

void layOutMainWindow(QtControls& controls)
{
    registerKestrelResources();
    const layout::Window& window = layout::mainWindowLayout();
    auto* root = new QVBoxLayout(&controls);
    root->setContentsMargins(0, 0, 0, 4);
    root->setSpacing(2);

    auto* splitter = new QSplitter(Qt::Horizontal, &controls);
    splitter->setObjectName(QStringLiteral("hintSplitter"));
    splitter->setChildrenCollapsible(false);
    const layout::Window bands = layout::leftPart(window);
    const layout::Window panel = layout::rightPart(window);
    QWidget* left = partWidget(controls, bands, splitter);
    QWidget* right = partWidget(controls, panel, splitter);
    right->setObjectName(QStringLiteral("hintPanel"));
    splitter->addWidget(left);
    splitter->addWidget(right);
    const int share = window.divider ? window.divider->follow : 0;
    splitter->setStretchFactor(0, 100 - share);
    splitter->setStretchFactor(1, share);
    splitter->setSizes({left->sizeHint().width(), right->sizeHint().width()});
    root->addWidget(splitter, 1);
    controls.setHintPanel(right);
    setTabOrder(controls, window);

    if (QLabel* notice = controls.noticeLine()) {
        notice->setContentsMargins(8, 0, 8, 0);
        root->addWidget(notice);
    }
    // Every push button answers Enter when it has the focus; Enter in an edit
    // reaches no button at all.
    for (QPushButton* button : controls.findChildren<QPushButton*>())
        button->setAutoDefault(!button->isCheckable());
    controls.resize(controls.sizeHint());
}

void layOutDialog(QtControls& controls, int templateId)
{
    auto* root = new QVBoxLayout(&controls);
    root->setContentsMargins(0, 0, 0, 0);
    if (const layout::Window* window = layout::dialogLayout(templateId)) {
        root->addWidget(partWidget(controls, *window, &controls), 1);
        setTabOrder(controls, *window);
    } else {
        // A dialog without a description: its controls one below the other.
        for (QWidget* w : controls.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w->objectName().startsWith(QLatin1String("id")))
                root->addWidget(w);
    }
    if (QLabel* notice = controls.noticeLine())
        root->addWidget(notice);
}

}  // namespace kestrel::ui

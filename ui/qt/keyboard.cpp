#include "ui/qt/keyboard.h"

#include "ui/keyboard/shortcuts.h"
#include "ui/list/list_view.h"
#include "ui/main_window/control_set.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/widgets.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>

namespace kestrel::ui {

namespace {

// A command's key: window-wide, or on the list alone for the list's own keys.
void installCommandKey(QtControls& controls, QWidget& window, const Shortcut& shortcut)
{
    QWidget* list = controls.widget(kIdList);
    QWidget* owner = shortcut.inList ? list : &window;
    if (owner == nullptr)
        return;
    const QKeySequence keys(QString::fromStdString(shortcut.keys), QKeySequence::PortableText);
    auto* key = new QShortcut(keys, owner);
    key->setObjectName(QStringLiteral("shortcut%1%2").arg(shortcut.id).arg(shortcut.inList ? "list" : ""));
    key->setContext(shortcut.inList ? Qt::WidgetShortcut : Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, &controls, [&controls, id = shortcut.id] { controls.runCommand(id); });
}
// An edit keeps the keys of the shortcut table from itself (Ctrl+Shift+Z is its
// redo on some desktops), so that they reach the window's shortcuts.
class TableKeysPassEdits : public QObject {
public:
    TableKeysPassEdits(QObject* parent, QList<QKeySequence> keys) : QObject(parent), keys_(std::move(keys)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
            if (keys_.contains(pressed))
                return true;  // left unaccepted: the shortcut runs
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QList<QKeySequence> keys_;
};

}  // namespace

void installKeyboard(QtControls& controls, QWidget& window)
{
    // Such a control is reached by Tab but never takes the focus by a click,
    // so the edit the player typed in keeps it; one that Tab skips keeps none.
    for (const ControlSpec& item : mainWindowControls())
        if (QWidget* widget = controls.widget(item.id);
            widget && clickKeepsFocus(item) && widget->focusPolicy() != Qt::NoFocus)
            widget->setFocusPolicy(Qt::TabFocus);

    QList<QKeySequence> tableKeys;
    for (const Shortcut& shortcut : mainWindowShortcuts()) {
        const QKeySequence keys(QString::fromStdString(shortcut.keys), QKeySequence::PortableText);
        if (!shortcut.inList)
            tableKeys.push_back(keys);  // the list's own keys stay the edits' (Ctrl+C)
        if (isCommand(shortcut.id)) {
            installCommandKey(controls, window, shortcut);
            continue;
        }
        QWidget* target = controls.widget(shortcut.id);
        if (auto* label = qobject_cast<ClickableLabel*>(target)) {
            // A clickable text (the hint panel's skill line): the key clicks it.
            auto* key = new QShortcut(keys, &window);
            key->setObjectName(QStringLiteral("shortcut%1").arg(shortcut.id));
            key->setContext(Qt::WindowShortcut);
            QObject::connect(key, &QShortcut::activated, label, [label] {
                if (label->isEnabled() && label->isVisible())
                    emit label->clicked();
            });
            continue;
        }
        auto* button = qobject_cast<QAbstractButton*>(target);
        if (button == nullptr)
            continue;
        auto* key = new QShortcut(keys, &window);
        key->setObjectName(QStringLiteral("shortcut%1").arg(shortcut.id));
        key->setContext(Qt::WindowShortcut);
        // As a click: nothing happens while the control is disabled or hidden.
        QObject::connect(key, &QShortcut::activated, button, [button] {
            if (button->isEnabled() && button->isVisible())
                button->click();
        });
    }
    auto* passEdits = new TableKeysPassEdits(&window, tableKeys);
    for (const ControlSpec& item : mainWindowControls())
        if (QWidget* widget = controls.widget(item.id); widget && item.kind == ControlKind::Edit)
            widget->installEventFilter(passEdits);
}

}  // namespace kestrel::ui

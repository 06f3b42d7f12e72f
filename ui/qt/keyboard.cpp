#include "ui/qt/keyboard.h"

#include "ui/keyboard/shortcuts.h"
#include "ui/list/list_view.h"
#include "ui/main_window/control_set.h"
#include "ui/qt/qt_controls.h"

#include <QAbstractButton>
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

}  // namespace

void installKeyboard(QtControls& controls, QWidget& window)
{
    // Such a control is reached by Tab but never takes the focus by a click,
    // so the edit the player typed in keeps it; one that Tab skips keeps none.
    for (const ControlSpec& item : mainWindowControls())
        if (QWidget* widget = controls.widget(item.id);
            widget && clickKeepsFocus(item) && widget->focusPolicy() != Qt::NoFocus)
            widget->setFocusPolicy(Qt::TabFocus);

    for (const Shortcut& shortcut : mainWindowShortcuts()) {
        if (isCommand(shortcut.id)) {
            installCommandKey(controls, window, shortcut);
            continue;
        }
        auto* button = qobject_cast<QAbstractButton*>(controls.widget(shortcut.id));
        if (button == nullptr)
            continue;
        const QKeySequence keys(QString::fromStdString(shortcut.keys), QKeySequence::PortableText);
        auto* key = new QShortcut(keys, &window);
        key->setObjectName(QStringLiteral("shortcut%1").arg(shortcut.id));
        key->setContext(Qt::WindowShortcut);
        // As a click: nothing happens while the control is disabled or hidden.
        QObject::connect(key, &QShortcut::activated, button, [button] {
            if (button->isEnabled() && button->isVisible())
                button->click();
        });
    }
}

}  // namespace kestrel::ui

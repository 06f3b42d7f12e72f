#include "ui/qt/keyboard.h"

#include "ui/keyboard/shortcuts.h"
#include "ui/main_window/control_set.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/widgets.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>

namespace kestrel::ui {

void installKeyboard(QtControls& controls, QWidget& window)
{
    // Such a control is reached by Tab but never takes the focus by a click,
    // so the edit the player typed in keeps it; one that Tab skips keeps none.
    for (const ControlSpec& item : mainWindowControls())
        if (QWidget* widget = controls.widget(item.id);
            widget && clickKeepsFocus(item) && widget->focusPolicy() != Qt::NoFocus)
            widget->setFocusPolicy(Qt::TabFocus);

    for (const Shortcut& shortcut : mainWindowShortcuts()) {
        QWidget* target = controls.widget(shortcut.id);
        auto* button = qobject_cast<QAbstractButton*>(target);
        if (auto* label = qobject_cast<ClickableLabel*>(target)) {
            // A clickable text (the hint panel's skill line): the key clicks it.
            auto* key =
                new QShortcut(QKeySequence(QString::fromStdString(shortcut.keys), QKeySequence::PortableText), &window);
            key->setObjectName(QStringLiteral("shortcut%1").arg(shortcut.id));
            key->setContext(Qt::WindowShortcut);
            QObject::connect(key, &QShortcut::activated, label, [label] {
                if (label->isEnabled() && label->isVisible())
                    emit label->clicked();
            });
            continue;
        }
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

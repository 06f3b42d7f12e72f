// The main window at the keyboard: clicks that leave the focus in the edit the
// player typed in, the shortcuts of the buttons and radios, and their tooltips.

#include "qt/main_window_fixture.h"
#include "ui/keyboard/shortcuts.h"
#include "ui/ids.h"
#include "ui/qt/keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>

using namespace kestrel::ui;

namespace {

struct Window : MainWindowFixture {
    Window() : MainWindowFixture("", [](QtControls& controls) { installKeyboard(controls, controls); }) {}
};

}  // namespace

TEST(Keyboard, ClicksOnButtonsAndRadiosLeaveTheFocusInTheEdit)
{
    Window w;
    // The edit the player was in, the control clicked, and where the focus is
    // then: where it was, or where the click's own handler puts it (a radio
    // sends it to the primary input); a check box takes it like any widget.
    const struct {
        int edit, clicked, focus;
    } cases[] = {
        {id::kHpAtLeastEdit, id::kMetalButton, id::kHpAtLeastEdit},
        {id::kHpAtLeastEdit, id::kAngerButton, id::kHpAtLeastEdit},
        {id::kMpAtMostEdit, id::kConfirmRow[2], id::kMpAtMostEdit},
        {id::kMpAtMostEdit, id::kExcludeRow[5], id::kMpAtMostEdit},
        {id::kDealtLow, id::kSortRadios[3], id::kDealtLow},
        {id::kDealtLow, id::kClassRadios[1], id::kDealtLow},
        {id::kTakenLow, id::kListLock, id::kListLock},
    };
    for (const auto& c : cases) {
        w.at(c.edit)->setFocus();
        QTest::mouseClick(w.at<QAbstractButton>(c.clicked), Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), w.at(c.focus)) << c.clicked;
        if (auto* edit = w.at<QLineEdit>(c.focus)) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
            EXPECT_TRUE(edit->text().endsWith(QLatin1Char('7'))) << c.clicked;
        }
    }
}

TEST(Keyboard, ShortcutsClickTheirControlsWithoutTypingAnything)
{
    Window w;
    auto* edit = w.at<QLineEdit>(id::kDealtLow);
    edit->setFocus();
    auto press = [&](const char* keys) {
        const QKeyCombination key = QKeySequence(QString::fromLatin1(keys))[0];
        QTest::keyClick(edit, key.key(), key.keyboardModifiers());
    };
    press("Alt+1");
    EXPECT_NE(w.state("observedMetal"), -1);
    press("Alt+5");
    EXPECT_EQ(w.state("observedAnger"), 1);
    press("Alt+W");
    EXPECT_TRUE(w.at<QAbstractButton>(id::kConfirmRow[1])->isChecked());
    press("Alt+Shift+F");
    EXPECT_TRUE(w.at<QAbstractButton>(id::kExcludeRow[13])->isChecked());
    press("Ctrl+4");
    EXPECT_TRUE(w.at<QAbstractButton>(id::kLayoutRadios[3])->isChecked());
    EXPECT_EQ(w.state("listLayout"), 3);
    EXPECT_TRUE(edit->text().isEmpty());
    press("Ctrl+R");
    EXPECT_EQ(w.state("observedMetal"), -1);
    EXPECT_FALSE(w.at<QAbstractButton>(id::kConfirmRow[1])->isChecked());
    // A disabled control takes no shortcut, as it takes no click.
    w.at(id::kPushButton)->setEnabled(false);
    press("Alt+6");
    EXPECT_EQ(w.state("observedPush"), -1);
}

TEST(Keyboard, EveryShortcutIsInItsTooltipAndNoneRepeats)
{
    Window w;
    QStringList seen;
    for (const Shortcut& shortcut : mainWindowShortcuts()) {
        const QString keys = QKeySequence(QString::fromStdString(shortcut.keys)).toString(QKeySequence::NativeText);
        EXPECT_FALSE(seen.contains(keys)) << shortcut.keys;
        seen << keys;
        // A button, or the hint panel's clickable line of the first skill.
        QWidget* target = w.at<QAbstractButton>(shortcut.id);
        if (target == nullptr)
            target = w.at<QLabel>(shortcut.id);
        ASSERT_NE(target, nullptr) << shortcut.id;
        EXPECT_TRUE(target->toolTip().contains(keys)) << shortcut.id;
    }
}

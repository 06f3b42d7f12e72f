// The main window at the keyboard: clicks and dialogs that leave the focus in
// the edit the player typed in, full-width digits typed, the shortcuts of the
// buttons, radios and commands, and their tooltips.

#include "qt/main_window_fixture.h"
#include "ui/keyboard/shortcuts.h"
#include "ui/ids.h"
#include "ui/qt/keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QTimer>
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
    // then: where it was, also when the button took it or the click's handler
    // moved it; a check box takes it like any widget.
    const struct {
        int edit, clicked, focus;
    } cases[] = {
        {id::kHpAtLeastEdit, id::kMetalButton, id::kHpAtLeastEdit},
        {id::kHpAtLeastEdit, id::kAngerButton, id::kHpAtLeastEdit},
        {id::kMpAtMostEdit, id::kConfirmRow[2], id::kMpAtMostEdit},
        {id::kMpAtMostEdit, id::kExcludeRow[5], id::kMpAtMostEdit},
        {id::kTakenLow, id::kSortRadios[3], id::kTakenLow},
        {id::kTakenLow, id::kClassRadios[1], id::kTakenLow},
        {id::kTakenLow, id::kSkillButtons[0], id::kTakenLow},
        {id::kMpAtLeastEdit, id::kLayoutRadios[3], id::kMpAtLeastEdit},
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

// Closing the user settings or Config dialog, with OK or not, gives the
// keyboard back to the edit that had it.
TEST(Keyboard, ClosingADialogGivesTheKeyboardBackToTheEdit)
{
    Window w;
    for (int button : {id::kChangeUser, id::kConfig}) {
        w.at(id::kHpAtMostEdit)->setFocus();
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        QTest::mouseClick(w.at<QAbstractButton>(button), Qt::LeftButton);
        EXPECT_EQ(w.controls.focusWidget(), w.at(id::kHpAtMostEdit)) << button;
    }
}

// An input method's full-width digits become ASCII as they are typed; typing
// goes on after them.
TEST(Keyboard, FullWidthDigitsBecomeAsciiAsTheyAreTyped)
{
    Window w;
    auto* edit = w.at<QLineEdit>(id::kTakenLow);
    edit->setFocus();
    for (const QString& committed : {QStringLiteral("６"), QStringLiteral("０")}) {
        QInputMethodEvent event;  // as the input method commits each
        event.setCommitString(committed);
        QApplication::sendEvent(edit, &event);
    }
    EXPECT_EQ(edit->text(), QStringLiteral("60"));
    EXPECT_EQ(edit->cursorPosition(), 2);
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
    EXPECT_TRUE(w.controls.noticeLine()->text().contains(QStringLiteral("Ctrl+Shift+Z")));
    // The edit's own redo does not take the command's key.
    press("Ctrl+Shift+Z");
    EXPECT_NE(w.state("observedMetal"), -1);
    EXPECT_TRUE(w.at<QAbstractButton>(id::kConfirmRow[1])->isChecked());
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
        if (isCommand(shortcut.id))
            continue;  // no control: its key is the desktop test's
        // A button, or the hint panel's clickable line of the first skill.
        QWidget* target = w.at<QAbstractButton>(shortcut.id);
        if (target == nullptr)
            target = w.at<QLabel>(shortcut.id);
        ASSERT_NE(target, nullptr) << shortcut.id;
        EXPECT_TRUE(target->toolTip().contains(keys)) << shortcut.id;
    }
}

// The main window laid out from its description on real widgets: Tab walks it
// in the description's order, the hint panel is shown, hidden and remembered,
// and the window with its panel filled fits a 1366 × 768 screen.

#include "qt/main_window_fixture.h"
#include "ui/hints/hint_panel.h"
#include "ui/layout/layout.h"
#include "ui/list/list_view.h"
#include "ui/ids.h"
#include "ui/qt/keyboard.h"
#include "ui/dialogs/user_setting_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTimer>

using namespace kestrel::ui;

namespace {

struct Window : MainWindowFixture {
    explicit Window(const std::string& extra = "")
        : MainWindowFixture(extra, [](QtControls& controls) { installKeyboard(controls, controls); })
    {
    }
    QWidget* panel() const { return controls.findChild<QWidget*>(QStringLiteral("hintPanel")); }
};

int idOf(const QWidget* widget)
{
    return widget != nullptr && widget->objectName().startsWith(QLatin1String("id"))
               ? widget->objectName().mid(2).toInt()
               : 0;
}

}  // namespace

// Presses Tab from the first stop of a window's description over the rest and
// expects the focus on each in turn (those shown and enabled), then Shift+Tab.
void expectTabWalk(const QWidget& root, const layout::Window& window)
{
    std::vector<int> expected;
    for (int id : layout::tabOrder(window)) {
        auto* widget = root.findChild<QWidget*>(QStringLiteral("id%1").arg(id));
        if (widget != nullptr && widget->isVisible() && widget->isEnabled())
            expected.push_back(id);
    }
    ASSERT_GT(expected.size(), 5u);
    root.findChild<QWidget*>(QStringLiteral("id%1").arg(expected.front()))->setFocus();
    const auto focused = [&root] { return root.window()->focusWidget(); };
    std::vector<int> walked{idOf(focused())};
    for (std::size_t k = 1; k < expected.size(); ++k) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        walked.push_back(idOf(focused()));
    }
    EXPECT_EQ(walked, expected);
    QTest::keyClick(focused(), Qt::Key_Backtab);
    EXPECT_EQ(idOf(focused()), expected[expected.size() - 2]);
}

TEST(WindowLayout, TabWalksTheBandsThenThePanelSkippingTheArrows)
{
    Window w;
    expectTabWalk(w.controls, layout::mainWindowLayout());
}

// The user settings dialog reads its numbers row by row, not in the order its
// template creates them.
TEST(WindowLayout, TabWalksTheUserSettingsInReadingOrder)
{
    Window w;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr)
            return;
        seen = true;
        expectTabWalk(*dialog, *layout::dialogLayout(UserSetting::kTemplate));
        dialog->close();
    });
    QTest::mouseClick(w.at<QAbstractButton>(id::kChangeUser), Qt::LeftButton);
    EXPECT_TRUE(seen);
}

TEST(WindowLayout, HintPanelShownHiddenAndRememberedForTheNextStart)
{
    {
        Window w;
        ASSERT_NE(w.panel(), nullptr);
        EXPECT_TRUE(w.panel()->isVisible());
        EXPECT_TRUE(w.controls.hintPanelShown());
        const int listWidth = w.at(kIdList)->width();
        w.dialog->onHintPanelCommand(false);
        QApplication::processEvents();
        EXPECT_FALSE(w.panel()->isVisible());
        EXPECT_GT(w.at(kIdList)->width(), listWidth);  // the list takes the room
    }
    Window again("[KESTREL]\r\nHINTS=0\r\n[SETTING]\r\n");
    EXPECT_FALSE(again.panel()->isVisible());
    again.dialog->onHintPanelCommand(true);
    EXPECT_TRUE(again.panel()->isVisible());
}

// With the panel filled (three candidates, their near misses, a name asked
// about) the window and its panel fit a 1366 × 768 screen, less a task bar and
// the frame, at their first size and at their smallest.
TEST(WindowLayout, FilledWindowFitsTheSmallScreen)
{
    // The damage narrows only against a set attack (the fixture's own file line then falls in a second section).
    Window w("MONSTERFILE=" + kestrel::testing::sampleFilePath() + "\r\n[USER0]\r\nATACK=1000\r\n[SETTING]\r\n");
    QTest::mouseClick(w.at<QAbstractButton>(id::kClassRadios[1]), Qt::LeftButton);
    w.at<QLineEdit>(kIdWhyGoneEdit)->insert(QStringLiteral("カ"));  // typed through an input method
    QTest::keyClicks(w.at(id::kDealtLow), QStringLiteral("40"));
    ASSERT_FALSE(w.at<QLabel>(kIdAdviceLines[0])->text().isEmpty());
    ASSERT_FALSE(w.at<QLabel>(kIdNearMissLines[9])->text().isEmpty());
    ASSERT_FALSE(w.at<QLabel>(kIdWhyGoneLines[4])->text().isEmpty());

    const QSize room(1366 - 16, 768 - 40 - 40);  // frame and title, task bar, menu bar
    EXPECT_LE(w.controls.sizeHint().width(), room.width());
    EXPECT_LE(w.controls.minimumSizeHint().width(), room.width());
    EXPECT_LE(w.controls.minimumSizeHint().height(), room.height());
    auto* splitter = w.controls.findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    for (const bool narrowPanel : {false, true}) {
        for (const QSize size : {w.controls.sizeHint().boundedTo(room), w.controls.minimumSizeHint()}) {
            w.controls.resize(size);
            QApplication::processEvents();
            if (narrowPanel)
                splitter->setSizes({size.width(), 0});  // the divider dragged as far right as it goes
            QApplication::processEvents();
            for (const auto& lines : {std::vector<int>(kIdAdviceLines.begin(), kIdAdviceLines.end()),
                                      std::vector<int>(kIdNearMissLines.begin(), kIdNearMissLines.end())}) {
                for (int id : lines) {
                    auto* line = w.at<QLabel>(id);
                    // A wrapped line gets the height its text needs at its width.
                    EXPECT_GE(line->height(), line->heightForWidth(line->width())) << id << " at " << size.width();
                    EXPECT_TRUE(w.panel()->rect().contains(QRect(line->mapTo(w.panel(), QPoint()), line->size())))
                        << id;
                }
            }
        }
    }
    EXPECT_LT(w.panel()->width(), w.panel()->sizeHint().width());  // the divider did move
}

// The program's window at start-up and at the next start: the start-up
// messages open over the window already on screen, and the window's place and
// the list's column widths come back as the player left them.

#include "qt/window_wait.h"
#include "support/monster_files.h"
#include "ui/list/list_view.h"
#include "ui/main_window/window.h"
#include "ui/qt/qt_controls.h"

#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QScreen>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace kestrel::ui;

namespace {

// The window as the program builds it: the controls inside a main window, the
// logic on them, started as the program starts it.
struct ProgramWindow {
    QMainWindow top;
    QtControls* controls = new QtControls;
    std::unique_ptr<CKestrelDlg> dialog;

    // beforeStart runs once the window is built, before the logic starts.
    explicit ProgramWindow(const std::string& settingsPath, const std::function<void(QMainWindow&)>& beforeStart = {})
    {
        top.setCentralWidget(controls);
        controls->setWindowShownBeforeModals(true);
        dialog = std::make_unique<CKestrelDlg>(*controls, settingsPath);
        layOutMainWindow(*controls);
        if (beforeStart)
            beforeStart(top);
        dialog->OnInitDialog();
        controls->flush();
        top.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&top, kWindowWaitMs));
    }
    QHeaderView* header() const
    {
        return controls->findChild<QTableView*>(QStringLiteral("id%1").arg(kIdList))->horizontalHeader();
    }
};

}  // namespace

TEST(StartUp, MessagesOpenOverTheFinishedWindowAlreadyOnScreen)
{
    kestrel::testing::TempDir dir;
    // No message acknowledged yet: the first start explains two topics.
    const std::string ini =
        dir.write("kestrel.ini", "[SETTING]\r\nMONSTERFILE=" + kestrel::testing::sampleFilePath() + "\r\n");
    struct Seen {
        bool windowShown;
        bool overTheWindow;
        QString debugLabel, attackLow, angerButton;
    };
    std::vector<Seen> boxes;
    QPointer<QWidget> last;
    QMainWindow* top = nullptr;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || box == last || top == nullptr)
            return;
        last = box;
        auto textOf = [&](int id) {
            const QWidget* widget = top->findChild<QWidget*>(QStringLiteral("id%1").arg(id));
            return widget == nullptr ? QStringLiteral("?") : widget->property("text").toString();
        };
        boxes.push_back({top->isVisible(), box->parentWidget() == top, textOf(1009), textOf(1073), textOf(1014)});
        QTest::keyClick(box, Qt::Key_Return);
    });
    answer.start(5);
    ProgramWindow window(ini, [&](QMainWindow& built) {
        top = &built;
        EXPECT_FALSE(built.isVisible());
    });
    answer.stop();
    ASSERT_EQ(boxes.size(), 2u);
    // The window behind them is finished: no template placeholders.
    for (const Seen& seen : boxes) {
        EXPECT_TRUE(seen.windowShown && seen.overTheWindow);
        EXPECT_EQ(seen.debugLabel, QString());
        EXPECT_NE(seen.attackLow, QStringLiteral("999999"));
        EXPECT_EQ(seen.angerButton, QStringLiteral("不明"));
    }
}

TEST(StartUp, WindowPlaceAndColumnWidthsComeBackAtTheNextStart)
{
    kestrel::testing::TempDir dir;
    const std::string ini = dir.write("kestrel.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nSELECTLIST=1\r\nMONSTERFILE=" +
                                                         kestrel::testing::sampleFilePath() + "\r\n");
    QRect left;
    {
        ProgramWindow first(ini);
        first.top.setGeometry(QRect(QPoint(23, 31), first.top.size()));
        first.header()->resizeSection(1, 77);
        QTest::qWait(20);
        left = first.top.geometry();
        ASSERT_EQ(left.topLeft(), QPoint(23, 31));
        first.top.close();
    }
    ProgramWindow second(ini);
    // The offscreen screen is narrower than the window can be: it comes back
    // at the screen's left edge rather than hang over the right one.
    const QRect screen = second.top.screen()->availableGeometry();
    ASSERT_GT(left.width(), screen.width());
    EXPECT_EQ(second.top.geometry().size(), left.size());
    EXPECT_LE(std::abs(second.top.y() - left.y()), 8);  // the window system may move it by its frame
    EXPECT_LE(second.top.x() - screen.x(), 8);
    EXPECT_EQ(second.header()->sectionSize(1), 77);
    EXPECT_EQ(second.header()->sectionSize(0), columnsOf(1)[0].width);
}

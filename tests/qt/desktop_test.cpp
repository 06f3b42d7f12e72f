// The window beside the game on real widgets: kept on top without losing its
// place or focus, and back so at the next start; the answer's name on the
// clipboard as Unicode text from the keys and a double click; the guide handed
// to the system as a file URL (caught here: no browser starts).

#include "qt/main_window_fixture.h"
#include "platform/guide_file.h"
#include "platform/program_path.h"
#include "ui/ids.h"
#include "ui/list/list_view.h"
#include "ui/qt/keyboard.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTableView>
#include <QUrl>

using namespace kestrel::ui;

namespace {

struct Window : MainWindowFixture {
    explicit Window(const std::string& settings = "")
        : MainWindowFixture(settings, [](QtControls& controls) { installKeyboard(controls, controls); })
    {
    }
    bool topmost() const { return controls.windowFlags().testFlag(Qt::WindowStaysOnTopHint); }
    std::string settingsFile() const { return kestrel::testing::readFileBytes(dir.path() + "/kestrel.ini"); }
    QTableView* list() const { return at<QTableView>(kIdList); }
    QString name(int row) const { return list()->model()->index(row, 0).data().toString(); }
    QString notice() const { return controls.noticeLine()->isVisible() ? controls.noticeLine()->text() : QString(); }
};

void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(widget, key, modifiers);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
    Q_INVOKABLE void open(const QUrl& url) { urls.append(url); }
};

}  // namespace

TEST(Desktop, CtrlTKeepsTheWindowOnTopInPlaceWithItsFocusAndTheNextStartToo)
{
    {
        Window w;
        EXPECT_FALSE(w.topmost());
        QSignalSpy menuCheck(&w.controls, &QtControls::topmostToggled);
        auto* edit = w.at<QLineEdit>(id::kDealtLow);
        edit->setFocus();
        const QRect place = w.controls.geometry();
        press(edit, Qt::Key_T, Qt::ControlModifier);
        EXPECT_TRUE(w.topmost());
        EXPECT_TRUE(w.controls.isVisible());
        EXPECT_EQ(w.controls.geometry(), place);
        // The keyboard goes back to the edit once the window is active (the
        // offscreen platform leaves activating the new window to a manager).
        EXPECT_EQ(w.controls.focusWidget(), edit);
        ASSERT_EQ(menuCheck.count(), 1);
        EXPECT_TRUE(menuCheck.at(0).at(0).toBool());
        EXPECT_NE(w.settingsFile().find("TOPMOST=1"), std::string::npos);
    }
    Window again("[KESTREL]\r\nTOPMOST=1\r\n[SETTING]\r\n");
    EXPECT_TRUE(again.topmost());
    EXPECT_TRUE(again.controls.isVisible());
    press(again.at(id::kDealtLow), Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(again.topmost());
    EXPECT_NE(again.settingsFile().find("TOPMOST=0"), std::string::npos);
}

TEST(Desktop, TheAnswersNameGoesToTheClipboardAsUnicodeText)
{
    Window w;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    auto* edit = w.at<QLineEdit>(id::kDealtLow);
    edit->setFocus();
    ASSERT_GT(w.list()->model()->rowCount(), 2);
    // No row selected and many candidates: nothing copied, the notice tells why.
    press(edit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("before"));
    EXPECT_TRUE(w.notice().contains(QStringLiteral("コピーする名前がありません"))) << w.notice().toStdString();

    // A row clicked, then Ctrl+C in the list; a double click on another row.
    QWidget* rows = w.list()->viewport();
    QTest::mouseClick(rows, Qt::LeftButton, {}, w.list()->visualRect(w.list()->model()->index(1, 0)).center());
    press(w.list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), w.name(1));
    EXPECT_EQ(w.notice(), QStringLiteral("「%1」をコピーしました").arg(w.name(1)));
    // A press, then the double click as the window system sends it.
    const QPoint second = w.list()->visualRect(w.list()->model()->index(2, 0)).center();
    QTest::mousePress(rows, Qt::LeftButton, {}, second);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, second, rows->mapToGlobal(second), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(rows, &doubleClick);
    QTest::mouseRelease(rows, Qt::LeftButton, {}, second);
    EXPECT_EQ(clipboard->text(), w.name(2));

    // Down to one by its name: the notice says so, and the key copies it from the field.
    const QString only = w.name(0);
    auto* search = w.at<QLineEdit>(id::kSearchEdit);
    search->setFocus();
    search->insert(QStringLiteral("＠") + only);
    ASSERT_EQ(w.list()->model()->rowCount(), 1);
    EXPECT_EQ(w.notice(), QStringLiteral("残り1体: %1（Ctrl+Shift+C でコピー）").arg(only));
    press(search, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(), only);
    EXPECT_EQ(search->text(), QStringLiteral("＠") + only) << "the key types nothing";
}

TEST(Desktop, F1HandsTheGuideBesideTheProgramToTheSystemAsAFileUrl)
{
    const std::string guide = kestrel::guideFilePath(kestrel::executablePath());
    ASSERT_FALSE(guide.empty()) << "the build puts the guide beside the programs";
    Window w;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    press(w.at(id::kDealtLow), Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_TRUE(catcher.urls[0].isLocalFile());
    EXPECT_EQ(catcher.urls[0].toLocalFile(), QString::fromStdString(guide));
    EXPECT_TRUE(catcher.urls[0].toLocalFile().endsWith(QStringLiteral("/使い方.html")));
}

#include "desktop_test.moc"

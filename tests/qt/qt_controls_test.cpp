// The control set on Qt widgets, offscreen: the same user stories played on it
// and on the in-memory set must leave the same event logs.

#include "ui/memory_controls.h"
#include "ui/qt/candidate_table_model.h"
#include "ui/qt/qt_controls.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace kestrel::ui {
namespace {

using K = ControlKind;
using Log = std::vector<std::string>;

// User actions on either set; the Qt ones go through real mouse and key events.
void click(MemoryControls& c, int id) { c.click(id); }
void click(QtControls& c, int id) { QTest::mouseClick(c.widget(id), Qt::LeftButton); }
void key(MemoryControls& c, int id, char ch) { c.key(id, ch); }
void key(QtControls& c, int id, char ch)
{
    if (ch == '+')
        QTest::keyClick(c.widget(id), Qt::Key_Plus, Qt::KeypadModifier);
    else
        QTest::keyClick(c.widget(id), ch);
}
bool hasFocus(MemoryControls& c, int id) { return c.focus() == id; }
bool hasFocus(QtControls& c, int id) { return c.focusWidget() == c.widget(id); }

template <typename C>
struct Window : ControlEvents {
    C c;
    Log log;
    std::function<void(int)> onText = [](int) {}, onClick = [](int) {};
    Window()
    {
        c.create({{10, K::Edit, "a"}, {11, K::Edit, ""}, {12, K::Static, "s"}, {20, K::CheckBox, "c"},
                  {21, K::PushCheck, "p"}, {30, K::Radio, "r", 1}, {31, K::Radio, "r", 1}, {32, K::PushRadio, "q", 2},
                  {40, K::Button, "b"}, {50, K::List, ""}},
                 *this);
        if constexpr (std::is_same_v<C, QtControls>) {
            for (int id : {10, 11, 12, 20, 21, 30, 31, 32, 40})
                c.widget(id)->resize(c.widget(id)->sizeHint());  // in place of a layout
            c.show();
        }
    }
    void onTextChanged(int id) override { log.push_back("T" + std::to_string(id) + "=" + c.text(id)), onText(id); }
    void onClicked(int id) override { log.push_back("C" + std::to_string(id) + "+-"[!c.checked(id)]), onClick(id); }
};

template <typename C>
Log editStory()
{
    Window<C> w;
    int depth = 0;
    w.onText = [&](int id) {
        const std::string text = w.c.text(id);
        if (!text.empty() && text.back() == '+')
            w.c.setText(id, "7");  // a handler rewriting the edit being typed in
        else if (++depth < 4)
            w.c.setText(id == 10 ? 11 : 10, text + "x");  // each edit writes the other
    };
    w.c.setText(10, "\x8F\x62");  // 獣
    w.c.setText(11, w.c.text(11)), w.c.setText(12, "z");  // unchanged text notifies; a static does not
    key(w.c, 11, '1'), key(w.c, 11, '+');
    w.c.setEnabled(10, false), key(w.c, 10, '1');
    w.log.push_back(w.c.text(10) + "|" + w.c.text(11) + "|" + w.c.text(12));
    return w.log;
}

TEST(QtControls, EditsNotifyAtOnceReEnterAndTakeKeysLikeTheMemorySet)
{
    const Log qt = editStory<QtControls>();
    EXPECT_EQ(qt, editStory<MemoryControls>());
    EXPECT_EQ(qt, (Log{"T10=\x8F\x62", "T11=\x8F\x62x", "T10=\x8F\x62xx", "T11=\x8F\x62xxx", "T11=\x8F\x62xxx",
                       "T11=\x8F\x62xxx1", "T11=\x8F\x62xxx1+", "T11=7", "\x8F\x62xx|7|z"}));
}

template <typename C>
Log clickStory()
{
    Window<C> w;
    w.c.setChecked(31, true), w.c.setChecked(32, true), w.c.setChecked(20, true);  // no events
    for (int id : {20, 21, 30, 40, 12, 30})
        click(w.c, id);
    w.log.push_back(std::to_string(w.c.checked(30)) + std::to_string(w.c.checked(31)) + std::to_string(w.c.checked(32)));
    w.c.setChecked(30, false), w.c.setEnabled(20, false), w.c.setEnabled(30, false);
    click(w.c, 20), click(w.c, 30);  // disabled: nothing
    w.log.push_back(std::to_string(w.c.checked(30) + w.c.checked(31)) + std::to_string(w.c.enabled(20)));
    // A posted focus request waits for the outermost handler, a nested click included.
    w.c.setEnabled(20, true), w.c.setFocus(11);
    w.onClick = [&](int id) {
        w.c.postFocus(10);
        if (id == 40) click(w.c, 20);
        w.log.push_back(hasFocus(w.c, 10) ? "focus too early" : "waits");
    };
    click(w.c, 40);
    w.log.push_back(hasFocus(w.c, 10) ? "focused" : "not focused");
    return w.log;
}

TEST(QtControls, ClicksToggleBeforeTheHandlerRadiosExcludeByHandAndFocusWaitsLikeTheMemorySet)
{
    const Log qt = clickStory<QtControls>();
    EXPECT_EQ(qt, clickStory<MemoryControls>());
    EXPECT_EQ(qt, (Log{"C20-", "C21+", "C30+", "C40-", "C12-", "C30+", "101", "00", "C40-", "C20+",
                       "waits", "waits", "focused"}));
}

struct Fill : ControlEvents {
    QtControls c;
    int rows = 0, resetsInHandler = -1;
    QSignalSpy* resets = nullptr;
    void onTextChanged(int) override {}
    void onClicked(int) override
    {
        c.setColumns(50, {{"\x96\xBC", 120, Align::Left}, {"HP", 40, Align::Right}});  // 名
        c.deleteAllRows(50);
        for (int i = 0; i < rows; ++i)
            c.appendRow(50, {"\x8F\x62" + std::to_string(i), std::to_string(i)});
        resetsInHandler = static_cast<int>(resets->count());
    }
};

TEST(QtControls, AFillIsOneModelResetEndedAfterTheHandlerAndKeepsTheColumnWidths)
{
    Fill f;
    f.c.create({{40, K::Button, "b"}, {50, K::List, ""}}, f);
    auto* view = qobject_cast<QTableView*>(f.c.widget(50));
    auto* model = qobject_cast<CandidateTableModel*>(view->model());
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    f.resets = &resets, f.rows = 1000;
    f.c.show(), QTest::mouseClick(f.c.widget(40), Qt::LeftButton);
    EXPECT_EQ(f.resetsInHandler, 0);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(model->rowCount(), 1000);
    EXPECT_EQ(model->cell(999, 1), "999");
    EXPECT_EQ(model->data(model->index(2, 0)).toString(), QString::fromUtf8("獣2"));
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("名"));
    EXPECT_TRUE(model->data(model->index(0, 1), Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    EXPECT_EQ(view->horizontalHeader()->sectionSize(0), 120);

    view->horizontalHeader()->resizeSection(1, 70);  // the user widens a column: a refill keeps it
    f.c.deleteAllRows(50), f.c.appendRow(50, {"a", "b"});  // outside any event: ends from the event loop
    EXPECT_EQ(resets.count(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_EQ(view->horizontalHeader()->sectionSize(1), 70);

    f.c.setColumns(50, {{"X", 30, Align::Left}});  // new columns alone keep the rows
    QCoreApplication::processEvents();
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->cell(0, 1), "b");
}

TEST(QtControls, TextsCrossAsCodePage932)
{
    Window<QtControls> w;
    w.c.setTitle("\x83\x7E\x83\x8B\x83\x67");  // ミルト
    EXPECT_EQ(w.c.windowTitle(), QString::fromUtf8("ミルト"));
    w.c.setText(12, "\x8F\x62"), w.c.setText(10, "\x81");  // 獣; a lone lead byte forms no character
    EXPECT_EQ(qobject_cast<QLabel*>(w.c.widget(12))->text(), QString::fromUtf8("獣"));
    EXPECT_EQ(w.c.text(10), "\x81");  // read back as written while shown unchanged
    qobject_cast<QLineEdit*>(w.c.widget(11))->insert(QString::fromUtf8("名"));  // as an input method commits
    EXPECT_EQ(w.log.back(), "T11=\x96\xBC");
    w.c.setToolTip(20, "\x8F\x62 3");  // 獣 3
    EXPECT_EQ(w.c.widget(20)->toolTip(), QString::fromUtf8("獣 3"));
}

// Acts on the next modal window once it is open.
void whenModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->deleteLater(), timer->stop();
            act(modal);
        }
    });
    timer->start(5);
}

struct Dialog : DialogLogic {
    Log log;
    std::vector<ControlSpec> controls() const override
    {
        return {{100, K::Edit, ""}, {3, K::Button, "reset"}, {kIdOk, K::Button, "OK"}, {kIdCancel, K::Button, "x"}};
    }
    void onInit(Controls& c) override { c.setText(100, "5"); }
    void onOk(Controls& c) override { log.push_back("ok " + c.text(100)); }
    bool closesWithOk(int id) const override { return id == 3; }
    void onClicked(int id) override { log.push_back("C" + std::to_string(id)); }
};

TEST(QtControls, ModalDialogsAndMessageBoxesCloseOnlyByTheirButtonsAndEscape)
{
    QtControls c;
    Dialog d;
    bool openAfterEnter = false;
    whenModal([&](QWidget* box) {
        auto* edit = box->findChild<QWidget*>("id100");
        QTest::keyClicks(edit, "12"), QTest::keyClick(edit, Qt::Key_Return);
        openAfterEnter = box->isVisible();
        QTest::mouseClick(box->findChild<QWidget*>("id1"), Qt::LeftButton);
    });
    EXPECT_TRUE(c.runModal("Config", d) && openAfterEnter);
    whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_FALSE(c.runModal("Config", d));
    whenModal([](QWidget* box) { QTest::mouseClick(box->findChild<QWidget*>("id3"), Qt::LeftButton); });
    EXPECT_TRUE(c.runModal("Config", d));
    EXPECT_EQ(d.log, (Log{"C1", "ok 512", "C3", "ok 5"}));

    using A = MessageAnswer;
    const std::pair<MessageButtons, Qt::Key> asked[] = {
        {MessageButtons::YesNoCancel, Qt::Key_Escape}, {MessageButtons::YesNoCancel, Qt::Key_Return},
        {MessageButtons::Ok, Qt::Key_Escape}};
    std::vector<A> answers;
    for (const auto& [buttons, pressed] : asked) {
        whenModal([pressed = pressed](QWidget* box) { QTest::keyClick(box, pressed); });
        answers.push_back(c.messageBox("t", "", buttons, MessageIcon::Question));
    }
    EXPECT_EQ(answers, (std::vector<A>{A::Cancel, A::Yes, A::Ok}));
}

}  // namespace
}  // namespace kestrel::ui

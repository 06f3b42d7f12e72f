// The control set on Qt widgets, offscreen: the rules every control set keeps,
// and the list model, code page 932 crossing and modal dialogs of this one.

#include "support/control_set_contract.h"
#include "support/probe_dialog.h"
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
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace kestrel::testing {

// The user's actions on Qt widgets go through real mouse and key events.
template <>
struct ControlDriver<ui::QtControls> {
    using C = ui::QtControls;
    static void prepare(C& c)
    {
        int y = 4;
        for (int id : {10, 11, 12, 20, 21, 30, 31, 32, 40, 50}) {  // in place of a layout: one a line
            c.widget(id)->setGeometry(QRect(QPoint(8, y), c.widget(id)->sizeHint()));
            y += c.widget(id)->height() + 4;
        }
        c.show();
        c.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&c));
    }
    static void click(C& c, int id) { QTest::mouseClick(c.widget(id), Qt::LeftButton); }
    static void key(C& c, int id, char ch)
    {
        c.widget(id)->setFocus(Qt::MouseFocusReason);  // as a click into it: nothing selected
        if (ch == '+')
            QTest::keyClick(c.widget(id), Qt::Key_Plus, Qt::KeypadModifier);
        else
            QTest::keyClick(c.widget(id), ch);
    }
    static bool hasFocus(C& c, int id) { return c.focusWidget() == c.widget(id); }
    static void selectRow(C& c, int id, int row)
    {
        QCoreApplication::processEvents();  // the rows are shown once the call that set them is over
        if (auto* view = qobject_cast<QTableView*>(c.widget(id)))
            view->selectRow(row);
    }
    // The widgets painted since the pending paints were last drawn.
    struct Painted : QObject {
        std::set<QObject*> widgets;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                widgets.insert(watched);
            return false;
        }
    };
    static Painted& painted()
    {
        static Painted* log = [] {
            auto* p = new Painted;
            QCoreApplication::instance()->installEventFilter(p);
            return p;
        }();
        return *log;
    }
    static void drawPending(C& c)
    {
        (void)QTest::qWaitForWindowExposed(&c);
        QApplication::processEvents();
        painted().widgets.clear();
    }
    static bool waitsForRedraw(C& c, int id)
    {
        QApplication::processEvents();
        return painted().widgets.count(c.widget(id)) > 0;
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(QtControls, ControlSetContract, ui::QtControls);

}  // namespace kestrel::testing

namespace kestrel::ui {
namespace {

using K = ControlKind;
using Log = std::vector<std::string>;

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

    view->horizontalHeader()->resizeSection(1, 70);        // the user widens a column: a refill keeps it
    f.c.deleteAllRows(50), f.c.appendRow(50, {"a", "b"});  // outside any event: ends from the event loop
    EXPECT_EQ(resets.count(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_EQ(view->horizontalHeader()->sectionSize(1), 70);
    f.c.replaceRows(50, {{"c", "d"}, {"e", "f"}});  // all rows at once: the same, widths kept too
    QCoreApplication::processEvents();
    EXPECT_EQ(resets.count(), 3);
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->cell(1, 0), "e");
    EXPECT_EQ(view->horizontalHeader()->sectionSize(1), 70);
    f.c.replaceRows(50, {{"c", "d"}, {"e", "f"}});  // the same rows again: no reset
    QCoreApplication::processEvents();
    EXPECT_EQ(resets.count(), 3);

    f.c.setColumns(50, {{"X", 30, Align::Left}});  // new columns alone keep the rows
    QCoreApplication::processEvents();
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->cell(0, 1), "d");
}

TEST(QtControls, TextsCrossAsCodePage932)
{
    testing::ContractWindow<QtControls> w;
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

using Dialog = testing::ProbeDialog;

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
    const std::pair<MessageButtons, Qt::Key> asked[] = {{MessageButtons::YesNoCancel, Qt::Key_Escape},
                                                        {MessageButtons::YesNoCancel, Qt::Key_Return},
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

// The main window on real widgets: typing and clicking as a player does, the
// rows, count, captions and focus that follow, and the layouts of the window
// and its dialogs (every control shown whole, none on top of another), and
// 答え合わせ.

#include "platform/file_names.h"
#include "qt/window_wait.h"
#include "support/monster_files.h"
#include "ui/main_window/window.h"
#include "ui/qt/qt_controls.h"

#include <QAbstractItemModel>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

using kestrel::testing::TempDir;
using namespace kestrel::ui;

namespace {

// The sample monsters, the information messages already acknowledged.
std::string settingsFile(const TempDir& dir)
{
    return dir.write("kestrel.ini",
                     "[SETTING]\r\nINFORMATIONFLAG=5F\r\nMONSTERFILE=" + kestrel::testing::sampleFilePath() +
                         "\r\n[USER0]\r\nATACK=200\r\nDEFENSE=150\r\n");
}

template <class W = QWidget>
W* control(const QWidget& root, int id)
{
    return root.findChild<W*>(QStringLiteral("id%1").arg(id));
}

QString textOf(const QWidget& root, int id)
{
    if (auto* label = control<QLabel>(root, id))
        return label->text();
    if (auto* edit = control<QLineEdit>(root, id))
        return edit->text();
    if (auto* button = control<QAbstractButton>(root, id))
        return button->text();
    return QStringLiteral("<no control %1>").arg(id);
}

struct Window {
    TempDir dir;
    QtControls controls;
    std::unique_ptr<CKestrelDlg> dialog;

    Window() : dialog(std::make_unique<CKestrelDlg>(controls, settingsFile(dir)))
    {
        layOutMainWindow(controls);
        dialog->OnInitDialog();
        controls.flush();
        controls.show();
        controls.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&controls, kWindowWaitMs));
    }

    void click(int id) { QTest::mouseClick(control<QAbstractButton>(controls, id), Qt::LeftButton); }
    void type(int id, const QString& keys) { QTest::keyClicks(control(controls, id), keys); }
    int rows() const { return control<QTableView>(controls, 1037)->model()->rowCount(); }
    QString cell(int row, int column) const
    {
        const QAbstractItemModel* model = control<QTableView>(controls, 1037)->model();
        return model->data(model->index(row, column)).toString();
    }
    QString text(int id) const { return textOf(controls, id); }
    // The window's focus widget (it has the focus whenever the window is active).
    bool focused(int id) const { return controls.focusWidget() == control(controls, id); }
};

// Clicks a button that opens a modal dialog; act runs on the dialog once it is
// up and must close it (a dialog it leaves open is cancelled).
void withModal(Window& w, int button, const std::function<void(QDialog&)>& act)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        seen = true;
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    w.click(button);
    EXPECT_TRUE(seen) << "no dialog opened by " << button;
}

void replaceText(QDialog& dialog, int id, const QString& keys)
{
    auto* edit = control<QLineEdit>(dialog, id);
    ASSERT_NE(edit, nullptr) << id;
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

// The room a control's text (or icon) needs; push buttons may be narrower
// than their style would make them on their own, never than their caption.
QSize neededSize(const QWidget& w)
{
    if (const auto* push = qobject_cast<const QPushButton*>(&w)) {
        const QFontMetrics metrics(push->font());
        if (push->text().isEmpty())
            return push->icon().isNull() ? QSize() : push->iconSize();
        return {metrics.horizontalAdvance(push->text()) + 4, metrics.height()};
    }
    if (qobject_cast<const QLabel*>(&w) || qobject_cast<const QAbstractButton*>(&w))
        return w.minimumSizeHint();
    return {};
}

// Every control that shows something lies inside its window, is at least as
// large as its text needs, and covers no other.
void expectClearLayout(const QWidget& root, std::size_t least = 11)
{
    std::vector<std::pair<QString, QRect>> placed;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->objectName().startsWith(QLatin1String("id")) || !w->isVisible())
            continue;
        const QRect box(w->mapTo(&root, QPoint(0, 0)), w->size());
        EXPECT_TRUE(root.rect().contains(box)) << w->objectName().toStdString() << " sticks out";
        const QSize needed = neededSize(*w);
        EXPECT_GE(w->width(), needed.width()) << w->objectName().toStdString() << " is cut";
        EXPECT_GE(w->height(), needed.height()) << w->objectName().toStdString() << " is cut";
        for (const auto& [name, other] : placed)
            EXPECT_FALSE(box.intersects(other)) << w->objectName().toStdString() << " covers " << name.toStdString();
        placed.emplace_back(w->objectName(), box);
    }
    EXPECT_GE(placed.size(), least);
}

}  // namespace

// The whole-quiz story on real widgets (its values are the scenario's): the
// typed keys, the clicks and the dialog reach the logic, the list's model
// follows, and the focus stays in the damage edit throughout.
TEST(Window, WholeQuizFromFirstStartToOneCandidate)
{
    Window w;
    EXPECT_TRUE(w.focused(1090));
    w.click(1007);  // 中級
    withModal(w, 1012, [](QDialog& dialog) {
        replaceText(dialog, 1005, QStringLiteral("200"));
        replaceText(dialog, 1006, QStringLiteral("150"));
        replaceText(dialog, 1023, QStringLiteral("500"));
        QTest::mouseClick(control<QAbstractButton>(dialog, 1), Qt::LeftButton);
    });
    EXPECT_EQ(w.text(1086), QStringLiteral("攻200"));
    EXPECT_TRUE(w.focused(1090));

    w.type(1090, QStringLiteral("60"));
    EXPECT_EQ(w.rows(), 11);
    w.type(1096, QStringLiteral("45"));
    EXPECT_EQ(w.rows(), 8);
    w.click(1014);
    w.click(1014);
    EXPECT_EQ(w.rows(), 2);
    w.click(1138);  // the skill button ためる
    ASSERT_EQ(w.rows(), 1);
    EXPECT_EQ(w.cell(0, 0), QStringLiteral("カラクリカカシ"));
    w.click(1038);  // RESET
    EXPECT_EQ(w.rows(), 42);
    EXPECT_EQ(w.text(1090), QString());
}

// The keypad's steps are the scenarios' and the control-set contract's; here
// Enter, which a real window could take for its default button or closing, and
// the icon buttons beside the damage edits.
TEST(Window, EnterInADamageEditPressesNothingAndTheIconButtonsStep)
{
    Window w;
    w.type(1090, QStringLiteral("30"));
    const QString count = w.text(1040);
    QTest::keyClick(control(w.controls, 1090), Qt::Key_Return);
    QTest::keyClick(control(w.controls, 1090), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(w.controls.isVisible());
    EXPECT_EQ(w.text(1040), count);
    EXPECT_EQ(w.text(1090), QStringLiteral("30"));
    EXPECT_FALSE(control(w.controls, 1013)->isVisible());  // the hidden default button

    EXPECT_FALSE(control<QAbstractButton>(w.controls, 1063)->icon().pixmap(12, 12).isNull());
    w.click(1063);
    EXPECT_EQ(w.text(1118), QStringLiteral("31"));
}

TEST(Window, WindowAndDialogsShowEveryControlWhole)
{
    Window w;
    expectClearLayout(w.controls);
    w.controls.resize(w.controls.minimumSizeHint());
    QApplication::processEvents();
    expectClearLayout(w.controls);

    withModal(w, 1012, [](QDialog& dialog) {
        expectClearLayout(dialog);
        EXPECT_TRUE(control(dialog, 1021)->isVisible());  // 素手, the last weapon
    });
    withModal(w, 1081, [](QDialog& dialog) { expectClearLayout(dialog); });
    withModal(w, 3100, [](QDialog& dialog) { expectClearLayout(dialog, 5); });
}

// 答え合わせ on real widgets: a clicked row fills the name, typed keys find
// another as they come, OK records it and the notice line tells the verdict.
TEST(Window, AnswerCheckFromTheSelectedRowAndTypedKeys)
{
    Window w;
    w.dialog->setQuizLogFile(kestrel::pathFromUtf8(w.dir.path()) / "quizlog.jsonl");
    w.type(1090, QStringLiteral("40"));
    auto* list = control<QTableView>(w.controls, 1037);
    const QModelIndex first = list->model()->index(0, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
    withModal(w, 3100, [&](QDialog& dialog) {
        EXPECT_EQ(textOf(dialog, 3101), first.data().toString());
        auto* name = control<QLineEdit>(dialog, 3101);
        ASSERT_NE(name, nullptr);
        name->selectAll();
        name->insert(QStringLiteral("うろこ"));  // as an input method gives it
        EXPECT_EQ(textOf(dialog, 3102), QStringLiteral("→ ウロコドリル"));
        QTest::mouseClick(control<QAbstractButton>(dialog, 1), Qt::LeftButton);
    });
    EXPECT_TRUE(
        w.controls.noticeLine()->text().startsWith(QStringLiteral("答え: ウロコドリル ― 与ダメ 40 で外れていました")))
        << w.controls.noticeLine()->text().toStdString();
    EXPECT_TRUE(std::filesystem::exists(kestrel::pathFromUtf8(w.dir.path()) / "quizlog.jsonl"));
}

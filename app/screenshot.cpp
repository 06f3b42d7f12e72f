// Pictures of the window for the documentation, taken by driving the window
// through its widgets as a player would: choose 中級, type a damage that leaves
// three candidates (so that the hint panel shows advice and near misses) and
// the beginning of a name into "なぜ消えた?", click the four layout radios,
// show the damage layout's pictures of a typed value, open the view menu with
// 常に手前に表示 ticked, copy the answer once one
// candidate is left, rest the mouse on a value button and on a cut cell, open
// the two dialogs and the file dialog; then check two answers with 答え合わせ
// (one the file agrees with, one it does not) and open the report of the quiz
// log.

#include "app/screenshot.h"

#include "app/kestrel_window.h"
#include "ui/list/list_view.h"
#include "ui/hints/hint_panel.h"
#include "ui/ids.h"
#include "ui/qt/qt_controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QToolTip>

#include <memory>
#include <optional>

namespace kestrel::app {

namespace {

constexpr int kSettleMs = 400;

void settle()
{
    QEventLoop loop;
    QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

void click(KestrelWindow& window, int id)
{
    if (auto* button = qobject_cast<QAbstractButton*>(window.controls().widget(id)))
        button->click();
}

// Clicks the button that opens a modal dialog; a timer saves the dialog's
// picture and cancels it, and the click returns.
void saveDialog(KestrelWindow& window, int button, const QString& file)
{
    QTimer::singleShot(kSettleMs, [file] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr)
            return;
        dialog->grab().save(file);
        if (auto* modal = qobject_cast<QDialog*>(dialog))
            modal->reject();
        else
            dialog->close();
    });
    click(window, button);
}

// The tooltip on show, as a window of its own; nullptr when none is.
QWidget* shownToolTip()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    return nullptr;
}

// Rests the mouse on point of widget: its tooltip (if any) opens. True when one is on show.
bool hover(QWidget& widget, const QPoint& point)
{
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, point, widget.mapToGlobal(point));
    QApplication::sendEvent(&widget, &event);
    return QToolTip::isVisible();
}

// A tooltip lives in a window of its own, so the picture is taken from the
// screen: the pointed-at area and the tooltip, with some of the window round them.
void saveToolTip(KestrelWindow& window, const QRect& pointedAt, const QString& file)
{
    settle();
    QWidget* tip = shownToolTip();
    QScreen* screen = window.screen();
    if (tip == nullptr || screen == nullptr)
        return;
    const QRect area =
        pointedAt.united(tip->geometry()).adjusted(-260, -140, 260, 140).intersected(window.frameGeometry());
    screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
    QToolTip::hideText();
}

// Rests the mouse on the list's cells, row by row, until one shows its whole
// text as a tooltip (a cell the view cuts); the rectangle it rests on.
std::optional<QRect> hoverFirstCutCell(QTableView& view)
{
    const QAbstractItemModel& model = *view.model();
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column) {
            const QRect cell = view.visualRect(model.index(row, column));
            if (cell.isValid() && view.viewport()->rect().contains(cell) && hover(*view.viewport(), cell.center()))
                return QRect(view.viewport()->mapToGlobal(cell.topLeft()), cell.size());
        }
    return std::nullopt;
}

// A value button's tooltip (its live split and its shortcut), then a cut cell's
// in the first layout that has one.
void shootToolTips(KestrelWindow& window, const QString& folder)
{
    if (QWidget* button = window.controls().widget(ui::id::kMpDrainButton)) {
        if (hover(*button, button->rect().center()))
            saveToolTip(window, QRect(button->mapToGlobal(QPoint()), button->size()),
                        folder + QStringLiteral("/tooltip-value-button.png"));
    }
    auto* view = qobject_cast<QTableView*>(window.controls().widget(ui::kIdList));
    if (view == nullptr)
        return;
    for (int radio : ui::id::kLayoutRadios) {
        click(window, radio);
        settle();
        if (const auto cell = hoverFirstCutCell(*view)) {
            saveToolTip(window, *cell, folder + QStringLiteral("/tooltip-cut-cell.png"));
            return;
        }
    }
}

void type(KestrelWindow& window, int id, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(window.controls().widget(id))) {
        edit->setFocus();
        edit->insert(text);
    }
}

// The damage layout as a quiz has it: 中級, a received damage typed, the
// tolerance box ticked (the bars' lighter parts), with the picture columns.
void shootDamagePicture(KestrelWindow& window, const QString& folder)
{
    click(window, ui::id::kLayoutRadios[3]);
    click(window, ui::id::kClassRadios[1]);
    type(window, ui::id::kTakenLow, QStringLiteral("35"));
    click(window, ui::id::kToleranceBox);
    settle();
    window.grab().save(folder + QStringLiteral("/damage-typed.png"));
    click(window, ui::id::kToleranceBox);
}

// View → 常に手前に表示 ticked, with the menu open over the window, taken from
// the screen (the menu is a window of its own); then unticked again.
void shootViewMenu(KestrelWindow& window, const QString& folder)
{
    auto* topmost = window.findChild<QAction*>(QStringLiteral("topmostAction"));
    QMenuBar* bar = window.menuBar();
    if (topmost == nullptr || bar == nullptr || bar->actions().isEmpty())
        return;
    topmost->trigger();
    settle();
    QMenu* view = bar->actions().first()->menu();
    QScreen* screen = window.screen();
    if (view != nullptr && screen != nullptr) {
        view->popup(bar->mapToGlobal(bar->actionGeometry(bar->actions().first()).bottomLeft()));
        settle();
        const QRect area = window.frameGeometry()
                               .united(view->geometry())
                               .intersected(QRect(window.frameGeometry().topLeft(),
                                                  QSize(view->geometry().right() - window.x() + 200, 260)));
        screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .save(folder + QStringLiteral("/menu-view.png"));
        view->hide();
    }
    topmost->trigger();
    settle();
}

// The answer: the first candidate's name searched for until it is the only
// one, then copied with the key's command; the notice line tells it.
void shootAnswer(KestrelWindow& window, const QString& folder)
{
    auto* view = qobject_cast<QTableView*>(window.controls().widget(ui::kIdList));
    if (view == nullptr || view->model()->rowCount() == 0)
        return;
    const QString name = view->model()->index(0, 0).data().toString();
    type(window, ui::id::kSearchEdit, QStringLiteral("＠") + name);
    settle();
    window.controls().runCommand(ui::id::kCopyNameCommand);
    settle();
    window.grab().save(folder + QStringLiteral("/answer-copied.png"));
}

// The 答え合わせ dialog with name typed into its field, saved when asked, then
// closed with OK.
void checkAnswer(KestrelWindow& window, const QString& name, const QString& file)
{
    QTimer::singleShot(kSettleMs, [name, file] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* field = dialog ? dialog->findChild<QLineEdit*>() : nullptr;
        if (field == nullptr)
            return;
        if (!name.isEmpty()) {
            field->selectAll();
            field->insert(name);
        }
        settle();
        if (!file.isEmpty())
            dialog->grab().save(file);
        for (auto* button : dialog->findChildren<QAbstractButton*>())
            if (button->text() == QStringLiteral("OK") && button->isEnabled())
                return button->click();
    });
    click(window, ui::id::kAnswerCheck);
}

// Two checks of the quiz on show: the first candidate (the file agrees) and
// ウロコドリル (its defense does not fit the damage typed); the verdict on the
// notice line, then the report of the log.
void shootAnswerCheck(KestrelWindow& window, const QString& folder)
{
    click(window, ui::id::kLayoutRadios[0]);
    click(window, ui::id::kClassRadios[1]);  // the trivia layout chose 超級
    type(window, ui::id::kDealtLow, QStringLiteral("40"));
    settle();
    if (auto* view = qobject_cast<QTableView*>(window.controls().widget(ui::kIdList)))
        view->selectRow(0);
    checkAnswer(window, QString(), QString());
    checkAnswer(window, QStringLiteral("うろこ"), folder + QStringLiteral("/dialog-answer.png"));
    settle();
    window.grab().save(folder + QStringLiteral("/main-answer.png"));
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() != QStringLiteral("答え合わせの記録"))
            continue;
        QTimer::singleShot(kSettleMs, [file = folder + QStringLiteral("/dialog-quiz-log.png")] {
            if (QWidget* report = QApplication::activeModalWidget()) {
                report->grab().save(file);
                report->close();
            }
        });
        action->trigger();
        break;
    }
}

void shoot(KestrelWindow& window, const QString& folder)
{
    click(window, ui::id::kClassRadios[1]);
    type(window, ui::kIdWhyGoneEdit, QStringLiteral("カ"));
    type(window, ui::id::kDealtLow, QStringLiteral("40"));
    settle();
    window.grab().save(folder + QStringLiteral("/main-hints.png"));
    const struct {
        int radio;
        const char* name;
    } layouts[] = {{ui::id::kLayoutRadios[0], "skills"},
                   {ui::id::kLayoutRadios[1], "location"},
                   {ui::id::kLayoutRadios[2], "trivia"},
                   {ui::id::kLayoutRadios[3], "damage"}};
    for (const auto& layout : layouts) {
        click(window, layout.radio);
        settle();
        window.grab().save(folder + QStringLiteral("/main-%1.png").arg(QLatin1String(layout.name)));
    }
    shootDamagePicture(window, folder);
    shootViewMenu(window, folder);
    shootAnswer(window, folder);
    shootToolTips(window, folder);
    saveDialog(window, ui::id::kChangeUser, folder + QStringLiteral("/dialog-user.png"));
    saveDialog(window, ui::id::kConfig, folder + QStringLiteral("/dialog-config.png"));
    saveDialog(window, ui::id::kRefer, folder + QStringLiteral("/dialog-file.png"));
    shootAnswerCheck(window, folder);
    window.close();
}

}  // namespace

void shootFirstStartMessagesIfAsked(KestrelWindow& window)
{
    const QString folder = qEnvironmentVariable("KESTREL_SCREENSHOT_FIRST");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    // Each message as it opens over the window: the screen around both, then OK.
    auto* timer = new QTimer(&window);
    auto shots = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, &window, [&window, folder, shots] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible() || box->property("shot").toBool())
            return;
        box->setProperty("shot", true);
        settle();
        const QRect area = window.frameGeometry().united(box->frameGeometry());
        if (QScreen* screen = window.screen())
            screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                .save(folder + QStringLiteral("/first-start-%1.png").arg(++*shots));
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        (ok != nullptr ? ok : box->button(QMessageBox::Yes))->click();
    });
    timer->start(100);
}

void takeScreenshotsIfAsked(KestrelWindow& window)
{
    const QString folder = qEnvironmentVariable("KESTREL_SCREENSHOT");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QTimer::singleShot(2 * kSettleMs, &window, [&window, folder] { shoot(window, folder); });
}

}  // namespace kestrel::app

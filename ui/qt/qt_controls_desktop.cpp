// What the Qt control set does beside its widgets: the list's pictures and
// selection, the window kept on top, the clipboard, a document opened in the
// system's program, and the commands of the shortcut table.

#include "ui/qt/qt_controls.h"

#include "ui/qt/candidate_table_model.h"
#include "ui/qt/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTimer>
#include <QUrl>

namespace kestrel::ui {

namespace {

QTableView* tableOf(QWidget* widget) { return qobject_cast<QTableView*>(widget); }

}  // namespace

void QtControls::setListPictures(int id, std::vector<ListPicture> pictures)
{
    QTableView* view = tableOf(widget(id));
    auto* model = view ? qobject_cast<CandidateTableModel*>(view->model()) : nullptr;
    if (model == nullptr)
        return;
    // New rows repaint the whole view when their reset ends; else only a change does.
    if (model->setPictures(std::move(pictures)) && !model->resetPending())
        view->viewport()->update();
}

std::string QtControls::listCell(int id, int row, int column) const
{
    const QTableView* view = tableOf(widget(id));
    const auto* model = view ? qobject_cast<const CandidateTableModel*>(view->model()) : nullptr;
    return model ? model->cell(row, column) : std::string();
}

// The flag makes a shown window a new one, hidden: it comes back where it was,
// at its size, active, with the focus where it was.
void QtControls::setTopmost(bool topmost)
{
    QWidget* top = window();
    if (top->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != topmost) {
        const bool shown = top->isVisible();
        const QRect place = top->geometry();
        const Qt::WindowStates states = top->windowState();
        QWidget* focused = top->focusWidget();
        top->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
        if (shown) {
            top->setWindowState(states);
            if (!(states & (Qt::WindowMaximized | Qt::WindowFullScreen)))
                top->setGeometry(place);
            top->show();
            top->activateWindow();
            // Once more when the window is active again: the new window may
            // take its activation after this returns.
            if (focused != nullptr) {
                focused->setFocus(Qt::OtherFocusReason);
                QTimer::singleShot(0, focused, [focused] { focused->setFocus(Qt::OtherFocusReason); });
            }
        }
    }
    emit topmostToggled(topmost);
}

void QtControls::copyToClipboard(std::string_view text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(toQString(text));
}

bool QtControls::openDocument(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtControls::runCommand(int id)
{
    dispatch([this, id] {
        if (events_)
            events_->onCommand(id);
    });
}

}  // namespace kestrel::ui

#include "ui/qt/qt_controls.h"

#include "ui/qt/candidate_table_model.h"
#include "ui/qt/cell_tooltips.h"
#include "ui/qt/cell_delegate.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/widgets.h"
#include "ui/main_window/window_placement.h"

#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>
#include <QTimer>

#include <utility>

namespace kestrel::ui {

namespace {

WindowRect toWindowRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

bool isRadio(ControlKind kind) { return kind == ControlKind::Radio || kind == ControlKind::PushRadio; }

// Tells when the widget it watches takes the keyboard focus.
class FocusWatcher : public QObject {
public:
    FocusWatcher(QWidget* watched, std::function<void()> arrived) : QObject(watched), arrived_(std::move(arrived))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            arrived_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> arrived_;
};

QPushButton* pushButton(QPushButton* button)
{
    // No default button anywhere: Enter in an edit never presses one.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QTableView* listView(QWidget* parent, CandidateTableModel*& model)
{
    auto* view = new QTableView(parent);
    model = new CandidateTableModel(view);
    view->setModel(model);
    view->setItemDelegate(new CellDelegate(view));
    view->setSortingEnabled(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    // No grid: the trivia layout's blocks are set apart by their own lines.
    view->setShowGrid(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setStretchLastSection(false);
    return view;
}

// Before a list's rows change outside a pending reset: the widths its columns
// have now (the user may have resized them) are the ones it gets back.
void keepColumnWidths(const QTableView& view, const CandidateTableModel& model, std::vector<int>& widths)
{
    const QHeaderView* header = view.horizontalHeader();
    if (model.resetPending() || header->count() != static_cast<int>(widths.size()))
        return;
    for (int i = 0; i < header->count(); ++i)
        widths[static_cast<std::size_t>(i)] = header->sectionSize(i);
}

}  // namespace

struct QtControls::Control {
    ControlSpec item;
    QWidget* widget = nullptr;
    QLineEdit* edit = nullptr;
    QLabel* label = nullptr;
    QAbstractButton* button = nullptr;
    QTableView* view = nullptr;
    CandidateTableModel* model = nullptr;
    // The last text written, as given and as shown: read back as given while the
    // widget still shows it, so bytes that form no character survive.
    std::string written;
    QString shown;
    // The check state of a kind that has none on screen (kept as the logic set it).
    bool checked = false;
    // The column widths the list gets back when its pending reset ends.
    std::vector<int> widths;

    QString widgetText() const
    {
        if (edit)
            return edit->text();
        if (label)
            return label->text();
        if (button)
            return button->text();
        return shown;
    }
};

QtControls::QtControls(QWidget* parent) : QWidget(parent)
{
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setTextFormat(Qt::PlainText);
    notice_->setWordWrap(true);
    QPalette palette = notice_->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    notice_->setPalette(palette);
    notice_->hide();
}

QtControls::~QtControls()
{
    // The children outlive this object's members: no signal of theirs may reach it.
    for (const auto& [id, control] : controls_)
        disconnect(control->widget, nullptr, this, nullptr);
}

QtControls::Control* QtControls::find(int id) const
{
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second.get();
}

void QtControls::create(const std::vector<ControlSpec>& items, ControlEvents& events)
{
    removeControls();
    postedFocus_.reset();
    events_ = &events;

    for (const ControlSpec& item : items) {
        auto control = makeControl(item);
        const int id = item.id;
        if (Control* previous = find(id)) {  // the same identifier twice: the last one counts
            disconnect(previous->widget, nullptr, this, nullptr);
            previous->widget->deleteLater();
        }
        controls_[id] = std::move(control);
    }
}

void QtControls::removeControls()
{
    for (const auto& [id, control] : controls_) {
        disconnect(control->widget, nullptr, this, nullptr);
        control->widget->hide();
        control->widget->deleteLater();
    }
    controls_.clear();
}

std::unique_ptr<QtControls::Control> QtControls::makeControl(const ControlSpec& item)
{
    auto control = std::make_unique<Control>();
    control->item = item;
    control->written = item.caption;
    control->shown = toQString(item.caption);
    makeWidget(*control);
    if (control->button)
        connectButton(*control);
    control->widget = control->edit     ? static_cast<QWidget*>(control->edit)
                      : control->label  ? static_cast<QWidget*>(control->label)
                      : control->button ? static_cast<QWidget*>(control->button)
                                        : static_cast<QWidget*>(control->view);
    control->widget->setObjectName(QStringLiteral("id%1").arg(item.id));
    return control;
}

void QtControls::makeWidget(Control& control)
{
    const int id = control.item.id;
    switch (control.item.kind) {
    case ControlKind::Static: {
        auto* label = new ClickableLabel(control.shown, this);
        label->setTextFormat(Qt::PlainText);
        connect(label, &ClickableLabel::clicked, this, [this, id] { clicked(id); });
        control.label = label;
        break;
    }
    case ControlKind::Edit:
        control.edit = new QLineEdit(control.shown, this);
        connect(control.edit, &QLineEdit::textChanged, this, [this, id] {
            dispatch([this, id] {
                if (events_)
                    events_->onTextChanged(id);
            });
        });
        new FocusWatcher(control.edit, [this, id] {
            dispatch([this, id] {
                if (events_)
                    events_->onFocused(id);
            });
        });
        break;
    case ControlKind::Button: control.button = pushButton(new QPushButton(control.shown, this)); break;
    case ControlKind::CheckBox: control.button = new QCheckBox(control.shown, this); break;
    case ControlKind::Radio: control.button = new RadioButton(control.shown, this); break;
    case ControlKind::PushCheck:
        control.button = pushButton(new QPushButton(control.shown, this));
        control.button->setCheckable(true);
        break;
    case ControlKind::PushRadio: control.button = pushButton(new RadioPushButton(control.shown, this)); break;
    case ControlKind::List:
        control.view = listView(this, control.model);
        showWholeTextOfCutCells(*control.view);
        control.view->horizontalHeader()->setSectionsClickable(true);
        connect(control.view->horizontalHeader(), &QHeaderView::sectionClicked, this, [this, id](int column) {
            dispatch([this, id, column] {
                if (events_)
                    events_->onHeaderClicked(id, column);
            });
        });
        connect(control.view, &QAbstractItemView::doubleClicked, this, [this, id](const QModelIndex& index) {
            dispatch([this, id, row = index.row()] {
                if (events_)
                    events_->onRowActivated(id, row);
            });
        });
        break;
    }
}

void QtControls::connectButton(const Control& control)
{
    // Radios are never exclusive in Qt's way: a group may be left with none checked.
    control.button->setAutoExclusive(false);
    // Only a user's click runs the handler, after the check state has changed.
    connect(control.button, &QAbstractButton::clicked, this, [this, id = control.item.id, group = control.item.group] {
        if (const Control* self = find(id); self && isRadio(self->item.kind))
            uncheckGroup(group, id);
        clicked(id);
    });
}

void QtControls::clicked(int id)
{
    dispatch([this, id] {
        if (events_)
            events_->onClicked(id);
    });
}

void QtControls::dispatch(const std::function<void()>& handler)
{
    ++depth_;
    handler();
    --depth_;
    if (depth_ == 0)
        flush();
}

void QtControls::flush()
{
    if (depth_ > 0)
        return;  // the outermost event flushes when it is over
    endPendingResets();
    if (postedFocus_) {
        const int id = *postedFocus_;
        postedFocus_.reset();
        setFocus(id);
    }
}

void QtControls::flushLaterIfPending()
{
    bool pending = postedFocus_.has_value();
    for (const auto& [id, control] : controls_)
        pending = pending || (control->model && control->model->resetPending());
    if (!pending || flushPosted_)
        return;
    flushPosted_ = true;
    QTimer::singleShot(0, this, [this] {
        flushPosted_ = false;
        flush();
    });
}

void QtControls::endPendingResets()
{
    for (const auto& [id, control] : controls_) {
        if (!control->model || !control->model->endPendingReset())
            continue;
        // A reset gives every section its default size: put the widths back.
        QHeaderView* header = control->view->horizontalHeader();
        for (std::size_t i = 0; i < control->widths.size() && static_cast<int>(i) < header->count(); ++i)
            header->resizeSection(static_cast<int>(i), control->widths[i]);
        // The view would lay the new rows out from a timer, after painting them
        // once already; a list that grew would then be painted twice.
        control->view->doItemsLayout();
    }
}

void QtControls::uncheckGroup(int group, int except)
{
    if (group == 0)
        return;
    for (const auto& [id, control] : controls_) {
        if (id != except && control->item.group == group && isRadio(control->item.kind) && control->button)
            control->button->setChecked(false);
    }
}

std::string QtControls::text(int id) const
{
    const Control* control = find(id);
    if (!control)
        return {};
    const QString now = control->widgetText();
    return now == control->shown ? control->written : toCp932(now);
}

void QtControls::setText(int id, std::string_view text)
{
    Control* control = find(id);
    if (!control)
        return;
    if (!control->edit && text == control->written && control->widgetText() == control->shown)
        return;  // the same text again: nothing to convert, nothing to draw
    const QString shown = toQString(text);
    control->written.assign(text);
    control->shown = shown;
    if (control->label) {
        control->label->setText(shown);
    } else if (control->button) {
        control->button->setText(shown);
    } else if (QLineEdit* edit = control->edit) {
        // An edit reports every write before it returns, also an unchanged text
        // (for which Qt emits nothing). Nothing posted by the handler runs before
        // the event around this call is over.
        ++depth_;
        if (edit->text() == shown) {
            dispatch([this, id] {
                if (events_)
                    events_->onTextChanged(id);
            });
        } else {
            edit->setText(shown);  // textChanged notifies
        }
        --depth_;
        if (depth_ == 0)
            flushLaterIfPending();
    }
}

bool QtControls::checked(int id) const
{
    const Control* control = find(id);
    if (!control)
        return false;
    return control->button && control->button->isCheckable() ? control->button->isChecked() : control->checked;
}

void QtControls::setChecked(int id, bool checked)
{
    Control* control = find(id);
    if (!control)
        return;
    if (control->button && control->button->isCheckable()) {
        if (control->button->isChecked() != checked)
            control->button->setChecked(checked);  // no handler: they run on clicked only
    } else {
        control->checked = checked;
    }
}

bool QtControls::enabled(int id) const
{
    const Control* control = find(id);
    return control && !control->widget->testAttribute(Qt::WA_ForceDisabled);
}

void QtControls::setEnabled(int id, bool enabled)
{
    Control* control = find(id);
    if (control && control->widget->testAttribute(Qt::WA_ForceDisabled) == enabled)
        control->widget->setEnabled(enabled);
}

void QtControls::setToolTip(int id, std::string_view text)
{
    Control* control = find(id);
    if (!control)
        return;
    // The logic gives the value buttons their tips on every refresh, mostly unchanged.
    const QString tip = toQString(text);
    if (control->widget->toolTip() != tip)
        control->widget->setToolTip(tip);
}

void QtControls::setFocus(int id)
{
    if (Control* control = find(id))
        control->widget->setFocus(Qt::OtherFocusReason);
}

void QtControls::postFocus(int id)
{
    if (!find(id))
        return;
    postedFocus_ = id;
    if (depth_ == 0)
        flushLaterIfPending();
}

void QtControls::setColumns(int id, const std::vector<ListColumn>& columns)
{
    Control* control = find(id);
    if (!control || !control->model)
        return;
    control->model->setColumns(columns);
    control->widths.clear();
    for (const ListColumn& column : columns)
        control->widths.push_back(column.width);
    if (depth_ == 0)
        flushLaterIfPending();
}

void QtControls::deleteAllRows(int id)
{
    Control* control = find(id);
    if (!control || !control->model)
        return;
    keepColumnWidths(*control->view, *control->model, control->widths);
    control->model->deleteAllRows();
    if (depth_ == 0)
        flushLaterIfPending();
}

void QtControls::appendRow(int id, const std::vector<std::string>& cells)
{
    Control* control = find(id);
    if (!control || !control->model)
        return;
    keepColumnWidths(*control->view, *control->model, control->widths);
    control->model->appendRow(cells);
    if (depth_ == 0)
        flushLaterIfPending();
}

void QtControls::replaceRows(int id, std::vector<std::vector<std::string>> rows)
{
    Control* control = find(id);
    if (!control || !control->model)
        return;
    keepColumnWidths(*control->view, *control->model, control->widths);
    control->model->replaceRows(std::move(rows));
    if (depth_ == 0)
        flushLaterIfPending();
}

std::vector<int> QtControls::columnWidths(int id) const
{
    const Control* control = find(id);
    if (!control || !control->view)
        return {};
    // While a reset is pending the header has not yet taken the widths it gets back.
    const QHeaderView* header = control->view->horizontalHeader();
    if (control->model->resetPending() || header->count() != static_cast<int>(control->widths.size()))
        return control->widths;
    std::vector<int> widths;
    for (int i = 0; i < header->count(); ++i)
        widths.push_back(header->sectionSize(i));
    return widths;
}

int QtControls::selectedRow(int id) const
{
    const Control* control = find(id);
    if (!control || !control->view || control->model->resetPending())
        return -1;  // rows waiting to be shown: nothing of them is selected yet
    const QModelIndexList rows = control->view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

std::optional<WindowRect> QtControls::windowRect() const
{
    const QWidget* top = window();
    // A window never shown has no place of its own yet.
    if (!top->testAttribute(Qt::WA_WState_ExplicitShowHide))
        return std::nullopt;
    QRect place = top->geometry();
    if ((top->isMaximized() || top->isFullScreen()) && top->normalGeometry().isValid())
        place = top->normalGeometry();
    return WindowRect{place.x(), place.y(), place.width(), place.height()};
}

void QtControls::setWindowRect(const WindowRect& rect)
{
    std::vector<WindowRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(toWindowRect(primary->availableGeometry()));
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(toWindowRect(screen->availableGeometry()));
    const WindowRect placed = placeOnScreens(rect, screens);
    window()->setGeometry(placed.x, placed.y, placed.width, placed.height);
}

void QtControls::setTitle(std::string_view title) { window()->setWindowTitle(toQString(title)); }

void QtControls::showNotice(std::string_view text)
{
    notice_->setText(toQString(text));
    notice_->setVisible(!text.empty());
}

QWidget* QtControls::widget(int id) const
{
    const Control* control = find(id);
    return control ? control->widget : nullptr;
}

QLabel* QtControls::noticeLine() const { return notice_; }

void QtControls::setHintPanel(QWidget* panel) { hintPanel_ = panel; }

bool QtControls::hintPanelShown() const { return hintPanel_ != nullptr && !hintPanel_->isHidden(); }

void QtControls::showHintPanel(bool shown)
{
    if (hintPanel_ == nullptr)
        return;
    hintPanel_->setVisible(shown);
    emit hintPanelToggled(shown);
}

}  // namespace kestrel::ui

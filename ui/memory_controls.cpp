#include "ui/memory_controls.h"

namespace kestrel::ui {

namespace {

bool isToggle(ControlKind kind) { return kind == ControlKind::CheckBox || kind == ControlKind::PushCheck; }
bool isRadio(ControlKind kind) { return kind == ControlKind::Radio || kind == ControlKind::PushRadio; }

const std::vector<ListColumn> kNoColumns;
const std::vector<std::vector<std::string>> kNoRows;
const std::vector<ListPicture> kNoPictures;

}  // namespace

MemoryControls::Control* MemoryControls::find(int id)
{
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const MemoryControls::Control* MemoryControls::find(int id) const
{
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

void MemoryControls::create(const std::vector<ControlSpec>& items, ControlEvents& events)
{
    controls_.clear();
    for (const ControlSpec& item : items) {
        Control control;
        control.item = item;
        control.text = item.caption;
        controls_[item.id] = std::move(control);
    }
    events_ = &events;
}

std::string MemoryControls::text(int id) const
{
    const Control* control = find(id);
    return control ? control->text : std::string();
}

void MemoryControls::setText(int id, std::string_view text)
{
    Control* control = find(id);
    if (!control)
        return;
    control->redraws += control->text != text ? 1 : 0;
    control->text.assign(text);
    // An edit reports every write, changed or not, before the write returns; the
    // handler may write this or other edits again.
    if (control->item.kind == ControlKind::Edit && events_)
        events_->onTextChanged(id);
}

bool MemoryControls::checked(int id) const
{
    const Control* control = find(id);
    return control && control->checked;
}

void MemoryControls::setChecked(int id, bool checked)
{
    Control* control = find(id);
    if (control && control->checked != checked) {
        control->checked = checked;
        ++control->redraws;
    }
}

bool MemoryControls::enabled(int id) const
{
    const Control* control = find(id);
    return control && control->enabled;
}

void MemoryControls::setEnabled(int id, bool enabled)
{
    Control* control = find(id);
    if (control && control->enabled != enabled) {
        control->enabled = enabled;
        ++control->redraws;
    }
}

void MemoryControls::setFocus(int id)
{
    const Control* control = find(id);
    if (!control || focus_ == id)
        return;
    focus_ = id;
    if (control->item.kind == ControlKind::Edit && events_)
        events_->onFocused(id);
}

void MemoryControls::postFocus(int id)
{
    if (exists(id))
        postedFocus_ = id;
}

void MemoryControls::flushPostedFocus()
{
    if (!postedFocus_)
        return;
    const int id = *postedFocus_;
    postedFocus_.reset();
    setFocus(id);
}

void MemoryControls::setColumns(int id, const std::vector<ListColumn>& columns)
{
    if (Control* control = find(id)) {
        control->columns = columns;
    }
}

std::vector<int> MemoryControls::columnWidths(int id) const
{
    std::vector<int> widths;
    if (const Control* control = find(id))
        for (const ListColumn& column : control->columns)
            widths.push_back(column.width);
    return widths;
}

bool MemoryControls::resizeColumn(int id, int column, int width)
{
    Control* control = find(id);
    if (!control || column < 0 || static_cast<std::size_t>(column) >= control->columns.size())
        return false;
    control->columns[static_cast<std::size_t>(column)].width = width;
    return true;
}

void MemoryControls::setToolTip(int id, std::string_view text)
{
    if (Control* control = find(id))
        control->toolTip = text;
}

std::string MemoryControls::toolTip(int id) const
{
    const Control* control = find(id);
    return control ? control->toolTip : std::string();
}

int MemoryControls::redraws(int id) const
{
    const Control* control = find(id);
    return control ? control->redraws : 0;
}

// New rows: nothing stays selected, as in a real list.
void MemoryControls::deleteAllRows(int id)
{
    if (Control* control = find(id)) {
        control->rows.clear();
        control->selected = -1;
    }
}

void MemoryControls::appendRow(int id, const std::vector<std::string>& cells)
{
    if (Control* control = find(id)) {
        control->rows.push_back(cells);
        control->selected = -1;
    }
}

// The same rows again leave the list as it is, its selection included, as the
// window systems' lists do.
void MemoryControls::replaceRows(int id, std::vector<std::vector<std::string>> rows)
{
    Control* control = find(id);
    if (control == nullptr || control->rows == rows)
        return;
    control->rows = std::move(rows);
    control->selected = -1;
}

void MemoryControls::setListPictures(int id, std::vector<ListPicture> pictures)
{
    if (Control* control = find(id); control && control->item.kind == ControlKind::List)
        control->pictures = std::move(pictures);
}

int MemoryControls::selectedRow(int id) const
{
    const Control* control = find(id);
    return control ? control->selected : -1;
}

std::string MemoryControls::listCell(int id, int row, int column) const
{
    const Control* control = find(id);
    if (!control || row < 0 || column < 0 || static_cast<std::size_t>(row) >= control->rows.size())
        return {};
    const std::vector<std::string>& cells = control->rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : std::string();
}

bool MemoryControls::openDocument(const std::string& path)
{
    opened_.push_back(path);
    return true;
}

MessageAnswer MemoryControls::messageBox(std::string_view text, std::string_view caption, MessageButtons buttons,
                                         MessageIcon icon)
{
    shown_.push_back(ShownMessage{std::string(text), std::string(caption), buttons, icon});
    const MessageAnswer fallback = buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    if (answers_.empty())
        return fallback;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    const bool boxHasIt = buttons == MessageButtons::Ok ? answer == MessageAnswer::Ok : answer != MessageAnswer::Ok;
    return boxHasIt ? answer : fallback;
}

std::optional<std::string> MemoryControls::chooseFile(std::string_view, std::string_view, const std::string&)
{
    if (files_.empty())
        return std::nullopt;
    std::optional<std::string> path = std::move(files_.front());
    files_.pop_front();
    return path;
}

bool MemoryControls::runModal(std::string_view caption, DialogLogic& dialog)
{
    dialogsRun_.emplace_back(caption);
    MemoryControls child;
    child.create(dialog.controls(), dialog);
    dialog.onInit(child);
    child.flushPostedFocus();

    DialogScript script;  // an empty queue cancels
    if (!dialogs_.empty()) {
        script = std::move(dialogs_.front());
        dialogs_.pop_front();
    }
    for (const auto& [id, value] : script.fills) {
        if (!child.exists(id))
            continue;
        const ControlKind kind = child.kind(id);
        if (kind == ControlKind::Edit) {
            child.type(id, value);
        } else if (isToggle(kind) || isRadio(kind)) {
            if ((value == "1" && !child.checked(id)) || (value == "0" && child.checked(id)))
                child.click(id);
        }
    }
    for (const int id : script.clicks)
        child.click(id);

    if (!script.ok)
        return false;
    dialog.onOk(child);
    return true;
}

void MemoryControls::setTitle(std::string_view title) { title_.assign(title); }

void MemoryControls::showNotice(std::string_view text)
{
    currentNotice_ = text;
    if (!text.empty())
        notices_.emplace_back(text);
}

void MemoryControls::showReport(std::string_view caption, std::string_view text)
{
    shown_.push_back({std::string(text), std::string(caption), MessageButtons::Ok, MessageIcon::Information});
}

void MemoryControls::showAbout(std::string_view, const std::vector<std::string>&) { ++aboutShown_; }

template <typename Action>
bool MemoryControls::userAction(Action action)
{
    ++actionDepth_;
    const bool taken = action();
    --actionDepth_;
    // The window system handles a posted focus request once the event that
    // posted it is over, whether or not the action was taken.
    if (actionDepth_ == 0)
        flushPostedFocus();
    return taken;
}

bool MemoryControls::type(int id, std::string_view text)
{
    return userAction([&] {
        const Control* control = find(id);
        if (!control || !control->enabled || control->item.kind != ControlKind::Edit)
            return false;
        setFocus(id);
        setText(id, text);
        return true;
    });
}

bool MemoryControls::key(int id, char c)
{
    return userAction([&] {
        const Control* control = find(id);
        if (!control || !control->enabled || control->item.kind != ControlKind::Edit)
            return false;
        setFocus(id);
        std::string text = this->text(id);
        text.push_back(c);
        setText(id, text);
        return true;
    });
}

bool MemoryControls::click(int id)
{
    return userAction([&] {
        Control* control = find(id);
        if (!control || !control->enabled)
            return false;
        const ControlKind kind = control->item.kind;
        if (kind == ControlKind::Edit || kind == ControlKind::List)
            return false;
        if (isToggle(kind)) {
            setChecked(id, !control->checked);
        } else if (isRadio(kind)) {
            const int group = control->item.group;
            if (group != 0) {
                for (auto& [otherId, other] : controls_) {
                    if (otherId != id && other.item.group == group && isRadio(other.item.kind))
                        setChecked(otherId, false);
                }
            }
            setChecked(id, true);
        }
        // The handler may re-create or rewrite controls: no reference is used after it.
        if (events_)
            events_->onClicked(id);
        return true;
    });
}

bool MemoryControls::focusByUser(int id)
{
    return userAction([&] {
        const Control* control = find(id);
        if (!control || !control->enabled || control->item.kind == ControlKind::Static)
            return false;
        setFocus(id);
        return true;
    });
}

bool MemoryControls::clickHeader(int id, int column)
{
    return userAction([&] {
        const Control* control = find(id);
        if (!control || !control->enabled || control->item.kind != ControlKind::List)
            return false;
        if (column < 0 || column >= static_cast<int>(control->columns.size()))
            return false;
        if (events_)
            events_->onHeaderClicked(id, column);
        return true;
    });
}

bool MemoryControls::selectRow(int id, int row)
{
    return userAction([&] {
        Control* control = find(id);
        if (!control || !control->enabled || control->item.kind != ControlKind::List)
            return false;
        if (row < -1 || row >= static_cast<int>(control->rows.size()))
            return false;
        control->selected = row;
        focus_ = id;  // a click on a row puts the keyboard in the list
        return true;
    });
}

// The first click of a double click selects the row.
bool MemoryControls::activateRow(int id, int row)
{
    if (row < 0 || !selectRow(id, row))
        return false;
    return userAction([&] {
        if (events_)
            events_->onRowActivated(id, row);
        return true;
    });
}

bool MemoryControls::command(int id)
{
    return userAction([&] {
        if (events_)
            events_->onCommand(id);
        return events_ != nullptr;
    });
}

void MemoryControls::queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }

void MemoryControls::queueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

void MemoryControls::queueDialog(DialogScript script) { dialogs_.push_back(std::move(script)); }

bool MemoryControls::exists(int id) const { return find(id) != nullptr; }

ControlKind MemoryControls::kind(int id) const
{
    const Control* control = find(id);
    return control ? control->item.kind : ControlKind::Static;
}

const std::vector<ListColumn>& MemoryControls::columns(int id) const
{
    const Control* control = find(id);
    return control ? control->columns : kNoColumns;
}

const std::vector<ListPicture>& MemoryControls::pictures(int id) const
{
    const Control* control = find(id);
    return control ? control->pictures : kNoPictures;
}

const std::vector<std::vector<std::string>>& MemoryControls::rows(int id) const
{
    const Control* control = find(id);
    return control ? control->rows : kNoRows;
}

}  // namespace kestrel::ui

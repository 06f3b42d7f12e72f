#include "ui/win32/win32_controls.h"

#include "ui/win32/win32_control.h"
#include "ui/win32/win32_text.h"

#include <commctrl.h>

namespace kestrel::ui::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kMaxTipWidth = 420;  // at 96 dots per inch

bool isToggle(ControlKind kind) { return kind == ControlKind::CheckBox || kind == ControlKind::PushCheck; }
bool isRadio(ControlKind kind) { return kind == ControlKind::Radio || kind == ControlKind::PushRadio; }
bool hasCheckState(ControlKind kind) { return isToggle(kind) || isRadio(kind); }

struct WindowClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

WindowClass windowClassOf(ControlKind kind)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::Static: return {L"STATIC", child | SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
    case ControlKind::Edit: return {L"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Button: return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::CheckBox: return {L"BUTTON", child | WS_TABSTOP | BS_CHECKBOX, 0};
    case ControlKind::Radio: return {L"BUTTON", child | WS_TABSTOP | BS_RADIOBUTTON, 0};
    case ControlKind::PushCheck: return {L"BUTTON", child | WS_TABSTOP | BS_CHECKBOX | BS_PUSHLIKE, 0};
    case ControlKind::PushRadio: return {L"BUTTON", child | WS_TABSTOP | BS_RADIOBUTTON | BS_PUSHLIKE, 0};
    case ControlKind::List:
        return {WC_LISTVIEWW, child | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", child, 0};
}

// What every control needs beyond the common control's own behaviour: a radio
// button that gains the focus (by Tab or the arrow keys) does not count as
// clicked, and Enter in an edit neither beeps nor ends anything.
LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* control = reinterpret_cast<Control*>(data);
    switch (message) {
    case WM_SETFOCUS: {
        ++control->focusChanging;
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        --control->focusChanging;
        return result;
    }
    case WM_CHAR:
        if (control->item.kind == ControlKind::Edit && (wParam == L'\r' || wParam == L'\n'))
            return 0;
        break;
    case WM_LBUTTONDOWN: control->focusBefore = GetFocus(); break;
    case WM_LBUTTONUP: {
        // The click's handler may re-create the controls: only copies are used after it.
        const bool keepsFocus = control->keepsFocus;
        const HWND before = control->focusBefore;
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (keepsFocus && before != nullptr && before != window && IsWindow(before) && GetFocus() == window)
            SetFocus(before);
        return result;
    }
    case WM_GETDLGCODE:
        // The edits take the characters of the keypad's operators themselves.
        if (control->item.kind == ControlKind::Edit)
            return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTCHARS;
        break;
    default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

constexpr const wchar_t* kOwnHostClass = L"KestrelControls";

// A host window that only passes its messages on to the control set it holds.
LRESULT CALLBACK ownHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* controls = reinterpret_cast<Win32Controls*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    LRESULT result = 0;
    if (controls != nullptr && controls->handleMessage(message, wParam, lParam, result))
        return result;
    if (message == WM_CLOSE) {
        ShowWindow(window, SW_HIDE);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createOwnHost()
{
    static const bool registered = [] {
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof cls;
        cls.lpfnWndProc = ownHostProc;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        cls.lpszClassName = kOwnHostClass;
        return RegisterClassExW(&cls) != 0;
    }();
    (void)registered;
    return CreateWindowExW(WS_EX_CONTROLPARENT, kOwnHostClass, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::wstring windowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

}  // namespace

Win32Controls::Win32Controls() : Win32Controls(createOwnHost())
{
    ownsHost_ = true;
    SetWindowLongPtrW(host_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Controls::Win32Controls(HWND host) : host_(host)
{
    notice_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, host_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, host_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (toolTips_ != nullptr)
        SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
}

Win32Controls::~Win32Controls()
{
    for (const auto& [id, control] : controls_) {
        RemoveWindowSubclass(control->window, controlProc, kSubclassId);
        for (HWND window : {control->tips, control->window, control->frame}) {
            if (window != nullptr && IsWindow(window))
                DestroyWindow(window);
        }
    }
    for (HWND window : retired_) {
        if (IsWindow(window))
            DestroyWindow(window);
    }
    for (HWND window : decorations_) {
        if (IsWindow(window))
            DestroyWindow(window);
    }
    if (toolTips_ != nullptr && IsWindow(toolTips_))
        DestroyWindow(toolTips_);
    if (ownsHost_) {
        SetWindowLongPtrW(host_, GWLP_USERDATA, 0);
        DestroyWindow(host_);
    }
}

Control* Win32Controls::find(int id) const
{
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second.get();
}

Control* Win32Controls::findWindow(HWND window) const
{
    if (window == nullptr)
        return nullptr;
    for (const auto& [id, control] : controls_) {
        if (control->window == window)
            return control.get();
    }
    return nullptr;
}

HWND Win32Controls::handle(int id) const
{
    const Control* control = find(id);
    return control ? control->window : nullptr;
}

ControlKind Win32Controls::kind(int id) const
{
    const Control* control = find(id);
    return control ? control->item.kind : ControlKind::Static;
}

HWND Win32Controls::createWindow(const ControlSpec& item)
{
    const WindowClass cls = windowClassOf(item.kind);
    const std::wstring caption = item.kind == ControlKind::List ? std::wstring() : wideFromCp932(item.caption);
    // Child identifiers are 16 bits in WM_COMMAND; the controls are found by window.
    const auto childId = static_cast<UINT_PTR>(static_cast<unsigned>(item.id) & 0xFFFFu);
    HWND window = CreateWindowExW(cls.exStyle, cls.name, caption.c_str(), cls.style, 0, 0, 0, 0, host_,
                                  reinterpret_cast<HMENU>(childId), GetModuleHandleW(nullptr), nullptr);
    if (window != nullptr && font_ != nullptr)
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (window != nullptr && item.kind == ControlKind::List) {
        // No grid: the trivia layout sets its blocks apart with lines of its own.
        const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP;
        SendMessageW(window, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    }
    return window;
}

void Win32Controls::create(const std::vector<ControlSpec>& items, ControlEvents& events)
{
    // The old windows may be inside their own notification right now: they go
    // once the outermost event is over.
    for (const auto& [id, control] : controls_) {
        RemoveWindowSubclass(control->window, controlProc, kSubclassId);
        ShowWindow(control->window, SW_HIDE);
        retired_.push_back(control->window);
        for (HWND extra : {control->frame, control->tips}) {
            if (extra != nullptr) {
                ShowWindow(extra, SW_HIDE);
                retired_.push_back(extra);
            }
        }
    }
    controls_.clear();
    order_.clear();
    postedFocus_.reset();
    events_ = &events;

    for (const ControlSpec& item : items) {
        auto control = std::make_unique<Control>();
        control->item = item;
        control->written = item.caption;
        control->shown = wideFromCp932(item.caption);
        control->window = createWindow(item);
        if (control->window == nullptr)
            continue;
        SetWindowSubclass(control->window, controlProc, kSubclassId, reinterpret_cast<DWORD_PTR>(control.get()));
        if (Control* previous = find(item.id)) {  // the same identifier twice: the last one counts
            RemoveWindowSubclass(previous->window, controlProc, kSubclassId);
            ShowWindow(previous->window, SW_HIDE);
            retired_.push_back(previous->window);
        } else {
            order_.push_back(item.id);
        }
        controls_[item.id] = std::move(control);
    }
    if (!retired_.empty())
        flushLater();
}

void Win32Controls::dispatch(const std::function<void()>& handler)
{
    ++depth_;
    handler();
    --depth_;
    if (depth_ == 0)
        flush();
}

void Win32Controls::flush()
{
    if (depth_ > 0)
        return;  // the outermost event flushes when it is over
    for (HWND window : retired_) {
        if (IsWindow(window))
            DestroyWindow(window);
    }
    retired_.clear();
    endPendingUpdates();
    if (postedFocus_) {
        const int id = *postedFocus_;
        postedFocus_.reset();
        setFocus(id);
    }
}

bool Win32Controls::pending() const
{
    bool waiting = postedFocus_.has_value() || !retired_.empty();
    for (const auto& [id, control] : controls_)
        waiting = waiting || control->updatePending;
    return waiting;
}

void Win32Controls::flushLater()
{
    if (flushPosted_ || depth_ > 0)
        return;
    flushPosted_ = PostMessageW(host_, kFlushMessage, 0, 0) != FALSE;
}

bool Win32Controls::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND: {
        Control* control = findWindow(reinterpret_cast<HWND>(lParam));
        if (control == nullptr)
            return false;
        onCommand(*control, HIWORD(wParam));
        result = 0;
        return true;
    }
    case WM_NOTIFY: return onNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) != notice_)
            return false;
        // Notices are red on the window's own background.
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0xC0, 0, 0));
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    default:
        if (message != kFlushMessage)
            return false;
        flushPosted_ = false;
        flush();
        result = 0;
        return true;
    }
}

void Win32Controls::onCommand(Control& control, int code)
{
    const int id = control.item.id;
    if (control.item.kind == ControlKind::Edit) {
        // Writes of our own notify once, from setText.
        if (code == EN_CHANGE && control.selfWrites == 0) {
            dispatch([this, id] {
                if (events_)
                    events_->onTextChanged(id);
            });
        } else if (code == EN_SETFOCUS) {
            dispatch([this, id] {
                if (events_)
                    events_->onFocused(id);
            });
        }
        return;
    }
    if (code == BN_CLICKED || (control.item.kind == ControlKind::Static && code == STN_CLICKED))
        onButtonClicked(control);
}

void Win32Controls::onButtonClicked(Control& control)
{
    const int id = control.item.id;
    const ControlKind kind = control.item.kind;
    if (kind == ControlKind::List || !enabled(id))
        return;
    if (isRadio(kind)) {
        if (control.focusChanging > 0)
            return;  // the focus arrived; nobody clicked
        uncheckGroup(control.item.group, id);
        SendMessageW(control.window, BM_SETCHECK, BST_CHECKED, 0);
    } else if (isToggle(kind)) {
        const bool now = SendMessageW(control.window, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageW(control.window, BM_SETCHECK, now ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    // The handler may re-create the controls: nothing of control is used after it.
    dispatch([this, id] {
        if (events_)
            events_->onClicked(id);
    });
    if (afterClick_)
        afterClick_(id);
}

bool Win32Controls::clickAsUser(int id)
{
    Control* control = find(id);
    if (!control || control->item.kind == ControlKind::Edit || control->item.kind == ControlKind::List ||
        !enabled(id) || !IsWindowVisible(control->window))
        return false;
    onButtonClicked(*control);
    return true;
}

void Win32Controls::keepFocusOnClick(int id)
{
    if (Control* control = find(id))
        control->keepsFocus = true;
}

void Win32Controls::uncheckGroup(int group, int except)
{
    if (group == 0)
        return;
    for (const auto& [id, control] : controls_) {
        if (id != except && control->item.group == group && isRadio(control->item.kind))
            SendMessageW(control->window, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

std::string Win32Controls::text(int id) const
{
    const Control* control = find(id);
    if (!control || control->item.kind == ControlKind::List)
        return {};
    const std::wstring now = windowText(control->window);
    // Read back as written while shown unchanged, so bytes that form no character survive.
    return now == control->shown ? control->written : cp932FromWide(now);
}

void Win32Controls::setText(int id, std::string_view text)
{
    Control* control = find(id);
    if (!control || control->item.kind == ControlKind::List)
        return;
    control->written.assign(text);
    control->shown = wideFromCp932(text);
    // The same text again is neither written nor drawn (a control redraws itself
    // on every WM_SETTEXT); an edit keeps its caret and still reports the write.
    const bool same = windowText(control->window) == control->shown;
    if (!same) {
        ++control->selfWrites;
        SetWindowTextW(control->window, control->shown.c_str());
        --control->selfWrites;
    }
    if (control->item.kind != ControlKind::Edit)
        return;
    if (!same) {
        // Typing goes on after what was written.
        const auto end = static_cast<WPARAM>(control->shown.size());
        SendMessageW(control->window, EM_SETSEL, end, static_cast<LPARAM>(end));
    }
    // An edit reports every write before it returns, also an unchanged text.
    // Nothing posted by the handler runs before the event around this call is over.
    ++depth_;
    dispatch([this, id] {
        if (events_)
            events_->onTextChanged(id);
    });
    --depth_;
    if (depth_ == 0 && pending())
        flushLater();
}

bool Win32Controls::checked(int id) const
{
    const Control* control = find(id);
    if (!control)
        return false;
    if (hasCheckState(control->item.kind))
        return SendMessageW(control->window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return control->checked;
}

void Win32Controls::setChecked(int id, bool checked)
{
    Control* control = find(id);
    if (!control)
        return;
    if (hasCheckState(control->item.kind)) {
        if (this->checked(id) != checked)  // a button redraws on every BM_SETCHECK
            SendMessageW(control->window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);  // no notification
    } else {
        control->checked = checked;
    }
}

bool Win32Controls::enabled(int id) const
{
    const Control* control = find(id);
    return control && (GetWindowLongPtrW(control->window, GWL_STYLE) & WS_DISABLED) == 0;
}

void Win32Controls::setEnabled(int id, bool enabled)
{
    Control* control = find(id);
    if (control && this->enabled(id) != enabled)
        EnableWindow(control->window, enabled ? TRUE : FALSE);
}

void Win32Controls::addToolTip(Control& control, const std::wstring& text)
{
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = host_;
    tool.uId = reinterpret_cast<UINT_PTR>(control.window);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    if (text.empty()) {
        SendMessageW(toolTips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        control.hasToolTip = false;
    } else if (control.hasToolTip) {
        SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        control.hasToolTip = SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
    }
}

void Win32Controls::setToolTip(int id, std::string_view text)
{
    Control* control = find(id);
    if (!control || toolTips_ == nullptr)
        return;
    std::wstring tip = wideFromCp932(text);
    if (tip == control->toolTip)
        return;
    control->toolTip = std::move(tip);
    addToolTip(*control, control->toolTip);
}

void Win32Controls::setFocus(int id)
{
    if (Control* control = find(id))
        SetFocus(control->window);
}

void Win32Controls::postFocus(int id)
{
    if (!find(id))
        return;
    postedFocus_ = id;
    flushLater();
}

void Win32Controls::setTitle(std::string_view title)
{
    SetWindowTextW(GetAncestor(host_, GA_ROOT), wideFromCp932(title).c_str());
}

void Win32Controls::showNotice(std::string_view text)
{
    if (const std::wstring shown = wideFromCp932(text); windowText(notice_) != shown)
        SetWindowTextW(notice_, shown.c_str());
    ShowWindow(notice_, text.empty() ? SW_HIDE : SW_SHOWNA);
}

void Win32Controls::setFont(HFONT font)
{
    font_ = font;
    for (const auto& [id, control] : controls_) {
        SendMessageW(control->window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (control->frame != nullptr)
            SendMessageW(control->frame, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    SendMessageW(notice_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(toolTips_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Win32Controls::showAsFrame(int id, RECT pixels)
{
    Control* control = find(id);
    if (!control)
        return;
    if (control->frame == nullptr) {
        control->frame = CreateWindowExW(0, L"BUTTON", control->shown.c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0,
                                         0, 0, 0, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (control->frame == nullptr)
            return;
        SendMessageW(control->frame, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    ShowWindow(control->window, SW_HIDE);
    // Beneath the controls it frames.
    SetWindowPos(control->frame, HWND_BOTTOM, pixels.left, pixels.top, pixels.right - pixels.left,
                 pixels.bottom - pixels.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Win32Controls::setDecorations(const std::vector<Drawn>& drawn)
{
    if (decorations_.size() != drawn.size()) {
        for (HWND window : decorations_)
            DestroyWindow(window);
        decorations_.clear();
        for (const Drawn& d : drawn) {
            const DWORD style = WS_CHILD | WS_VISIBLE | (d.verticalLine ? SS_ETCHEDVERT : SS_ETCHEDFRAME);
            decorations_.push_back(CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 0, 0, host_, nullptr,
                                                   GetModuleHandleW(nullptr), nullptr));
        }
    }
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const RECT& r = drawn[i].pixels;
        // Beneath the controls they set apart.
        SetWindowPos(decorations_[i], HWND_BOTTOM, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    }
}

void Win32Controls::setControlFont(int id, HFONT font)
{
    if (Control* control = find(id))
        SendMessageW(control->window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Win32Controls::showHintPanel(bool shown)
{
    if (shown == hintPanelShown_)
        return;
    hintPanelShown_ = shown;
    if (onHintPanel_)
        onHintPanel_();
}

HWND Win32Controls::owner() const { return GetAncestor(host_, GA_ROOT); }

}  // namespace kestrel::ui::win32

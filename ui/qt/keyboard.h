#pragma once
// The main window's keyboard on Qt: the focus policy of the controls a click
// leaves the focus alone for, and the shortcut table as window-wide shortcuts
// (the window logic shows them in the controls' tooltips).

class QWidget;

namespace kestrel::ui {

class QtControls;

// window is the top-level widget the shortcuts belong to (it may be controls).
void installKeyboard(QtControls& controls, QWidget& window);

}  // namespace kestrel::ui

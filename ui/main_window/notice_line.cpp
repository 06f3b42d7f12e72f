// The line under the window: every notice says what it is about, so that one
// taken back clears the line only while the line still shows it, never a newer
// notice of something else.

#include "ui/main_window/window.h"

namespace kestrel::ui {

void CKestrelDlg::tellNotice(Notice about, const std::string& text)
{
    noticeShown_ = text.empty() ? Notice::None : about;
    controls_.showNotice(text);
}

void CKestrelDlg::withdrawNotice(Notice about)
{
    if (noticeShown_ != about || about == Notice::None)
        return;
    noticeShown_ = Notice::None;
    controls_.showNotice("");
}

}  // namespace kestrel::ui

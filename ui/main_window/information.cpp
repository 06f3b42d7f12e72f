// One-time information messages: each is shown until the player acknowledges
// it, and the acknowledgement is kept as a bit of INFORMATIONFLAG.

#include "ui/texts/information_messages.h"
#include "ui/main_window/window.h"

namespace kestrel::ui {

void CKestrelDlg::showInformation(int message)
{
    if (message < 0 || message > 31)
        return;
    const std::uint64_t bit = std::uint64_t{1} << message;
    if ((settings_.informationFlags & bit) != 0)
        return;
    const std::string text = informationText(message);
    if (text.empty())
        return;

    if (message != kToleranceQuestion) {
        if (controls_.messageBox(text, kInformationCaption, MessageButtons::Ok, MessageIcon::Information) !=
            MessageAnswer::Ok)
            return;  // not acknowledged: it comes again next time
    } else if (settings_.config.tolerances != kRecommendedTolerances) {
        const MessageAnswer answer =
            controls_.messageBox(text, kInformationCaption, MessageButtons::YesNoCancel, MessageIcon::Question);
        if (answer == MessageAnswer::Yes) {
            settings_.config.tolerances = kRecommendedTolerances;
        } else if (answer != MessageAnswer::No) {
            return;  // cancelled: asked again at the next start
        }
    }
    settings_.informationFlags |= bit;
    saveSettings();
}

}  // namespace kestrel::ui

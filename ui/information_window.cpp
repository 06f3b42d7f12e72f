// One-time information messages: each is shown until the player acknowledges
// it, and the acknowledgement is kept as a bit of INFORMATIONFLAG.

#include "ui/information_messages.h"
#include "ui/main_window.h"

namespace kestrel::ui {

namespace {

bool tolerancesAreRecommended(const Settings& s)
{
    const Tolerances& r = kRecommendedTolerances;
    return s.PERM_ATK_L == r.attackLow && s.PERM_ATK_H == r.attackHigh && s.PERM_DEF_L == r.defenseLow &&
           s.PERM_DEF_H == r.defenseHigh;
}

}  // namespace

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
    } else if (!tolerancesAreRecommended(settings_)) {
        const MessageAnswer answer =
            controls_.messageBox(text, kInformationCaption, MessageButtons::YesNoCancel, MessageIcon::Question);
        if (answer == MessageAnswer::Yes) {
            settings_.PERM_ATK_L = kRecommendedTolerances.attackLow;
            settings_.PERM_ATK_H = kRecommendedTolerances.attackHigh;
            settings_.PERM_DEF_L = kRecommendedTolerances.defenseLow;
            settings_.PERM_DEF_H = kRecommendedTolerances.defenseHigh;
        } else if (answer != MessageAnswer::No) {
            return;  // cancelled: asked again at the next start
        }
    }
    settings_.informationFlags |= bit;
    saveSettings();
}

}  // namespace kestrel::ui

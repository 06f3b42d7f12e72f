// Observation value buttons and the two family rows: each click steps or sets
// an observed value, switches its criterion on and refreshes the candidates.

#include "ui/main_window/window.h"

#include "ui/ids.h"

#include <algorithm>

namespace kestrel::ui {

namespace {

// Unknown or the second value gives the first, the first gives the second.
std::int32_t nextTwoValued(std::int32_t value) { return value == 1 ? 0 : 1; }

template <std::size_t N>
int indexIn(const std::array<int, N>& ids, int id)
{
    const auto it = std::find(ids.begin(), ids.end(), id);
    return it == ids.end() ? -1 : static_cast<int>(it - ids.begin());
}

}  // namespace

void CKestrelDlg::onObservationButton(int id)
{
    std::int32_t* value = nullptr;
    int box = 0;
    int information = -1;
    switch (id) {
    case id::kMetalButton:
        value = &state_.observedMetal;
        box = id::kMetalBox;
        break;
    case id::kSizeButton:
        value = &state_.observedSize;
        box = id::kSizeBox;
        information = 6;
        break;
    case id::kMpDrainButton:
        value = &state_.observedMpDrain;
        box = id::kMpDrainBox;
        information = 4;
        break;
    case id::kPushButton:
        value = &state_.observedPush;
        box = id::kPushBox;
        information = 3;
        break;
    case id::kFloatingButton:
        // With the automatic floating judgement off only the value is stored.
        state_.observedFloating = nextTwoValued(state_.observedFloating);
        if (settings_.config.AUTOJUDG_FLY == 0)
            return;
        controls_.setChecked(id::kFloatingBox, true);
        updateObservationLabels();
        return refresh();
    case id::kAngerButton:
        // 不明 → 怒った → 怒らない → 不明
        state_.observedAnger = state_.observedAnger == 0 ? 1 : state_.observedAnger == 1 ? 2 : 0;
        controls_.setChecked(id::kAngerBox, true);
        updateObservationLabels();
        return refresh();
    default: return;
    }
    *value = nextTwoValued(*value);
    controls_.setChecked(box, true);
    updateObservationLabels();
    refresh();
    if (information >= 0)
        showInformation(information);
}

// The confirm row acts as one radio group, the exclude row as fourteen
// toggles; each row's box switches the other row's box off.
void CKestrelDlg::onFamilyButton(int id)
{
    if (const int k = indexIn(id::kConfirmRow, id); k >= 0) {
        state_.familyConfirmed = k + 1;
        controls_.setChecked(id::kExcludeBox, false);
        controls_.setChecked(id::kConfirmBox, true);
    } else if (const int e = indexIn(id::kExcludeRow, id); e >= 0) {
        state_.familyExcluded[e + 1] = controls_.checked(id) ? 1 : 0;
        controls_.setChecked(id::kConfirmBox, false);
        controls_.setChecked(id::kExcludeBox, true);
    } else if (id == id::kConfirmBox) {
        controls_.setChecked(id::kExcludeBox, false);
        return refresh();
    } else if (id == id::kExcludeBox) {
        controls_.setChecked(id::kConfirmBox, false);
        return refresh();
    } else {
        return;
    }
    updateObservationLabels();
    refresh();
}

}  // namespace kestrel::ui

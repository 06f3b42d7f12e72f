// The toolkit-neutral layouts: every control of a window has a place inside
// it, no two places overlap (a group frame lies around its controls), and the
// main window gives extra room to the list.

#include "ui/config_dialog.h"
#include "ui/hint_panel.h"
#include "ui/list_view.h"
#include "ui/main_window/control_set.h"
#include "ui/main_window/ids.h"
#include "ui/user_setting_dialog.h"
#include "ui/window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace kestrel::ui::layout {
namespace {

bool overlap(const Rect& a, const Rect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// Every fault of a layout against the controls it should place, as text.
std::vector<std::string> faultsOf(const WindowLayout& layout, const std::vector<ControlSpec>& controls,
                                  const std::set<int>& unplaced)
{
    std::vector<std::string> faults;
    const Rect client{0, 0, layout.width, layout.height};
    std::set<int> placed;
    for (const Placement& a : layout.items) {
        const std::string name = std::to_string(a.id);
        if (!placed.insert(a.id).second)
            faults.push_back(name + " placed twice");
        if (!inside(a.rect, client) || a.rect.width <= 0 || a.rect.height <= 0)
            faults.push_back(name + " outside the window");
        for (const Placement& b : layout.items) {
            if (&a < &b && !a.frame && !b.frame && overlap(a.rect, b.rect))
                faults.push_back(name + " overlaps " + std::to_string(b.id));
            if (a.frame && !b.frame && overlap(a.rect, b.rect) && !inside(b.rect, a.rect))
                faults.push_back(std::to_string(b.id) + " crosses the frame " + name);
        }
    }
    for (const ControlSpec& control : controls) {
        if (placed.count(control.id) == 0 && unplaced.count(control.id) == 0)
            faults.push_back(std::to_string(control.id) + " has no place");
    }
    return faults;
}

std::set<int> hintPanel()
{
    std::set<int> ids(kIdAdviceLines.begin(), kIdAdviceLines.end());
    ids.insert(kIdNearMissLines.begin(), kIdNearMissLines.end());
    ids.insert(kIdWhyGoneLines.begin(), kIdWhyGoneLines.end());
    ids.insert(kIdWhyGoneEdit);
    ids.insert(id::kDummyDefault);  // never shown
    return ids;
}

TEST(WindowLayout, TheMainWindowPlacesEveryControlWithoutOverlapAtEverySize)
{
    const struct {
        int width, height;
    } sizes[] = {{kMainWindowWidth, kMainWindowHeight}, {0, 0}, {900, 700}, {kMainWindowWidth + 1, 1000}};
    for (const auto& size : sizes) {
        const WindowLayout layout = mainWindowLayout(size.width, size.height);
        EXPECT_EQ(faultsOf(layout, mainWindowControls(), hintPanel()), std::vector<std::string>())
            << size.width << " x " << size.height;
    }
}

TEST(WindowLayout, TheMainWindowGivesExtraRoomToTheList)
{
    const auto list = [](const WindowLayout& layout) {
        return std::find_if(layout.items.begin(), layout.items.end(),
                            [](const Placement& p) { return p.id == kIdList; })->rect;
    };
    const Rect normal = list(mainWindowLayout(kMainWindowWidth, kMainWindowHeight));
    const Rect larger = list(mainWindowLayout(kMainWindowWidth + 100, kMainWindowHeight + 50));
    EXPECT_EQ(larger.width - normal.width, 100);
    EXPECT_EQ(larger.height - normal.height, 50);
    EXPECT_GE(normal.height, 120);  // room for rows at the size the window opens with
}

TEST(WindowLayout, BothDialogsPlaceEveryControlWithoutOverlap)
{
    UserSetting user;
    ConfigSetting config;
    for (const DialogLogic* dialog : {static_cast<const DialogLogic*>(&user), static_cast<const DialogLogic*>(&config)}) {
        const WindowLayout layout = dialogLayout(dialog->templateId());
        ASSERT_FALSE(layout.items.empty()) << dialog->templateId();
        EXPECT_EQ(faultsOf(layout, dialog->controls(), {}), std::vector<std::string>()) << dialog->templateId();
    }
    EXPECT_TRUE(dialogLayout(0).items.empty());
}

}  // namespace
}  // namespace kestrel::ui::layout

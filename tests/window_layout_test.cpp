// The description of the main window and the two dialogs, checked as data:
// every control of a window placed once, nothing outside the window or on top
// of another control at any size the window may take, the divider's parts the
// same as the whole, and Tab reading the window as a player does.

#include "platform/cp932.h"
#include "ui/dialogs/answer_dialog.h"
#include "ui/dialogs/config_dialog.h"
#include "ui/layout/layout.h"
#include "ui/main_window/control_set.h"
#include "ui/ids.h"
#include "ui/dialogs/user_setting_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>

using namespace kestrel::ui;
using namespace kestrel::ui::layout;

namespace {

struct Described {
    const char* name;
    const Window& window;
    std::vector<ControlSpec> controls;
};

std::vector<Described> everyWindow()
{
    static kestrel::Catalogue noMonsters;
    return {{"main window", mainWindowLayout(), mainWindowControls()},
            {"user settings", *dialogLayout(UserSetting::kTemplate), UserSetting{}.controls()},
            {"Config", *dialogLayout(ConfigSetting::kTemplate), ConfigSetting{}.controls()},
            {"answer", *dialogLayout(AnswerDialog::kTemplate), AnswerDialog(noMonsters).controls()}};
}

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

bool overlap(const Rect& a, const Rect& b)
{
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

std::string where(int id, const Rect& r)
{
    return std::to_string(id) + " at " + std::to_string(r.x) + "," + std::to_string(r.y) + " " +
           std::to_string(r.width) + "x" + std::to_string(r.height);
}

// Everything drawn lies inside the window; a control may lie on a frame only
// wholly inside it; no two other things share a point.
void expectClear(const Window& w, int width, int height, const std::string& what)
{
    const Rect whole{0, 0, width, height};
    struct Thing {
        int id;  // 0 for a decoration
        Rect rect;
        bool frame;
    };
    std::vector<Thing> things;
    for (const Placement& c : w.controls) {
        if (c.look != Look::Hidden)
            things.push_back({c.id, placedAt(c.rect, c.follow, w, width, height), c.look == Look::Frame});
    }
    for (const Decoration& d : w.decorations)
        things.push_back({0, placedAt(d.rect, d.follow, w, width, height), d.kind == Decoration::Kind::Frame});
    for (std::size_t i = 0; i < things.size(); ++i) {
        const Thing& a = things[i];
        EXPECT_TRUE(inside(a.rect, whole)) << what << ": " << where(a.id, a.rect) << " sticks out";
        EXPECT_GT(a.rect.width, 0) << what << ": " << where(a.id, a.rect);
        for (std::size_t j = i + 1; j < things.size(); ++j) {
            const Thing& b = things[j];
            if (!overlap(a.rect, b.rect))
                continue;
            const bool framed =
                (a.frame && !b.frame && inside(b.rect, a.rect)) || (b.frame && !a.frame && inside(a.rect, b.rect));
            EXPECT_TRUE(framed) << what << ": " << where(a.id, a.rect) << " overlaps " << where(b.id, b.rect);
        }
    }
}

// Same row when their heights overlap; reading order is rows top to bottom,
// each left to right.
bool readsBefore(const Rect& a, const Rect& b)
{
    const bool sameRow = a.y < b.bottom() && b.y < a.bottom();
    return sameRow ? a.x < b.x : a.y < b.y;
}

}  // namespace

TEST(WindowLayout, EveryControlPlacedOnceAndNothingElse)
{
    for (const Described& d : everyWindow()) {
        std::map<int, int> placed;
        for (const Placement& p : d.window.controls)
            ++placed[p.id];
        for (const ControlSpec& c : d.controls) {
            EXPECT_EQ(placed[c.id], 1) << d.name << ": control " << c.id;
            placed.erase(c.id);
        }
        for (const auto& [id, count] : placed)
            ADD_FAILURE() << d.name << ": " << id << " is no control of the window";
    }
}

TEST(WindowLayout, NothingOverlapsOrSticksOutAtAnySize)
{
    for (const Described& d : everyWindow()) {
        const Window& w = d.window;
        EXPECT_LE(w.minWidth, w.width) << d.name;
        EXPECT_LE(w.minHeight, w.height) << d.name;
        const std::pair<int, int> sizes[] = {{w.width, w.height},
                                             {w.minWidth, w.minHeight},
                                             {w.width + 301, w.height + 157},
                                             {w.minWidth, w.height + 40}};
        for (const auto& [width, height] : sizes)
            expectClear(w, width, height,
                        std::string(d.name) + " at " + std::to_string(width) + "x" + std::to_string(height));
    }
}

// A window system with a movable divider lays out each part as a window of its
// own: at the widths the window's growth gives them, each control lands where
// the whole window would put it, and each part is clear down to its minimum.
TEST(WindowLayout, DividedPartsAgreeWithTheWholeWindow)
{
    const Window& w = mainWindowLayout();
    ASSERT_TRUE(w.divider.has_value());
    const Window left = leftPart(w);
    const Window right = rightPart(w);
    EXPECT_EQ(left.controls.size() + right.controls.size(), w.controls.size());
    for (const int grow : {0, 100, 355}) {
        const int width = w.width + grow, height = w.height + grow / 3;
        const int leftWidth = left.width + grow * (100 - w.divider->follow) / 100;
        for (const Window* part : {&left, &right}) {
            const int x0 = part == &left ? 0 : leftWidth;
            const int partWidth = part == &left ? leftWidth : width - leftWidth;
            for (const Placement& c : part->controls) {
                const auto original = std::find_if(w.controls.begin(), w.controls.end(),
                                                   [&](const Placement& p) { return p.id == c.id; });
                const Rect whole = placedAt(original->rect, original->follow, w, width, height);
                const Rect own = placedAt(c.rect, c.follow, *part, partWidth, height);
                EXPECT_NEAR(own.x + x0, whole.x, 1) << c.id << " grown by " << grow;
                EXPECT_NEAR(own.right() + x0, whole.right(), 1) << c.id << " grown by " << grow;
                EXPECT_EQ(own.y, whole.y) << c.id;
                EXPECT_EQ(own.height, whole.height) << c.id;
            }
        }
    }
    expectClear(left, left.minWidth, left.minHeight, "bands at their minimum");
    expectClear(right, right.minWidth, right.minHeight, "hint panel at its minimum");
    expectClear(left, left.width + 250, left.height, "bands with the hint panel hidden");
    // The list lies beside the hint panel.
    const auto list =
        std::find_if(w.controls.begin(), w.controls.end(), [](const Placement& p) { return p.id == 1037; });
    for (const Placement& c : right.controls)
        EXPECT_LT(list->rect.right(), c.rect.x + w.divider->x) << c.id;
}

// Tab reads each part of the window top to bottom, each row left to right (a
// column beside everything before it starts at its top), the bands before the
// hint panel, and never stops on the ◀ ▶ buttons.
TEST(WindowLayout, TabFollowsTheReadingOrder)
{
    for (const Described& d : everyWindow()) {
        std::map<int, const Placement*> byId;
        for (const Placement& p : d.window.controls)
            byId[p.id] = &p;
        const std::vector<int> order = tabOrder(d.window);
        EXPECT_GE(order.size(), 3u) << d.name;  // the smallest: a field, OK and Cancel
        const int divider = d.window.divider ? d.window.divider->x : d.window.width;
        int rightmost = 0;
        for (std::size_t k = 0; k < order.size(); ++k) {
            const Placement& now = *byId[order[k]];
            const int right = std::exchange(rightmost, std::max(rightmost, now.rect.right()));
            EXPECT_TRUE(now.look != Look::DecreaseArrow && now.look != Look::IncreaseArrow) << d.name << " " << now.id;
            if (k == 0)
                continue;
            const Placement& before = *byId[order[k - 1]];
            const bool partChange = (before.rect.x < divider) != (now.rect.x < divider);
            if (partChange)
                EXPECT_LT(before.rect.x, divider) << d.name << ": the panel before the bands at " << now.id;
            else
                EXPECT_TRUE(readsBefore(before.rect, now.rect) || now.rect.x >= right)
                    << d.name << ": " << before.id << " then " << now.id;
        }
    }
    const std::vector<int> main = tabOrder(mainWindowLayout());
    EXPECT_EQ(std::count(main.begin(), main.end(), id::kDummyDefault), 0);
    for (int stop : {id::kDealtLow, id::kSearchEdit, id::kConfirmBox, id::kListLock, 1037})
        EXPECT_EQ(std::count(main.begin(), main.end(), stop), 1) << stop;
}

// A fixed caption fits its control in the original dialog font, where a
// double-byte character is 8 dialog units across, a half-width kana 4 and an
// ASCII character about 3.5 (the font is proportional), a
// check box or radio needs 12 more for its mark and a push button 6 for its
// edges. Texts the window writes at start (ranges, counts) are not fixed.
TEST(WindowLayout, FixedCaptionsFitInTheDialogFont)
{
    for (const Described& d : everyWindow()) {
        const bool dialog = &d.window != &mainWindowLayout();
        for (const ControlSpec& c : d.controls) {
            int extra = 0;
            switch (c.kind) {
            case ControlKind::CheckBox:
            case ControlKind::Radio: extra = 12; break;
            case ControlKind::Button:
            case ControlKind::PushCheck:
            case ControlKind::PushRadio: extra = 6; break;
            case ControlKind::Static: extra = dialog ? 0 : -1; break;
            default: extra = -1;
            }
            if (extra < 0 || c.caption.empty())
                continue;
            int width2 = 2 * extra;  // in half units
            for (std::size_t at = 0; at < c.caption.size();) {
                const std::size_t length = kestrel::charLengthAt(c.caption, at);
                const auto byte = static_cast<unsigned char>(c.caption[at]);
                width2 += length == 2 ? 16 : byte < 0x80 ? 7 : 8;
                at += length;
            }
            const auto p = std::find_if(d.window.controls.begin(), d.window.controls.end(),
                                        [&](const Placement& placed) { return placed.id == c.id; });
            ASSERT_NE(p, d.window.controls.end());
            if (p->look == Look::Frame || p->wrap)
                continue;
            EXPECT_LE((width2 + 1) / 2, p->rect.width)
                << d.name << ": " << c.id << " " << kestrel::cp932ToUtf8(c.caption);
        }
    }
}

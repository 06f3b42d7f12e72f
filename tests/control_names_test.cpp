// The names scripts use for the main window's controls.

#include "ui/main_window/control_names.h"
#include "support/monster_files.h"
#include "ui/main_window/window.h"
#include "ui/memory_controls.h"

#include <gtest/gtest.h>

#include <set>

using namespace kestrel::ui;

TEST(ControlNames, EachNamesOneControlOfTheWindowAndNoControlTwice)
{
    kestrel::testing::TempDir dir;
    MemoryControls controls;
    CKestrelDlg window(controls, dir.write("k.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\n"));
    window.OnInitDialog();
    std::set<std::string> names;
    std::set<int> ids;
    for (const auto& [name, id] : mainWindowControlNames()) {
        EXPECT_TRUE(names.insert(name).second) << name << " named twice";
        EXPECT_TRUE(ids.insert(id).second) << id << " has two names";
        EXPECT_TRUE(controls.exists(id)) << name << " is no control of the window";
        EXPECT_EQ(mainWindowControlByName(name), id) << name;
    }
    EXPECT_EQ(mainWindowControlByName("metal-button"), 1018);
    EXPECT_EQ(mainWindowControlByName("class-4"), 1046);
    EXPECT_FALSE(mainWindowControlByName("1018").has_value());
    EXPECT_FALSE(mainWindowControlByName("").has_value());
}

#pragma once
// The main window on real widgets with the sample monsters, the information
// messages already acknowledged, shown and active.

#include "qt/window_wait.h"
#include "support/monster_files.h"
#include "ui/main_window/window.h"
#include "ui/qt/qt_controls.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

struct MainWindowFixture {
    kestrel::testing::TempDir dir;
    kestrel::ui::QtControls controls;
    std::unique_ptr<kestrel::ui::CKestrelDlg> dialog;

    // extraSettings: more lines of [SETTING]; prepare runs on the controls once laid out.
    template <class Prepare>
    MainWindowFixture(const std::string& extraSettings, Prepare prepare)
        : dialog(std::make_unique<kestrel::ui::CKestrelDlg>(
              controls, dir.write("kestrel.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\n" + extraSettings +
                                                     "MONSTERFILE=" + kestrel::testing::sampleFilePath() + "\r\n")))
    {
        kestrel::ui::layOutMainWindow(controls);
        prepare(controls);
        dialog->OnInitDialog();
        controls.flush();
        controls.show();
        controls.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&controls, kWindowWaitMs));
    }
    template <class W = QWidget>
    W* at(int id) const
    {
        return controls.findChild<W*>(QStringLiteral("id%1").arg(id));
    }
    int state(const char* field) const { return dialog->stateField(field).value_or(-99); }
};

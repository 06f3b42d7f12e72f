#pragma once
// A small modal dialog for the control sets' tests: an edit filled at opening,
// a button that ends it as accepted, and a log of its clicks and of what OK read.

#include "ui/controls.h"

#include <string>
#include <vector>

namespace kestrel::testing {

struct ProbeDialog : ui::DialogLogic {
    std::vector<std::string> log;
    std::vector<ui::ControlSpec> controls() const override
    {
        using K = ui::ControlKind;
        return {
            {100, K::Edit, ""}, {3, K::Button, "reset"}, {ui::kIdOk, K::Button, "OK"}, {ui::kIdCancel, K::Button, "x"}};
    }
    void onInit(ui::Controls& c) override { c.setText(100, "5"); }
    void onOk(ui::Controls& c) override { log.push_back("ok " + c.text(100)); }
    bool closesWithOk(int id) const override { return id == 3; }
    void onClicked(int id) override { log.push_back("C" + std::to_string(id)); }
};

}  // namespace kestrel::testing

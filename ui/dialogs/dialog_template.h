#pragma once
// The controls of a dialog template in the order of the template. Texts that
// the template gives no identifier of their own (labels, group frames, units)
// are numbered -1, -2, … so that each stays a control of its own.

#include "ui/controls.h"
#include "ui/texts/texts.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrel::ui {

class DialogTemplate {
public:
    // A control with its identifier; caption in UTF-8.
    void add(int id, ControlKind kind, std::string_view caption = "", int group = 0)
    {
        specs_.push_back({id, kind, sjis(caption), group});
    }
    // A control whose caption is already code page 932.
    void addCp932(int id, ControlKind kind, std::string caption, int group = 0)
    {
        specs_.push_back({id, kind, std::move(caption), group});
    }
    // A text without an identifier (labels, group frames); caption in UTF-8.
    void label(std::string_view caption) { add(--lastLabel_, ControlKind::Static, caption); }
    void labels(std::initializer_list<std::string_view> captions)
    {
        for (std::string_view caption : captions)
            label(caption);
    }
    std::vector<ControlSpec> take() { return std::move(specs_); }

private:
    std::vector<ControlSpec> specs_;
    int lastLabel_ = 0;
};

}  // namespace kestrel::ui

#pragma once
// The 答え合わせ dialog: the name of the monster the game gave as the answer.
// Typing the beginning of a name finds the record as the @name search does
// (the first match in table order) and shows it under the field at once; OK
// takes the record found.

#include "catalogue/catalogue.h"
#include "ui/controls.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel::ui {

namespace answer_dialog_id {
inline constexpr int kName = 3101;   // the name field
inline constexpr int kFound = 3102;  // the record the field finds, or why none
}  // namespace answer_dialog_id

class AnswerDialog : public DialogLogic {
public:
    explicit AnswerDialog(Catalogue& catalogue) : catalogue_(catalogue) {}

    // Filled by the caller before the dialog opens (code page 932).
    std::string initialName;
    // The record OK took; -1 when it closed without one.
    std::int32_t answer = -1;

    // "答え合わせ", code page 932.
    static std::string caption();

    std::vector<ControlSpec> controls() const override;
    void onInit(Controls& controls) override;
    void onOk(Controls& controls) override;
    void onTextChanged(int id) override;
    static constexpr int kTemplate = 3110;
    int templateId() const override { return kTemplate; }

private:
    void showFound();

    Catalogue& catalogue_;
    Controls* controls_ = nullptr;
    std::int32_t found_ = -1;
};

}  // namespace kestrel::ui

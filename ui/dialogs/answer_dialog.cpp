// The 答え合わせ dialog: a name field and, under it, the record the typed
// beginning finds. OK is open only while a record is found.

#include "ui/dialogs/answer_dialog.h"

#include "engine/answer_check.h"
#include "ui/dialogs/dialog_template.h"

#include <cstring>

namespace kestrel::ui {

using namespace answer_dialog_id;

std::string AnswerDialog::caption() { return sjis("答え合わせ"); }

std::vector<ControlSpec> AnswerDialog::controls() const
{
    DialogTemplate t;
    t.label("ゲームが告げた答えの名前（先頭だけでも探せます）");
    t.add(kName, ControlKind::Edit);
    t.add(kFound, ControlKind::Static);
    t.add(kIdOk, ControlKind::Button, "OK");
    t.add(kIdCancel, ControlKind::Button, "ｷｬﾝｾﾙ");
    return t.take();
}

void AnswerDialog::onInit(Controls& controls)
{
    controls_ = &controls;
    answer = -1;
    controls.setText(kName, initialName);  // its notification shows what it finds
    controls.setFocus(kName);
}

void AnswerDialog::onTextChanged(int id)
{
    if (id == kName && controls_ != nullptr)
        showFound();
}

void AnswerDialog::showFound()
{
    const std::string typed = controls_->text(kName);
    found_ = findAnswer(catalogue_, typed);
    std::string text;
    if (found_ >= 0) {
        const MonsterRecord& r = catalogue_.monsterTable[static_cast<std::size_t>(found_)];
        text = sjis("→ ") + std::string(r.name, ::strnlen(r.name, sizeof r.name));
    } else if (!typed.empty()) {
        text = sjis("この名前で始まるモンスターは定義ファイルにいません");
    }
    if (controls_->text(kFound) != text)
        controls_->setText(kFound, text);
    if (controls_->enabled(kIdOk) != (found_ >= 0))
        controls_->setEnabled(kIdOk, found_ >= 0);
}

void AnswerDialog::onOk(Controls& controls)
{
    // The field as it is now, whatever notifications came before.
    answer = findAnswer(catalogue_, controls.text(kName));
}

}  // namespace kestrel::ui

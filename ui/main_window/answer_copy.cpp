// The answer one key away: the name of the selected row, or of the only
// candidate left, to the clipboard, and the notice that tells when exactly one
// candidate remains.

#include "ui/main_window/window.h"

#include "ui/ids.h"
#include "ui/keyboard/shortcuts.h"
#include "ui/list/list_view.h"
#include "ui/texts/texts.h"

#include <algorithm>
#include <cstring>

namespace kestrel::ui {

namespace {

std::string copyKeys()
{
    const Shortcut* shortcut = shortcutOf(id::kCopyNameCommand);
    return shortcut != nullptr ? shortcut->keys : std::string();
}

}  // namespace

void CKestrelDlg::onCopyNameCommand()
{
    const int row = controls_.selectedRow(kIdList);
    std::string name = row >= 0 ? nameOfListRow(row) : std::string();
    if (name.empty())
        name = singleCandidateName();
    if (!name.empty()) {
        copyName(name);
        return;
    }
    tellNotice(Notice::Copy, state_.candidateCount == 0
                                 ? sjis("候補がいないので、コピーする名前がありません。")
                                 : sjis("コピーする名前がありません。一覧で行を選ぶか、候補を1体まで絞ってください。"));
}

// The name a row stands for: its first cell, or in the trivia layout that of
// the row that begins its block.
std::string CKestrelDlg::nameOfListRow(int row) const
{
    for (int r = row; r >= 0; --r)
        if (std::string name = controls_.listCell(kIdList, r, 0); !name.empty())
            return name;
    return {};
}

std::string CKestrelDlg::singleCandidateName() const
{
    if (state_.candidateCount != 1)
        return {};
    const int count = std::clamp<std::int32_t>(catalogue_->monsterCount, 0, kMaxMonsters);
    for (int i = 0; i < count; ++i) {
        const MonsterRecord& r = catalogue_->monsterTable[i];
        if (r.isCandidate)
            return {r.name, ::strnlen(r.name, sizeof r.name)};
    }
    return {};
}

void CKestrelDlg::copyName(const std::string& name)
{
    controls_.copyToClipboard(name);
    tellNotice(Notice::Copy, sjis("「") + name + sjis("」をコピーしました"));
}

// Once per candidate that becomes the only one; the notice goes again when
// more come back, unless the line has shown something else since.
void CKestrelDlg::announceSingleCandidate()
{
    const std::string name = singleCandidateName();
    if (name == announcedSingle_)
        return;
    announcedSingle_ = name;
    if (!name.empty())
        tellNotice(Notice::SingleCandidate, sjis("残り1体: ") + name + sjis("（") + copyKeys() + sjis(" でコピー）"));
    else
        withdrawNotice(Notice::SingleCandidate);
}

}  // namespace kestrel::ui

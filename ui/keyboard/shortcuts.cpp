#include "ui/keyboard/shortcuts.h"

#include "ui/ids.h"
#include "ui/texts/texts.h"

#include <algorithm>
#include <array>

namespace kestrel::ui {

namespace {

// The observation value buttons in their order on screen, with their subject.
constexpr std::array<std::pair<int, const char*>, 6> kValueButtons = {{
    {id::kMetalButton, "メタル"},
    {id::kFloatingButton, "浮遊"},
    {id::kSizeButton, "大きさ"},
    {id::kMpDrainButton, "MP吸い"},
    {id::kAngerButton, "怒り"},
    {id::kPushButton, "重さ（押せたか）"},
}};
constexpr std::array<const char*, 14> kFamilyNames = {"獣", "鳥", "植", "虫", "怪", "物", "マ",
                                                      "エ", "水", "ス", "ゾ", "悪", "ド", "？"};
// The family rows' keys: the top letter row, then the home row, left to right.
constexpr std::string_view kFamilyLetters = "QWERTYUIOPASDF";
constexpr std::array<const char*, 4> kLayoutNames = {"特技", "場所", "まめ", "ダメージ"};

std::vector<Shortcut> buildTable()
{
    std::vector<Shortcut> table;
    for (std::size_t k = 0; k < kValueButtons.size(); ++k)
        table.push_back({kValueButtons[k].first, "Alt+" + std::to_string(k + 1),
                         sjis(kValueButtons[k].second) + sjis("の観察を切り替える")});
    for (std::size_t k = 0; k < id::kConfirmRow.size(); ++k)
        table.push_back(
            {id::kConfirmRow[k], std::string("Alt+") + kFamilyLetters[k], sjis("確定: ") + sjis(kFamilyNames[k])});
    for (std::size_t k = 0; k < id::kExcludeRow.size(); ++k)
        table.push_back({id::kExcludeRow[k], std::string("Alt+Shift+") + kFamilyLetters[k],
                         sjis("除外: ") + sjis(kFamilyNames[k])});
    table.push_back({id::kReset, "Ctrl+R", sjis("RESET（観察をすべて消す）")});
    table.push_back({id::kUndoReset, "Ctrl+Shift+Z", sjis("RESET・まめで消えた観測を元に戻す")});
    for (std::size_t k = 0; k < id::kLayoutRadios.size(); ++k)
        table.push_back(
            {id::kLayoutRadios[k], "Ctrl+" + std::to_string(k + 1), sjis("一覧の表示: ") + sjis(kLayoutNames[k])});
    table.push_back({id::kCopyNameCommand, "Ctrl+Shift+C", sjis("答えの名前をコピー（選んだ行、なければ残った1体）")});
    table.push_back(
        {id::kCopyNameCommand, "Ctrl+C", sjis("一覧で: 選んだ行の名前をコピー（ダブルクリックでも）"), true});
    table.push_back({id::kTopmostCommand, "Ctrl+T", sjis("常に手前に表示を切り替える")});
    table.push_back({id::kGuideCommand, "F1", sjis("使い方を開く")});
    table.push_back({id::kAnswerCheck, "Ctrl+Shift+A", sjis("答え合わせ（答えを定義ファイルと照らして記録する）")});
    table.push_back({id::kFirstSkill, "Ctrl+Shift+S", sjis("ヒントが最初に挙げた特技を特技検索に足す")});
    return table;
}

}  // namespace

const std::vector<Shortcut>& mainWindowShortcuts()
{
    static const std::vector<Shortcut> table = buildTable();
    return table;
}

const Shortcut* shortcutOf(int id)
{
    const auto& table = mainWindowShortcuts();
    const auto it = std::find_if(table.begin(), table.end(), [id](const Shortcut& s) { return s.id == id; });
    return it == table.end() ? nullptr : &*it;
}

const Shortcut* shortcutOfKeys(std::string_view keys, bool listFocused)
{
    for (const Shortcut& shortcut : mainWindowShortcuts())
        if (shortcut.keys == keys && (!shortcut.inList || listFocused))
            return &shortcut;
    return nullptr;
}

std::string shortcutListText()
{
    std::string text;
    for (const Shortcut& shortcut : mainWindowShortcuts())
        text += shortcut.keys + "\t" + shortcut.what + "\n";
    text += sjis("Esc\t終了\n");
    text += sjis("+ - * /\tダメージ欄で値を 1 や 2 ずつ広げる（テンキー）\n");
    return text;
}

std::string shortcutToolTip(const Shortcut& shortcut)
{
    return shortcut.what + sjis("（") + shortcut.keys + sjis("）");
}

std::string toolTipWithShortcut(int id, const std::string& text)
{
    const Shortcut* shortcut = shortcutOf(id);
    if (shortcut == nullptr)
        return text;
    return text.empty() ? shortcutToolTip(*shortcut) : text + "\n" + shortcutToolTip(*shortcut);
}

void showShortcutToolTips(Controls& controls)
{
    for (const Shortcut& shortcut : mainWindowShortcuts())
        controls.setToolTip(shortcut.id, shortcutToolTip(shortcut));
}

bool isCommand(int id)
{
    return id == id::kTopmostCommand || id == id::kCopyNameCommand || id == id::kGuideCommand || id == id::kUndoReset;
}

bool clickKeepsFocus(const ControlSpec& item)
{
    switch (item.kind) {
    case ControlKind::Radio:
    case ControlKind::PushRadio:
    case ControlKind::PushCheck: return true;
    case ControlKind::Button:
        return item.id == id::kReset || std::any_of(kValueButtons.begin(), kValueButtons.end(),
                                                    [&](const auto& b) { return b.first == item.id; });
    default: return false;
    }
}

}  // namespace kestrel::ui

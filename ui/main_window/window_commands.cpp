// The main window's commands that belong to no control: always on top, the
// player's guide, the copy of a name and bringing back what a reset cleared,
// and the keys that run them.

#include "ui/main_window/window.h"

#include "platform/file_names.h"
#include "platform/guide_file.h"
#include "platform/program_path.h"
#include "ui/ids.h"
#include "ui/list/list_view.h"
#include "ui/texts/texts.h"

namespace kestrel::ui {

void CKestrelDlg::onCommand(int id)
{
    if (id == id::kTopmostCommand)
        onTopmostCommand(!settings_.topmost);
    else if (id == id::kCopyNameCommand)
        onCopyNameCommand();
    else if (id == id::kGuideCommand)
        onGuideCommand();
    else if (id == id::kUndoReset)
        onResetUndo();
}

void CKestrelDlg::onTopmostCommand(bool topmost)
{
    settings_.topmost = topmost;
    controls_.setTopmost(topmost);
    saveSettings();
}

// The guide beside the program or in its documentation folder; where there is
// none, or the system cannot open it, the notice line says so.
void CKestrelDlg::onGuideCommand()
{
    const std::string guide = guideFilePath(executablePath());
    if (guide.empty()) {
        tellNotice(Notice::Guide, sjis("使い方（") + settingsPathOf(kGuideFileName) +
                                      sjis("）が見つかりません。プログラムと同じフォルダーにあるはずのファイルです。"));
        return;
    }
    if (!controls_.openDocument(guide))
        tellNotice(Notice::Guide, sjis("使い方を開けませんでした: ") + settingsPathOf(guide));
}

void CKestrelDlg::onRowActivated(int id, int row)
{
    if (id != kIdList)
        return;
    if (const std::string name = nameOfListRow(row); !name.empty())
        copyName(name);
}

}  // namespace kestrel::ui

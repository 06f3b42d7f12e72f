// What the window says about a definition file that does not keep to its
// layout: a garbage file is refused with a message box, a file with problems
// loads and the notice line names how many lines and the first of them; the
// check item of the help menu lists them all.

#include "ui/main_window/window.h"

#include "catalogue/definition_check.h"
#include "platform/file_names.h"
#include "ui/texts/definition_report.h"
#include "ui/texts/texts.h"

#include <string>

namespace kestrel::ui {

void CKestrelDlg::tellDefinitionFileProblems()
{
    const LoadWarning* first = firstWarning(loadReport_);
    if (first == nullptr) {
        withdrawNotice(Notice::DefinitionFile);  // it was about the file loaded before
        return;
    }
    const int lines = linesOutsideLayout(loadReport_);
    std::string text;
    if (lines > 0)
        text = sjis("定義ファイルの ") + std::to_string(lines) + sjis(" 行が形式に合っていません。最初は ") +
               std::to_string(first->line) + sjis(" 行目: ") + warningText(*first);
    else
        text = sjis("定義ファイルに注意点があります: ") + warningText(*first);
    tellNotice(Notice::DefinitionFile, text + sjis("（一覧: ヘルプ → 定義ファイルの確認）"));
}

void CKestrelDlg::onCheckDefinitionFile()
{
    const std::string caption = sjis("定義ファイルの確認");
    if (!loadReport_.opened) {
        controls_.messageBox(sjis("定義ファイルが読み込まれていません。「Refer...」で選んでください。"), caption,
                             MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    std::string text = definitionReportText(settingsPathOf(loadedFile_), loadReport_, catalogue_->monsterCount);
    if (isGarbage(loadReport_))
        text += sjis("定義ファイルの形ではないため読み込んでいません。\n");
    controls_.showReport(caption, text);
}

}  // namespace kestrel::ui

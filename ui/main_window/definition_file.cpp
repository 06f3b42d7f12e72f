// The definition file: which one is loaded at start, what Refer, a dropped file
// or a file given on the command line change, and how it is remembered. A file
// that cannot be read or is no definition file never replaces the table that is
// loaded nor the file that is remembered.

#include "ui/main_window/window.h"

#include "catalogue/definition_check.h"
#include "catalogue/monster_loader.h"
#include "platform/cp932.h"
#include "platform/file_names.h"
#include "ui/ids.h"
#include "ui/texts/texts.h"

#include <utility>

namespace kestrel::ui {

void CKestrelDlg::setFallbackDefinitionFile(std::string path) { fallbackFile_ = std::move(path); }

// At start: the file given as the argument (remembered once it has loaded),
// else the remembered one, else the program's sample.
void CKestrelDlg::loadFirstDefinitionFile(const std::string& argument)
{
    if (!argument.empty()) {
        LoadReport report;
        if (auto table = readDefinitionFile(argument, report)) {
            rememberDefinitionFile(argument);
            saveSettings();
            takeDefinitionFile(std::move(table), report, argument);
            return;
        }
    }
    if (loadChosenDefinitionFile())
        return;
    LoadReport report;
    if (!fallbackFile_.empty())
        if (auto table = readDefinitionFile(fallbackFile_, report)) {
            takeDefinitionFile(std::move(table), report, fallbackFile_);
            return;
        }
    describeLoadedFile();  // nothing loaded: nothing to check an answer against
}

// The remembered file, as every start reads it: one that has gone since gives
// the loader's open error and an empty table. True when it loaded.
bool CKestrelDlg::loadChosenDefinitionFile()
{
    const std::string chosen = definitionFilePath();
    if (chosen.empty())
        return false;
    LoadReport report;
    if (auto table = readDefinitionFile(chosen, report)) {
        takeDefinitionFile(std::move(table), report, chosen);
        return true;
    }
    clearCatalogue(*catalogue_);
    loadReport_ = report;
    loadedFile_ = chosen;
    describeLoadedFile();
    return false;
}

std::unique_ptr<Catalogue> CKestrelDlg::readDefinitionFile(const std::string& path, LoadReport& report)
{
    auto table = std::make_unique<Catalogue>();
    report = loadMonsterFile(*table, path, [this](const LoaderMessage& message) {
        controls_.messageBox(message.text, message.caption, MessageButtons::Ok, message.icon);
    });
    if (!report.opened)
        return nullptr;
    if (isGarbage(report)) {
        controls_.messageBox(sjis("このファイルは定義ファイルとして読めません。テキストでないか、"
                                  "見出しにも各行にも定義ファイルの形が見当たりません。\n\n") +
                                 settingsPathOf(path) + sjis("\n\n「Refer...」で定義ファイルを選んでください。"),
                             "", MessageButtons::Ok, MessageIcon::Error);
        return nullptr;
    }
    return table;
}

void CKestrelDlg::takeDefinitionFile(std::unique_ptr<Catalogue> table, const LoadReport& report,
                                     const std::string& path)
{
    *catalogue_ = std::move(*table);
    loadReport_ = report;
    loadedFile_ = path;
    showPathLabel();
    tellDefinitionFileProblems();
    describeLoadedFile();
}

void CKestrelDlg::openDefinitionFile(const std::string& path)
{
    LoadReport report;
    auto table = readDefinitionFile(path, report);
    if (!table)
        return;       // the list, the observations and the remembered file stay
    dropResetUndo();  // another table: what was cleared is of the last one
    rememberDefinitionFile(path);
    saveSettings();
    takeDefinitionFile(std::move(table), report, path);
    computeExpectedDamage();
    applySortForLaterRefresh();
    resetObservations();
    updateObservationLabels();
    state_.refreshSuppressed = 0;
    updateUserLabels();
    refresh();
}

void CKestrelDlg::showPathLabel()
{
    // A path that code page 932 cannot hold is shown as near as it can.
    std::string path =
        settings_.monsterFileUtf8.empty() ? settings_.monsterFilePath : settingsPathOf(settings_.monsterFileUtf8);
    if (!fallbackFile_.empty() && loadedFile_ == fallbackFile_)
        path = settingsPathOf(fallbackFile_);  // the sample stands in for the chosen file
    controls_.setText(id::kPath, path.empty() ? sjis("設定してください →") : std::string(fileNameOf(path)));
}

// A path that survives the trip through code page 932 goes into MONSTERFILE as
// it always did; any other is kept whole in UTF-8 beside it, so the next start
// still finds the file, and MONSTERFILE keeps the last path it could hold.
void CKestrelDlg::rememberDefinitionFile(const std::string& path)
{
    const std::string held = settingsPathOf(path);
    if (fileSystemPath(held) == path || !isValidUtf8(path)) {
        settings_.monsterFilePath = held;
        settings_.monsterFileUtf8.clear();
    } else {
        settings_.monsterFileUtf8 = path;
    }
}

std::string CKestrelDlg::definitionFilePath() const
{
    return settings_.monsterFileUtf8.empty() ? fileSystemPath(settings_.monsterFilePath) : settings_.monsterFileUtf8;
}

}  // namespace kestrel::ui

// 答え合わせ: once the game has told the answer, the player names it in a small
// dialog; the window checks it against the observations, tells the verdict on
// the notice line and appends the quiz to the log beside the settings file.
// Nothing of the quiz is touched, so a check that could not be recorded can be
// made again. Help → 答え合わせの記録 reads the whole log back.

#include "ui/main_window/window.h"

#include "platform/file_names.h"
#include "ui/dialogs/answer_dialog.h"
#include "ui/dialogs/answer_verdict.h"
#include "ui/dialogs/quiz_log_report.h"
#include "ui/ids.h"
#include "ui/list/list_view.h"
#include "ui/texts/texts.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>

namespace kestrel::ui {

namespace {

std::string nameOf(const MonsterRecord& r) { return {r.name, ::strnlen(r.name, sizeof r.name)}; }

// The record whose name is exactly text; -1 for none.
std::int32_t recordNamed(const Catalogue& catalogue, const std::string& text)
{
    const std::int32_t n = std::clamp<std::int32_t>(catalogue.monsterCount, 0, kMaxMonsters);
    for (std::int32_t i = 0; i < n && !text.empty(); ++i)
        if (nameOf(catalogue.monsterTable[static_cast<std::size_t>(i)]) == text)
            return i;
    return -1;
}

}  // namespace

// The button works only on a loaded table; the file's name, size and digest
// go into every line the log gets.
void CKestrelDlg::describeLoadedFile()
{
    loadedFileFacts_ = {};
    const bool loaded = loadReport_.opened && catalogue_->monsterCount > 0;
    if (loaded && !describeDefinitionFile(pathFromUtf8(loadedFile_), loadedFileFacts_))
        loadedFileFacts_ = {};
    if (controls_.enabled(id::kAnswerCheck) != loaded)
        controls_.setEnabled(id::kAnswerCheck, loaded);
}

// The name of the row the player selected (the first row of its block in the
// まめ layout), else the only candidate's; empty for neither.
std::string CKestrelDlg::answerNameToOffer()
{
    const int selected = controls_.selectedRow(kIdList);
    if (selected >= 0 && state_.listLocked == 0) {
        const auto rows = candidateRows(*catalogue_, state_, settings_.debugLevel);
        for (int row = std::min<int>(selected, static_cast<int>(rows.size()) - 1); row >= 0; --row) {
            for (const std::string& cell : rows[static_cast<std::size_t>(row)])
                if (recordNamed(*catalogue_, cell) >= 0)
                    return cell;
        }
    }
    if (state_.candidateCount == 1) {
        const std::int32_t n = std::clamp<std::int32_t>(catalogue_->monsterCount, 0, kMaxMonsters);
        for (std::int32_t i = 0; i < n; ++i)
            if (catalogue_->monsterTable[static_cast<std::size_t>(i)].isCandidate)
                return nameOf(catalogue_->monsterTable[static_cast<std::size_t>(i)]);
    }
    return {};
}

QuizLogContext CKestrelDlg::quizLogContext() const
{
    QuizLogContext context = loadedFileFacts_;
    if (const PlayerProfile* profile = currentProfile())
        context.profile = *profile;
    auto row = [this](int low, int high) { return TypedDamageRow{controls_.text(low), controls_.text(high)}; };
    context.dealt = row(id::kDealtLow, id::kDealtHigh);
    context.taken = row(id::kTakenLow, id::kTakenHigh);
    context.special = row(id::kSpecialLow, id::kSpecialHigh);
    context.moonsault = row(id::kMoonsaultLow, id::kMoonsaultHigh);
    return context;
}

void CKestrelDlg::onAnswerCheck()
{
    if (catalogue_->monsterCount <= 0)
        return;
    AnswerDialog dialog(*catalogue_);
    dialog.initialName = answerNameToOffer();
    const bool ok = controls_.runModal(AnswerDialog::caption(), dialog);
    focusPrimaryInput();
    if (!ok || dialog.answer < 0)
        return;
    const FilterInputs inputs = filterInputs();
    const PlayerProfile* profile = currentProfile();
    const ProfileSides sides = profile ? profileSidesOf(*profile) : ProfileSides{};
    const AnswerCheck check = checkAnswer(*catalogue_, state_, inputs, dialog.answer, sides);
    const MonsterRecord& answer = catalogue_->monsterTable[static_cast<std::size_t>(dialog.answer)];
    const std::string verdict = answerVerdictText(answer, check, state_, inputs);

    const std::string line = quizLogLine(quizLogContext(), *catalogue_, state_, inputs, check, currentLocalTime());
    const AppendResult written = appendQuizLogLine(quizLogFile_, line);
    if (written.ok) {
        tellNotice(Notice::Answer, verdict + sjis("（記録しました）"));
        return;
    }
    tellNotice(Notice::Answer, verdict + sjis("（記録できませんでした）"));
    // The message names the file and says why; the quiz stays as it is for another try.
    controls_.messageBox(written.message, sjis("答え合わせ"), MessageButtons::Ok, MessageIcon::Error);
}

void CKestrelDlg::onQuizLogReport()
{
    const std::string caption = sjis("答え合わせの記録");
    const std::string logName = settingsPathOf(utf8FromPath(quizLogFile_));
    std::error_code error;
    if (!std::filesystem::exists(quizLogFile_, error)) {
        controls_.messageBox(sjis("まだ答え合わせの記録がありません。クイズの後に「答え合わせ…」（Ctrl+Shift+A）で"
                                  "答えを入れると、ここに記録されます。\n\n") +
                                 logName,
                             caption, MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    std::ifstream log(quizLogFile_, std::ios::binary);
    if (!log) {
        controls_.messageBox(sjis("答え合わせの記録を読めません。\n\n") + logName, caption, MessageButtons::Ok,
                             MessageIcon::Error);
        return;
    }
    const QuizLogSummary summary = summariseQuizLog(log, *catalogue_, loadedFileFacts_.definitionDigest);
    controls_.showReport(caption, quizLogReportText(summary, logName));
}

}  // namespace kestrel::ui

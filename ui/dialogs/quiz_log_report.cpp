// The report over the quiz log: for each answer, how many quizzes checked it,
// what the fights imply about its attack and defense next to the file's value,
// the facts of its record the fights contradicted, and the warnings.

#include "ui/dialogs/quiz_log_report.h"

#include "ui/dialogs/answer_verdict.h"
#include "ui/texts/texts.h"

namespace kestrel::ui {

namespace {

std::string number(std::int64_t value) { return std::to_string(value); }

// "攻撃力 90～96（定義ファイル 92）", "守備力 120～140（定義ファイル 170 は外れ）".
std::string sideText(const char* stat, const ImpliedSummary& side, bool inconsistent)
{
    std::string text = sjis(stat) + " ";
    if (side.measured == 0)
        text += sjis("観測なし");
    else if (side.implied.empty())
        text += inconsistent ? sjis("観測どうしが食い違い") : sjis("観測に合う値なし");
    else
        text += impliedText(side.implied);
    text += sjis("（定義ファイル ") + (side.value < 0 ? sjis("不明") : number(side.value));
    if (side.outside)
        text += sjis(" は外れ");
    return text + sjis("）");
}

}  // namespace

std::string quizLogMonsterLine(const MonsterLesson& lesson)
{
    std::string line = lesson.name + sjis("　") + number(static_cast<std::int64_t>(lesson.quizzes)) + sjis(" 回: ");
    line += sideText("攻撃力", lesson.attack, lesson.inconsistent) + sjis("、") +
            sideText("守備力", lesson.defense, lesson.inconsistent);
    for (const auto& [attribute, count] : lesson.contradictions)
        line += sjis("、") + factSubject(attribute) + sjis("が食い違い ") + number(count) + sjis(" 回");
    if (lesson.inconsistent)
        line += sjis("　［要確認: 観測が互いに合いません（答えの打ち間違いかゲームの変更）］");
    if (lesson.otherDefinition)
        line += sjis("　［別の定義ファイルでの記録を名前で照合］");
    if (!lesson.inFile)
        line += sjis("　［今の定義ファイルにいない名前］");
    return line;
}

std::string quizLogReportText(const QuizLogSummary& summary, const std::string& logName)
{
    std::string text = sjis("記録: ") + logName + "\n";
    text += number(static_cast<std::int64_t>(summary.lines)) + sjis(" 件");
    if (summary.unreadable > 0)
        text += sjis("（うち読めない行 ") + number(static_cast<std::int64_t>(summary.unreadable)) +
                sjis(" 行は飛ばしました）");
    text += sjis("、今の定義ファイルと照らした結果:\n");
    if (summary.monsters.empty())
        text += sjis("まだ答え合わせの記録がありません。\n");
    for (const MonsterLesson& lesson : summary.monsters)
        text += quizLogMonsterLine(lesson) + "\n";
    return text;
}

}  // namespace kestrel::ui

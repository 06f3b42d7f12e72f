#pragma once
// ヘルプ → 答え合わせの記録: the quiz log read against the definition file now
// loaded, one line per monster that was an answer (code page 932 text, lines
// ended by "\n"), from the same summary as `kestrel-cli log`.

#include "settings/quiz_log.h"

#include <string>

namespace kestrel::ui {

// "ウロコドリル　2 回: 攻撃力 90～96（定義ファイル 92）、守備力 120～140（定義ファイル 170 は外れ）…".
std::string quizLogMonsterLine(const MonsterLesson& lesson);

// The heading (the log's place, its lines and the unreadable ones), then a line
// per monster; logName names the log as the player knows it (code page 932).
std::string quizLogReportText(const QuizLogSummary& summary, const std::string& logName);

}  // namespace kestrel::ui

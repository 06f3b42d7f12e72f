// 答え合わせ in the window logic: the verdict sentence for every reason an
// answer can fail, the dialog finding a name as it is typed, and the window
// writing the same log line as `kestrel-cli answer --log` for the same quiz.

#include "platform/cp932.h"
#include "platform/file_names.h"
#include "support/cli_run.h"
#include "support/monster_files.h"
#include "ui/dialogs/answer_dialog.h"
#include "ui/dialogs/answer_verdict.h"
#include "ui/dialogs/quiz_log_report.h"
#include "ui/ids.h"
#include "ui/main_window/window.h"
#include "ui/memory_controls.h"
#include "ui/texts/texts.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <fstream>
#include <memory>

using namespace kestrel;
using namespace kestrel::ui;
using kestrel::testing::TempDir;

namespace {

MonsterRecord record(const char* utf8Name)
{
    MonsterRecord r{};
    const std::string name = sjis(utf8Name);
    std::memcpy(r.name, name.data(), std::min(name.size(), sizeof r.name - 1));
    r.hp = 460, r.mp = 12, r.family = 13, r.attack = 230, r.defense = 170;
    return r;
}

AnswerCheck failing(std::initializer_list<Criterion> criteria)
{
    AnswerCheck check;
    for (Criterion c : criteria)
        check.verdict.failed |= 1U << static_cast<unsigned>(c);
    return check;
}

ImpliedValue implied(std::int32_t file, std::vector<StatInterval> sets)
{
    ImpliedValue v;
    v.fileValue = file, v.known = true, v.implied = std::move(sets);
    v.inside = impliedContains(v.implied, file);
    return v;
}

std::string verdict(const AnswerCheck& check, const ObservationState& s = {}, const FilterInputs& in = {})
{
    return answerVerdictText(record("ウロコドリル"), check, s, in);
}

}  // namespace

TEST(AnswerVerdict, AgreementAndEachDamageReasonWithWhatTheObservationsImply)
{
    AnswerCheck right;
    right.wasCandidate = true;
    right.defense = implied(170, {{160, 180}});
    EXPECT_EQ(verdict(right), sjis("答え: ウロコドリル — 観測と定義ファイルは合っています"));

    FilterInputs in;
    in.dealtLow = in.dealtHigh = 95;
    AnswerCheck dealt = failing({Criterion::dealtDamage});
    dealt.verdict.dealt = {true, 60, 80};
    dealt.defense = implied(170, {{120, 140}});
    EXPECT_EQ(verdict(dealt, {}, in),
              sjis("答え: ウロコドリル — 与ダメ 95 で外れていました: 観測からは守備力 120～140（定義ファイルは 170）"));

    // The formula's low branch adds a second interval; the top one may be open.
    in.takenLow = 30, in.takenHigh = 52;
    AnswerCheck taken = failing({Criterion::takenDamage});
    taken.verdict.taken = {true, 40, 50};
    taken.attack = implied(230, {{150, 152}, {300, kImpliedStatMax}});
    EXPECT_EQ(verdict(taken, {}, in), sjis("答え: ウロコドリル — 被ダメ 30～52 で外れていました: 観測からは攻撃力 "
                                           "150～152 または 300 以上（定義ファイルは 230）"));
    in.takenLow = 45;  // only the high value lies outside
    EXPECT_NE(verdict(taken, {}, in).find(sjis("被ダメ 52 で")), std::string::npos);

    // Values that contradict each other leave no attack at all; an unset profile side tells the file's range.
    taken.attack = implied(230, {});
    EXPECT_NE(verdict(taken, {}, in).find(sjis("観測に合う攻撃力はありません（定義ファイルは 230）")),
              std::string::npos);
    taken.attack = {};
    EXPECT_NE(verdict(taken, {}, in).find(sjis("被ダメ 52 で外れていました（定義ファイルからは 40～50）")),
              std::string::npos);

    // Kept only by the tolerance box: still said, since the file's value lies outside.
    AnswerCheck tolerated;
    tolerated.wasCandidate = true;
    tolerated.defense = implied(170, {{125, 125}});
    EXPECT_EQ(verdict(tolerated),
              sjis("答え: ウロコドリル — 許容範囲で残っていました: 観測からは守備力 125（定義ファイルは 170）"));
}

TEST(AnswerVerdict, EveryOtherCriterionAndFactContradictionIsTold)
{
    ObservationState s;
    s.hpAtLeast = 500, s.hpAtMost = 400, s.mpAtLeast = 20, s.mpAtMost = 10;
    AnswerCheck bounds = failing({Criterion::hpAtLeast, Criterion::hpAtMost, Criterion::mpAtLeast, Criterion::mpAtMost,
                                  Criterion::name, Criterion::trivia});
    EXPECT_EQ(verdict(bounds, s), sjis("答え: ウロコドリル — 定義ファイルの HP 460 は観測の「500 以上」に合いません、"
                                       "定義ファイルの HP 460 は観測の「400 以下」に合いません、"
                                       "定義ファイルの MP 12 は観測の「20 以上」に合いません、"
                                       "定義ファイルの MP 12 は観測の「10 以下」に合いません、"
                                       "名前の検索（@）に合いません、まめちしきの検索に合いません"));

    AnswerCheck facts =
        failing({Criterion::floating, Criterion::metal, Criterion::size, Criterion::mpDrain, Criterion::anger,
                 Criterion::push, Criterion::familyExclusion, Criterion::familyConfirmation, Criterion::skill});
    facts.contradictions = {{"floating", "yes", "no"},  {"metal", "no", "yes"}, {"size", "big", "normal"},
                            {"mpDrain", "yes", "no"},   {"anger", "no", "yes"}, {"push", "yes", "weight 1000"},
                            {"family", "not 13", "13"}, {"family", "9", "13"},  {"skill", sjis("ためる"), ""}};
    EXPECT_EQ(verdict(facts), sjis("答え: ウロコドリル — 浮遊が違います（観測: 浮く、定義ファイル: 浮かない）、"
                                   "メタルが違います（観測: メタルでない、定義ファイル: メタル）、"
                                   "大きさが違います（観測: 大きい、定義ファイル: 普通）、"
                                   "MP吸が違います（観測: 吸えた、定義ファイル: 吸えない）、"
                                   "怒りが違います（観測: 怒らない、定義ファイル: 怒る）、"
                                   "重さが違います（観測: 押せる、定義ファイル: 重さ 1000）、"
                                   "系統が違います（観測: ド 以外、定義ファイル: ド）、"
                                   "系統が違います（観測: 水、定義ファイル: ド）、"
                                   "特技「ためる」は定義ファイルの特技にありません"));

    // A failed fact the check names no contradiction for still gets a reason.
    EXPECT_EQ(verdict(failing({Criterion::metal, Criterion::familyConfirmation, Criterion::skill})),
              sjis("答え: ウロコドリル — メタルが観測と違います、系統が観測と違います（定義ファイル: ド）、"
                   "検索した特技が定義ファイルの特技にありません"));
    EXPECT_EQ(verdict(AnswerCheck{}), sjis("答え: ウロコドリル — 今の級では出題されないモンスターです"));
}

TEST(AnswerVerdict, ReportLineMarksTheFileValueOutsideAndTheWarnings)
{
    MonsterLesson lesson;
    lesson.name = sjis("ウロコドリル");
    lesson.quizzes = 3;
    lesson.attack = {230, 0, {}, false};
    lesson.defense = {170, 2, {{120, 140}}, true};
    lesson.contradictions = {{"floating", 1}};
    lesson.otherDefinition = true;
    EXPECT_EQ(
        quizLogMonsterLine(lesson),
        sjis("ウロコドリル　3 回: 攻撃力 観測なし（定義ファイル 230）、守備力 120～140（定義ファイル 170 は外れ）、"
             "浮遊が食い違い 1 回　［別の定義ファイルでの記録を名前で照合］　［今の定義ファイルにいない名前］"));
    lesson.inFile = true, lesson.otherDefinition = false, lesson.inconsistent = true, lesson.contradictions.clear();
    lesson.defense = {-1, 2, {}, false};
    EXPECT_EQ(
        quizLogMonsterLine(lesson),
        sjis("ウロコドリル　3 回: 攻撃力 観測なし（定義ファイル 230）、守備力 観測どうしが食い違い（定義ファイル 不明）"
             "　［要確認: 観測が互いに合いません（答えの打ち間違いかゲームの変更）］"));
}

TEST(AnswerDialog, FindsTheNameAsItIsTypedAndOkTakesOnlyAFoundRecord)
{
    Catalogue catalogue;
    loadMonsterFile(catalogue, kestrel::testing::sampleFilePath(), {});
    AnswerDialog dialog(catalogue);
    dialog.initialName = sjis("カラクリカカシ");
    MemoryControls shown;
    shown.create(dialog.controls(), dialog);
    dialog.onInit(shown);
    EXPECT_EQ(shown.text(answer_dialog_id::kName), sjis("カラクリカカシ"));
    EXPECT_EQ(shown.text(answer_dialog_id::kFound), sjis("→ カラクリカカシ"));
    EXPECT_TRUE(shown.enabled(kIdOk));

    // Kana and the first letters find it as the @name search does; the first in table order wins.
    shown.type(answer_dialog_id::kName, "");
    EXPECT_EQ(shown.text(answer_dialog_id::kFound), "");
    EXPECT_FALSE(shown.enabled(kIdOk));
    for (char c : sjis("さび"))
        shown.key(answer_dialog_id::kName, c);
    EXPECT_EQ(shown.text(answer_dialog_id::kFound), sjis("→ サビツキヨロイ"));
    EXPECT_TRUE(shown.enabled(kIdOk));
    dialog.onOk(shown);
    EXPECT_EQ(dialog.answer, findAnswer(catalogue, sjis("サビツキヨロイ")));

    shown.type(answer_dialog_id::kName, sjis("ゾゾゾ"));
    EXPECT_EQ(shown.text(answer_dialog_id::kFound), sjis("この名前で始まるモンスターは定義ファイルにいません"));
    EXPECT_FALSE(shown.enabled(kIdOk));
    dialog.onOk(shown);
    EXPECT_EQ(dialog.answer, -1);
}

namespace {

std::vector<std::string> linesOf(const std::filesystem::path& file)
{
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The line without its "time" member, the one thing two checks of one quiz may differ in.
std::string withoutTime(std::string line)
{
    const std::size_t at = line.find("\"time\":\"");
    const std::size_t end = at == std::string::npos ? at : line.find('"', at + 8);
    return end == std::string::npos ? line : line.erase(at, end + 2 - at);
}

}  // namespace

TEST(AnswerWindow, WritesTheLineOfKestrelCliForTheSameQuizAndNeedsALoadedFile)
{
    TempDir dir;
    const std::filesystem::path log = pathFromUtf8(dir.path()) / "window.jsonl";
    {
        MemoryControls c;
        CKestrelDlg window(c, dir.write("k.ini", "[SETTING]\r\nMONSTERFILE=\r\n"));
        window.setQuizLogFile(log);
        window.OnInitDialog();
        EXPECT_FALSE(c.enabled(id::kAnswerCheck));  // no file loaded
        window.onAnswerCheck();                     // the menu item does nothing either
        EXPECT_TRUE(c.dialogsRun().empty());
    }
    MemoryControls c;
    CKestrelDlg window(c,
                       dir.write("k.ini", "[SETTING]\r\nMONSTERFILE=" + kestrel::testing::sampleFilePath() + "\r\n"));
    window.setQuizLogFile(log);
    window.OnInitDialog();
    c.flushPostedFocus();
    c.shownMessages().clear();
    EXPECT_TRUE(c.enabled(id::kAnswerCheck));
    c.click(id::kClassRadios[1]);
    c.queueDialog({true, {{1005, "200"}, {1006, "150"}, {1023, "500"}}, {}});
    c.click(id::kChangeUser);
    c.type(id::kDealtLow, "60");
    c.type(id::kTakenLow, "45");
    c.click(id::kAngerButton);
    c.click(id::kAngerButton);
    c.click(id::kSkillButtons[4]);  // ためる
    c.queueDialog({true, {{answer_dialog_id::kName, sjis("からくり")}}, {}});
    c.click(id::kAnswerCheck);
    ASSERT_EQ(linesOf(log).size(), 1u) << cp932ToUtf8(c.currentNotice());

    const std::filesystem::path cliLog = pathFromUtf8(dir.path()) / "cli.jsonl";
    const auto run =
        kestrel::testing::runCli("answer \"" + kestrel::testing::sampleFilePath() +
                                 "\" --class 2 --atk 200 --def 150 --weight 500 --dealt 60 --taken 45 --anger no "
                                 "--search ためる --answer カラクリカカシ --log \"" +
                                 utf8FromPath(cliLog) + "\"");
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(linesOf(cliLog).size(), 1u);
    EXPECT_EQ(withoutTime(linesOf(log)[0]), withoutTime(linesOf(cliLog)[0]));
}

// The report of ヘルプ → 答え合わせの記録 and `kestrel-cli log` read the same log
// against the same file: the same monsters in the same order, with the same
// counts, implied values and refuted file values.
TEST(AnswerWindow, TheReportSaysWhatKestrelCliLogSays)
{
    TempDir dir;
    const std::filesystem::path log = pathFromUtf8(dir.path()) / "quizlog.jsonl";
    MemoryControls c;
    CKestrelDlg window(c,
                       dir.write("k.ini", "[SETTING]\r\nMONSTERFILE=" + kestrel::testing::sampleFilePath() + "\r\n"));
    window.setQuizLogFile(log);
    window.OnInitDialog();
    c.click(id::kClassRadios[1]);
    c.queueDialog({true, {{1005, "200"}, {1006, "150"}, {1023, "500"}}, {}});
    c.click(id::kChangeUser);
    c.type(id::kDealtLow, "95");  // neither answer's defense in the file fits it
    for (const char* answer : {"からくり", "うろこ", "からくり"}) {
        c.queueDialog({true, {{answer_dialog_id::kName, sjis(answer)}}, {}});
        c.click(id::kAnswerCheck);
    }
    ASSERT_EQ(linesOf(log).size(), 3u);
    c.shownMessages().clear();
    window.onQuizLogReport();
    ASSERT_EQ(c.shownMessages().size(), 1u);
    const std::string report = c.shownMessages().front().text;

    const nlohmann::json cli =
        nlohmann::json::parse(kestrel::testing::runCli("log \"" + utf8FromPath(log) + "\" --definition \"" +
                                                       kestrel::testing::sampleFilePath() + "\"")
                                  .out);
    ASSERT_EQ(cli["monsters"].size(), 2u);
    EXPECT_NE(report.find(std::to_string(cli["lines"].get<int>()) + sjis(" 件")), std::string::npos);
    std::size_t at = 0;
    for (const nlohmann::json& m : cli["monsters"]) {
        std::string expected =
            sjis(m["name"].get<std::string>()) + sjis("　") + std::to_string(m["quizzes"].get<int>()) + sjis(" 回: ");
        for (const char* side : {"attack", "defense"}) {
            const auto sets = m[side]["implied"].get<std::vector<StatInterval>>();
            expected += sjis(side == std::string("attack") ? "攻撃力 " : "、守備力 ") +
                        (sets.empty() ? sjis("観測なし") : impliedText(sets)) + sjis("（定義ファイル ") +
                        std::to_string(m[side]["value"].get<int>()) +
                        (m[side]["outside"].get<bool>() ? sjis(" は外れ）") : sjis("）"));
        }
        at = report.find("\n" + expected + "\n", at);
        EXPECT_NE(at, std::string::npos) << cp932ToUtf8(expected) << "\n" << cp932ToUtf8(report);
    }
}

// The quiz log: a line holds every observation and reads back to the same
// quiz; unreadable lines are skipped and counted, never lost; appending is
// whole lines only, from two programs at once, and a failed append says so.

#include "settings/quiz_log.h"

#include "engine/candidate_filter.h"
#include "engine/damage_model.h"
#include "engine/text_search.h"
#include "platform/cp932.h"
#include "platform/file_names.h"
#include "platform/local_time.h"
#include "support/monster_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <thread>
#ifndef _WIN32
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kestrel {
namespace {

namespace fs = std::filesystem;
using Intervals = std::vector<StatInterval>;

MonsterRecord record(const std::string& utf8Name, std::int32_t attack, std::int32_t defense)
{
    MonsterRecord r{};
    const std::string name = utf8ToCp932(utf8Name);
    std::strcpy(r.name, name.c_str());
    std::strcpy(r.reading, name.c_str());
    r.quizClass = 1, r.family = 3, r.hp = 100, r.mp = 20, r.attack = attack, r.defense = defense, r.weight = 200;
    r.skillCount = 1;
    std::strcpy(r.skills[0], "FIRE");
    std::strcpy(r.skillKeys[0], "FIRE");
    return r;
}

// A quiz over three monsters: the window's state after its observations.
struct Quiz {
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    ObservationState state;
    FilterInputs inputs;
    QuizLogContext context;

    Quiz()
    {
        for (const MonsterRecord& r :
             {record("ボロヌノオバケ", 120, 150), record("ウロコドリル", 230, 170), record("ナニモノカ", 100, 100)})
            catalogue->monsterTable[catalogue->monsterCount++] = r;
        for (int i = 0; i < catalogue->monsterCount; ++i)
            catalogue->monsterTable[i].loadIndex = i;
        state.currentClass = 3;
        context.definitionName = utf8ToCp932("モンスター.csv");
        context.definitionSize = 24019, context.definitionDigest = 0x1b76d5ded5c4b6ccULL;
        context.profile = {3, 2, 200, 150, 500, 40, "Player"};
        inputs.ORBUMLV = 2, inputs.WEIGHT = 500;
    }
    std::string line(const std::string& answer, const std::string& time = "2026-12-07T12:00:00+09:00")
    {
        computeExpectedDamage(*catalogue, context.profile.ATACK, context.profile.DEFENSE);
        splitSearchText(state.search, inputs.searchText);
        normaliseSearchWords(state.search);
        refresh(*catalogue, state, inputs);
        const AnswerCheck check = checkAnswer(*catalogue, state, inputs, findAnswer(*catalogue, utf8ToCp932(answer)),
                                              {context.profile.ATACK, context.profile.DEFENSE});
        return quizLogLine(context, *catalogue, state, inputs, check, time);
    }
};

// Every kind of observation set to something other than its reset value.
void observeEverything(Quiz& q)
{
    ObservationState& s = q.state;
    FilterInputs& in = q.inputs;
    in.floating = true, s.observedFloating = 0;
    in.metal = true, s.observedMetal = 0;
    in.size = true, s.observedSize = 1;
    in.mpDrain = false, s.observedMpDrain = 1;  // clicked, then its box unticked
    in.anger = true, s.observedAnger = 2;
    in.push = true, s.observedPush = 1;
    in.hpAtLeast = true, s.hpAtLeast = 50;
    in.hpAtMost = true, s.hpAtMost = 500;
    in.mpAtLeast = false, s.mpAtLeast = 5;
    in.mpAtMost = true, s.mpAtMost = 99;
    in.familyExclusion = true, s.familyExcluded[2] = s.familyExcluded[14] = 1;
    in.familyConfirmation = true, s.familyConfirmed = 3;
    in.dealtDamage = true, in.dealtLow = 60, in.dealtHigh = 62;
    in.takenDamage = true, in.takenLow = 40, in.takenHigh = 40;
    q.context.dealt = {"60", "62"}, q.context.taken = {"40", ""};
    q.context.special = {"75", "80"}, q.context.moonsault = {utf8ToCp932("１２"), ""};
    in.textSearch = true, in.searchText = utf8ToCp932("@ボロ ほのお \"quoted\"\tFIRE");
    in.tolerance = true, in.tolerances = {60, 110, 40, 120};
    s.listLayout = 3;
}

TEST(QuizLog, LineReadsBackAsTheSameQuiz)
{
    Quiz q;
    observeEverything(q);
    const std::string first = q.line("ボロヌノオバケ");
    EXPECT_EQ(first.find('\n'), std::string::npos);

    const std::optional<QuizLogEntry> entry = readQuizLogLine(first);
    ASSERT_TRUE(entry);
    EXPECT_EQ(
        std::tuple(entry->answer, entry->time, entry->context.profile.SPATK, entry->context.definitionDigest),
        std::tuple(utf8ToCp932("ボロヌノオバケ"), std::string("2026-12-07T12:00:00+09:00"), 40, 0x1b76d5ded5c4b6ccULL));
    EXPECT_EQ(first.find("Player"), std::string::npos);  // the player's name stays out of the log

    // The observations read back, put into a fresh quiz, give the same line again.
    Quiz again;
    again.state = entry->state;
    again.inputs = entry->inputs;
    again.context = entry->context;
    EXPECT_EQ(again.line("ボロヌノオバケ", entry->time), first);
    EXPECT_EQ(std::memcmp(&again.state.familyExcluded, &q.state.familyExcluded, sizeof q.state.familyExcluded), 0);
    EXPECT_EQ(again.inputs.tolerances, q.inputs.tolerances);
    EXPECT_STREQ(again.state.search.nameSearchText, q.state.search.nameSearchText);
}

TEST(QuizLog, SummaryIntersectsFlagsAndCountsAcrossFights)
{
    Quiz q;
    std::string log;
    const auto fight = [&](const char* answer, std::int32_t dealt, std::int32_t taken) {
        q.inputs.dealtDamage = q.inputs.takenDamage = true;
        q.inputs.dealtLow = q.inputs.dealtHigh = dealt;
        q.inputs.takenLow = q.inputs.takenHigh = taken;
        log += q.line(answer) + "\n";
    };
    // ウロコドリル has defense 170 in the file; the second fight refutes it.
    fight("ウロコドリル", 60, 45);
    fight("ウロコドリル", 66, 45);
    q.inputs.metal = true, q.state.observedMetal = 1;  // a contradicted fact
    fight("ナニモノカ", 90, 30);
    fight("ナニモノカ", 40, 30);  // does not intersect the fight before
    q.inputs.metal = false;
    q.context.definitionDigest = 7;
    fight("ボロヌノオバケ", 62, 30);
    log += "\n{\"format\":1}\n";
    std::istringstream in(log);
    const QuizLogSummary summary = summariseQuizLog(in, *q.catalogue, 0x1b76d5ded5c4b6ccULL);
    EXPECT_EQ(std::tuple(summary.lines, summary.unreadable, summary.monsters.size()), std::tuple(6u, 1u, 3u));

    const MonsterLesson& uroko = summary.monsters[1];  // in the file's order
    EXPECT_EQ(uroko.name, utf8ToCp932("ウロコドリル"));
    EXPECT_EQ(std::tuple(uroko.quizzes, uroko.defense.measured, uroko.defense.value, uroko.inconsistent),
              std::tuple(2u, 2u, 170, false));
    // Each fight's set by the forward formula (attack 200, no spread): 60 keeps 133..183, and 66
    // keeps 109 (base 72.75, spread 6: 66..79) to 159 (base 60.25, spread 5: 55..66).
    EXPECT_EQ(uroko.defense.implied, (Intervals{{133, 159}}));
    EXPECT_TRUE(uroko.defense.outside);
    EXPECT_FALSE(uroko.otherDefinition);

    const MonsterLesson& nanimo = summary.monsters[2];
    EXPECT_EQ(std::tuple(nanimo.inconsistent, nanimo.defense.implied.empty(), nanimo.defense.outside,
                         nanimo.contradictions.at("metal")),
              std::tuple(true, true, false, 2));
    EXPECT_TRUE(summary.monsters[0].otherDefinition);

    // Against another file (no such monster) every lesson says so and knows no value.
    Catalogue empty;
    std::istringstream again(log);
    const QuizLogSummary elsewhere = summariseQuizLog(again, empty, 1);
    EXPECT_EQ(std::tuple(elsewhere.monsters[0].inFile, elsewhere.monsters[0].defense.value,
                         elsewhere.monsters[0].defense.outside, elsewhere.monsters[0].otherDefinition),
              std::tuple(false, -1, false, true));
}

TEST(QuizLog, UnreadableLinesAreSkippedCountedAndKept)
{
    testing::TempDir dir;
    Quiz q;
    const std::string good = q.line("ナニモノカ");
    const std::string torn = good.substr(0, good.size() / 2);  // a power cut in the middle of a write
    const std::string before = good + "\r\n" + "not json at all\n" + "{\"format\":2}\n" + good + "\n" + torn;
    const fs::path log = pathFromUtf8(dir.write("kestrel-quizlog.jsonl", before));

    const AppendResult appended = appendQuizLogLine(log, good);
    EXPECT_TRUE(appended.ok) << appended.message;
    const std::string after = testing::readFileBytes(utf8FromPath(log));
    EXPECT_EQ(after, before + "\n" + good + "\n");  // the torn line stays; the new one starts a line

    std::ifstream in(log, std::ios::binary);
    const QuizLogSummary summary = summariseQuizLog(in, *q.catalogue, 0);
    EXPECT_EQ(std::tuple(summary.lines, summary.unreadable, summary.monsters.at(0).quizzes), std::tuple(6u, 3u, 3u));
}

TEST(QuizLog, TwoWritersAtOnceLeaveEveryLineWhole)
{
    testing::TempDir dir;
    const fs::path log = pathFromUtf8(dir.path()) / "kestrel-quizlog.jsonl";
    Quiz q;
    q.inputs.searchText = std::string(3000, 'x');  // lines longer than a pipe's atomic write
    const auto writer = [&](char who) {
        bool ok = true;
        for (int i = 0; i < 1000; ++i)
            ok = appendQuizLogLine(log, q.line("ナニモノカ", who + std::to_string(i))).ok && ok;
        return ok;
    };
#ifdef _WIN32
    // Two handles of one program: the system orders appends the same as across programs.
    bool okA = false, okB = false;
    std::thread a([&] { okA = writer('A'); }), b([&] { okB = writer('B'); });
    a.join(), b.join();
    EXPECT_TRUE(okA && okB);
#else
    pid_t children[2];
    for (int k = 0; k < 2; ++k) {
        children[k] = fork();
        if (children[k] == 0)
            _exit(writer(static_cast<char>('A' + k)) ? 0 : 1);
    }
    for (pid_t child : children) {
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
#endif
    std::ifstream in(log, std::ios::binary);
    std::set<std::string> times;
    std::size_t lines = 0;
    for (std::string line; std::getline(in, line); ++lines) {
        const std::optional<QuizLogEntry> entry = readQuizLogLine(line);
        ASSERT_TRUE(entry) << "line " << lines + 1 << " is not whole: " << line.size() << " bytes";
        times.insert(entry->time);
    }
    EXPECT_EQ(std::tuple(lines, times.size()), std::tuple(2000u, 2000u));
}

#ifndef _WIN32
// Runs f in a child process, as an ordinary user when the tests run as root
// (for whom a folder's permissions would not count); true when f returned true.
bool inChildWithoutRoot(const std::function<bool()>& f)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0)
            _exit(2);
        _exit(f() ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(QuizLog, FailedAppendNamesTheFileAndLosesNothing)
{
    testing::TempDir dir;
    Quiz q;
    const std::string line = q.line("ナニモノカ");
    const std::string kept = line + "\n";
    const std::string folder = dir.path() + "/locked";
    fs::create_directory(folder);
    const fs::path log = pathFromUtf8(folder) / "kestrel-quizlog.jsonl";
    std::ofstream(log, std::ios::binary) << kept;
    fs::permissions(log, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const bool failedAndSaid = inChildWithoutRoot([&] {
        const AppendResult r = appendQuizLogLine(log, line);
        return !r.ok && r.message.find(utf8ToCp932(utf8FromPath(log))) != std::string::npos;
    });
    EXPECT_TRUE(failedAndSaid);
    EXPECT_EQ(testing::readFileBytes(utf8FromPath(log)), kept);
    fs::permissions(folder, fs::perms::owner_all);

    // A full disk.
    const AppendResult full = appendQuizLogLine("/dev/full", line);
    EXPECT_FALSE(full.ok);
    EXPECT_NE(full.message.find("/dev/full"), std::string::npos);
    EXPECT_NE(full.message.find(utf8ToCp932("もう一度答え合わせできます")), std::string::npos);
}

TEST(QuizLog, LocalTimeCarriesItsOffset)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "JST-9", 1);
    tzset();
    EXPECT_EQ(localTimeWithOffset(1796601600), "2026-12-07T09:00:00+09:00");
    setenv("TZ", "NST+3:30", 1);
    tzset();
    EXPECT_EQ(localTimeWithOffset(1796601600), "2026-12-06T20:30:00-03:30");
    old ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
}
#endif

TEST(QuizLog, LivesBesideTheSettingsFile)
{
    testing::TempDir dir;
    const fs::path nowhere = pathFromUtf8(dir.path()) / "gone" / "kestrel-quizlog.jsonl";
    const AppendResult missing = appendQuizLogLine(nowhere, "{}");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find(utf8ToCp932(utf8FromPath(nowhere))), std::string::npos);

    EXPECT_EQ(quizLogPath(fs::path("folder") / "kestrel.ini"), fs::path("folder") / "kestrel-quizlog.jsonl");
    EXPECT_EQ(fnv1a64(""), 0xcbf29ce484222325ULL);
    EXPECT_EQ(fnv1a64("a"), 0xaf63dc4c8601ec8cULL);
    EXPECT_EQ(currentLocalTime().size(), 25u);
}

}  // namespace
}  // namespace kestrel

#pragma once
// The quiz log: one line of JSON for every checked quiz, appended to
// kestrel-quizlog.jsonl beside the settings file and never rewritten. A line
// holds what the check needs to be read again later: the definition file
// (name, size, digest), the profile, every observation as it was typed and
// clicked, the candidates left, the answer and the check's result. The summary
// reads the whole log back: what the fights teach about each monster's record.
//
// Changes to the agreed interface: QuizLogContext carries the typed texts of
// the four damage rows (the filter reads only numbers) and the profile as a
// PlayerProfile (its name is never written); the quiz class is the state's
// currentClass, not a member of the context; readQuizLogLine, fnv1a64,
// describeDefinitionFile and profileSidesOf are new; ImpliedSummary counts the
// quizzes that measured its side, MonsterLesson says whether the loaded file
// holds the monster. Messages and names are code page 932 like every text
// inside the program; the line itself is UTF-8.

#include "catalogue/catalogue.h"
#include "engine/answer_check.h"
#include "engine/filter_inputs.h"
#include "engine/observation_state.h"
#include "settings/player_profile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

inline constexpr int kQuizLogFormat = 1;

// One damage row as its two edits held it (code page 932 text, empty when empty).
struct TypedDamageRow {
    std::string low;
    std::string high;
};

// What a line records beyond the observations and the check.
struct QuizLogContext {
    std::string definitionName;  // file name without folders (code page 932)
    std::uint64_t definitionSize = 0;
    std::uint64_t definitionDigest = 0;  // FNV-1a 64 of the file's bytes
    PlayerProfile profile;               // weapon, orb, attack, defense, weight, special-attack bonus
    // The damage rows as typed: dealt, received, special attack, moonsault.
    TypedDamageRow dealt, taken, special, moonsault;
};

// The profile's attack and defense for the answer check: 0 for a side the
// player has not set (the summary ignores such a side in the same way).
ProfileSides profileSidesOf(const PlayerProfile& profile);

// FNV-1a 64 of bytes.
std::uint64_t fnv1a64(std::string_view bytes);
// Fills definitionName, definitionSize and definitionDigest from the file; false
// when it cannot be read.
bool describeDefinitionFile(const std::filesystem::path& file, QuizLogContext& context);

// One line of JSON (UTF-8, no newline inside, none at the end) for a checked quiz.
// The candidates are the records marked by the last refresh, in file order
// (by name in the basic layout, which does not number its records).
std::string quizLogLine(const QuizLogContext& context, const Catalogue& catalogue, const ObservationState& state,
                        const FilterInputs& inputs, const AnswerCheck& check, std::string_view localTimeWithOffset);

// The local time now as ISO 8601 with its offset, e.g. 2026-12-07T12:34:56+09:00.
std::string currentLocalTime();

// kestrel-quizlog.jsonl in the folder of the settings file.
std::filesystem::path quizLogPath(const std::filesystem::path& settingsFile);

struct AppendResult {
    bool ok = false;
    std::string message;  // names the file; says why when it failed (code page 932)
};
// Appends line and a newline with one write, flushed to the disk before it returns ok.
AppendResult appendQuizLogLine(const std::filesystem::path& log, std::string_view line);

// A line read back: the observations put back as the window held them.
struct QuizLogEntry {
    int format = 0;
    std::string time;
    QuizLogContext context;
    ObservationState state;               // observed values, class, layout, search words split
    FilterInputs inputs;                  // boxes, damage numbers, search text, tolerances, orb, weight
    std::vector<std::string> candidates;  // code page 932
    std::string answer;                   // code page 932
    bool wasCandidate = false;
    std::vector<std::string> failed;  // criterion names
    ImpliedValue attack, defense;
    std::vector<FactContradiction> contradictions;
};
// nullopt for a line that is not one of ours (torn, edited, another format).
std::optional<QuizLogEntry> readQuizLogLine(std::string_view line);

// What the fights teach about one side (attack or defense) of one monster.
struct ImpliedSummary {
    std::int32_t value = -1;            // the loaded file's value; -1 when unknown
    std::size_t measured = 0;           // quizzes that implied something about it
    std::vector<StatInterval> implied;  // the intersection of every implied set
    bool outside = false;               // the intersection is not empty and the file's value lies outside it
};

struct MonsterLesson {
    std::string name;  // code page 932
    std::size_t quizzes = 0;
    ImpliedSummary attack, defense;
    std::map<std::string, int> contradictions;  // attribute -> how many quizzes
    bool inconsistent = false;                  // the implied sets of one side do not intersect
    bool otherDefinition = false;               // some of its lines come from another definition file (digest)
    bool inFile = false;                        // the loaded file holds a record of this name
};

struct QuizLogSummary {
    std::size_t lines = 0;                // non-empty lines
    std::size_t unreadable = 0;           // of them, skipped
    std::vector<MonsterLesson> monsters;  // in the loaded file's order, then names it lacks
};

QuizLogSummary summariseQuizLog(std::istream& log, const Catalogue& loaded, std::uint64_t loadedDigest);

}  // namespace kestrel

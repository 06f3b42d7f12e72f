// What the fights teach: the whole quiz log read against the definition file
// now loaded, one lesson per monster that was an answer.

#include "settings/quiz_log.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <set>
#include <unordered_map>

namespace kestrel {

namespace {

std::vector<StatInterval> intersect(const std::vector<StatInterval>& a, const std::vector<StatInterval>& b)
{
    std::vector<StatInterval> out;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const std::int32_t low = std::max(a[i].first, b[j].first);
        const std::int32_t high = std::min(a[i].second, b[j].second);
        if (low <= high)
            out.emplace_back(low, high);
        (a[i].second < b[j].second ? i : j) += 1;
    }
    return out;
}

bool blank(std::string_view line) { return line.find_first_not_of(" \t\r") == std::string_view::npos; }

bool unknownStat(std::int32_t value) { return value == 0 || value == -1; }

struct Lesson {
    MonsterLesson lesson;
    std::int32_t order = 0;  // the record's place in the file, or after every record by first sight
};

void learnSide(ImpliedSummary& side, bool measured, const ImpliedValue& line)
{
    if (!measured)
        return;
    side.implied = side.measured == 0 ? line.implied : intersect(side.implied, line.implied);
    ++side.measured;
}

void learn(MonsterLesson& m, const QuizLogEntry& e, std::uint64_t loadedDigest)
{
    ++m.quizzes;
    m.otherDefinition = m.otherDefinition || e.context.definitionDigest != loadedDigest;
    const bool suppressed = e.state.refreshSuppressed == 1;
    learnSide(m.attack, !suppressed && e.inputs.takenDamage && !defenseUnset(e.context.profile), e.attack);
    learnSide(m.defense, !suppressed && e.inputs.dealtDamage && !attackUnset(e.context.profile), e.defense);
    std::set<std::string> seen;
    for (const FactContradiction& f : e.contradictions) {
        if (seen.insert(f.attribute).second)
            ++m.contradictions[f.attribute];
    }
}

void settle(ImpliedSummary& side, std::int32_t value, bool& inconsistent)
{
    side.value = value;
    if (side.measured == 0)
        return;
    if (side.implied.empty())
        inconsistent = true;
    else
        side.outside = !unknownStat(value) && !impliedContains(side.implied, value);
}

}  // namespace

QuizLogSummary summariseQuizLog(std::istream& log, const Catalogue& loaded, std::uint64_t loadedDigest)
{
    std::unordered_map<std::string, const MonsterRecord*> byName;
    const int n = std::clamp<std::int32_t>(loaded.monsterCount, 0, kMaxMonsters);
    for (int i = 0; i < n; ++i) {
        const MonsterRecord& r = loaded.monsterTable[i];
        byName.emplace(std::string(r.name, ::strnlen(r.name, sizeof r.name)), &r);
    }

    QuizLogSummary summary;
    std::unordered_map<std::string, Lesson> lessons;
    std::int32_t unseen = kMaxMonsters;
    std::string line;
    while (std::getline(log, line)) {
        if (blank(line))
            continue;
        ++summary.lines;
        const std::optional<QuizLogEntry> entry = readQuizLogLine(line);
        if (!entry) {
            ++summary.unreadable;
            continue;
        }
        auto [it, fresh] = lessons.try_emplace(entry->answer);
        if (fresh) {
            it->second.lesson.name = entry->answer;
            const auto record = byName.find(entry->answer);
            it->second.order = record != byName.end() ? record->second->loadIndex : unseen++;
        }
        learn(it->second.lesson, *entry, loadedDigest);
    }

    std::vector<Lesson*> ordered;
    for (auto& [name, lesson] : lessons)
        ordered.push_back(&lesson);
    std::sort(ordered.begin(), ordered.end(), [](const Lesson* a, const Lesson* b) { return a->order < b->order; });
    for (Lesson* l : ordered) {
        MonsterLesson& m = l->lesson;
        const auto record = byName.find(m.name);
        m.inFile = record != byName.end();
        settle(m.attack, m.inFile ? record->second->attack : -1, m.inconsistent);
        settle(m.defense, m.inFile ? record->second->defense : -1, m.inconsistent);
        summary.monsters.push_back(std::move(m));
    }
    return summary;
}

}  // namespace kestrel

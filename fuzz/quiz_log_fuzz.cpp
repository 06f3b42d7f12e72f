// The quiz log reader over any bytes: the summary of a log and each of its
// lines read alone. Every line is counted once, read or not; what is read is
// well formed; nothing crashes.

#include "fuzz_support.h"
#include "settings/quiz_log.h"

#include <cstring>
#include <memory>
#include <sstream>
#include <string>

using namespace kestrel;
using kestrel::fuzz::check;

namespace {

// Two monsters the log's lines may name.
const Catalogue& smallCatalogue()
{
    static const std::unique_ptr<Catalogue> catalogue = [] {
        auto c = std::make_unique<Catalogue>();
        const char* names[] = {"A", "\x83\x45\x83\x8d\x83\x52"};  // A, ウロコ
        for (int i = 0; i < 2; ++i) {
            MonsterRecord& r = c->monsterTable[c->monsterCount++];
            std::strcpy(r.name, names[i]);
            r.attack = 100 + 50 * i, r.defense = 120, r.loadIndex = i;
        }
        return c;
    }();
    return *catalogue;
}

bool wellFormed(const std::vector<StatInterval>& intervals)
{
    for (std::size_t k = 0; k < intervals.size(); ++k) {
        if (intervals[k].first > intervals[k].second || (k > 0 && intervals[k].first <= intervals[k - 1].second))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    const QuizLogSummary summary = summariseQuizLog(in, smallCatalogue(), 7);

    std::size_t lines = 0, read = 0;
    std::istringstream again(bytes);
    for (std::string line; std::getline(again, line);) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        ++lines;
        if (const std::optional<QuizLogEntry> entry = readQuizLogLine(line)) {
            ++read;
            check(!entry->answer.empty(), "a line read names its answer");
            check(wellFormed(entry->attack.implied) && wellFormed(entry->defense.implied),
                  "intervals read are ordered");
        }
    }
    check(summary.lines == lines && summary.unreadable == lines - read, "every line counted once");
    std::size_t quizzes = 0;
    for (const MonsterLesson& m : summary.monsters) {
        quizzes += m.quizzes;
        check(m.quizzes > 0 && !m.name.empty(), "a lesson comes from a quiz");
        for (const ImpliedSummary* side : {&m.attack, &m.defense}) {
            check(wellFormed(side->implied), "an intersection is ordered");
            check(!side->outside || (!side->implied.empty() && side->measured > 0), "outside only where refuted");
            check(side->measured <= m.quizzes, "measured at most once a quiz");
        }
        check(m.inFile == (m.name == "A" || m.name == "\x83\x45\x83\x8d\x83\x52"), "matched by name");
    }
    check(quizzes == read, "every line read teaches about its answer");
    return 0;
}

// The definition-file loader over any bytes. The first byte picks a header put
// in front of the rest (none, either layout, the other magic, the version this
// program cannot read, a UTF-8 file), so both layouts are reached at once.

#include "catalogue/monster_loader.h"
#include "fuzz_support.h"

#include <memory>
#include <string>

using namespace kestrel;
using kestrel::fuzz::check;
using kestrel::fuzz::terminatedWithin;

namespace {

const char* const kHeaders[] = {
    "",
    "HRVTNP14122700\r\n",
    "HRVTNP15041200\r\n",
    "HRVMOB\r\n",
    "HRVTNP19010100\r\n",
    "\xEF\xBB\xBFHRVTNP15041200\r\n",
    "HRVTNP\n",
    "",
};

void checkRecord(const Catalogue& catalogue, const MonsterRecord& r)
{
    check(terminatedWithin(r.name, kNameSize), "name terminated");
    check(terminatedWithin(r.reading, kNameSize), "reading terminated");
    check(terminatedWithin(r.readingKey, kNameSize), "readingKey terminated");
    check(r.skillCount >= 0 && r.skillCount <= kMaxSkills, "skillCount in 0..8");
    for (int k = 0; k < kMaxSkills; ++k) {
        check(terminatedWithin(r.skills[k], kSkillSize), "skill terminated");
        check(terminatedWithin(r.skillKeys[k], kSkillSize), "skill key terminated");
    }
    check(r.loadIndex >= 0 && r.loadIndex < kMaxMonsters, "loadIndex in the table");
    // The text tables are reachable through the record without going out of range.
    (void)triviaText1Of(catalogue, r).size();
    (void)locationTextOf(catalogue, r).size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto catalogue = std::make_unique<Catalogue>();
    if (size == 0)
        return 0;
    std::string bytes = kHeaders[data[0] % (sizeof kHeaders / sizeof kHeaders[0])];
    bytes.append(reinterpret_cast<const char*>(data + 1), size - 1);

    int messages = 0;
    const LoadReport report = loadMonsterBytes(*catalogue, bytes, "fuzz.csv", [&](const LoaderMessage& m) {
        ++messages;
        check(m.text.size() < 4096, "message of bounded length");
    });
    check(messages <= 2, "at most the loader's two message boxes");
    check(report.format == kBasicFormat || report.format == kExtendedFormat, "a known format");
    check(report.dataLines >= 0, "dataLines not negative");
    check(catalogue->monsterCount >= 0 && catalogue->monsterCount <= kMaxMonsters, "monsterCount in the table");
    check(catalogue->monsterCount <= report.dataLines, "no more records than data lines");
    for (int i = 0; i < catalogue->monsterCount; ++i)
        checkRecord(*catalogue, catalogue->monsterTable[i]);
    return 0;
}

// The INI reader and the settings file over any bytes: load, save, load again.
// The second load must give the values of the first; floating values are saved
// with two decimals, so they may move by half a hundredth once and then stay.

#include "fuzz_support.h"
#include "platform/ini_file.h"
#include "settings/settings_file.h"

#include <cmath>
#include <cstring>
#include <string>
#include <tuple>

using namespace kestrel;
using kestrel::fuzz::check;

namespace {

void checkFloat(float first, float second, bool exact, const char* what)
{
    if (exact)
        check(std::memcmp(&first, &second, sizeof first) == 0, what);
    else
        check(std::fabs(first - second) <= 0.005f + 1e-5f, what);
}

void checkSame(const Settings& a, const Settings& b, bool exactFloats)
{
    check(a.informationFlags == b.informationFlags, "INFORMATIONFLAG survives a save");
    check(a.monsterFilePath == b.monsterFilePath, "MONSTERFILE survives a save");
    const auto intsA = integerSettings(a), intsB = integerSettings(b);
    for (std::size_t k = 0; k < intsA.size(); ++k)
        check(intsA[k] == intsB[k], "an integer setting survives a save");
    const auto floatsA = decimalSettings(a), floatsB = decimalSettings(b);
    for (std::size_t k = 0; k < floatsA.size(); ++k)
        checkFloat(floatsA[k].second, floatsB[k].second, exactFloats, "a decimal setting survives a save");
    for (int n = 0; n < kProfileCount; ++n) {
        const PlayerProfile& p = a.profiles[n];
        const PlayerProfile& q = b.profiles[n];
        check(std::tie(p.WEAPON, p.ORBUMLV, p.ATACK, p.DEFENSE, p.WEIGHT, p.SPATK) ==
                  std::tie(q.WEAPON, q.ORBUMLV, q.ATACK, q.DEFENSE, q.WEIGHT, q.SPATK),
              "a profile's numbers survive a save");
        check(fuzz::terminatedWithin(p.USERNAME, kUserNameSize), "USERNAME terminated");
        check(std::strcmp(p.USERNAME, q.USERNAME) == 0, "USERNAME survives a save");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The reader alone: an untouched file is written back byte for byte, and a
    // value written is the value read.
    IniFile ini = IniFile::parse(bytes);
    check(ini.serialise() == bytes, "an untouched INI file is kept byte for byte");
    ini.setValue("SETTING", "QUIZCLASS", "3");
    check(ini.value("setting", "quizclass") == "3", "a written value reads back");
    const IniFile again = IniFile::parse(ini.serialise());
    check(again.value("SETTING", "QUIZCLASS") == "3", "a written value survives serialising");

    // The settings file: load, save, load, save, load.
    const Settings first = parseSettings(bytes);
    const std::string saved = renderSettings(first, bytes);
    const Settings second = parseSettings(saved);
    checkSame(first, second, false);
    const std::string savedAgain = renderSettings(second, saved);
    const Settings third = parseSettings(savedAgain);
    checkSame(second, third, true);
    check(savedAgain == saved, "saving what was saved changes nothing");
    return 0;
}

// The INI reader and the settings file over any bytes: load, save, load again.
// The second load must give the values of the first; floating values are saved
// with two decimals, so they may move by half a hundredth once and then stay.

#include "fuzz_support.h"
#include "platform/ini_file.h"
#include "settings/settings_file.h"

#include <cmath>
#include <cstring>
#include <string>

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
    check(a.debugLevel == b.debugLevel, "DEBUG survives a save");
    check(a.currentClass == b.currentClass, "QUIZCLASS survives a save");
    check(a.currentUser == b.currentUser, "USERSEL survives a save");
    check(a.sortKey == b.sortKey, "SORT survives a save");
    check(a.listLayout == b.listLayout, "SELECTLIST survives a save");
    check(a.PERM_ATK_L == b.PERM_ATK_L, "PERM_ATK_L survives a save");
    check(a.PERM_ATK_H == b.PERM_ATK_H, "PERM_ATK_H survives a save");
    check(a.PERM_DEF_L == b.PERM_DEF_L, "PERM_DEF_L survives a save");
    check(a.PERM_DEF_H == b.PERM_DEF_H, "PERM_DEF_H survives a save");
    check(a.AUTOJUDG_SPC == b.AUTOJUDG_SPC, "AUTOJUDG_SPC survives a save");
    check(a.AUTOJUDG_FLY == b.AUTOJUDG_FLY, "AUTOJUDG_FLY survives a save");
    checkFloat(a.VAL_TYP_SPC_L, b.VAL_TYP_SPC_L, exactFloats, "VAL_TYP_SPC_L survives a save");
    checkFloat(a.VAL_TYP_SPC_H, b.VAL_TYP_SPC_H, exactFloats, "VAL_TYP_SPC_H survives a save");
    checkFloat(a.VAL_FLY_NOM_L, b.VAL_FLY_NOM_L, exactFloats, "VAL_FLY_NOM_L survives a save");
    checkFloat(a.VAL_FLY_NOM_H, b.VAL_FLY_NOM_H, exactFloats, "VAL_FLY_NOM_H survives a save");
    checkFloat(a.VAL_FLY_ELE_L, b.VAL_FLY_ELE_L, exactFloats, "VAL_FLY_ELE_L survives a save");
    checkFloat(a.VAL_FLY_ELE_H, b.VAL_FLY_ELE_H, exactFloats, "VAL_FLY_ELE_H survives a save");
    checkFloat(a.VAL_FLY_WID_L, b.VAL_FLY_WID_L, exactFloats, "VAL_FLY_WID_L survives a save");
    checkFloat(a.VAL_FLY_WID_H, b.VAL_FLY_WID_H, exactFloats, "VAL_FLY_WID_H survives a save");
    for (int n = 0; n < kProfileCount; ++n) {
        const PlayerProfile& p = a.profiles[n];
        const PlayerProfile& q = b.profiles[n];
        check(p.WEAPON == q.WEAPON, "WEAPON survives a save");
        check(p.ORBUMLV == q.ORBUMLV, "ORBUMLV survives a save");
        check(p.ATACK == q.ATACK, "ATACK survives a save");
        check(p.DEFENSE == q.DEFENSE, "DEFENSE survives a save");
        check(p.WEIGHT == q.WEIGHT, "WEIGHT survives a save");
        check(p.SPATK == q.SPATK, "SPATK survives a save");
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

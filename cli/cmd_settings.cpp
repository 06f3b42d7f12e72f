// kestrel-cli settings FILE: a settings file's values as the program reads them.

#include "cli/cli_common.h"

#include "platform/file_names.h"
#include "settings/settings_file.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace kestrel::cli {

int runSettings(const Args& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: kestrel-cli settings FILE\n"
                     "Prints the values of settings file FILE after defaults and accepted ranges as one\n"
                     "JSON object: the SETTING keys and \"profiles\", the 100 player profiles.\n";
        return kOk;
    }
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
        return fail("settings", "expects exactly one FILE (see --help)");
    std::error_code ec;
    const std::filesystem::path file = pathFromUtf8(args[0]);
    if (std::filesystem::is_directory(file, ec) || !std::ifstream(file))
        return fail("settings", "cannot read " + args[0]);

    const Settings s = loadSettings(args[0]);
    Json document;
    document["INFORMATIONFLAG"] = s.informationFlags;
    document["MONSTERFILE"] = utf8(s.monsterFilePath);
    for (const auto& [key, value] : integerSettings(s))
        document[std::string(key)] = value;
    for (const auto& [key, value] : decimalSettings(s))
        document[std::string(key)] = floatForJson(value);
    Json profiles = Json::array();
    for (const PlayerProfile& p : s.profiles) {
        Json profile;
        profile["WEAPON"] = p.WEAPON;
        profile["ORBUMLV"] = p.ORBUMLV;
        profile["ATACK"] = p.ATACK;
        profile["DEFENSE"] = p.DEFENSE;
        profile["WEIGHT"] = p.WEIGHT;
        profile["SPATK"] = p.SPATK;
        profile["USERNAME"] = utf8(p.USERNAME);
        profiles.push_back(std::move(profile));
    }
    document["profiles"] = std::move(profiles);
    printJson(document);
    return kOk;
}

}  // namespace kestrel::cli

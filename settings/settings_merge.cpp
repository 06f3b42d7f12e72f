#include "settings/settings_merge.h"

#include "platform/file_names.h"
#include "platform/ini_file.h"

#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

namespace kestrel {

namespace {

bool sameProfile(const PlayerProfile& a, const PlayerProfile& b)
{
    return a.WEAPON == b.WEAPON && a.ORBUMLV == b.ORBUMLV && a.ATACK == b.ATACK && a.DEFENSE == b.DEFENSE &&
           a.WEIGHT == b.WEIGHT && a.SPATK == b.SPATK && std::strncmp(a.USERNAME, b.USERNAME, sizeof a.USERNAME) == 0;
}

template <typename T>
void takeChanged(const T& base, const T& mine, T& onDisk)
{
    if (!(base == mine))
        onDisk = mine;
}

}  // namespace

Settings mergeOwnChanges(const Settings& base, const Settings& mine, Settings onDisk)
{
    const std::uint64_t changedFlags = base.informationFlags ^ mine.informationFlags;
    onDisk.informationFlags = (onDisk.informationFlags & ~changedFlags) | (mine.informationFlags & changedFlags);
    // The two forms of the definition file's path go together.
    if (base.monsterFilePath != mine.monsterFilePath || base.monsterFileUtf8 != mine.monsterFileUtf8) {
        onDisk.monsterFilePath = mine.monsterFilePath;
        onDisk.monsterFileUtf8 = mine.monsterFileUtf8;
    }
    takeChanged(base.window, mine.window, onDisk.window);
    for (std::size_t layout = 0; layout < onDisk.columnWidths.size(); ++layout)
        takeChanged(base.columnWidths[layout], mine.columnWidths[layout], onDisk.columnWidths[layout]);
    takeChanged(base.showHints, mine.showHints, onDisk.showHints);
    takeChanged(base.topmost, mine.topmost, onDisk.topmost);
    takeChanged(base.currentClass, mine.currentClass, onDisk.currentClass);
    takeChanged(base.currentUser, mine.currentUser, onDisk.currentUser);
    takeChanged(base.sortKey, mine.sortKey, onDisk.sortKey);
    takeChanged(base.listLayout, mine.listLayout, onDisk.listLayout);
    takeChanged(base.config.tolerances, mine.config.tolerances, onDisk.config.tolerances);
    takeChanged(base.config.AUTOJUDG_SPC, mine.config.AUTOJUDG_SPC, onDisk.config.AUTOJUDG_SPC);
    takeChanged(base.config.AUTOJUDG_FLY, mine.config.AUTOJUDG_FLY, onDisk.config.AUTOJUDG_FLY);
    takeChanged(base.config.thresholds, mine.config.thresholds, onDisk.config.thresholds);
    for (std::size_t n = 0; n < onDisk.profiles.size(); ++n)
        if (!sameProfile(base.profiles[n], mine.profiles[n]))
            onDisk.profiles[n] = mine.profiles[n];
    return onDisk;
}

bool saveOwnChanges(const Settings& base, const Settings& mine, const std::string& path)
{
    std::optional<std::string> current = readWholeFile(path);
    if (!current) {
        // Only a missing file starts empty; one that is there but cannot be
        // read is not overwritten, or its other sections would be lost.
        std::error_code ec;
        if (std::filesystem::exists(pathFromUtf8(path), ec))
            return false;
        current.emplace();
    }
    const Settings merged = mergeOwnChanges(base, mine, parseSettings(*current));
    return writeFileAtomically(path, renderSettings(merged, *current));
}

}  // namespace kestrel

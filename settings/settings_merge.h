#pragma once
// Two copies of the program may share one settings file. Each writes back only
// what it changed itself since it last read or wrote the file, so that a value
// another copy saved meanwhile is not overwritten by a stale one.

#include "settings/settings_file.h"

#include <string>

namespace kestrel {

// onDisk with every value that differs between base (what this copy last read
// or wrote) and mine (what it holds now) taken from mine. The information
// flags merge bit by bit.
Settings mergeOwnChanges(const Settings& base, const Settings& mine, Settings onDisk);

// saveSettings for a copy that last read or wrote base: the file is read again
// just before it is written, and only this copy's own changes go into it. The
// file is replaced atomically; false when it could not be written.
bool saveOwnChanges(const Settings& base, const Settings& mine, const std::string& path);

}  // namespace kestrel

#pragma once
// Where the program lives and where its settings file is.

#include <string>

namespace kestrel {

// Full path of the running executable; empty when the system does not tell.
std::string executablePath();

// The settings file of the given executable: its name with the extension
// replaced by ".ini" (appended when it has none) in the executable's folder.
// When that folder cannot be written and holds no such file, the file of the
// same name in the per-user configuration folder ("kestrel" under
// $XDG_CONFIG_HOME or ~/.config, ~/Library/Preferences, %APPDATA%) instead;
// that folder is created.
std::string settingsFilePath(const std::string& executable);

// The sample definition file that comes with the given executable: installed
// under ../share/kestrel/ beside its bin/ folder, or in its own folder (the
// Windows zip); empty when there is none.
std::string sampleDefinitionFile(const std::string& executable);

}  // namespace kestrel

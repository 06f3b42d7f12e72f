#pragma once
// What the commands of kestrel-cli share: argument handling, text conversion to
// UTF-8 and JSON output.

#include "catalogue/monster_loader.h"
#include "engine/answer_check.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace kestrel::cli {

using Args = std::vector<std::string>;
using Json = nlohmann::ordered_json;

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kWarnings = 1;
inline constexpr int kFailure = 2;

// Prints "kestrel-cli COMMAND: message" on stderr and returns kFailure.
int fail(std::string_view command, std::string_view message);

bool wantsHelp(const Args& args);

// A code page 932 text as UTF-8, for the terminal and JSON.
std::string utf8(std::string_view cp932);

// Prints a JSON document on stdout; invalid UTF-8 never stops the output.
void printJson(const Json& document);

// A float as the shortest decimal that reads back as the same float.
double floatForJson(float value);

// Implied intervals as "120-140 150-160".
std::string intervalsText(const std::vector<StatInterval>& intervals);

// Loads a definition file with the real loader; its message boxes go to stderr.
LoadReport loadDefinitionFile(Catalogue& catalogue, const std::string& path);

int runDump(const Args& args);
int runCheck(const Args& args);
int runNormalise(const Args& args);
int runSettings(const Args& args);
int runQuery(const Args& args);
int runDamage(const Args& args);
int runAnswer(const Args& args);
int runLog(const Args& args);
int runCorrected(const Args& args);

}  // namespace kestrel::cli

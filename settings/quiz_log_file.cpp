// Where the quiz log lives and how a line reaches it.

#include "settings/quiz_log.h"

#include "platform/append_file.h"
#include "platform/cp932.h"
#include "platform/file_names.h"
#include "platform/local_time.h"

#include <ctime>
#include <fstream>
#include <system_error>

namespace kestrel {

namespace {

constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ULL;

void fnvMix(std::uint64_t& hash, std::string_view bytes)
{
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
}

}  // namespace

std::uint64_t fnv1a64(std::string_view bytes)
{
    std::uint64_t hash = kFnvOffset;
    fnvMix(hash, bytes);
    return hash;
}

bool describeDefinitionFile(const std::filesystem::path& file, QuizLogContext& context)
{
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        return false;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::uint64_t hash = kFnvOffset;
    std::uint64_t size = 0;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        const std::streamsize got = in.gcount();
        fnvMix(hash, {buffer, static_cast<std::size_t>(got)});
        size += static_cast<std::uint64_t>(got);
    }
    if (in.bad())
        return false;
    context.definitionName = utf8ToCp932(utf8FromPath(file.filename()));
    context.definitionSize = size;
    context.definitionDigest = hash;
    return true;
}

ProfileSides profileSidesOf(const PlayerProfile& profile)
{
    return {attackUnset(profile) ? 0 : profile.ATACK, defenseUnset(profile) ? 0 : profile.DEFENSE};
}

std::string currentLocalTime() { return localTimeWithOffset(std::time(nullptr)); }

std::filesystem::path quizLogPath(const std::filesystem::path& settingsFile)
{
    return settingsFile.parent_path() / "kestrel-quizlog.jsonl";
}

AppendResult appendQuizLogLine(const std::filesystem::path& log, std::string_view line)
{
    const std::string name = utf8ToCp932(utf8FromPath(log));
    std::string bytes(line);
    bytes += '\n';
    const AppendOutcome outcome = appendDurably(log, bytes);
    if (outcome.ok)
        return {true, utf8ToCp932("答え合わせを記録しました: ") + name};
    return {false, utf8ToCp932("答え合わせの記録を書き込めませんでした: ") + name + utf8ToCp932("（") +
                       utf8ToCp932(outcome.reason) +
                       utf8ToCp932("）。観測はそのままなので、もう一度答え合わせできます。")};
}

}  // namespace kestrel

#include "tests/support/monster_files.h"

#include "platform/file_names.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace kestrel::testing {

namespace {

constexpr int kExtendedColumns = 78;  // format 15041200

// Name syllables スラズモグハネツキカゲドロミヨルヒトソボ (ソ has the trail byte 0x5C)
constexpr std::string_view kKatakana =
    "\x83\x58\x83\x89\x83\x59\x83\x82\x83\x4F\x83\x6E\x83\x6C\x83\x63\x83\x4C\x83\x4A"
    "\x83\x51\x83\x68\x83\x8D\x83\x7E\x83\x88\x83\x8B\x83\x71\x83\x67\x83\x5C\x83\x7B";
// The same syllables in hiragana for the reading: すらずもぐはねつきかげどろみよるひとそぼ
constexpr std::string_view kHiragana =
    "\x82\xB7\x82\xE7\x82\xB8\x82\xE0\x82\xAE\x82\xCD\x82\xCB\x82\xC2\x82\xAB\x82\xA9"
    "\x82\xB0\x82\xC7\x82\xEB\x82\xDD\x82\xE6\x82\xE9\x82\xD0\x82\xC6\x82\xBB\x82\xDA";

constexpr std::array<const char*, 14> kFamilies = {
    "\x8F\x62", "\x92\xB9", "\x90\x41", "\x92\x8E", "\x89\xF6", "\x95\xA8", "\x83\x7D",  // 獣 鳥 植 虫 怪 物 マ
    "\x83\x47", "\x90\x85", "\x83\x58", "\x83\x5D", "\x88\xAB", "\x83\x68", "\x81\x48",  // エ 水 ス ゾ 悪 ド ？
};

// The sixteen skill-button labels, then other skills: 19 in all, a prime, so
// any fixed step through the pool visits distinct skills.
constexpr int kPool = 19;
constexpr std::array<const char*, kPool> kSkills = {
    "\x95\x90\x8A\xED\x83\x4B\x81\x5B\x83\x68",
    "\x8F\x82\x83\x4B\x81\x5B\x83\x68",  // 武器ガード 盾ガード
    "\x92\xC9\x8D\xA6\x82\xCC\x88\xEA\x8C\x82",
    "\x93\xA6\x82\xB0\x8F\x6F\x82\xB7",  // 痛恨の一撃 逃げ出す
    "\x82\xBD\x82\xDF\x82\xE9",
    "\x8E\xF4\x82\xA2",
    "\x83\x7D\x83\x7A\x83\x67\x81\x5B\x83\x93",                  // ためる 呪い マホトーン
    "\x82\xD3\x82\xB5\x82\xAC\x82\xC8\x82\xA8\x82\xC7\x82\xE8",  // ふしぎなおどり
    "\x82\xCD\x82\xB0\x82\xB5\x82\xA2\x82\xD9\x82\xCC\x82\xA8",  // はげしいほのお
    "\x82\xB1\x82\xB2\x82\xA6\x82\xE9\x82\xD3\x82\xD4\x82\xAB",  // こごえるふぶき
    "\x83\x7D\x83\x6B\x81\x5B\x83\x54",
    "\x83\x8B\x83\x4A\x83\x69\x83\x93",  // マヌーサ ルカナン
    "\x82\xA0\x82\xDC\x82\xA2\x82\xA2\x82\xAB",
    "\x83\x6F\x83\x4D\x83\x4E\x83\x8D\x83\x58",  // あまいいき バギクロス
    "\x83\x43\x83\x49\x83\x89",
    "\x83\x81\x83\x89\x83\x7E",  // イオラ メラミ
    "\x92\x87\x8A\xD4\x82\xF0\x8C\xC4\x82\xD4",
    "MP\x82\xA9\x82\xB6\x82\xE8",                        // 仲間を呼ぶ MPかじり
    "\x83\x5C\x83\x6A\x83\x62\x83\x4E\x8E\x61\x82\xE8",  // ソニック斬り
};

constexpr std::array<const char*, 4> kTriviaLines = {
    "\x90\x58\x82\xCC\x89\x9C\x82\xC5\x82\xE6\x82\xAD\x8C\xA9\x82\xA9\x82\xAF\x82\xE9\x81\x42",  // 森の奥でよく見かける。
    "\x89\x8A\x82\xAA\x8B\xEA\x8E\xE8\x82\xE7\x82\xB5\x82\xA2\x81\x42",  // 炎が苦手らしい。
    "\x95\x5C\x8F\xEE\x82\xAA\x82\xDC\x82\xC1\x82\xBD\x82\xAD\x93\xC7\x82\xDF\x82\xC8\x82\xA2\x81\x42",  // 表情がまったく読めない。
    "\x82\x6C\x82\x6F\x82\xF0\x8B\x7A\x82\xED\x82\xEA\x82\xE9\x82\xC6\x93\x7B\x82\xE8\x8F\x6F\x82\xB7\x81\x42",  // ＭＰを吸われると怒り出す。
};

// A linear congruential generator: the same numbers on every platform.
struct Lcg {
    std::uint64_t state;
    int below(int n)
    {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(n));
    }
    bool chance(int percent) { return below(100) < percent; }
    std::string trivia(int lines)
    {
        std::string text;
        for (int k = 0; k < lines; ++k)
            text += (k > 0 ? "<BR>" : "") + std::string(kTriviaLines[below(4)]);
        return text;
    }
};

// The 78 columns of one generated monster in the extended layout.
std::array<std::string, kExtendedColumns> monsterColumns(int index, int records, Lcg& rng)
{
    std::array<std::string, kExtendedColumns> cols;
    cols[0] = std::to_string(index + 1);
    // Four base-20 digits of the index make the name unique; extra syllables vary its length.
    int syllables = 4 + rng.below(3);
    for (int k = 0, digits = index; k < syllables; ++k, digits /= 20) {
        auto at = static_cast<std::size_t>(2 * (k < 4 ? digits % 20 : rng.below(20)));
        cols[1] += kKatakana.substr(at, 2);
        cols[2] += kHiragana.substr(at, 2);
    }
    cols[3] = std::string(kFamilies[index % 14]) + (rng.chance(8) ? "?" : "");
    cols[4] = rng.chance(4) ? "" : std::to_string(1 + rng.below(2 * records + 1));
    int c = index < 4 ? index + 1 : 1 + rng.below(4);
    cols[75] = std::to_string(c);
    // HP, MP, attack, defense, weight grow with the class; a few unknown, attack and defense sometimes 0.
    const int low[] = {25 * c * c, 0, 20 * c * c, 15 * c * c, 100 * c};
    const int high[] = {300 * c * c, 25 * c * c, 20 * c * c + 70 * c, 15 * c * c + 90 * c, 500 * c};
    for (int s = 0; s < 5; ++s) {
        int roll = rng.below(100);
        cols[6 + s] = roll < 3                         ? ""
                      : roll < 5                       ? "-1"
                      : roll < 8 && (s == 2 || s == 3) ? "0"
                                                       : std::to_string(low[s] + rng.below(high[s] - low[s] + 1));
    }
    for (int col = 14; col <= 40; ++col)
        cols[col] = rng.chance(5) ? "" : std::to_string(25 * rng.below(9));  // resistances
    int count = rng.chance(3) ? 0 : 1 + rng.below(8), at = rng.below(kPool), step = 1 + rng.below(kPool - 1);
    for (int k = 0; k < count; ++k, at = (at + step) % kPool)
        cols[45] += (k > 0 ? "\x81\x41" : "") + std::string(kSkills[at]);  // 、 between skills
    cols[46] = rng.trivia(1 + rng.below(4));
    cols[47] = rng.trivia(rng.below(3));
    cols[48] =
        rng.chance(50) ? "\x96\xB6\x82\xCC\x8E\xBC\x8C\xB4" : "\x8A\x44\x90\x46\x82\xCC\x93\x83";  // 霧の湿原, 灰色の塔
    int floating = rng.below(10), anger = rng.below(10), type = rng.below(8);
    cols[49] = floating < 6 ? "0" : floating < 9 ? "1" : "-1";
    cols[50] = rng.chance(10) ? "1" : "0";
    cols[51] = rng.chance(10) ? "1" : "0";
    cols[52] = rng.chance(4) ? "1" : "0";   // metal
    cols[53] = rng.chance(25) ? "1" : "0";  // MP drain
    cols[54] = anger < 7 ? "0" : anger < 9 ? "1" : "?";
    cols[55] = rng.chance(15) ? "1" : "0";  // size
    cols[56] = type < 7 ? std::string(1, "RSKMTPO"[type]) : "";
    cols[76] = rng.chance(10) ? std::to_string(1 + rng.below(10)) : "0";
    cols[77] = rng.chance(6) ? std::to_string(1 + rng.below(10)) : "0";
    return cols;
}

}  // namespace

std::string generatedExtendedFile(int records, unsigned seed)
{
    Lcg rng{0x9E3779B97F4A7C15ull ^ seed};
    std::string out = "HRVTNP15041200,generated\r\n";
    for (int i = 0; i < records; ++i) {
        const auto cols = monsterColumns(i, records, rng);
        for (int k = 0; k < kExtendedColumns; ++k)
            out += (k > 0 ? "," : "") + cols[static_cast<std::size_t>(k)];
        out += "\r\n";
    }
    return out;
}

std::string generatedQuizFile(int records, unsigned seed)
{
    Lcg rng{0xC2B2AE3D27D4EB4Full ^ seed};
    std::string out = "HRVTNP15041200,generated\r\n";
    for (int i = 0; i < records; ++i) {
        auto cols = monsterColumns(i, records, rng);
        cols[45].clear();
        const int count = 2 + rng.below(5);
        for (int k = 0; k < count; ++k) {
            cols[45] += k > 0 ? "\x81\x41" : "";  // 、
            if (k == 0 && rng.chance(8)) {
                cols[45] += "\x92\x87\x8a\xd4\x82\xf0\x8c\xc4\x82\xd4";  // 仲間を呼ぶ
                continue;
            }
            const std::string number = std::to_string(1000 + 1 + rng.below(160)).substr(1);
            cols[45] += "\x8b\x5a" + number;  // 技001 ... 技160
        }
        for (int k = 0; k < kExtendedColumns; ++k)
            out += (k > 0 ? "," : "") + cols[static_cast<std::size_t>(k)];
        out += "\r\n";
    }
    return out;
}

const char* skillLabelText(int k) { return k >= 0 && k < 16 ? kSkills[static_cast<std::size_t>(k)] : ""; }

std::string sampleFilePath() { return KESTREL_SOURCE_DIR "/resources/sample-monsters.csv"; }

std::string readFileBytes(const std::string& path)
{
    std::ifstream in(pathFromUtf8(path), std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()) : std::string();
}

TempDir::TempDir()
{
    namespace fs = std::filesystem;
    static unsigned counter = 0;
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);  // on failure empty: the current folder
    std::random_device device;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        fs::path candidate = base / ("kestrel-test-" + std::to_string(device()) + "-" + std::to_string(++counter));
        if (fs::create_directory(candidate, ec))
            path_ = utf8FromPath(candidate);
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    if (!path_.empty())
        std::filesystem::remove_all(pathFromUtf8(path_), ec);
}

std::string TempDir::write(const std::string& name, std::string_view bytes) const
{
    std::string file = utf8FromPath(pathFromUtf8(path_) / pathFromUtf8(name));
    std::ofstream out(pathFromUtf8(file), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

}  // namespace kestrel::testing

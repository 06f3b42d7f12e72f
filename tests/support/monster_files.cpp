#include "tests/support/monster_files.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>
#include <vector>

namespace kestrel::testing {

namespace {

// Name syllables: katakana for the name, hiragana for the reading.
constexpr std::array<std::array<const char*, 2>, 20> kSyllables = {{
    {"\x83\x58", "\x82\xB7"},  // ス す
    {"\x83\x89", "\x82\xE7"},  // ラ ら
    {"\x83\x59", "\x82\xB8"},  // ズ ず
    {"\x83\x82", "\x82\xE0"},  // モ も
    {"\x83\x4F", "\x82\xAE"},  // グ ぐ
    {"\x83\x6E", "\x82\xCD"},  // ハ は
    {"\x83\x6C", "\x82\xCB"},  // ネ ね
    {"\x83\x63", "\x82\xC2"},  // ツ つ
    {"\x83\x4C", "\x82\xAB"},  // キ き
    {"\x83\x4A", "\x82\xA9"},  // カ か
    {"\x83\x51", "\x82\xB0"},  // ゲ げ
    {"\x83\x68", "\x82\xC7"},  // ド ど
    {"\x83\x8D", "\x82\xEB"},  // ロ ろ
    {"\x83\x7E", "\x82\xDD"},  // ミ み
    {"\x83\x88", "\x82\xE6"},  // ヨ よ
    {"\x83\x8B", "\x82\xE9"},  // ル る
    {"\x83\x71", "\x82\xD0"},  // ヒ ひ
    {"\x83\x67", "\x82\xC6"},  // ト と
    {"\x83\x5C", "\x82\xBB"},  // ソ そ (second byte 0x5C)
    {"\x83\x7B", "\x82\xDA"},  // ボ ぼ
}};

// Name endings in kanji with their readings.
constexpr std::array<std::array<const char*, 2>, 4> kSuffixes = {{
    {"\x89\xA4", "\x82\xA8\x82\xA4"},                  // 王 おう
    {"\x95\xBA", "\x82\xD6\x82\xA2"},                  // 兵 へい
    {"\x97\xB3", "\x82\xE8\x82\xE3\x82\xA4"},          // 竜 りゅう
    {"\x95\x5C", "\x82\xA8\x82\xE0\x82\xC4"},          // 表 おもて
}};

// The fourteen family characters in code order.
constexpr std::array<const char*, 14> kFamilies = {
    "\x8F\x62",  // 獣
    "\x92\xB9",  // 鳥
    "\x90\x41",  // 植
    "\x92\x8E",  // 虫
    "\x89\xF6",  // 怪
    "\x95\xA8",  // 物
    "\x83\x7D",  // マ
    "\x83\x47",  // エ
    "\x90\x85",  // 水
    "\x83\x58",  // ス
    "\x83\x5D",  // ゾ
    "\x88\xAB",  // 悪
    "\x83\x68",  // ド
    "\x81\x48",  // ？
};

// The sixteen skill-button labels first, then other skills.
constexpr std::array<const char*, 32> kSkills = {
    "\x95\x90\x8A\xED\x83\x4B\x81\x5B\x83\x68",                  // 武器ガード
    "\x8F\x82\x83\x4B\x81\x5B\x83\x68",                          // 盾ガード
    "\x92\xC9\x8D\xA6\x82\xCC\x88\xEA\x8C\x82",                  // 痛恨の一撃
    "\x93\xA6\x82\xB0\x8F\x6F\x82\xB7",                          // 逃げ出す
    "\x82\xBD\x82\xDF\x82\xE9",                                  // ためる
    "\x8E\xF4\x82\xA2",                                          // 呪い
    "\x82\xD3\x82\xB5\x82\xAC\x82\xC8\x82\xA8\x82\xC7\x82\xE8",  // ふしぎなおどり
    "\x83\x7D\x83\x7A\x83\x67\x81\x5B\x83\x93",                  // マホトーン
    "\x82\xCD\x82\xB0\x82\xB5\x82\xA2\x82\xD9\x82\xCC\x82\xA8",  // はげしいほのお
    "\x82\xB1\x82\xB2\x82\xA6\x82\xE9\x82\xD3\x82\xD4\x82\xAB",  // こごえるふぶき
    "\x83\x7D\x83\x6B\x81\x5B\x83\x54",                          // マヌーサ
    "\x83\x8B\x83\x4A\x83\x69\x83\x93",                          // ルカナン
    "\x82\xA0\x82\xDC\x82\xA2\x82\xA2\x82\xAB",                  // あまいいき
    "\x83\x6F\x83\x4D\x83\x4E\x83\x8D\x83\x58",                  // バギクロス
    "\x83\x43\x83\x49\x83\x89",                                  // イオラ
    "\x83\x81\x83\x89\x83\x7E",                                  // メラミ
    "\x92\x87\x8A\xD4\x82\xF0\x8C\xC4\x82\xD4",                  // 仲間を呼ぶ
    "\x89\xCE\x89\x8A\x82\xCC\x82\xA2\x82\xAB",                  // 火炎のいき
    "\x89\x8A\x82\xCC\x92\xDC",                                  // 炎の爪
    "\x95\x58\x82\xCC\x90\x6E",                                  // 氷の刃
    "\x90\xCE\x82\xC2\x82\xD4\x82\xC4",                          // 石つぶて
    "MP\x82\xA9\x82\xB6\x82\xE8",                                // MPかじり
    "\x91\xCC\x93\x96\x82\xBD\x82\xE8",                          // 体当たり
    "\x82\xA9\x82\xDD\x82\xC2\x82\xAB",                          // かみつき
    "\x93\xC5\x82\xCC\x96\xB6",                                  // 毒の霧
    "\x96\xB0\x82\xE8\x82\xCC\x95\xB2",                          // 眠りの粉
    "\x89\xF1\x93\x5D\x83\x41\x83\x5E\x83\x62\x83\x4E",          // 回転アタック
    "\x82\xCB\x82\xCE\x82\xC2\x82\xAD\x8E\x85",                  // ねばつく糸
    "\x97\x8B\x8C\xF5",                                          // 雷光
    "\x82\xC2\x82\xDE\x82\xB6\x95\x97",                          // つむじ風
    "\x83\x5C\x83\x6A\x83\x62\x83\x4E\x8E\x61\x82\xE8",          // ソニック斬り
    "\x95\x5C\x97\xA0\x82\xCC\x8D\x5C\x82\xA6",                  // 表裏の構え
};

constexpr std::array<const char*, 10> kTriviaLines = {
    "\x90\x58\x82\xCC\x89\x9C\x82\xC5\x82\xE6\x82\xAD\x8C\xA9\x82\xA9\x82\xAF\x82\xE9\x81\x42",  // 森の奥でよく見かける。
    "\x89\x8A\x82\xAA\x8B\xEA\x8E\xE8\x82\xE7\x82\xB5\x82\xA2\x81\x42",  // 炎が苦手らしい。
    "\x95\x58\x82\xCC\x92\x86\x82\xC5\x96\xB0\x82\xE9\x82\xB1\x82\xC6\x82\xAA\x82\xA0\x82\xE9\x81\x42",  // 氷の中で眠ることがある。
    "\x96\xE9\x82\xC9\x82\xC8\x82\xE9\x82\xC6\x8C\x51\x82\xEA\x82\xC5\x93\xAE\x82\xAD\x81\x42",  // 夜になると群れで動く。
    "\x90\xCE\x82\xF0\x8F\x57\x82\xDF\x82\xE9\x82\xCC\x82\xAA\x8D\x44\x82\xAB\x81\x42",  // 石を集めるのが好き。
    "\x92\x87\x8A\xD4\x8E\x76\x82\xA2\x82\xCC\x90\xAB\x8A\x69\x82\xBE\x81\x42",  // 仲間思いの性格だ。
    "\x93\x7B\x82\xE9\x82\xC6\x90\x46\x82\xAA\x95\xCF\x82\xED\x82\xE9\x81\x42",  // 怒ると色が変わる。
    "\x95\x5C\x8F\xEE\x82\xAA\x82\xDC\x82\xC1\x82\xBD\x82\xAD\x93\xC7\x82\xDF\x82\xC8\x82\xA2\x81\x42",  // 表情がまったく読めない。
    "\x89\x4A\x82\xCC\x93\xFA\x82\xCD\x82\xA8\x82\xC6\x82\xC8\x82\xB5\x82\xA2\x81\x42",  // 雨の日はおとなしい。
    "\x82\x6C\x82\x6F\x82\xF0\x8B\x7A\x82\xED\x82\xEA\x82\xE9\x82\xC6\x93\x7B\x82\xE8\x8F\x6F\x82\xB7\x81\x42",  // ＭＰを吸われると怒り出す。
};

constexpr std::array<const char*, 6> kLocations = {
    "\x83\x7E\x83\x59\x83\x69\x83\x89\x82\xCC\x90\x58",  // ミズナラの森
    "\x96\xB6\x82\xCC\x8E\xBC\x8C\xB4",                  // 霧の湿原
    "\x8A\x44\x90\x46\x82\xCC\x93\x83",                  // 灰色の塔
    "\x92\xAA\x95\x97\x82\xCC\x93\xB4\x82\xAD\x82\xC2",  // 潮風の洞くつ
    "\x90\xD4\x93\x79\x82\xCC\x8B\xAC\x92\x4A",          // 赤土の峡谷
    "\x95\x58\x8F\xBB\x82\xCC\x92\x4A",                  // 氷晶の谷
};

constexpr const char* kSkillSeparator = "\x81\x41";  // 、
constexpr std::array<const char*, 8> kTypeLetters = {"", "R", "S", "K", "M", "T", "P", "O"};

// Statistics ranges of one quiz class.
struct ClassRanges {
    int hpLow, hpHigh, mpHigh, attackLow, attackHigh, defenseLow, defenseHigh, weightLow, weightHigh;
};

constexpr std::array<ClassRanges, 4> kClassRanges = {{
    {20, 150, 30, 20, 90, 15, 70, 100, 500},
    {120, 500, 80, 80, 220, 60, 180, 150, 1000},
    {400, 1500, 150, 180, 380, 150, 350, 200, 1700},
    {1200, 4800, 400, 300, 600, 250, 600, 300, 2000},
}};

// splitmix64: the same sequence on every platform, unlike the standard
// distributions.
class Rng {
public:
    explicit Rng(unsigned seed) : state_(0x9E3779B97F4A7C15ull ^ seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint64_t state_;
};

// The values of one generated monster, already as column texts.
struct Generated {
    std::string name, reading, family, quizClass, hp, mp, attack, defense, weight, skills;
};

// A statistic between low and high; now and then empty or -1 (unknown), and
// for attack and defense sometimes 0.
std::string statistic(Rng& rng, int low, int high, bool allowZero)
{
    int roll = rng.below(100);
    if (roll < 3)
        return "";
    if (roll < 5)
        return "-1";
    if (allowZero && roll < 8)
        return "0";
    return std::to_string(rng.between(low, high));
}

std::string joined(const std::vector<std::string>& parts, const char* separator)
{
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += separator;
        out += parts[i];
    }
    return out;
}

std::string skillList(Rng& rng)
{
    if (rng.chance(3))
        return "";
    std::vector<int> pool(kSkills.size());
    for (std::size_t i = 0; i < pool.size(); ++i)
        pool[i] = static_cast<int>(i);
    int count = rng.between(1, 8);
    std::vector<std::string> chosen;
    for (int k = 0; k < count; ++k) {
        int pick = k + rng.below(static_cast<int>(pool.size()) - k);
        std::swap(pool[k], pool[pick]);
        chosen.emplace_back(kSkills[pool[k]]);
    }
    return joined(chosen, kSkillSeparator);
}

std::string triviaText(Rng& rng, int minLines, int maxLines)
{
    std::vector<std::string> lines;
    int count = rng.between(minLines, maxLines);
    for (int k = 0; k < count; ++k)
        lines.emplace_back(kTriviaLines[rng.below(static_cast<int>(kTriviaLines.size()))]);
    return joined(lines, "<BR>");
}

Generated generateMonster(int index, Rng& rng)
{
    Generated m;
    // Four base-20 digits of the index make the name unique; random syllables
    // and a kanji ending vary its length.
    int digits = index;
    for (int k = 0; k < 4; ++k) {
        const auto& syllable = kSyllables[static_cast<std::size_t>(digits % 20)];
        m.name += syllable[0];
        m.reading += syllable[1];
        digits /= 20;
    }
    for (int extra = rng.below(3); extra > 0; --extra) {
        const auto& syllable = kSyllables[static_cast<std::size_t>(rng.below(20))];
        m.name += syllable[0];
        m.reading += syllable[1];
    }
    if (rng.chance(15)) {
        const auto& suffix = kSuffixes[static_cast<std::size_t>(rng.below(4))];
        m.name += suffix[0];
        m.reading += suffix[1];
    }

    m.family = kFamilies[static_cast<std::size_t>(index % 14)];
    if (rng.chance(8))
        m.family += "?";
    int quizClass = index < 4 ? index + 1 : rng.between(1, 4);
    m.quizClass = std::to_string(quizClass);

    const ClassRanges& r = kClassRanges[static_cast<std::size_t>(quizClass - 1)];
    m.hp = statistic(rng, r.hpLow, r.hpHigh, false);
    m.mp = statistic(rng, 0, r.mpHigh, false);
    m.attack = statistic(rng, r.attackLow, r.attackHigh, true);
    m.defense = statistic(rng, r.defenseLow, r.defenseHigh, true);
    m.weight = statistic(rng, r.weightLow, r.weightHigh, false);
    m.skills = skillList(rng);
    return m;
}

std::string extendedLine(int index, int records, Rng& rng)
{
    Generated m = generateMonster(index, rng);
    std::array<std::string, kExtendedColumns> cols;
    cols[0] = std::to_string(index + 1);
    cols[1] = m.name;
    cols[2] = m.reading;
    cols[3] = m.family;
    cols[4] = rng.chance(4) ? "" : std::to_string(rng.between(1, records * 2));
    cols[6] = m.hp;
    cols[7] = m.mp;
    cols[8] = m.attack;
    cols[9] = m.defense;
    cols[10] = m.weight;
    static constexpr std::array<int, 6> kResistances = {0, 25, 50, 100, 150, 200};
    for (int col = 14; col <= 40; ++col)
        cols[col] = rng.chance(5) ? "" : std::to_string(kResistances[static_cast<std::size_t>(rng.below(6))]);
    cols[45] = m.skills;
    cols[46] = triviaText(rng, 1, 4);
    cols[47] = triviaText(rng, 0, 2);
    cols[48] = kLocations[static_cast<std::size_t>(rng.below(static_cast<int>(kLocations.size())))];
    int floatRoll = rng.below(10);
    cols[49] = floatRoll < 6 ? "0" : floatRoll < 9 ? "1" : "-1";
    cols[50] = rng.chance(10) ? "1" : "0";
    cols[51] = rng.chance(10) ? "1" : "0";
    cols[52] = rng.chance(4) ? "1" : "0";
    cols[53] = rng.chance(25) ? "1" : "0";
    int angerRoll = rng.below(10);
    cols[54] = angerRoll < 7 ? "0" : angerRoll < 9 ? "1" : "?";
    cols[55] = rng.chance(15) ? "1" : "0";
    cols[56] = kTypeLetters[static_cast<std::size_t>(rng.below(8))];
    cols[75] = m.quizClass;
    cols[76] = rng.chance(10) ? std::to_string(rng.between(1, 10)) : "0";
    cols[77] = rng.chance(6) ? std::to_string(rng.between(1, 10)) : "0";
    return joined(std::vector<std::string>(cols.begin(), cols.end()), ",");
}

std::string basicLine(int index, Rng& rng)
{
    Generated m = generateMonster(index, rng);
    static constexpr std::array<const char*, 10> kFlags = {"M", "F", "F", "F", "F", "f", "x", "", "", ""};
    std::array<std::string, kBasicColumns> cols = {
        std::to_string(index + 1), m.name, m.quizClass, m.family,
        kFlags[static_cast<std::size_t>(rng.below(10))],
        m.hp, m.mp, m.attack, m.defense, m.skills,
    };
    return joined(std::vector<std::string>(cols.begin(), cols.end()), ",");
}

}  // namespace

std::string generatedExtendedFile(int records, unsigned seed)
{
    Rng rng(seed);
    std::string out = "HRVTNP15041200,generated\r\n";
    for (int i = 0; i < records; ++i)
        out += extendedLine(i, records, rng) + "\r\n";
    return out;
}

std::string generatedBasicFile(int records, unsigned seed)
{
    Rng rng(seed);
    std::string out = "HRVTNP14122700,generated\r\n";
    for (int i = 0; i < records; ++i)
        out += basicLine(i, rng) + "\r\n";
    return out;
}

const char* familyCharacter(int code)
{
    return code >= 1 && code <= 14 ? kFamilies[static_cast<std::size_t>(code - 1)] : "";
}

const char* skillLabelText(int k)
{
    return k >= 0 && k < 16 ? kSkills[static_cast<std::size_t>(k)] : "";
}

std::string sampleFilePath()
{
    return KESTREL_SOURCE_DIR "/resources/sample-monsters.csv";
}

std::string readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TempDir::TempDir()
{
    namespace fs = std::filesystem;
    static unsigned counter = 0;
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec)
        base = fs::current_path();
    std::random_device device;
    auto now = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = base / ("kestrel-test-" + std::to_string(device() ^ now) + "-" + std::to_string(++counter));
        if (fs::create_directory(candidate, ec) && !ec) {
            path_ = candidate.string();
            return;
        }
    }
}

TempDir::~TempDir()
{
    if (path_.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::write(const std::string& name, std::string_view bytes) const
{
    std::string file = (std::filesystem::path(path_) / name).string();
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

}  // namespace kestrel::testing

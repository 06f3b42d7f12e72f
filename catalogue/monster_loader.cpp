#include "catalogue/monster_loader.h"

#include "catalogue/field_parsing.h"
#include "platform/cp932.h"
#include "platform/file_names.h"
#include "text/normaliser.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <system_error>
#include <unordered_map>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace kestrel {

namespace {

constexpr std::size_t kFieldBytes = 255;  // a field holds at most this many bytes
constexpr std::size_t kLineBytes = 4095;  // longer lines lie outside the format
constexpr int kBasicColumns = 10;
constexpr int kExtendedColumns = 78;

// 仲間を呼ぶ
constexpr std::string_view kCallFriends = "\x92\x87\x8a\xd4\x82\xf0\x8c\xc4\x82\xd4";
// 、 the full-width comma that separates skills
constexpr std::string_view kSkillSeparator = "\x81\x41";

struct LineContext {
    LoadReport& report;
    int lineNumber;

    void warn(const std::string& what) const { report.warnings.push_back({lineNumber, what}); }
};

void copyField(char* dest, std::size_t capacity, std::string_view field, const LineContext& ctx, const char* what)
{
    if (!copyTextField(dest, capacity, field))
        ctx.warn(std::string(what) + " longer than " + std::to_string(capacity - 1) + " bytes, cut to fit");
}

// A text ends at a NUL byte, in the text tables as in the record's fields.
std::string_view untilNul(std::string_view field) { return field.substr(0, field.find('\0')); }

// The value of n (1 to 8) ASCII digits at p, eight bytes read at once (the
// bytes past the digits are ignored); false when they are not all digits.
inline bool eightDigits(const char* p, std::size_t n, std::int32_t& value)
{
    std::uint64_t chunk = 0;  // the first byte lowest, whatever the machine's order (one load where it is)
    for (unsigned k = 0; k < 8; ++k)
        chunk |= std::uint64_t{static_cast<unsigned char>(p[k])} << (8 * k);
    // The digits' values into the top n bytes, zeros (leading zeros) below.
    const std::uint64_t x = (chunk ^ 0x3030303030303030ULL) << (8 * (8 - n));
    if ((x & 0xF0F0F0F0F0F0F0F0ULL) != 0 || ((x + 0x0606060606060606ULL) & 0xF0F0F0F0F0F0F0F0ULL) != 0)
        return false;
    // Pairs, then fours, then all eight, the first byte the most significant.
    std::uint64_t v = x * 10 + (x >> 8);
    v = (((v & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
         (((v >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
        32;
    value = static_cast<std::int32_t>(v);
    return true;
}

// A number field that is not one to eight plain digits after an optional minus.
[[gnu::noinline]] std::int32_t otherIntegerOr(std::string_view field, std::int32_t fallback)
{
    const std::size_t start = field[0] == '-' ? 1 : 0;
    if (field.size() > start && field.size() - start <= 9) {
        std::int32_t value = 0;
        std::size_t i = start;
        for (; i < field.size() && static_cast<unsigned char>(field[i] - '0') <= 9; ++i)
            value = value * 10 + (field[i] - '0');
        if (i == field.size())
            return start == 0 ? value : -value;
    }
    return leadingInteger(field).value_or(fallback);
}

// readable: how many bytes from the field's start may be read (at least its size).
inline std::int32_t integerOr(std::string_view field, std::int32_t fallback, std::size_t readable = 0)
{
    // Most fields are empty or a few digits, perhaps after a minus sign.
    if (field.empty())
        return fallback;
    const std::size_t start = field[0] == '-' ? 1 : 0;
    if (std::int32_t value = 0; field.size() - start - 1 < 8 && readable >= start + 8 &&
                                eightDigits(field.data() + start, field.size() - start, value))
        return start == 0 ? value : -value;
    return otherIntegerOr(field, fallback);
}

// An empty or non-numeric quiz class gives class 1, so the monster is never hidden.
std::int32_t quizClassOf(std::string_view field, const LineContext& ctx)
{
    if (auto value = leadingInteger(field))
        return *value;
    ctx.warn(field.empty() ? "quiz class missing, class 1 used" : "quiz class is not a number, class 1 used");
    return 1;
}

std::int32_t familyOf(std::string_view field, const LineContext& ctx)
{
    std::int32_t family = familyOfField(field);
    if (family == 0 && !field.empty())
        ctx.warn("family not recognised");
    return family;
}

// Splits at each 、 without ever looking at the second byte of a double-byte
// character. Two separators in a row give an empty skill; a separator at the very
// end adds nothing.
void parseSkillList(MonsterRecord& record, std::string_view field, const LineContext& ctx)
{
    record.skillCount = 0;
    if (field.empty())
        return;
    std::size_t start = 0;
    std::size_t pos = 0;
    int pieces = 0;
    auto addPiece = [&](std::string_view piece) {
        ++pieces;
        if (record.skillCount >= kMaxSkills)
            return;
        copyField(record.skills[record.skillCount], kSkillSize, piece, ctx, "skill");
        ++record.skillCount;
    };
    while (pos < field.size()) {
        if (field[pos] == kSkillSeparator[0] && pos + 1 < field.size() && field[pos + 1] == kSkillSeparator[1]) {
            addPiece(field.substr(start, pos - start));
            pos += 2;
            start = pos;
            continue;
        }
        pos += charLengthAt(field, pos);
    }
    if (start < field.size())
        addPiece(field.substr(start));
    if (pieces > kMaxSkills)
        ctx.warn(std::to_string(pieces) + " skills, only the first 8 kept");
}

void fillBasicColumn(MonsterRecord& r, int column, std::string_view field, const LineContext& ctx)
{
    switch (column) {
    case 1:
        copyField(r.name, kNameSize, field, ctx, "name");
        copyTextField(r.reading, kNameSize, field);
        break;
    case 2: r.quizClass = quizClassOf(field, ctx); break;
    case 3: r.family = familyOf(field, ctx); break;
    case 4:
        if (!field.empty()) {
            if (field[0] == 'M')
                r.metal = 1;
            else if (field[0] == 'F')
                r.floating = 1;
            else if (field[0] == 'f')
                r.floating = -1;
        }
        break;
    case 5: r.hp = integerOr(field, -1); break;
    case 6: r.mp = integerOr(field, -1); break;
    case 7: r.attack = integerOr(field, -1); break;
    case 8: r.defense = integerOr(field, -1); break;
    case 9: parseSkillList(r, field, ctx); break;
    default: break;
    }
}

// The extended layout's columns other than plain numbers.
void fillExtendedTextColumn(Catalogue& c, MonsterRecord& r, int column, std::string_view field, const LineContext& ctx)
{
    switch (column) {
    case 1: copyField(r.name, kNameSize, field, ctx, "name"); break;
    case 2: copyField(r.reading, kNameSize, field, ctx, "reading"); break;
    case 3: r.family = familyOf(field, ctx); break;
    case 45: parseSkillList(r, field, ctx); break;
    case 46: c.triviaText1[c.monsterCount] = untilNul(field); break;
    case 47: c.triviaText2[c.monsterCount] = untilNul(field); break;
    case 48: c.locationText[c.monsterCount] = untilNul(field); break;
    case 54: r.noAnger = (!field.empty() && field[0] == '?') ? -1 : integerOr(field, 0); break;
    case 56:
        r.typeLetter = typeLetterOfField(field);
        if (r.typeLetter == 0 && !field.empty())
            ctx.warn("type letter not recognised");
        break;
    case 75: r.quizClass = quizClassOf(field, ctx); break;
    default: break;
    }
}

// Columns of the extended layout that nothing reads.
bool unusedExtendedColumn(int column)
{
    return column == 0 || column == 5 || (column >= 11 && column <= 13) || (column >= 41 && column <= 44) ||
           (column >= 57 && column <= 74) || column >= kExtendedColumns;
}

// The extended layout's columns that hold a plain number: the field it goes
// to and the value of an empty or non-numeric field. The statistics columns
// 14..40 go to extraStats.
struct NumberColumn {
    std::int32_t MonsterRecord::*field = nullptr;
    std::int32_t fallback = 0;
};

constexpr std::array<NumberColumn, kExtendedColumns> numberColumns()
{
    std::array<NumberColumn, kExtendedColumns> columns{};
    columns[4] = {&MonsterRecord::bookNumber, 0};
    columns[6] = {&MonsterRecord::hp, -1};
    columns[7] = {&MonsterRecord::mp, -1};
    columns[8] = {&MonsterRecord::attack, -1};
    columns[9] = {&MonsterRecord::defense, -1};
    columns[10] = {&MonsterRecord::weight, -1};
    columns[49] = {&MonsterRecord::floating, 0};
    columns[50] = {&MonsterRecord::groundFlag, 0};
    columns[51] = {&MonsterRecord::translucentFlag, 0};
    columns[52] = {&MonsterRecord::metal, 0};
    columns[53] = {&MonsterRecord::mpDrain, 0};
    columns[55] = {&MonsterRecord::size, 0};
    columns[76] = {&MonsterRecord::dealtSpread, 0};
    columns[77] = {&MonsterRecord::takenSpread, 0};
    return columns;
}

constexpr std::array<NumberColumn, kExtendedColumns> kNumberColumns = numberColumns();

// A column of the extended layout; the hot ones (numbers) without a call.
// readable: how many bytes from the field's start may be read.
inline void fillExtendedColumn(Catalogue& c, MonsterRecord& r, int column, std::string_view field, std::size_t readable,
                               const LineContext& ctx)
{
    if (column >= 14 && column <= 40) {
        r.extraStats[column - 14] = integerOr(field, -1, readable);
        return;
    }
    if (column < 0 || column >= kExtendedColumns)
        return;
    if (const NumberColumn& number = kNumberColumns[static_cast<std::size_t>(column)]; number.field != nullptr) {
        r.*number.field = integerOr(field, number.fallback, readable);
        return;
    }
    if (!unusedExtendedColumn(column))
        fillExtendedTextColumn(c, r, column, field, ctx);
}

// The commas of a line, front to back, found sixteen bytes at a time.
class Commas {
public:
    explicit Commas(std::string_view line) : line_(line), bits_(commasFrom(0)) {}

    // The position of the next comma; the line's length when there is none left.
    std::size_t next()
    {
        while (bits_ == 0) {
            chunk_ += 16;
            if (chunk_ >= line_.size())
                return line_.size();
            bits_ = commasFrom(chunk_);
        }
        const std::size_t pos = chunk_ + static_cast<std::size_t>(std::countr_zero(bits_));
        bits_ &= bits_ - 1;
        return pos;
    }

private:
    // Bit k set when byte at + k is a comma, for the sixteen bytes from at.
    unsigned commasFrom(std::size_t at) const
    {
#if defined(__SSE2__) || defined(_M_X64)
        if (at + 16 <= line_.size()) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line_.data() + at));
            return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(','))));
        }
#endif
        unsigned bits = 0;
        for (std::size_t k = 0; k < 16 && at + k < line_.size(); ++k)
            bits |= line_[at + k] == ',' ? 1u << k : 0u;
        return bits;
    }

    std::string_view line_;
    std::size_t chunk_ = 0;
    unsigned bits_;
};

// Parses one data line into the record at monsterCount (which is below the
// table's capacity) and advances monsterCount. True when the line has at least
// the layout's columns.
bool parseLine(Catalogue& c, std::string_view line, std::int32_t format, const LineContext& ctx)
{
    MonsterRecord& record = c.monsterTable[c.monsterCount];
    if (line.size() > kLineBytes)
        ctx.warn("line longer than " + std::to_string(kLineBytes) + " bytes");
    int column = 0;
    Commas commas(line);
    for (std::size_t start = 0; start <= line.size();) {
        const std::size_t pos = commas.next();
        std::string_view field(line.data() + start, pos - start);
        if (field.size() > kFieldBytes) {
            field = cutAtCharBoundary(field, kFieldBytes);
            if (column != 0)
                ctx.warn("column " + std::to_string(column) + " longer than 255 bytes, cut to fit");
        }
        if (format == kExtendedFormat)
            fillExtendedColumn(c, record, column, field, line.size() - start, ctx);
        else
            fillBasicColumn(record, column, field, ctx);
        ++column;
        start = pos + 1;
    }
    const int needed = format == kExtendedFormat ? kExtendedColumns : kBasicColumns;
    if (line.empty())
        ctx.warn("empty line, read as a monster with every field empty");
    else if (column < needed)
        ctx.warn(std::to_string(column) + " columns, the layout has " + std::to_string(needed));
    if (format == kExtendedFormat)
        record.loadIndex = c.monsterCount;
    ++c.monsterCount;
    return !line.empty() && column >= needed;
}

// A skill that reads 仲間を呼ぶ (or any beginning of it, the empty skill included)
// gets the monster's name in parentheses; then the search keys are stored.
// Many monsters share a skill: each skill text is normalised once and its key
// copied to the others (the fields past the key are zero in all of them).
void finishRecords(Catalogue& c)
{
    std::unordered_map<std::string_view, const char*> keyOfSkill;
    keyOfSkill.reserve(1024);
    for (int i = 0; i < c.monsterCount; ++i) {
        MonsterRecord& r = c.monsterTable[i];
        for (int k = 0; k < r.skillCount; ++k) {
            std::string_view skill(r.skills[k]);
            if (kCallFriends.substr(0, skill.size()) == skill && skill.size() <= kCallFriends.size()) {
                std::string named = std::string(skill) + "(" + r.name + ")";
                copyTextField(r.skills[k], kSkillSize, named);
                skill = r.skills[k];
            }
            const auto [known, fresh] = keyOfSkill.try_emplace(skill, r.skillKeys[k]);
            if (fresh)
                normaliseText(r.skills[k], r.skillKeys[k], kSkillSize);
            else
                std::memcpy(r.skillKeys[k], known->second, kSkillSize);
        }
        normaliseText(r.reading, r.readingKey, kNameSize);
    }
}

// A file's bytes, in a buffer that nothing fills before the read does.
struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
};

// The stream's bytes to its end, at most limit of them: one read into a buffer
// one byte larger than the size the file has (0 when it is not known), so that
// the end is seen at once; should the file be longer by now, the room doubles
// until it is read or holds more than limit bytes (then false, too large).
bool readWhole(std::istream& in, std::uintmax_t expected, std::size_t limit, FileBytes& bytes, bool& tooLarge)
{
    std::size_t capacity = static_cast<std::size_t>(std::min<std::uintmax_t>(expected, limit)) + 1;
    bytes.data = std::make_unique_for_overwrite<char[]>(capacity);
    for (;;) {
        in.read(bytes.data.get() + bytes.size, static_cast<std::streamsize>(capacity - bytes.size));
        bytes.size += static_cast<std::size_t>(in.gcount());
        if (!in)
            break;
        if (bytes.size > limit) {
            tooLarge = true;
            return false;
        }
        const std::size_t larger = std::min(capacity * 2, limit + 1);
        auto grown = std::make_unique_for_overwrite<char[]>(larger);
        std::memcpy(grown.get(), bytes.data.get(), bytes.size);
        bytes.data = std::move(grown);
        capacity = larger;
    }
    return !in.bad();
}

std::string pathInCp932(const std::string& path) { return isValidUtf8(path) ? utf8ToCp932(path) : path; }

LoaderMessage unsupportedVersionMessage(const std::string& path)
{
    // このバージョンでは指定されたファイルのフォーマットには対応していません。\n\n
    // Ver 3.0以降のツール本体を入手ください\n\n%s\n
    std::string text =
        "\x82\xb1\x82\xcc\x83\x6f\x81\x5b\x83\x57\x83\x87\x83\x93\x82\xc5\x82\xcd\x8e\x77\x92\xe8\x82\xb3\x82\xea"
        "\x82\xbd\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xcc\x83\x74\x83\x48\x81\x5b\x83\x7d\x83\x62\x83\x67\x82\xc9"
        "\x82\xcd\x91\xce\x89\x9e\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1\x81\x42"
        "\n\n"
        "Ver 3.0\x88\xc8\x8d\x7e\x82\xcc\x83\x63\x81\x5b\x83\x8b\x96\x7b\x91\xcc\x82\xf0\x93\xfc\x8e\xe8\x82\xad"
        "\x82\xbe\x82\xb3\x82\xa2"
        "\n\n";
    text += pathInCp932(path);
    text += "\n";
    return {text, "INFORMATION", MessageIcon::Error};
}

// A file the loader does not read at all: larger than any definition file can
// be, or no file but a device or a pipe.
LoaderMessage refusedFileMessage(const std::string& path, bool tooLarge)
{
    const std::string why = tooLarge ? "このファイルは大きすぎるため読み込みません（定義ファイルは 16 MB まで）。"
                                     : "このファイルは普通のファイルではないため読み込みません。";
    return {utf8ToCp932(why) + "\n\n" + pathInCp932(path), "", MessageIcon::Error};
}

// The file's text in code page 932: a UTF-8 file (with a byte order mark, or
// valid UTF-8 with bytes past ASCII) is converted into converted.
std::string_view asCp932(std::string_view bytes, std::string& converted, LoadReport& report)
{
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    const bool hasBom = bytes.substr(0, 3) == kBom;
    const bool hasNonAscii =
        std::any_of(bytes.begin(), bytes.end(), [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; });
    if (!hasBom && !(hasNonAscii && isValidUtf8(bytes)))
        return bytes;
    std::size_t unmapped = 0;
    converted = utf8ToCp932(hasBom ? bytes.substr(3) : bytes, &unmapped);
    if (unmapped > 0)
        report.warnings.push_back(
            {0, std::to_string(unmapped) + " characters have no code page 932 form, read as '?'"});
    report.encoding = FileEncoding::Utf8;
    return converted;
}

// The file's lines one by one, numbered from 1, without their line ends.
struct LineReader {
    std::string_view bytes;
    std::size_t pos = 0;
    int lineNumber = 0;

    bool next(std::string_view& line)
    {
        if (pos >= bytes.size())
            return false;
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) {
            line = bytes.substr(pos);
            pos = bytes.size();
        } else {
            line = bytes.substr(pos, end - pos);
            pos = end + 1;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);  // text mode: CR LF reads as LF
        }
        ++lineNumber;
        return true;
    }
};

// Line 1 selects the layout of every later line.
void readHeader(std::string_view line, const std::string& path, const MessageSink& showMessage, LoadReport& report)
{
    bool unsupported = false;
    report.format = formatOfHeader(line, &unsupported);
    report.headerKnown = line.find("HRVTNP") != std::string_view::npos || line.find("HRVMOB") != std::string_view::npos;
    if (unsupported) {
        report.warnings.push_back({1, "header version 19010100 is not supported, read in the extended layout"});
        if (showMessage)
            showMessage(unsupportedVersionMessage(path));
    }
}

void readDataLines(Catalogue& catalogue, LineReader& lines, LoadReport& report)
{
    std::string_view line;
    while (lines.next(line)) {
        ++report.dataLines;
        LineContext ctx{report, lines.lineNumber};
        if (catalogue.monsterCount >= kMaxMonsters) {
            // One warning for all of them: a huge file must not grow the report
            // by a warning a line.
            ++report.ignoredLines;
            if (report.dataLines == kMaxMonsters + 1)
                ctx.warn("past the 1024th monster, ignored with every later line");
            continue;
        }
        if (parseLine(catalogue, line, report.format, ctx))
            ++report.layoutLines;
    }
}

}  // namespace

std::int32_t formatOfHeader(std::string_view header, bool* unsupportedVersion)
{
    if (unsupportedVersion)
        *unsupportedVersion = false;
    std::size_t at = header.find("HRVTNP");
    if (at != std::string_view::npos) {
        std::size_t pos = at + 6;
        if (pos >= header.size() || header[pos] < '0' || header[pos] > '9')
            return kBasicFormat;  // no version number: the basic layout
        std::uint64_t version = 0;
        for (; pos < header.size() && header[pos] >= '0' && header[pos] <= '9'; ++pos)
            version = std::min<std::uint64_t>(version * 10 + static_cast<unsigned>(header[pos] - '0'), 0xFFFFFFFFull);
        if (version == 19010100 && unsupportedVersion)
            *unsupportedVersion = true;
        return version < static_cast<std::uint64_t>(kExtendedFormat) ? kBasicFormat : kExtendedFormat;
    }
    if (header.find("HRVMOB") != std::string_view::npos)
        return kExtendedFormat;
    return kBasicFormat;
}

LoadReport loadMonsterBytes(Catalogue& catalogue, std::string_view bytes, const std::string& path,
                            const MessageSink& showMessage)
{
    LoadReport report;
    report.opened = true;
    report.binary = bytes.find('\0') != std::string_view::npos;
    clearCatalogue(catalogue);

    std::string converted;
    LineReader lines{asCp932(bytes, converted, report)};
    std::string_view line;
    if (!lines.next(line))
        return report;  // an empty file: an empty table
    readHeader(line, path, showMessage, report);
    readDataLines(catalogue, lines, report);
    finishRecords(catalogue);
    return report;
}

LoadReport loadMonsterFile(Catalogue& catalogue, const std::string& path, const MessageSink& showMessage)
{
    LoadReport report;
    if (path.empty()) {
        clearCatalogue(catalogue);
        return report;
    }
    const std::filesystem::path file = pathFromUtf8(path);
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    // A device or a pipe is never read: it may never end.
    const bool special = !ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
                         !std::filesystem::is_directory(status);
    const std::uintmax_t size = ec || special ? 0 : std::filesystem::file_size(file, ec);
    bool tooLarge = !ec && size > kMaxDefinitionFileBytes;
    FileBytes bytes;
    bool readable = !special && !tooLarge && std::filesystem::is_regular_file(status);
    if (readable) {
        std::ifstream in(file, std::ios::binary);
        readable = in && readWhole(in, ec ? 0 : size, kMaxDefinitionFileBytes, bytes, tooLarge);
    }
    if (!readable) {
        clearCatalogue(catalogue);
        report.refusedTooLarge = tooLarge;
        report.refusedNotAFile = special;
        if (showMessage)
            showMessage(special || tooLarge
                            ? refusedFileMessage(path, tooLarge)
                            : LoaderMessage{"File open error !! : " + pathInCp932(path), "", MessageIcon::None});
        return report;
    }
    return loadMonsterBytes(catalogue, std::string_view(bytes.data.get(), bytes.size), path, showMessage);
}

}  // namespace kestrel

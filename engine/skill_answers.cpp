#include "engine/skill_answers.h"

#include "engine/observation_state.h"
#include "engine/text_search.h"

#include <algorithm>
#include <cstring>

namespace kestrel {

namespace {

// 仲間を呼ぶ
constexpr std::string_view kCallFriends = "\x92\x87\x8a\xd4\x82\xf0\x8c\xc4\x82\xd4";

template <std::size_t N>
std::string_view fieldText(const char (&field)[N])
{
    return {field, ::strnlen(field, N)};
}

bool isSeparatorOrAt(std::string_view text)
{
    if (!text.empty() && (text[0] == '@' || text.starts_with("\x81\x97")))
        return true;  // a name search
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == 0x20)
            return true;
        if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) {
            if (b == 0x81 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x40)
                return true;  // full-width space
            ++i;
        }
    }
    return false;
}

// The normalised search word a typed text gives, or nothing when it is not one
// plain word. A text that is a record's whole skill and whose key the loader
// made in full is its own key: the same normalisation of the same bytes.
bool searchWordOf(std::string_view text, std::string_view recordKey, bool whole, std::string& word)
{
    if (text.empty() || isSeparatorOrAt(text))
        return false;
    if (whole && recordKey.size() + 1 < static_cast<std::size_t>(kSkillSize)) {
        word = recordKey;
        return !word.empty();
    }
    SearchState search{};
    splitSearchText(search, text);
    if (search.searchWordCount != 1 || search.nameSearchActive != 0)
        return false;
    normaliseSearchWords(search);
    word = fieldText(search.searchWordsNormalised[0]);
    return !word.empty();
}

// A small open-addressing table from a text to an index, growing to stay at
// most half full.
class TextIndex {
public:
    // The index of text, or -1 when it has none.
    std::int32_t find(std::string_view text) const
    {
        for (std::size_t slot = hash(text) & mask_;; slot = (slot + 1) & mask_) {
            const Slot& s = slots_[slot];
            if (s.index < 0)
                return -1;
            if (s.text == text)
                return s.index;
        }
    }
    // Gives text (not yet in the table) its index.
    void add(std::string_view text, std::int32_t index)
    {
        if (2 * (++used_) > slots_.size()) {
            std::vector<Slot> old(slots_.size() * 2);
            old.swap(slots_);
            mask_ = slots_.size() - 1;
            for (const Slot& s : old)
                if (s.index >= 0)
                    place(s);
        }
        place({text, index});
    }

private:
    struct Slot {
        std::string_view text;
        std::int32_t index = -1;
    };
    void place(const Slot& entry)
    {
        std::size_t slot = hash(entry.text) & mask_;
        while (slots_[slot].index >= 0)
            slot = (slot + 1) & mask_;
        slots_[slot] = entry;
    }
    // The first and the last eight bytes and the length: texts that begin
    // alike (仲間を呼ぶ with a name) still end apart.
    static std::size_t hash(std::string_view text)
    {
        std::uint64_t first = 0, last = 0;
        const std::size_t n = std::min<std::size_t>(8, text.size());
        std::memcpy(&first, text.data(), n);
        std::memcpy(&last, text.data() + text.size() - n, n);
        std::uint64_t h = (first ^ (text.size() * 0x9E3779B97F4A7C15ULL)) * 0xFF51AFD7ED558CCDULL;
        h = (h ^ (h >> 32) ^ last) * 0xC4CEB9FE1A85EC53ULL;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
    std::vector<Slot> slots_ = std::vector<Slot>(64);
    std::size_t mask_ = 63;
    std::size_t used_ = 0;
};

struct Key {
    std::string_view text;
    std::int32_t firstAnswer = 0;  // its answers: keyAnswers[firstAnswer, firstAnswer + answerCount)
    std::int32_t answerCount = 0;
};

}  // namespace

std::string_view typedSkillText(const MonsterRecord& record, int k)
{
    const std::string_view skill = fieldText(record.skills[k]);
    const std::string_view name = fieldText(record.name);
    if (skill.size() < name.size() + 2 || skill.back() != ')')
        return skill;
    const std::size_t open = skill.size() - name.size() - 2;
    if (skill[open] != '(' || skill.substr(open + 1, name.size()) != name)
        return skill;
    const std::string_view typed = skill.substr(0, open);
    return kCallFriends.starts_with(typed) ? typed : skill;
}

SkillAnswers collectSkillAnswers(const Catalogue& catalogue, const std::vector<std::int32_t>& candidates)
{
    SkillAnswers result;
    // Each distinct skill text once: its key, and the answer its typed text gives.
    TextIndex skillIndex, keyIndex, answerIndex;
    std::vector<Key> keys;
    std::vector<std::int32_t> keyOfSkill;  // by distinct skill text
    std::vector<std::int32_t> skillsOf(candidates.size() * kMaxSkills);
    std::vector<std::uint8_t> skillCount(candidates.size());
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        const MonsterRecord& r = catalogue.monsterTable[static_cast<std::size_t>(candidates[c])];
        const int skills = std::clamp(r.skillCount, 0, kMaxSkills);
        for (int k = 0; k < skills; ++k) {
            const std::string_view text = fieldText(r.skills[k]);
            std::int32_t known = skillIndex.find(text);
            if (known < 0) {
                known = static_cast<std::int32_t>(keyOfSkill.size());
                skillIndex.add(text, known);
                const std::string_view key = fieldText(r.skillKeys[k]);
                std::int32_t keyAt = keyIndex.find(key);
                if (keyAt < 0) {
                    keyAt = static_cast<std::int32_t>(keys.size());
                    keyIndex.add(key, keyAt);
                    keys.push_back({key});
                }
                keyOfSkill.push_back(keyAt);
                const std::string_view typed = typedSkillText(r, k);
                std::string word;
                if (answerIndex.find(typed) < 0 && searchWordOf(typed, key, typed.size() == text.size(), word)) {
                    answerIndex.add(typed, static_cast<std::int32_t>(result.answers.size()));
                    result.answers.push_back({std::string(typed), std::move(word), 0});
                }
            }
            skillsOf[c * kMaxSkills + skillCount[c]++] = keyOfSkill[static_cast<std::size_t>(known)];
        }
    }
    // Which answers each distinct key keeps: a key keeps the answers whose word
    // it contains, its own first. A word inside a key has no byte the key lacks,
    // which a mask of the bytes each holds (folded into 64 bits) tells at once.
    auto bytesOf = [](std::string_view text) {
        std::uint64_t mask = 0;
        for (char c : text)
            mask |= std::uint64_t{1} << (static_cast<unsigned char>(c) & 63U);
        return mask;
    };
    std::vector<std::uint64_t> answerBytes(result.answers.size());
    for (std::size_t a = 0; a < result.answers.size(); ++a)
        answerBytes[a] = bytesOf(result.answers[a].word);
    std::vector<std::int32_t> keyAnswers;
    for (Key& key : keys) {
        key.firstAnswer = static_cast<std::int32_t>(keyAnswers.size());
        const std::uint64_t bytes = bytesOf(key.text);
        for (std::size_t a = 0; a < result.answers.size(); ++a) {
            const std::string& word = result.answers[a].word;
            if ((answerBytes[a] & ~bytes) == 0 && word.size() <= key.text.size() && skillKeyHolds(key.text, word))
                keyAnswers.push_back(static_cast<std::int32_t>(a));
        }
        key.answerCount = static_cast<std::int32_t>(keyAnswers.size()) - key.firstAnswer;
    }
    result.keptStart.reserve(candidates.size() + 1);
    result.keptStart.push_back(0);
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        const std::size_t start = result.keptBy.size();
        for (std::size_t k = 0; k < skillCount[c]; ++k) {
            const Key& key = keys[static_cast<std::size_t>(skillsOf[c * kMaxSkills + k])];
            result.keptBy.insert(result.keptBy.end(), keyAnswers.begin() + key.firstAnswer,
                                 keyAnswers.begin() + key.firstAnswer + key.answerCount);
        }
        const auto first = result.keptBy.begin() + static_cast<std::ptrdiff_t>(start);
        std::sort(first, result.keptBy.end());
        result.keptBy.erase(std::unique(first, result.keptBy.end()), result.keptBy.end());
        for (auto a = first; a != result.keptBy.end(); ++a)
            ++result.answers[static_cast<std::size_t>(*a)].kept;
        result.keptStart.push_back(result.keptBy.size());
    }
    return result;
}

}  // namespace kestrel

#include "engine/skill_answers.h"

#include "engine/observation_state.h"
#include "engine/text_search.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace kestrel {

namespace {

// 仲間を呼ぶ
constexpr std::string_view kCallFriends = "\x92\x87\x8a\xd4\x82\xf0\x8c\xc4\x82\xd4";

template <std::size_t N>
std::string_view fieldText(const char (&field)[N])
{
    return {field, ::strnlen(field, N)};
}

// A quick test that a word cannot lie inside a key: the bytes each holds, folded
// into 64 bits; a word inside a key has no bit the key lacks.
std::uint64_t byteMask(std::string_view text)
{
    std::uint64_t mask = 0;
    for (char c : text)
        mask |= std::uint64_t{1} << (static_cast<unsigned char>(c) & 63U);
    return mask;
}

// The normalised search word a typed text gives, or nothing when it is not one
// plain word.
bool searchWordOf(std::string_view text, std::string& word)
{
    SearchState search{};
    splitSearchText(search, text);
    if (search.searchWordCount != 1 || search.nameSearchActive != 0)
        return false;
    normaliseSearchWords(search);
    word = fieldText(search.searchWordsNormalised[0]);
    return !word.empty();
}

struct Key {
    std::string_view text;
    std::uint64_t mask;
    std::vector<std::int32_t> answers;  // the answers whose word this key contains
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
    std::unordered_map<std::string_view, std::int32_t> answerOf;  // typed text → answer, -1 for none
    std::unordered_map<std::string_view, std::int32_t> keyOf;     // normalised skill → key
    std::vector<Key> keys;
    std::vector<std::vector<std::int32_t>> keysOf(candidates.size());
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        const MonsterRecord& r = catalogue.monsterTable[static_cast<std::size_t>(candidates[c])];
        const int skills = std::clamp(r.skillCount, 0, kMaxSkills);
        for (int k = 0; k < skills; ++k) {
            const std::string_view typed = typedSkillText(r, k);
            if (auto [at, fresh] = answerOf.try_emplace(typed, -1); fresh) {
                std::string word;
                if (searchWordOf(typed, word)) {
                    at->second = static_cast<std::int32_t>(result.answers.size());
                    result.answers.push_back({std::string(typed), std::move(word), 0});
                }
            }
            const std::string_view key = fieldText(r.skillKeys[k]);
            auto [at, fresh] = keyOf.try_emplace(key, static_cast<std::int32_t>(keys.size()));
            if (fresh)
                keys.push_back({key, byteMask(key), {}});
            keysOf[c].push_back(at->second);
        }
    }
    // Which answers each distinct skill keeps: once per pair of answer and skill.
    for (std::size_t a = 0; a < result.answers.size(); ++a) {
        const std::string& word = result.answers[a].word;
        const std::uint64_t mask = byteMask(word);
        for (Key& key : keys) {
            if ((mask & ~key.mask) == 0 && skillKeyHolds(key.text, word))
                key.answers.push_back(static_cast<std::int32_t>(a));
        }
    }
    result.keeping.resize(candidates.size());
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        std::vector<std::int32_t>& kept = result.keeping[c];
        for (std::int32_t k : keysOf[c])
            kept.insert(kept.end(), keys[static_cast<std::size_t>(k)].answers.begin(),
                        keys[static_cast<std::size_t>(k)].answers.end());
        std::sort(kept.begin(), kept.end());
        kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
        for (std::int32_t a : kept)
            ++result.answers[static_cast<std::size_t>(a)].kept;
    }
    return result;
}

}  // namespace kestrel

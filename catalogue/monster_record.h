#pragma once
// One monster of the quiz: a plain record of fixed-size fields, copied bytewise.
// Texts are code page 932 bytes, NUL-terminated inside their buffers.

#include <cstdint>
#include <type_traits>

namespace kestrel {

inline constexpr int kNameSize = 32;   // name, reading, readingKey
inline constexpr int kSkillSize = 64;  // each skill and skill key
inline constexpr int kMaxSkills = 8;
inline constexpr int kExtraStats = 27;
inline constexpr int kTriviaHits = 9;
inline constexpr std::uint8_t kNoSkillHit = 0xFF;
inline constexpr std::int32_t kUncertainFamily = 0x80;

struct MonsterRecord {
    std::int32_t isCandidate;
    char name[kNameSize];
    char reading[kNameSize];
    char readingKey[kNameSize];
    std::int32_t quizClass;
    std::int32_t dealtSpread;
    std::int32_t takenSpread;
    std::int32_t typeLetter;
    std::int32_t family;
    std::int32_t bookNumber;
    std::int32_t floating;
    std::int32_t groundFlag;
    std::int32_t translucentFlag;
    std::int32_t metal;
    std::int32_t mpDrain;
    std::int32_t noAnger;
    std::int32_t size;
    std::int32_t hp;
    std::int32_t mp;
    std::int32_t attack;
    std::int32_t defense;
    std::int32_t weight;
    std::int32_t extraStats[kExtraStats];
    std::int32_t takenMin;
    std::int32_t takenMax;
    std::int32_t dealtMin;
    std::int32_t dealtMax;
    float takenRatio;
    float dealtRatio;
    std::int32_t loadIndex;
    std::int32_t triviaHit[kTriviaHits];
    std::int32_t skillCount;
    char skills[kMaxSkills][kSkillSize];
    char skillKeys[kMaxSkills][kSkillSize];
    std::uint8_t skillHit[kMaxSkills];
};

static_assert(std::is_trivially_copyable_v<MonsterRecord>);
static_assert(std::is_standard_layout_v<MonsterRecord>);

}  // namespace kestrel

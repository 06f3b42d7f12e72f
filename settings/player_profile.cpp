#include "settings/player_profile.h"

#include "platform/cp932.h"

#include <array>
#include <string>

namespace kestrel {

PlayerProfile defaultProfile(int n)
{
    PlayerProfile profile;
    profile.ATACK = 1001 + n;
    profile.DEFENSE = 2001 + n;
    profile.WEIGHT = 3001 + n;
    copyTextField(profile.USERNAME, sizeof profile.USERNAME, "User" + std::to_string(n + 1));
    return profile;
}

namespace {

// Target family is the family code - 1: 0 獣 1 鳥 2 植 3 虫 4 怪 5 物 6 マ
// 7 エ 8 水 9 ス 10 ゾ 11 悪 12 ド.
constexpr std::array<WeaponRow, kWeaponCount> kWeapons = {{
    {"\x95\xD0\x8E\xE8\x8C\x95", 12, "\x83\x68\x83\x89\x83\x53\x83\x93\x8E\x61\x82\xE8"},  // 片手剣, ドラゴン斬り
    {"\x97\xBC\x8E\xE8\x8C\x95", 12,
     "\x83\x68\x83\x89\x83\x53\x83\x93\x83\x58\x83\x89\x83\x62\x83\x56\x83\x85"},  // 両手剣, ドラゴンスラッシュ
    {"\x95\x80", 2, "\x82\xBD\x82\xA2\x82\xDA\x82\xAD\x8E\x61"},                   // 斧, たいぼく斬
    {"\x91\x84", 0, "\x82\xAF\x82\xE0\x82\xCC\x93\xCB\x82\xAB"},                   // 槍, けもの突き
    {"\x83\x58\x83\x65\x83\x42\x83\x62\x83\x4E", 11,
     "\x83\x66\x83\x72\x83\x8B\x83\x93\x83\x60\x83\x83\x81\x5B\x83\x80"},  // スティック, デビルンチャーム
    {"\x9E\x9E", 10, "\x89\xA9\x90\xF2\x82\xA8\x82\xAD\x82\xE8"},          // 棍, 黄泉おくり
    {"\x97\xBC\x8E\xE8\x8F\xF1", 11, "\x88\xAB\x96\x82\x82\xCE\x82\xE7\x82\xA2"},  // 両手杖, 悪魔ばらい
    {"\x92\x5A\x8C\x95", 3, "\x83\x4C\x83\x89\x81\x5B\x83\x75\x81\x5B\x83\x93"},   // 短剣, キラーブーン
    {"\x83\x80\x83\x60", 4, "\x88\xA4\x82\xCC\x83\x80\x83\x60"},                   // ムチ, 愛のムチ
    {"\x83\x63\x83\x81", 6, "\x97\xF4\x8D\x7C\x8C\x9D"},                           // ツメ, 裂鋼拳
    {"\x90\xEE", 8, "\x94\x67\x96\xE4\x89\x89\x95\x91"},                           // 扇, 波紋演舞
    {"\x83\x6E\x83\x93\x83\x7D\x81\x5B", 5,
     "\x83\x68\x83\x89\x83\x80\x83\x4E\x83\x89\x83\x62\x83\x56\x83\x85"},  // ハンマー, ドラムクラッシュ
    {"\x8B\x7C", 1, "\x83\x6F\x81\x5B\x83\x68\x83\x56\x83\x85\x81\x5B\x83\x67"},  // 弓, バードシュート
    {"\x83\x75\x81\x5B\x83\x81\x83\x89\x83\x93", 9,
     "\x83\x58\x83\x89\x83\x43\x83\x80\x83\x75\x83\x8D\x83\x45"},         // ブーメラン, スライムブロウ
    {"\x91\x66\x8E\xE8", 7, "\x82\xA9\x82\xDC\x82\xA2\x82\xBD\x82\xBF"},  // 素手, かまいたち
}};

// Levels 1 to 4 are captioned with a full-width ｖ, 5 and 6 with an ASCII v.
constexpr std::array<const char*, 7> kOrbCaptions = {
    "\x91\xC5\x82\xBD\x82\xEA\x96\xBC\x90\x6C\x82\xC8\x82\xB5",  // 打たれ名人なし
    "L\x82\x96"
    "1",  // Lｖ1
    "L\x82\x96"
    "2",  // Lｖ2
    "L\x82\x96"
    "3",  // Lｖ3
    "L\x82\x96"
    "4",  // Lｖ4
    "Lv5",
    "Lv6",
};

}  // namespace

const WeaponRow* weaponRow(std::int32_t weapon)
{
    if (weapon < 0 || weapon >= kWeaponCount)
        return nullptr;
    return &kWeapons[static_cast<std::size_t>(weapon)];
}

const char* orbCaption(std::int32_t level)
{
    if (level < 0 || level >= static_cast<std::int32_t>(kOrbCaptions.size()))
        return nullptr;
    return kOrbCaptions[static_cast<std::size_t>(level)];
}

}  // namespace kestrel

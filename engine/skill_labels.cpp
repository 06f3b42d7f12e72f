// The captions of the sixteen skill buttons for each quiz class.

#include "engine/text_search.h"

namespace kestrel {

namespace {

// The four quiz classes show the same sixteen labels, in button order.
constexpr int kClassCount = 4;
constexpr const char* kSkillLabels[kSkillButtonCount] = {
    "\x95\x90\x8a\xed\x83\x4b\x81\x5b\x83\x68",                  // 武器ガード
    "\x8f\x82\x83\x4b\x81\x5b\x83\x68",                          // 盾ガード
    "\x92\xc9\x8d\xa6\x82\xcc\x88\xea\x8c\x82",                  // 痛恨の一撃
    "\x93\xa6\x82\xb0\x8f\x6f\x82\xb7",                          // 逃げ出す
    "\x82\xbd\x82\xdf\x82\xe9",                                  // ためる
    "\x8e\xf4\x82\xa2",                                          // 呪い
    "\x82\xd3\x82\xb5\x82\xac\x82\xc8\x82\xa8\x82\xc7\x82\xe8",  // ふしぎなおどり
    "\x83\x7d\x83\x7a\x83\x67\x81\x5b\x83\x93",                  // マホトーン
    "\x82\xcd\x82\xb0\x82\xb5\x82\xa2\x82\xd9\x82\xcc\x82\xa8",  // はげしいほのお
    "\x82\xb1\x82\xb2\x82\xa6\x82\xe9\x82\xd3\x82\xd4\x82\xab",  // こごえるふぶき
    "\x83\x7d\x83\x6b\x81\x5b\x83\x54",                          // マヌーサ
    "\x83\x8b\x83\x4a\x83\x69\x83\x93",                          // ルカナン
    "\x82\xa0\x82\xdc\x82\xa2\x82\xa2\x82\xab",                  // あまいいき
    "\x83\x6f\x83\x4d\x83\x4e\x83\x8d\x83\x58",                  // バギクロス
    "\x83\x43\x83\x49\x83\x89",                                  // イオラ
    "\x83\x81\x83\x89\x83\x7e",                                  // メラミ
};

}  // namespace

const char* skillButtonLabel(int quizClass, int k)
{
    if (quizClass < 1 || quizClass > kClassCount || k < 0 || k >= kSkillButtonCount)
        return nullptr;
    return kSkillLabels[k];
}

}  // namespace kestrel

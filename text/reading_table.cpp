#include "text/reading_table.h"

#include "platform/cp932.h"

#include <algorithm>
#include <cstdint>

namespace kestrel {

constexpr std::array<ReadingEntry, kReadingTableSize> readingTable{{
    // Phrases, and kanji whose reading depends on the next character.
    {"\x97\xCD\x82\xBD", "\xC1\xB6\xD7\xC0"},  // 力た ﾁｶﾗﾀ
    {"\x89\xCE\x89\x8A", "\xB6\xB4\xDD"},      // 火炎 ｶｴﾝ
    {"\x89\x8A", "\xCE\xC9\xB5"},              // 炎 ﾎﾉｵ
    {"\x82\xAD\x89\xCE", "\xB8\xB6"},          // く火 ｸｶ
    {"\x89\xCE", "\xCB"},                      // 火 ﾋ
    {"\x89\xBA\x82\xEB", "\xB5\xDB"},          // 下ろ ｵﾛ
    {"\x89\xBA\x82\xB0", "\xBB\xB9"},          // 下げ ｻｹ
    {"\x89\xF1\x93\x5D", "\xB6\xB2\xC3\xDD"},  // 回転 ｶｲﾃﾝ
    {"\x89\xF1\x82\xB7", "\xCF\xDC\xBD"},      // 回す ﾏﾜｽ
    {"\x89\xF1", "\xB6\xB2"},                  // 回 ｶｲ
    {"\x93\x5D\x82\xD4", "\xBA\xDB\xCC"},      // 転ぶ ｺﾛﾌ
    // Hiragana ぁ..ん and katakana ァ..ン (without ヮ ヰ ヱ), then ヴ.
    {"\x82\x9F", "\xB1"},  // ぁ ｱ
    {"\x82\xA0", "\xB1"},  // あ ｱ
    {"\x82\xA1", "\xB2"},  // ぃ ｲ
    {"\x82\xA2", "\xB2"},  // い ｲ
    {"\x82\xA3", "\xB3"},  // ぅ ｳ
    {"\x82\xA4", "\xB3"},  // う ｳ
    {"\x82\xA5", "\xB4"},  // ぇ ｴ
    {"\x82\xA6", "\xB4"},  // え ｴ
    {"\x82\xA7", "\xB5"},  // ぉ ｵ
    {"\x82\xA8", "\xB5"},  // お ｵ
    {"\x82\xA9", "\xB6"},  // か ｶ
    {"\x82\xAA", "\xB6"},  // が ｶ
    {"\x82\xAB", "\xB7"},  // き ｷ
    {"\x82\xAC", "\xB7"},  // ぎ ｷ
    {"\x82\xAD", "\xB8"},  // く ｸ
    {"\x82\xAE", "\xB8"},  // ぐ ｸ
    {"\x82\xAF", "\xB9"},  // け ｹ
    {"\x82\xB0", "\xB9"},  // げ ｹ
    {"\x82\xB1", "\xBA"},  // こ ｺ
    {"\x82\xB2", "\xBA"},  // ご ｺ
    {"\x82\xB3", "\xBB"},  // さ ｻ
    {"\x82\xB4", "\xBB"},  // ざ ｻ
    {"\x82\xB5", "\xBC"},  // し ｼ
    {"\x82\xB6", "\xBC"},  // じ ｼ
    {"\x82\xB7", "\xBD"},  // す ｽ
    {"\x82\xB8", "\xBD"},  // ず ｽ
    {"\x82\xB9", "\xBE"},  // せ ｾ
    {"\x82\xBA", "\xBE"},  // ぜ ｾ
    {"\x82\xBB", "\xBF"},  // そ ｿ
    {"\x82\xBC", "\xBF"},  // ぞ ｿ
    {"\x82\xBD", "\xC0"},  // た ﾀ
    {"\x82\xBE", "\xC0"},  // だ ﾀ
    {"\x82\xBF", "\xC1"},  // ち ﾁ
    {"\x82\xC0", "\xC1"},  // ぢ ﾁ
    {"\x82\xC1", "\xC2"},  // っ ﾂ
    {"\x82\xC2", "\xC2"},  // つ ﾂ
    {"\x82\xC3", "\xC2"},  // づ ﾂ
    {"\x82\xC4", "\xC3"},  // て ﾃ
    {"\x82\xC5", "\xC3"},  // で ﾃ
    {"\x82\xC6", "\xC4"},  // と ﾄ
    {"\x82\xC7", "\xC4"},  // ど ﾄ
    {"\x82\xC8", "\xC5"},  // な ﾅ
    {"\x82\xC9", "\xC6"},  // に ﾆ
    {"\x82\xCA", "\xC7"},  // ぬ ﾇ
    {"\x82\xCB", "\xC8"},  // ね ﾈ
    {"\x82\xCC", "\xC9"},  // の ﾉ
    {"\x82\xCD", "\xCA"},  // は ﾊ
    {"\x82\xCE", "\xCA"},  // ば ﾊ
    {"\x82\xCF", "\xCA"},  // ぱ ﾊ
    {"\x82\xD0", "\xCB"},  // ひ ﾋ
    {"\x82\xD1", "\xCB"},  // び ﾋ
    {"\x82\xD2", "\xCB"},  // ぴ ﾋ
    {"\x82\xD3", "\xCC"},  // ふ ﾌ
    {"\x82\xD4", "\xCC"},  // ぶ ﾌ
    {"\x82\xD5", "\xCC"},  // ぷ ﾌ
    {"\x82\xD6", "\xCD"},  // へ ﾍ
    {"\x82\xD7", "\xCD"},  // べ ﾍ
    {"\x82\xD8", "\xCD"},  // ぺ ﾍ
    {"\x82\xD9", "\xCE"},  // ほ ﾎ
    {"\x82\xDA", "\xCE"},  // ぼ ﾎ
    {"\x82\xDB", "\xCE"},  // ぽ ﾎ
    {"\x82\xDC", "\xCF"},  // ま ﾏ
    {"\x82\xDD", "\xD0"},  // み ﾐ
    {"\x82\xDE", "\xD1"},  // む ﾑ
    {"\x82\xDF", "\xD2"},  // め ﾒ
    {"\x82\xE0", "\xD3"},  // も ﾓ
    {"\x82\xE1", "\xD4"},  // ゃ ﾔ
    {"\x82\xE2", "\xD4"},  // や ﾔ
    {"\x82\xE3", "\xD5"},  // ゅ ﾕ
    {"\x82\xE4", "\xD5"},  // ゆ ﾕ
    {"\x82\xE5", "\xD6"},  // ょ ﾖ
    {"\x82\xE6", "\xD6"},  // よ ﾖ
    {"\x82\xE7", "\xD7"},  // ら ﾗ
    {"\x82\xE8", "\xD8"},  // り ﾘ
    {"\x82\xE9", "\xD9"},  // る ﾙ
    {"\x82\xEA", "\xDA"},  // れ ﾚ
    {"\x82\xEB", "\xDB"},  // ろ ﾛ
    {"\x82\xEC", "\xDC"},  // ゎ ﾜ
    {"\x82\xED", "\xDC"},  // わ ﾜ
    {"\x82\xEE", "\xB2"},  // ゐ ｲ
    {"\x82\xEF", "\xB4"},  // ゑ ｴ
    {"\x82\xF0", "\xA6"},  // を ｦ
    {"\x82\xF1", "\xDD"},  // ん ﾝ
    {"\x83\x40", "\xB1"},  // ァ ｱ
    {"\x83\x41", "\xB1"},  // ア ｱ
    {"\x83\x42", "\xB2"},  // ィ ｲ
    {"\x83\x43", "\xB2"},  // イ ｲ
    {"\x83\x44", "\xB3"},  // ゥ ｳ
    {"\x83\x45", "\xB3"},  // ウ ｳ
    {"\x83\x46", "\xB4"},  // ェ ｴ
    {"\x83\x47", "\xB4"},  // エ ｴ
    {"\x83\x48", "\xB5"},  // ォ ｵ
    {"\x83\x49", "\xB5"},  // オ ｵ
    {"\x83\x4A", "\xB6"},  // カ ｶ
    {"\x83\x4B", "\xB6"},  // ガ ｶ
    {"\x83\x4C", "\xB7"},  // キ ｷ
    {"\x83\x4D", "\xB7"},  // ギ ｷ
    {"\x83\x4E", "\xB8"},  // ク ｸ
    {"\x83\x4F", "\xB8"},  // グ ｸ
    {"\x83\x50", "\xB9"},  // ケ ｹ
    {"\x83\x51", "\xB9"},  // ゲ ｹ
    {"\x83\x52", "\xBA"},  // コ ｺ
    {"\x83\x53", "\xBA"},  // ゴ ｺ
    {"\x83\x54", "\xBB"},  // サ ｻ
    {"\x83\x55", "\xBB"},  // ザ ｻ
    {"\x83\x56", "\xBC"},  // シ ｼ
    {"\x83\x57", "\xBC"},  // ジ ｼ
    {"\x83\x58", "\xBD"},  // ス ｽ
    {"\x83\x59", "\xBD"},  // ズ ｽ
    {"\x83\x5A", "\xBE"},  // セ ｾ
    {"\x83\x5B", "\xBE"},  // ゼ ｾ
    {"\x83\x5C", "\xBF"},  // ソ ｿ
    {"\x83\x5D", "\xBF"},  // ゾ ｿ
    {"\x83\x5E", "\xC0"},  // タ ﾀ
    {"\x83\x5F", "\xC0"},  // ダ ﾀ
    {"\x83\x60", "\xC1"},  // チ ﾁ
    {"\x83\x61", "\xC1"},  // ヂ ﾁ
    {"\x83\x62", "\xC2"},  // ッ ﾂ
    {"\x83\x63", "\xC2"},  // ツ ﾂ
    {"\x83\x64", "\xC2"},  // ヅ ﾂ
    {"\x83\x65", "\xC3"},  // テ ﾃ
    {"\x83\x66", "\xC3"},  // デ ﾃ
    {"\x83\x67", "\xC4"},  // ト ﾄ
    {"\x83\x68", "\xC4"},  // ド ﾄ
    {"\x83\x69", "\xC5"},  // ナ ﾅ
    {"\x83\x6A", "\xC6"},  // ニ ﾆ
    {"\x83\x6B", "\xC7"},  // ヌ ﾇ
    {"\x83\x6C", "\xC8"},  // ネ ﾈ
    {"\x83\x6D", "\xC9"},  // ノ ﾉ
    {"\x83\x6E", "\xCA"},  // ハ ﾊ
    {"\x83\x6F", "\xCA"},  // バ ﾊ
    {"\x83\x70", "\xCA"},  // パ ﾊ
    {"\x83\x71", "\xCB"},  // ヒ ﾋ
    {"\x83\x72", "\xCB"},  // ビ ﾋ
    {"\x83\x73", "\xCB"},  // ピ ﾋ
    {"\x83\x74", "\xCC"},  // フ ﾌ
    {"\x83\x75", "\xCC"},  // ブ ﾌ
    {"\x83\x76", "\xCC"},  // プ ﾌ
    {"\x83\x77", "\xCD"},  // ヘ ﾍ
    {"\x83\x78", "\xCD"},  // ベ ﾍ
    {"\x83\x79", "\xCD"},  // ペ ﾍ
    {"\x83\x7A", "\xCE"},  // ホ ﾎ
    {"\x83\x7B", "\xCE"},  // ボ ﾎ
    {"\x83\x7C", "\xCE"},  // ポ ﾎ
    {"\x83\x7D", "\xCF"},  // マ ﾏ
    {"\x83\x7E", "\xD0"},  // ミ ﾐ
    {"\x83\x80", "\xD1"},  // ム ﾑ
    {"\x83\x81", "\xD2"},  // メ ﾒ
    {"\x83\x82", "\xD3"},  // モ ﾓ
    {"\x83\x83", "\xD4"},  // ャ ﾔ
    {"\x83\x84", "\xD4"},  // ヤ ﾔ
    {"\x83\x85", "\xD5"},  // ュ ﾕ
    {"\x83\x86", "\xD5"},  // ユ ﾕ
    {"\x83\x87", "\xD6"},  // ョ ﾖ
    {"\x83\x88", "\xD6"},  // ヨ ﾖ
    {"\x83\x89", "\xD7"},  // ラ ﾗ
    {"\x83\x8A", "\xD8"},  // リ ﾘ
    {"\x83\x8B", "\xD9"},  // ル ﾙ
    {"\x83\x8C", "\xDA"},  // レ ﾚ
    {"\x83\x8D", "\xDB"},  // ロ ﾛ
    {"\x83\x8F", "\xDC"},  // ワ ﾜ
    {"\x83\x92", "\xA6"},  // ヲ ｦ
    {"\x83\x93", "\xDD"},  // ン ﾝ
    {"\x83\x94", "\xCC"},  // ヴ ﾌ
    // Symbols, digits and the letters of HP and MP.
    {"\x81\x97", "\x40"},  // ＠ @
    {"\x81\x46", "\x3A"},  // ： :
    {"\x81\x5E", "\x2F"},  // ／ /
    {"\x81\x45", "\xA5"},  // ・ ･
    {"\x81\x5B", "\x2D"},  // ー -
    {"\x81\x7C", "\x2D"},  // － -
    {"\x82\x4F", "\x30"},  // ０ 0
    {"\x82\x50", "\x31"},  // １ 1
    {"\x82\x51", "\x32"},  // ２ 2
    {"\x82\x52", "\x33"},  // ３ 3
    {"\x82\x53", "\x34"},  // ４ 4
    {"\x82\x54", "\x35"},  // ５ 5
    {"\x82\x55", "\x36"},  // ６ 6
    {"\x82\x56", "\x37"},  // ７ 7
    {"\x82\x57", "\x38"},  // ８ 8
    {"\x82\x58", "\x39"},  // ９ 9
    {"\x82\x67", "\x48"},  // Ｈ H
    {"\x82\x6F", "\x50"},  // Ｐ P
    {"\x82\x6C", "\x4D"},  // Ｍ M
    {"\x82\x88", "\x48"},  // ｈ H
    {"\x82\x90", "\x50"},  // ｐ P
    {"\x82\x8D", "\x4D"},  // ｍ M
    // Kanji of monster and skill names; 石 reads ｾ and an ASCII k.
    {"\x8A\xE2", "\xB2\xDC"},      // 岩 ｲﾜ
    {"\x91\xBE", "\xC0\xB2"},      // 太 ﾀｲ
    {"\x8C\xC3", "\xBA"},          // 古 ｺ
    {"\x88\xC3", "\xB1\xDD"},      // 暗 ｱﾝ
    {"\x88\xEA", "\xB2\xC1"},      // 一 ｲﾁ
    {"\x88\xF8", "\xCB"},          // 引 ﾋ
    {"\x89\x4A", "\xB1\xD2"},      // 雨 ｱﾒ
    {"\x89\xCA", "\xB6"},          // 果 ｶ
    {"\x89\xCC", "\xB3\xC0"},      // 歌 ｳﾀ
    {"\x89\xEF", "\xB6\xB2"},      // 会 ｶｲ
    {"\x89\xF6", "\xB6\xB2"},      // 怪 ｶｲ
    {"\x89\xFC", "\xB6\xB2"},      // 改 ｶｲ
    {"\x8A\x45", "\xB6\xB2"},      // 界 ｶｲ
    {"\x8A\x47", "\xB4"},          // 絵 ｴ
    {"\x8A\x6B", "\xB6\xD7"},      // 殻 ｶﾗ
    {"\x8A\x6F", "\xB6\xB8"},      // 覚 ｶｸ
    {"\x8A\x79", "\xC0\xC9"},      // 楽 ﾀﾉ
    {"\x8A\x84", "\xDC"},          // 割 ﾜ
    {"\x8A\xAB", "\xB6\xDD"},      // 喚 ｶﾝ
    {"\x8A\xAE", "\xB6\xDD"},      // 完 ｶﾝ
    {"\x8A\xD4", "\xCF"},          // 間 ﾏ
    {"\x8A\xE7", "\xB6\xB5"},      // 顔 ｶｵ
    {"\x8A\xED", "\xB7"},          // 器 ｷ
    {"\x8B\x43", "\xB7"},          // 気 ｷ
    {"\x8B\x7A", "\xB7\xD5\xB3"},  // 吸 ｷﾕｳ
    {"\x8B\x7C", "\xD5\xD0"},      // 弓 ﾕﾐ
    {"\x8B\x85", "\xB7\xD5\xB3"},  // 球 ｷﾕｳ
    {"\x8B\xCA", "\xC0\xCF"},      // 玉 ﾀﾏ
    {"\x8B\xF3", "\xB6\xD7"},      // 空 ｶﾗ
    {"\x8C\x82", "\xB9\xB7"},      // 撃 ｹｷ
    {"\x8C\x88", "\xB7"},          // 決 ｷ
    {"\x8C\x8A", "\xB1\xC5"},      // 穴 ｱﾅ
    {"\x8C\x8C", "\xB9\xC2"},      // 血 ｹﾂ
    {"\x8C\xC4", "\xD6"},          // 呼 ﾖ
    {"\x8C\xF5", "\xBA\xB3"},      // 光 ｺｳ
    {"\x8D\x55", "\xBA\xB3"},      // 攻 ｺｳ
    {"\x8D\x69", "\xBC\xCE"},      // 絞 ｼﾎ
    {"\x8D\x73", "\xBA\xB3"},      // 行 ｺｳ
    {"\x8D\x95", "\xBA\xB8"},      // 黒 ｺｸ
    {"\x8D\xAC", "\xBA\xDD"},      // 混 ｺﾝ
    {"\x8E\x61", "\xB7"},          // 斬 ｷ
    {"\x8E\x80", "\xBC"},          // 死 ｼ
    {"\x8E\x85", "\xB2\xC4"},      // 糸 ｲﾄ
    {"\x8E\xA9", "\xBC"},          // 自 ｼ
    {"\x8E\xB8", "\xBC\xC2"},      // 失 ｼﾂ
    {"\x8E\xC0", "\xBC\xC2"},      // 実 ｼﾂ
    {"\x8E\xD4", "\xBC\xD4"},      // 車 ｼﾔ
    {"\x8E\xF4", "\xC9\xDB"},      // 呪 ﾉﾛ
    {"\x8E\xF7", "\xBC\xD5"},      // 樹 ｼﾕ
    {"\x8E\xFB", "\xBC\xD5\xB3"},  // 収 ｼﾕｳ
    {"\x8F\x6F", "\xC0"},          // 出 ﾀ
    {"\x8F\xA2", "\xBC\xD6\xB3"},  // 召 ｼﾖｳ
    {"\x8F\xCE", "\xDC\xD7"},      // 笑 ﾜﾗ
    {"\x8F\xD5", "\xBC\xD6\xB3"},  // 衝 ｼﾖｳ
    {"\x90\x53", "\xBC\xDD"},      // 心 ｼﾝ
    {"\x90\x55", "\xCC"},          // 振 ﾌ
    {"\x90\x85", "\xD0\xBD"},      // 水 ﾐｽ
    {"\x90\xC1", "\xBE\xB2"},      // 醒 ｾｲ
    {"\x90\xCE", "\xBE\x6B"},      // 石 ｾk
    {"\x90\xD8", "\xB7"},          // 切 ｷ
    {"\x90\xE3", "\xBC\xC0"},      // 舌 ｼﾀ
    {"\x90\xF4", "\xB1\xD7"},      // 洗 ｱﾗ
    {"\x90\xFC", "\xBE\xDD"},      // 線 ｾﾝ
    {"\x91\x4D", "\xBE\xDD"},      // 閃 ｾﾝ
    {"\x91\x53", "\xBE\xDD"},      // 全 ｾﾝ
    {"\x91\xAB", "\xB1\xBC"},      // 足 ｱｼ
    {"\x91\xE5", "\xC0\xB2"},      // 大 ﾀｲ
    {"\x92\x65", "\xC0\xDD"},      // 弾 ﾀﾝ
    {"\x92\x6E", "\xC1"},          // 地 ﾁ
    {"\x92\x87", "\xC5\xB6"},      // 仲 ﾅｶ
    {"\x92\xA7", "\xC1\xD6\xB3"},  // 挑 ﾁﾖｳ
    {"\x92\xB4", "\xC1\xD6\xB3"},  // 超 ﾁﾖｳ
    {"\x92\xC9", "\xC2\xB3"},      // 痛 ﾂｳ
    {"\x93\x53", "\xC3\xC2"},      // 鉄 ﾃﾂ
    {"\x93\x56", "\xC3\xDD"},      // 天 ﾃﾝ
    {"\x93\x66", "\xCA"},          // 吐 ﾊ
    {"\x93\x8A", "\xC5"},          // 投 ﾅ
    {"\x93\xA6", "\xC6"},          // 逃 ﾆ
    {"\x93\xAA", "\xBD"},          // 頭 ｽ
    {"\x93\xAE", "\xC4\xB3"},      // 動 ﾄｳ
    {"\x93\xAF", "\xC4\xB3"},      // 同 ﾄｳ
    {"\x93\xCB", "\xC2"},          // 突 ﾂ
    {"\x94\x67", "\xCA"},          // 波 ﾊ
    {"\x94\x73", "\xCA\xB2"},      // 敗 ﾊｲ
    {"\x94\x9A", "\xCA\xB8"},      // 爆 ﾊｸ
    {"\x94\xAD", "\xCA\xC2"},      // 発 ﾊﾂ
    {"\x95\x58", "\xBA\xB5\xD8"},  // 氷 ｺｵﾘ
    {"\x95\x73", "\xCC"},          // 不 ﾌ
    {"\x95\x90", "\xCC"},          // 武 ﾌ
    {"\x96\x43", "\xCE\xB3"},      // 砲 ﾎｳ
    {"\x96\x82", "\xCF"},          // 魔 ﾏ
    {"\x96\xA1", "\xD0"},          // 味 ﾐ
    {"\x96\xA3", "\xD0"},          // 魅 ﾐ
    {"\x96\xB0", "\xC8\xD1"},      // 眠 ﾈﾑ
    {"\x97\x74", "\xCA"},          // 葉 ﾊ
    {"\x97\x78", "\xB5\xC4"},      // 踊 ｵﾄ
    {"\x97\x8E", "\xB5"},          // 落 ｵ
    {"\x97\x90", "\xD7\xDD"},      // 乱 ﾗﾝ
    {"\x97\xCD", "\xD8\xD6\xB8"},  // 力 ﾘﾖｸ
    {"\x97\xD6", "\xD8\xDD"},      // 輪 ﾘﾝ
    {"\x97\xF4", "\xBB"},          // 裂 ｻ
    {"\x98\x66", "\xDC\xB8"},      // 惑 ﾜｸ
    {"\x8E\x9E", "\xBC"},          // 時 ｼ
    {"\x8D\xAA", "\xC8"},          // 根 ﾈ
    {"\x8D\xA6", "\xBA\xDD"},      // 恨 ｺﾝ
    {"\x8F\xF1", "\xC2\xB4"},      // 杖 ﾂｴ
    {"\x8F\x82", "\xC0\xC3"},      // 盾 ﾀﾃ
    {"\x93\xC5", "\xC4\xB8"},      // 毒 ﾄｸ
}};

namespace {

constexpr std::string_view fieldText(const char (&field)[kReadingFieldSize])
{
    std::size_t n = 0;
    while (n < kReadingFieldSize && field[n] != '\0')
        ++n;
    return std::string_view(field, n);
}

// Every key is one or two double-byte characters and every replacement one to
// four single-byte characters, both NUL-terminated inside their fields. A
// missing (zero-filled) entry fails here as well.
constexpr bool entriesWellFormed()
{
    for (const ReadingEntry& entry : readingTable) {
        std::string_view key = fieldText(entry.key);
        std::string_view replacement = fieldText(entry.replacement);
        if (key.size() != 2 && key.size() != 4)
            return false;
        for (std::size_t i = 0; i < key.size(); i += 2)
            if (!isLeadByte(static_cast<unsigned char>(key[i])))
                return false;
        if (replacement.empty() || replacement.size() > 4)
            return false;
        for (char byte : replacement)
            if (isLeadByte(static_cast<unsigned char>(byte)))
                return false;
    }
    return true;
}

// No key appears twice, and no one-character key stands before a
// two-character key that begins with it (which could then never match).
constexpr bool everyKeyReachable()
{
    for (std::size_t i = 0; i < readingTable.size(); ++i) {
        std::string_view earlier = fieldText(readingTable[i].key);
        for (std::size_t j = i + 1; j < readingTable.size(); ++j) {
            std::string_view later = fieldText(readingTable[j].key);
            if (later.substr(0, earlier.size()) == earlier)
                return false;
        }
    }
    return true;
}

static_assert(entriesWellFormed(), "malformed reading table entry");
static_assert(everyKeyReachable(), "reading table key shadowed by an earlier one");

// For each double-byte character, the entries whose key begins with it, in
// table order, so that a lookup visits exactly the entries a scan from the top
// would try and in the same order. Characters are found through their lead
// byte's page of 256 trail bytes; lead bytes without any key share page 0.
constexpr int kMaxKeysPerChar = 4;

struct CharEntries {
    std::uint8_t count;
    std::uint16_t entry[kMaxKeysPerChar];
};

constexpr int countLeadBytes()
{
    bool seen[256] = {};
    int pages = 1;
    for (const ReadingEntry& entry : readingTable) {
        const auto lead = static_cast<unsigned char>(entry.key[0]);
        pages += seen[lead] ? 0 : 1;
        seen[lead] = true;
    }
    return pages;
}

constexpr int kPages = countLeadBytes();

struct CharIndex {
    std::array<std::uint8_t, 256> pageOfLead{};
    std::array<std::array<std::uint16_t, 256>, kPages> slotOf{};  // 0: no key begins with it
    std::array<CharEntries, kReadingTableSize + 1> slots{};
};

constexpr CharIndex buildIndex()
{
    CharIndex index{};
    int pages = 1;
    int slots = 1;
    for (std::size_t i = 0; i < readingTable.size(); ++i) {
        const auto lead = static_cast<unsigned char>(readingTable[i].key[0]);
        const auto trail = static_cast<unsigned char>(readingTable[i].key[1]);
        if (index.pageOfLead[lead] == 0)
            index.pageOfLead[lead] = static_cast<std::uint8_t>(pages++);
        std::uint16_t& slot = index.slotOf[index.pageOfLead[lead]][trail];
        if (slot == 0)
            slot = static_cast<std::uint16_t>(slots++);
        CharEntries& entries = index.slots[slot];
        entries.entry[entries.count++] = static_cast<std::uint16_t>(i);
    }
    return index;
}

// At most kMaxKeysPerChar keys begin with one character.
constexpr bool keysPerCharFit()
{
    for (const ReadingEntry& a : readingTable) {
        int same = 0;
        for (const ReadingEntry& b : readingTable)
            same += a.key[0] == b.key[0] && a.key[1] == b.key[1] ? 1 : 0;
        if (same > kMaxKeysPerChar)
            return false;
    }
    return true;
}
static_assert(keysPerCharFit(), "too many reading keys begin with one character");

constexpr CharIndex kIndex = buildIndex();

}  // namespace

const ReadingEntry* findReading(std::string_view text)
{
    if (text.size() < 2)
        return nullptr;
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto trail = static_cast<unsigned char>(text[1]);
    const CharEntries& slot = kIndex.slots[kIndex.slotOf[kIndex.pageOfLead[lead]][trail]];
    for (int k = 0; k < slot.count; ++k) {
        const ReadingEntry& entry = readingTable[slot.entry[k]];
        // The first character matches; a two-character key needs the second one too.
        if (entry.key[2] == '\0' || (text.size() >= 4 && text[2] == entry.key[2] && text[3] == entry.key[3]))
            return &entry;
    }
    return nullptr;
}

}  // namespace kestrel

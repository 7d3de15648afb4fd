// The formatter's vocabulary: era, cycle, hour-count, month and weekday names,
// digits and the small constant words, as code page 932 bytes with their text beside.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vesmark::formatter {

// ---- Accessors: an index outside a table gives the empty text -------------

template <std::size_t N>
constexpr std::string_view At(const std::string_view (&table)[N], std::size_t i) noexcept {
    return i < N ? table[i] : std::string_view{};
}

// Month tables start with January for month 1, weekday tables with Sunday for
// weekday 1; 0 (a date before 0001-01-01) and anything above give the empty text.
template <std::size_t N>
constexpr std::string_view AtOneBased(const std::string_view (&table)[N], unsigned v) noexcept {
    return (v >= 1 && v <= N) ? table[v - 1] : std::string_view{};
}

// ---- Eras: index = Era, 0 = before the first era --------------------------

inline constexpr unsigned kLastEra = 5;

// Whole-day value (days since 1899-12-30) of each era's first day.
inline constexpr std::int32_t EraStartDays[] = {
    0,        // no era: never read
    -11435,   // 1868-09-08 明治
    4595,     // 1912-07-30 大正
    9856,     // 1926-12-25 昭和
    32516,    // 1989-01-08 平成
    43586,    // 2019-05-01 令和
};

// Year of the era = Year - base year, so the first calendar year of an era is its year 1.
inline constexpr std::uint16_t EraBaseYears[] = {
    0,        // no era: never read
    1867,     // 明治
    1911,     // 大正
    1925,     // 昭和
    1988,     // 平成
    2018,     // 令和
};

inline constexpr std::string_view EraNames[] = {
    "",                  // (no era)
    "\x96\xbe\x8e\xa1",  // 明治
    "\x91\xe5\x90\xb3",  // 大正
    "\x8f\xba\x98\x61",  // 昭和
    "\x95\xbd\x90\xac",  // 平成
    "\x97\xdf\x98\x61",  // 令和
};

inline constexpr std::string_view EraNamesKana[] = {
    "",                                          // (no era)
    "\x82\xdf\x82\xa2\x82\xb6",                  // めいじ
    "\x82\xbd\x82\xa2\x82\xb5\x82\xe5\x82\xa4",  // たいしょう
    "\x82\xb5\x82\xe5\x82\xa4\x82\xed",          // しょうわ
    "\x82\xd6\x82\xa2\x82\xb9\x82\xa2",          // へいせい
    "\x82\xea\x82\xa2\x82\xed",                  // れいわ
};

inline constexpr std::string_view EraLetters[] = {
    "",   // (no era)
    "M",  // M
    "T",  // T
    "S",  // S
    "H",  // H
    "R",  // R
};

inline constexpr std::string_view EraLettersWide[] = {
    "",          // (no era)
    "\x82\x6c",  // Ｍ
    "\x82\x73",  // Ｔ
    "\x82\x72",  // Ｓ
    "\x82\x67",  // Ｈ
    "\x82\x71",  // Ｒ
};

// ---- Sexagenary cycle -----------------------------------------------------

inline constexpr std::string_view StemNames[] = {
    "\x8d\x62",  // 甲
    "\x89\xb3",  // 乙
    "\x95\xb8",  // 丙
    "\x92\x9a",  // 丁
    "\x95\xe8",  // 戊
    "\x8c\xc8",  // 己
    "\x8d\x4d",  // 庚
    "\x90\x68",  // 辛
    "\x90\x70",  // 壬
    "\xe1\xa1",  // 癸
};

// A stem s reads as StemElementKana[s / 2] followed by StemSuffixKana[s % 2].
inline constexpr std::string_view StemElementKana[] = {
    "\x82\xab",          // き
    "\x82\xd0",          // ひ
    "\x82\xc2\x82\xbf",  // つち
    "\x82\xa9",          // か
    "\x82\xdd\x82\xb8",  // みず
};

inline constexpr std::string_view StemSuffixKana[] = {
    "\x82\xcc\x82\xa6",  // のえ
    "\x82\xcc\x82\xc6",  // のと
};

// Earthly branches, index 0..11; also the double-hour signs.
inline constexpr std::string_view BranchNames[] = {
    "\x8e\x71",  // 子
    "\x89\x4e",  // 丑
    "\x93\xd0",  // 寅
    "\x89\x4b",  // 卯
    "\x92\x43",  // 辰
    "\x96\xa4",  // 巳
    "\x8c\xdf",  // 午
    "\x96\xa2",  // 未
    "\x90\x5c",  // 申
    "\x93\xd1",  // 酉
    "\x9c\xfa",  // 戌
    "\x88\xe5",  // 亥
};

inline constexpr std::string_view BranchAnimalNames[] = {
    "\x91\x6c",  // 鼠
    "\x8b\x8d",  // 牛
    "\x8c\xd5",  // 虎
    "\x93\x65",  // 兎
    "\x97\xb3",  // 竜
    "\x8e\xd6",  // 蛇
    "\x94\x6e",  // 馬
    "\x97\x72",  // 羊
    "\x89\x8e",  // 猿
    "\x92\xb9",  // 鳥
    "\x8c\xa2",  // 犬
    "\x92\x96",  // 猪
};

// Entry 11 is the old kana ゐ, not い.
inline constexpr std::string_view BranchKana[] = {
    "\x82\xcb",                  // ね
    "\x82\xa4\x82\xb5",          // うし
    "\x82\xc6\x82\xe7",          // とら
    "\x82\xa4",                  // う
    "\x82\xbd\x82\xc2",          // たつ
    "\x82\xdd",                  // み
    "\x82\xa4\x82\xdc",          // うま
    "\x82\xd0\x82\xc2\x82\xb6",  // ひつじ
    "\x82\xb3\x82\xe9",          // さる
    "\x82\xc6\x82\xe8",          // とり
    "\x82\xa2\x82\xca",          // いぬ
    "\x82\xee",                  // ゐ
};

// ---- Traditional hour counts: index = (Hour % 12) / 2 ---------------------

inline constexpr std::string_view HourBellNames[] = {
    "\x8b\xe3\x82\xc2",  // 九つ
    "\x94\xaa\x82\xc2",  // 八つ
    "\x8e\xb5\x82\xc2",  // 七つ
    "\x98\x5a\x82\xc2",  // 六つ
    "\x8c\xdc\x82\xc2",  // 五つ
    "\x8e\x6c\x82\xc2",  // 四つ
};

inline constexpr std::string_view HourBellKana[] = {
    "\x82\xb1\x82\xb1\x82\xcc\x82\xc2",  // ここのつ
    "\x82\xe2\x82\xc2",                  // やつ
    "\x82\xc8\x82\xc8\x82\xc2",          // ななつ
    "\x82\xde\x82\xc2",                  // むつ
    "\x82\xa2\x82\xc2\x82\xc2",          // いつつ
    "\x82\xe6\x82\xc2",                  // よつ
};

// ---- Month names: January first (read through AtOneBased) -----------------

inline constexpr std::string_view MonthNamesEn[] = {
    "January",    // January
    "February",   // February
    "March",      // March
    "April",      // April
    "May",        // May
    "June",       // June
    "July",       // July
    "August",     // August
    "September",  // September
    "October",    // October
    "November",   // November
    "December",   // December
};

inline constexpr std::string_view MonthNamesEnWide[] = {
    "\x82\x69\x82\x81\x82\x8e\x82\x95\x82\x81\x82\x92\x82\x99",                  // Ｊａｎｕａｒｙ
    "\x82\x65\x82\x85\x82\x82\x82\x92\x82\x95\x82\x81\x82\x92\x82\x99",          // Ｆｅｂｒｕａｒｙ
    "\x82\x6c\x82\x81\x82\x92\x82\x83\x82\x88",                                  // Ｍａｒｃｈ
    "\x82\x60\x82\x90\x82\x92\x82\x89\x82\x8c",                                  // Ａｐｒｉｌ
    "\x82\x6c\x82\x81\x82\x99",                                                  // Ｍａｙ
    "\x82\x69\x82\x95\x82\x8e\x82\x85",                                          // Ｊｕｎｅ
    "\x82\x69\x82\x95\x82\x8c\x82\x99",                                          // Ｊｕｌｙ
    "\x82\x60\x82\x95\x82\x87\x82\x95\x82\x93\x82\x94",                          // Ａｕｇｕｓｔ
    "\x82\x72\x82\x85\x82\x90\x82\x94\x82\x85\x82\x8d\x82\x82\x82\x85\x82\x92",  // Ｓｅｐｔｅｍｂｅｒ
    "\x82\x6e\x82\x83\x82\x94\x82\x8f\x82\x82\x82\x85\x82\x92",                  // Ｏｃｔｏｂｅｒ
    "\x82\x6d\x82\x8f\x82\x96\x82\x85\x82\x8d\x82\x82\x82\x85\x82\x92",          // Ｎｏｖｅｍｂｅｒ
    "\x82\x63\x82\x85\x82\x83\x82\x85\x82\x8d\x82\x82\x82\x85\x82\x92",          // Ｄｅｃｅｍｂｅｒ
};

inline constexpr std::string_view MonthNamesKatakana[] = {
    "\x83\x57\x83\x83\x83\x6a\x83\x85\x83\x41\x83\x8a\x81\x5b",  // ジャニュアリー
    "\x83\x74\x83\x46\x83\x75\x83\x89\x83\x8a\x81\x5b",          // フェブラリー
    "\x83\x7d\x81\x5b\x83\x60",                                  // マーチ
    "\x83\x47\x83\x43\x83\x76\x83\x8a\x83\x8b",                  // エイプリル
    "\x83\x81\x83\x43",                                          // メイ
    "\x83\x57\x83\x85\x81\x5b\x83\x93",                          // ジューン
    "\x83\x57\x83\x85\x83\x89\x83\x43",                          // ジュライ
    "\x83\x49\x81\x5b\x83\x4b\x83\x58\x83\x67",                  // オーガスト
    "\x83\x5a\x83\x76\x83\x65\x83\x93\x83\x6f\x81\x5b",          // セプテンバー
    "\x83\x49\x83\x4e\x83\x67\x81\x5b\x83\x6f\x81\x5b",          // オクトーバー
    "\x83\x6d\x83\x94\x83\x46\x83\x93\x83\x6f\x81\x5b",          // ノヴェンバー
    "\x83\x66\x83\x42\x83\x5a\x83\x93\x83\x6f\x81\x5b",          // ディセンバー
};

// November writes ヴ as う and the separate voiced-sound mark ゛ (14 bytes).
inline constexpr std::string_view MonthNamesHiragana[] = {
    "\x82\xb6\x82\xe1\x82\xc9\x82\xe3\x82\xa0\x82\xe8\x81\x5b",  // じゃにゅありー
    "\x82\xd3\x82\xa5\x82\xd4\x82\xe7\x82\xe8\x81\x5b",          // ふぇぶらりー
    "\x82\xdc\x81\x5b\x82\xbf",                                  // まーち
    "\x82\xa6\x82\xa2\x82\xd5\x82\xe8\x82\xe9",                  // えいぷりる
    "\x82\xdf\x82\xa2",                                          // めい
    "\x82\xb6\x82\xe3\x81\x5b\x82\xf1",                          // じゅーん
    "\x82\xb6\x82\xe3\x82\xe7\x82\xa2",                          // じゅらい
    "\x82\xa8\x81\x5b\x82\xaa\x82\xb7\x82\xc6",                  // おーがすと
    "\x82\xb9\x82\xd5\x82\xc4\x82\xf1\x82\xce\x81\x5b",          // せぷてんばー
    "\x82\xa8\x82\xad\x82\xc6\x81\x5b\x82\xce\x81\x5b",          // おくとーばー
    "\x82\xcc\x82\xa4\x81\x4a\x82\xa5\x82\xf1\x82\xce\x81\x5b",  // のう゛ぇんばー
    "\x82\xc5\x82\xa1\x82\xb9\x82\xf1\x82\xce\x81\x5b",          // でぃせんばー
};

inline constexpr std::string_view MonthNamesJp[] = {
    "\x96\x72\x8c\x8e",          // 睦月
    "\x94\x40\x8c\x8e",          // 如月
    "\x96\xed\x90\xb6",          // 弥生
    "\x89\x4b\x8c\x8e",          // 卯月
    "\x8e\x48\x8c\x8e",          // 皐月
    "\x90\x85\x96\xb3\x8c\x8e",  // 水無月
    "\x95\xb6\x8c\x8e",          // 文月
    "\x97\x74\x8c\x8e",          // 葉月
    "\x92\xb7\x8c\x8e",          // 長月
    "\x90\x5f\x96\xb3\x8c\x8e",  // 神無月
    "\x91\x9a\x8c\x8e",          // 霜月
    "\x8e\x74\x91\x96",          // 師走
};

inline constexpr std::string_view MonthNamesJpKana[] = {
    "\x82\xde\x82\xc2\x82\xab",                  // むつき
    "\x82\xab\x82\xb3\x82\xe7\x82\xac",          // きさらぎ
    "\x82\xe2\x82\xe6\x82\xa2",                  // やよい
    "\x82\xa4\x82\xc3\x82\xab",                  // うづき
    "\x82\xb3\x82\xc2\x82\xab",                  // さつき
    "\x82\xdd\x82\xc8\x82\xc3\x82\xab",          // みなづき
    "\x82\xd3\x82\xdd\x82\xc2\x82\xab",          // ふみつき
    "\x82\xcd\x82\xc3\x82\xab",                  // はづき
    "\x82\xc8\x82\xaa\x82\xc2\x82\xab",          // ながつき
    "\x82\xa9\x82\xf1\x82\xc8\x82\xc3\x82\xab",  // かんなづき
    "\x82\xb5\x82\xe0\x82\xc2\x82\xab",          // しもつき
    "\x82\xb5\x82\xed\x82\xb7",                  // しわす
};

// ---- Weekday names: Sunday first (read through AtOneBased) ----------------
// The Latin and kana tables hold stems that the tokens complete with a suffix.

inline constexpr std::string_view DayNamesEn[] = {
    "Sun",     // Sun
    "Mon",     // Mon
    "Tues",    // Tues
    "Wednes",  // Wednes
    "Thurs",   // Thurs
    "Fri",     // Fri
    "Satur",   // Satur
};

inline constexpr std::string_view DayNamesEnWide[] = {
    "\x82\x72\x82\x95\x82\x8e",                          // Ｓｕｎ
    "\x82\x6c\x82\x8f\x82\x8e",                          // Ｍｏｎ
    "\x82\x73\x82\x95\x82\x85\x82\x93",                  // Ｔｕｅｓ
    "\x82\x76\x82\x85\x82\x84\x82\x8e\x82\x85\x82\x93",  // Ｗｅｄｎｅｓ
    "\x82\x73\x82\x88\x82\x95\x82\x92\x82\x93",          // Ｔｈｕｒｓ
    "\x82\x65\x82\x92\x82\x89",                          // Ｆｒｉ
    "\x82\x72\x82\x81\x82\x94\x82\x95\x82\x92",          // Ｓａｔｕｒ
};

inline constexpr std::string_view DayNamesKatakana[] = {
    "\x83\x54\x83\x93",                  // サン
    "\x83\x7d\x83\x93",                  // マン
    "\x83\x60\x83\x85\x81\x5b\x83\x59",  // チューズ
    "\x83\x45\x83\x46\x83\x93\x83\x59",  // ウェンズ
    "\x83\x54\x81\x5b\x83\x59",          // サーズ
    "\x83\x74\x83\x89\x83\x43",          // フライ
    "\x83\x54\x83\x5e",                  // サタ
};

inline constexpr std::string_view DayNamesHiragana[] = {
    "\x82\xb3\x82\xf1",                  // さん
    "\x82\xdc\x82\xf1",                  // まん
    "\x82\xbf\x82\xe3\x81\x5b\x82\xb8",  // ちゅーず
    "\x82\xa4\x82\xa5\x82\xf1\x82\xb8",  // うぇんず
    "\x82\xb3\x81\x5b\x82\xb8",          // さーず
    "\x82\xd3\x82\xe7\x82\xa2",          // ふらい
    "\x82\xb3\x82\xbd",                  // さた
};

inline constexpr std::string_view DayNamesKanji[] = {
    "\x93\xfa",  // 日
    "\x8c\x8e",  // 月
    "\x89\xce",  // 火
    "\x90\x85",  // 水
    "\x96\xd8",  // 木
    "\x8b\xe0",  // 金
    "\x93\x79",  // 土
};

inline constexpr std::string_view DayNamesKanjiKana[] = {
    "\x82\xc9\x82\xbf",  // にち
    "\x82\xb0\x82\xc2",  // げつ
    "\x82\xa9",          // か
    "\x82\xb7\x82\xa2",  // すい
    "\x82\xe0\x82\xad",  // もく
    "\x82\xab\x82\xf1",  // きん
    "\x82\xc7",          // ど
};

// ---- Digits: index = digit value ------------------------------------------

// 〇 is the ideographic zero, not a circle sign.
inline constexpr std::string_view KanjiDigits[] = {
    "\x81\x5a",  // 〇
    "\x88\xea",  // 一
    "\x93\xf1",  // 二
    "\x8e\x4f",  // 三
    "\x8e\x6c",  // 四
    "\x8c\xdc",  // 五
    "\x98\x5a",  // 六
    "\x8e\xb5",  // 七
    "\x94\xaa",  // 八
    "\x8b\xe3",  // 九
};

inline constexpr std::string_view WideDigits[] = {
    "\x82\x4f",  // ０
    "\x82\x50",  // １
    "\x82\x51",  // ２
    "\x82\x52",  // ３
    "\x82\x53",  // ４
    "\x82\x54",  // ５
    "\x82\x55",  // ６
    "\x82\x56",  // ７
    "\x82\x57",  // ８
    "\x82\x58",  // ９
};

// ---- Constant words -------------------------------------------------------

inline constexpr std::string_view SuffixDay = "day";                            // day
inline constexpr std::string_view SuffixDayWide = "\x82\x84\x82\x81\x82\x99";   // ｄａｙ
inline constexpr std::string_view SuffixYoubi = "\x97\x6a\x93\xfa";             // 曜日
inline constexpr std::string_view SuffixYoubiKana = "\x82\xe6\x82\xa4\x82\xd1"; // ようび
inline constexpr std::string_view SuffixDayKatakana = "\x83\x66\x81\x5b";       // デー
inline constexpr std::string_view SuffixDayHiragana = "\x82\xc5\x81\x5b";       // でー
inline constexpr std::string_view LeapMark = "\x89\x5b";                        // 閏
inline constexpr std::string_view CommonYearMark = "\x95\xbd";                  // 平
inline constexpr std::string_view WideSpace = "\x81\x40";                       // 　 (full-width space)
inline constexpr std::string_view WideDecimalPoint = "\x81\x45";                // ・
inline constexpr std::string_view WideFullStop = "\x81\x44";                    // ．

}  // namespace vesmark::formatter

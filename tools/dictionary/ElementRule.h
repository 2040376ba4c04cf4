#pragma once

#include <string>
#include <string_view>

namespace quillan::dictionary {

// The element a Kangxi radical gives the characters it is the meaning part of; empty for radicals
// that say nothing about an element.
//   水: 水 氵(85) 冫(15) 巛 川(47) 雨(173) 魚(195)
//   木: 木(75) 艸 艹(140) 竹(118) 禾(115) 米(119) 瓜(97) 麥(199) 麻(200) 黍(202)
//   火: 火 灬(86) 日(72) 赤(155)
//   土: 土(32) 山(46) 田(102) 石(112) 阜 左阝(170)
//   金: 金 钅(167) 玉 王-side(96) 刀 刂(18) 戈(62) 斤(69)
std::string radicalElement(int radical);

// The element by the initial of a toned or plain pinyin, after the old five-tone classes of initials
// (五音): lips b p m f -> 水; tongue d t n l -> 火; molars g k -> 木; throat h and no initial -> 土;
// teeth z c s zh ch sh j q x, r and the syllable er -> 金.
std::string phoneticElement(std::string_view tonedPinyin);

}  // namespace quillan::dictionary

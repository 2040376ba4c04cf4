#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// GBK (code page 936) is used only at the edges where bytes are fixed: the wire, report files and
// the export file. Inside, every text is UTF-8. Conversions never substitute '?': a text that
// cannot be converted is reported as std::nullopt.
namespace quillan::common {

// UTF-8 -> GBK bytes; nullopt when the text is not valid UTF-8 or holds a character GBK lacks.
std::optional<std::string> utf8ToGbk(std::string_view utf8);

// GBK bytes -> UTF-8; nullopt when the bytes are not valid GBK.
std::optional<std::string> gbkToUtf8(std::string_view gbk);

// Length of the text in GBK bytes (the program's character count is this divided by 2);
// nullopt when the text cannot be encoded.
std::optional<std::size_t> gbkByteLength(std::string_view utf8);

// True for a Han character that GBK encodes in two bytes.
bool isGbkHanCharacter(char32_t codePoint);

// True when the text is non-empty and every character passes isGbkHanCharacter.
bool isGbkHanText(std::string_view utf8);

// The code points of a UTF-8 text; nullopt when it is not valid UTF-8.
std::optional<std::u32string> decodeUtf8(std::string_view utf8);

// Appends the UTF-8 form of one code point.
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace quillan::common

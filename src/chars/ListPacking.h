#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The built-in name lists ship as hexadecimal text of their GBK bytes, each byte scrambled with
// one fixed key. Packing and unpacking are the same XOR, so the build's packer and the program
// share this code.
namespace quillan::chars {

inline constexpr std::uint8_t kListKey = 0x5A;

// Packed hex text -> plain bytes (GBK), stopping at the first zero byte. Lower-case hex is
// accepted; a character outside the hex digits counts -1, as the format has always done.
std::string unpackList(std::string_view packed, std::uint8_t key = kListKey);

// Plain bytes -> packed upper-case hex text.
std::string packList(std::string_view plain, std::uint8_t key = kListKey);

}  // namespace quillan::chars

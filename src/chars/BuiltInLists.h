#pragma once

#include <string_view>

// Defined in a source file the build generates from data/names (tools/listpack).
namespace quillan::chars::builtin {

std::string_view packedBoysList();
std::string_view packedGirlsList();

}  // namespace quillan::chars::builtin

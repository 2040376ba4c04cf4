#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chars/CharacterLists.h"
#include "generate/GenerationRequest.h"

namespace quillan::generate {

// The message that refuses a request before anything is looked up or generated, or nullopt when
// the run may start: an empty, non-Chinese or too long surname, a generation character that is
// not exactly one Chinese character where the run uses it, an empty or non-Chinese self-chosen
// text, an empty character list where the mode draws from it.
std::optional<std::string_view> refusalOf(const GenerationRequest& request, const chars::CharacterLists& lists);

// True when the run places a fixed generation character: classic "三字" with 设置第2个字为 or
// 设置第3个字为. Nowhere else is the character read, so nowhere else is it checked or looked up.
bool usesGenerationChar(const GenerationRequest& request);

// The box text of the checked generation-character option ("" for none).
const std::string& generationCharText(const GenerationRequest& request);

// The characters of a text, each as its own UTF-8 text, in order; empty for invalid UTF-8.
std::vector<std::string> splitCharacters(std::string_view text);

}  // namespace quillan::generate

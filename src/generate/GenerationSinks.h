#pragma once

#include <functional>
#include <string_view>

#include "generate/ResultRow.h"

namespace quillan::generate {

// Where a run hands what it produces; set only the callbacks you need ({.row = …}). Every callback
// is called on the thread that runs the generation, in order.
struct GenerationSinks {
  // Each finished row, numbered from 1 in column 0, in list order.
  std::function<void(ResultRow row)> row{};

  // The progress label text ("生成进度：" or "处理进度："), the bar's range and its position.
  // Only high-score and self-chosen runs report progress; the window shows the label and the bar
  // at the first call and hides them when the run returns.
  std::function<void(std::string_view label, int range, int position)> progress{};

  // A message to show while the run goes on (self-chosen: the characters the dictionary lacks).
  std::function<void(std::string_view message)> notice{};
};

}  // namespace quillan::generate

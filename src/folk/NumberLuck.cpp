#include "folk/NumberLuck.h"

#include <algorithm>
#include <array>

#include "common/TextNumbers.h"
#include "common/TextSplit.h"
#include "folk/BuiltInTables.h"

namespace quillan::folk {
namespace {

struct NumberTexts {
  std::string title;
  std::string hint;
  std::string detail;

  bool empty() const { return title.empty(); }
};

const std::array<NumberTexts, 81>& numberTexts() {
  static const auto texts = [] {
    std::array<NumberTexts, 81> read;
    for (const auto& row : builtInRows(Table::NumberTexts)) {
      const int number = common::textToInt(row[0]);
      if (number < 1 || number > 81 || !read[static_cast<std::size_t>(number - 1)].empty()) {
        badTable(Table::NumberTexts, "a number must be 1-81 and given once: " + row[0]);
      }
      read[static_cast<std::size_t>(number - 1)] = {row[1], row[3],
                                                    common::joinText(common::splitText(row[4], "<BR>"), "\n")};
    }
    requireAll(Table::NumberTexts, read, "every number 1-81");
    return read;
  }();
  return texts;
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::string NumberReading::steps() const {
  std::string text = digits;
  if (lastFour != digits) {
    text += " → " + lastFour;
  }
  text += " → " + std::to_string(value) + " mod 80 = " + std::to_string(value % 80);
  if (value % 80 == 0) {
    text += "，余数为0按80算";
  }
  return text + " → " + std::string(scoring::luckWord(luck));
}

std::variant<NumberReading, std::string> readNumber(std::string_view typed) {
  const std::string_view digits = trimmed(typed);
  if (digits.empty()) {
    return std::string("请输入要查看的号码（只含数字0-9）");
  }
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::string("号码只能由数字0-9组成，请去掉其中的字母、空格、横线等其他字符");
  }
  if (digits.size() > kMaxNumberDigits) {
    return "号码太长了：最多" + std::to_string(kMaxNumberDigits) + "位数字";
  }
  NumberReading reading;
  reading.digits = std::string(digits);
  reading.lastFour = std::string(digits.substr(digits.size() > 4 ? digits.size() - 4 : 0));
  reading.value = common::textToInt(reading.lastFour);
  reading.number = reading.value % 80 == 0 ? 80 : reading.value % 80;
  reading.luck = scoring::rateNumber(reading.number);
  const NumberTexts& texts = numberTexts()[static_cast<std::size_t>(reading.number - 1)];
  reading.title = texts.title;
  reading.hint = texts.hint;
  reading.detail = texts.detail;
  return reading;
}

}  // namespace quillan::folk

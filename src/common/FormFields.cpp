#include "common/FormFields.h"

namespace quillan::common {

std::optional<std::string_view> formField(std::string_view text, std::string_view name) {
  while (!text.empty()) {
    const auto end = text.find('&');
    const auto field = text.substr(0, end);
    const auto equals = field.find('=');
    if (field.substr(0, equals) == name) {
      return equals == std::string_view::npos ? std::string_view{} : field.substr(equals + 1);
    }
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  return std::nullopt;
}

}  // namespace quillan::common

#pragma once

#include <string>
#include <string_view>

namespace quillan::content {

// Text made safe for HTML element content and attribute values.
std::string escapeHtml(std::string_view text);

// A whole content page in the one style all pages share: charset declared (the service sends the
// page in GBK), the title as the page title and first heading, then the body HTML.
std::string pageHtml(std::string_view title, std::string_view bodyHtml);

}  // namespace quillan::content

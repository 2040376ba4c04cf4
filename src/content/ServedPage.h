#pragma once

#include <string>

namespace quillan::content {

// A page as it goes on the wire: GBK bytes and a content type that says so.
struct ServedPage {
  std::string body;
  std::string contentType;
};

}  // namespace quillan::content

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shortlist/ShortlistEntry.h"

namespace quillan::shortlist {

// The shortlist file: a first line "quillan-shortlist 1", then one line per name in list order, its
// fields separated by tabs; tabs, line breaks and backslashes in a field are written \t, \n, \\.
std::string shortlistText(const Shortlist& list);

struct ParsedShortlist {
  std::optional<Shortlist> list;
  std::string problem;  // why the text is no shortlist, when list is empty
};

ParsedShortlist parseShortlist(std::string_view text);

}  // namespace quillan::shortlist

#pragma once

#include <string>
#include <string_view>

// The three statements the program sends to the data service, character for character (the double
// blanks around "*" and the trailing blank are part of them). The service recognises exactly these
// forms; callers build their statements here rather than by hand.
namespace quillan::dataservice {

struct QueryForm {
  std::string_view prefix;  // text before the value
  std::string_view suffix;  // text after the value
};

inline constexpr QueryForm kCharacterLookupForm{"select top 1  *  from zzdcx where `zi` like '%",
                                                "%' order by ID desc"};
inline constexpr QueryForm kNumberTextsForm{"select top 1  *  from z81 where `num` like '%", "%' "};
inline constexpr QueryForm kThreeTalentsForm{"select top 1  *  from zsancai where `title` like '%", "%' "};

// The character record of one character X (columns 2, 3, 4, 5, 9 of data row 1).
std::string characterLookupQuery(std::string_view character);

// The texts of the 81-number table for one grid number N (decimal text).
std::string numberTextsQuery(std::string_view number);

// The texts of one three-talents combination T, such as "木火土".
std::string threeTalentsQuery(std::string_view elements);

}  // namespace quillan::dataservice

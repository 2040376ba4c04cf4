#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "generate/ResultRow.h"

namespace quillan::resultview {

// What a result list can be sorted by: its seven columns and the 音律分.
enum class SortColumn { Number, Name, Elements, Grids, Luck, Talents, Score, Euphony };

inline constexpr int kSortColumnCount = 8;

enum class SortOrder { Ascending, Descending };

// The key names the command line takes: "number", "name", "score", "euphony"; nullopt for others.
std::optional<SortColumn> sortColumnNamed(std::string_view name);

// The number a row's score cell stands for (0 when it is no number).
double scoreOf(const generate::ResultRow& row);

// Three-way comparison by one column: scores, numbers, grid numbers and 音律分 as numbers, names by
// their readings (then by the characters), the other cells as text. Ties keep the list order.
int compareRows(SortColumn column, const generate::ResultRow& a, const generate::ResultRow& b);

// The list positions of the rows that pass, in the order the column gives (list order when no column).
struct RowFilter;
std::vector<std::size_t> shownRows(const std::vector<generate::ResultRow>& rows, const RowFilter& filter,
                                   std::optional<SortColumn> column, SortOrder order);

}  // namespace quillan::resultview

#include "resultview/RowKeys.h"

#include <algorithm>
#include <charconv>
#include <numeric>

#include "common/PinyinKey.h"
#include "resultview/RowFilter.h"

namespace quillan::resultview {
namespace {

using generate::ResultColumn;

// Reads the comma-separated numbers of a cell one by one.
int compareNumberLists(std::string_view a, std::string_view b) {
  const char* pa = a.data();
  const char* pb = b.data();
  const char* ea = pa + a.size();
  const char* eb = pb + b.size();
  while (pa < ea && pb < eb) {
    long x = 0;
    long y = 0;
    pa = std::from_chars(pa, ea, x).ptr;
    pb = std::from_chars(pb, eb, y).ptr;
    if (x != y) {
      return x < y ? -1 : 1;
    }
    pa += pa < ea ? 1 : 0;
    pb += pb < eb ? 1 : 0;
  }
  return (pa < ea) - (pb < eb);
}

template <typename T>
int threeWay(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

long numberOf(std::string_view text) {
  long value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

std::optional<SortColumn> sortColumnNamed(std::string_view name) {
  if (name == "number") {
    return SortColumn::Number;
  }
  if (name == "name") {
    return SortColumn::Name;
  }
  if (name == "score") {
    return SortColumn::Score;
  }
  if (name == "euphony") {
    return SortColumn::Euphony;
  }
  return std::nullopt;
}

double scoreOf(const generate::ResultRow& row) {
  const std::string& text = row[ResultColumn::Score];
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

int compareRows(SortColumn column, const generate::ResultRow& a, const generate::ResultRow& b) {
  switch (column) {
    case SortColumn::Number:
      return threeWay(numberOf(a[ResultColumn::Number]), numberOf(b[ResultColumn::Number]));
    case SortColumn::Name: {
      const int bySound = threeWay(common::pinyinKey(a.details.pinyin), common::pinyinKey(b.details.pinyin));
      return bySound != 0 ? bySound : threeWay(a[ResultColumn::Name], b[ResultColumn::Name]);
    }
    case SortColumn::Grids:
      return compareNumberLists(a[ResultColumn::Grids], b[ResultColumn::Grids]);
    case SortColumn::Score:
      return threeWay(scoreOf(a), scoreOf(b));
    case SortColumn::Euphony:
      return threeWay(a.details.euphony, b.details.euphony);
    case SortColumn::Elements:
      return threeWay(a[ResultColumn::Elements], b[ResultColumn::Elements]);
    case SortColumn::Luck:
      return threeWay(a[ResultColumn::Luck], b[ResultColumn::Luck]);
    case SortColumn::Talents:
      return threeWay(a[ResultColumn::Talents], b[ResultColumn::Talents]);
  }
  return 0;
}

std::vector<std::size_t> shownRows(const std::vector<generate::ResultRow>& rows, const RowFilter& filter,
                                   std::optional<SortColumn> column, SortOrder order) {
  std::vector<std::size_t> shown;
  shown.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (passes(filter, rows[i])) {
      shown.push_back(i);
    }
  }
  if (column) {
    // Reversing reverses the sorted order but keeps ties in list order, as the window's list does.
    std::stable_sort(shown.begin(), shown.end(), [&](std::size_t x, std::size_t y) {
      const int c = compareRows(*column, rows[x], rows[y]);
      return order == SortOrder::Ascending ? c < 0 : c > 0;
    });
  }
  return shown;
}

}  // namespace quillan::resultview

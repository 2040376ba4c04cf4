#include "content/ContentSite.h"

#include "common/ContainedFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>

#include "calendar/CalendarRange.h"
#include "common/FailureLog.h"
#include "common/FormFields.h"
#include "common/GbkCodec.h"
#include "content/ArticlePage.h"
#include "content/FestivalsPage.h"
#include "content/MonthPage.h"
#include "content/PolyphonesPage.h"
#include "content/SolarTermsPage.h"
#include "content/SurnamesPage.h"
#include "content/ZodiacPage.h"

namespace quillan::content {
namespace {

constexpr std::uintmax_t kMaxSourceBytes = 1024 * 1024;
constexpr std::string_view kFolk = "mszs/mszs/";
constexpr std::string_view kZodiac = "shengxiao/";
constexpr std::array<std::string_view, 5> kGenerated = {"essjqb.htm", "wannianli.htm", "zwzyjrjb.htm", "bjx.htm",
                                                        "cydyzb.htm"};

bool isNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// "a/b/name.ext": a plain relative path whose segments are made of name characters only.
bool isPlainPath(std::string_view path, std::string_view extension) {
  if (!path.ends_with(extension) || !common::isPlainRelativePath(path)) {
    return false;
  }
  path.remove_suffix(extension.size());
  return !path.empty() && path.back() != '/' &&
         std::all_of(path.begin(), path.end(), [](char c) { return c == '/' || isNameCharacter(c); });
}

std::optional<int> parseSmallNumber(std::string_view text) {
  int value = 0;
  if (text.empty() || text.size() > 4) {
    return std::nullopt;
  }
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// A query field that must hold a number within [low, high] when present: nullopt for a bad value,
// `fallback` when absent.
std::optional<int> numberField(std::string_view query, std::string_view name, int low, int high, int fallback) {
  const auto field = common::formField(query, name);
  if (!field) {
    return fallback;
  }
  const auto value = parseSmallNumber(*field);
  if (!value || *value < low || *value > high) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> yearField(std::string_view query, int fallback) {
  return numberField(query, "year", calendar::kFirstDate.year, calendar::kLastDate.year, fallback);
}

// A number as the dated addresses write it: decimal digits without a leading zero.
bool isCanonicalNumber(std::string_view text) {
  return !text.empty() && text.front() != '0' &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The dated addresses of the calendar pages: "essjqb-2027.htm" and "zwzyjrjb-2027.htm" name a year,
// "wannianli-2026-5.htm" a month. The page file and the query they stand for ("essjqb.htm",
// "year=2027"); nullopt for any other file name. A service that hands its pages only the path
// reaches every year and month this way.
std::optional<std::pair<std::string_view, std::string>> datedPage(std::string_view file) {
  if (!file.ends_with(".htm")) {
    return std::nullopt;
  }
  const auto stem = file.substr(0, file.size() - 4);
  const auto dash = stem.find('-');
  if (dash == std::string_view::npos) {
    return std::nullopt;
  }
  const auto name = stem.substr(0, dash);
  const auto numbers = stem.substr(dash + 1);
  if (name == "essjqb" || name == "zwzyjrjb") {
    if (!isCanonicalNumber(numbers)) {
      return std::nullopt;
    }
    return std::pair(name == "essjqb" ? std::string_view("essjqb.htm") : std::string_view("zwzyjrjb.htm"),
                     "year=" + std::string(numbers));
  }
  if (name == "wannianli") {
    const auto second = numbers.find('-');
    if (second == std::string_view::npos || !isCanonicalNumber(numbers.substr(0, second)) ||
        !isCanonicalNumber(numbers.substr(second + 1))) {
      return std::nullopt;
    }
    return std::pair(std::string_view("wannianli.htm"), "year=" + std::string(numbers.substr(0, second)) +
                                                            "&month=" + std::string(numbers.substr(second + 1)));
  }
  return std::nullopt;
}

// "yezs/yezsttd/titles": the title list of a collection, which is no article.
bool isTitleList(std::string_view pathWithoutExtension) {
  return pathWithoutExtension == "titles" || pathWithoutExtension.ends_with("/titles");
}

}  // namespace

ContentSite::ContentSite(std::filesystem::path directory, std::shared_ptr<const chartable::CharacterTable> dictionary,
                         Clock today)
    : directory_(std::move(directory)), dictionary_(std::move(dictionary)), today_(std::move(today)) {
  if (!dictionary_) {
    dictionary_ = std::make_shared<const chartable::CharacterTable>();
  }
}

std::optional<std::string> ContentSite::readSource(std::string_view relativePath) const {
  if (!isPlainPath(relativePath, ".txt")) {
    return std::nullopt;
  }
  return common::readContainedFile(directory_, relativePath, kMaxSourceBytes);
}

std::optional<std::string> ContentSite::pageHtml(std::string_view path, std::string_view query) const {
  if (!isPlainPath(path, ".htm")) {
    return std::nullopt;
  }
  const calendar::Date today = today_();
  if (path.starts_with(kFolk)) {
    std::string_view file = path.substr(kFolk.size());
    std::string datedQuery;
    if (const auto dated = datedPage(file)) {
      file = dated->first;
      datedQuery = dated->second;
      query = datedQuery;
    }
    if (file == "essjqb.htm") {
      const auto year = yearField(query, today.year);
      return year ? solarTermsPageHtml(*year) : std::nullopt;
    }
    if (file == "zwzyjrjb.htm") {
      const auto year = yearField(query, today.year);
      return year ? festivalsPageHtml(*year) : std::nullopt;
    }
    if (file == "wannianli.htm") {
      const auto year = yearField(query, today.year);
      const auto month =
          year ? numberField(query, "month", 1, 12, *year == today.year ? today.month : 1) : std::nullopt;
      return month ? monthPageHtml(*year, *month, today) : std::nullopt;
    }
    if (file == "bjx.htm") {
      return surnamesPageHtml(*dictionary_, surnameList());
    }
    if (file == "cydyzb.htm") {
      return polyphonesPageHtml(*dictionary_);
    }
  }
  const auto stem = path.substr(0, path.size() - 4);
  if (isTitleList(stem)) {
    return std::nullopt;
  }
  const std::string sourcePath = std::string(stem) + ".txt";
  const auto source = readSource(sourcePath);
  if (!source) {
    return std::nullopt;  // no such page: the visitor's business, not a failure
  }
  const auto article = parseArticle(*source);
  if (!article) {
    common::logFailure("content site",
                       sourcePath + " is not an article source (a title line, an empty line, then the text)");
    return std::nullopt;
  }
  if (path.starts_with(kZodiac)) {
    const auto animal = parseSmallNumber(path.substr(kZodiac.size(), path.size() - kZodiac.size() - 4));
    return animal ? zodiacPageHtml(*animal, *article) : std::nullopt;
  }
  return articlePageHtml(*article);
}

std::optional<ServedPage> ContentSite::servePage(std::string_view path, std::string_view query) const {
  const auto html = pageHtml(path, query);
  if (!html) {
    return std::nullopt;
  }
  auto gbk = common::utf8ToGbk(*html);
  if (!gbk) {
    common::logFailure("content site", std::string(path) + " holds a character GBK cannot carry");
    return std::nullopt;
  }
  return ServedPage{std::move(*gbk), "text/html; charset=gbk"};
}

std::vector<std::string> ContentSite::sourcePaths() const {
  std::vector<std::string> paths;
  std::error_code error;
  const auto root = std::filesystem::canonical(directory_, error);
  if (error) {
    return paths;
  }
  for (std::filesystem::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
    std::error_code fileError;  // a broken link skips this file, not the walk
    if (it->is_regular_file(fileError) && it->path().extension() == ".txt") {
      auto relative = it->path().lexically_relative(root).generic_string();
      const auto target = std::filesystem::canonical(it->path(), fileError);
      if (!fileError && common::isWithinDirectory(target, root) && isPlainPath(relative, ".txt")) {
        paths.push_back(std::move(relative));
      }
    }
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::vector<std::string> ContentSite::pagePaths() const {
  std::vector<std::string> paths;
  for (const auto& source : sourcePaths()) {
    const auto stem = source.substr(0, source.size() - 4);
    if (!isTitleList(stem)) {
      paths.push_back(stem + ".htm");
    }
  }
  for (const auto file : kGenerated) {
    paths.push_back(std::string(kFolk) + std::string(file));
  }
  for (int year = calendar::kFirstDate.year; year <= calendar::kLastDate.year; ++year) {
    const auto text = std::to_string(year);
    paths.push_back(std::string(kFolk) + "essjqb-" + text + ".htm");
    paths.push_back(std::string(kFolk) + "zwzyjrjb-" + text + ".htm");
    for (int month = 1; month <= 12; ++month) {
      paths.push_back(std::string(kFolk) + "wannianli-" + text + "-" + std::to_string(month) + ".htm");
    }
  }
  std::sort(paths.begin(), paths.end());
  paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
  return paths;
}

}  // namespace quillan::content

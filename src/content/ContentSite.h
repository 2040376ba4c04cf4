#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Date.h"
#include "chartable/CharacterTable.h"
#include "content/ServedPage.h"

namespace quillan::content {

// Every page under <base>tovka/, made from the content directory (data/content/ or its installed
// copy), the dictionary and the calendar:
//   <section><n>.htm       the article source <section><n>.txt, rendered
//   mszs/mszs/<name>.htm   the folk source <name>.txt, rendered, or one of the generated pages
//                          essjqb.htm [?year=], wannianli.htm [?year=&month=], zwzyjrjb.htm [?year=],
//                          bjx.htm, cydyzb.htm; without a query the calendar pages show this year
//                          (month); their dated addresses essjqb-2027.htm, zwzyjrjb-2027.htm and
//                          wannianli-2026-5.htm show the same pages as the queries and are what
//                          their links use, since the data service hands its pages the path alone
//   shengxiao/<n>.htm      the description shengxiao/<n>.txt with the animal's years
// Sources are read on each request, so a page shows its file as it is now. Paths are plain
// segments of letters, digits, "-" and "_", and a file found through a link outside the directory
// is refused. Safe to use from many threads.
class ContentSite {
 public:
  using Clock = std::function<calendar::Date()>;

  // `today` dates the pages that show "this year" and "this month" (China Standard Time).
  ContentSite(std::filesystem::path directory, std::shared_ptr<const chartable::CharacterTable> dictionary,
              Clock today);

  // The page at `path` (as it follows "tovka/", such as "yezs/yezsttd/3.htm") with the query of its
  // address (what follows "?", possibly empty) as UTF-8 HTML; nullopt when there is no such page,
  // including a query naming a year or month the calendar lacks.
  std::optional<std::string> pageHtml(std::string_view path, std::string_view query = {}) const;

  // The same page in GBK with "text/html; charset=gbk"; nullopt also when a text cannot be encoded.
  std::optional<ServedPage> servePage(std::string_view path, std::string_view query = {}) const;

  // Every page path the site answers now: the sources found in the directory and the generated
  // pages with every dated address of the calendar's years.
  std::vector<std::string> pagePaths() const;

  // The relative paths of the source files (*.txt) under the directory, which are not pages.
  std::vector<std::string> sourcePaths() const;

  const std::filesystem::path& directory() const { return directory_; }

 private:
  std::optional<std::string> readSource(std::string_view relativePath) const;

  std::filesystem::path directory_;
  std::shared_ptr<const chartable::CharacterTable> dictionary_;
  Clock today_;
};

}  // namespace quillan::content

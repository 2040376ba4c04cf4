#include "content/ContentService.h"

#include <sqlite3.h>

#include <chrono>

#include "service/BundledData.h"

namespace quillan::content {
namespace {

struct DatabaseCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

std::string columnText(sqlite3_stmt* statement, int column) {
  const auto* text = sqlite3_column_text(statement, column);
  return text ? std::string(reinterpret_cast<const char*>(text)) : std::string{};
}

}  // namespace

std::shared_ptr<const Dictionary> dictionaryFromDatabase(const std::filesystem::path& databasePath) {
  std::vector<DictionaryEntry> entries;
  sqlite3* raw = nullptr;
  const int opened = sqlite3_open_v2(databasePath.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  std::unique_ptr<sqlite3, DatabaseCloser> db(raw);
  sqlite3_stmt* rawStatement = nullptr;
  if (opened == SQLITE_OK &&
      sqlite3_prepare_v2(db.get(), "SELECT ID, zi, traditional, pinyin, strokes, readings FROM zzdcx", -1,
                         &rawStatement, nullptr) == SQLITE_OK) {
    std::unique_ptr<sqlite3_stmt, StatementFinalizer> statement(rawStatement);
    while (sqlite3_step(statement.get()) == SQLITE_ROW) {
      entries.push_back({sqlite3_column_int(statement.get(), 0), columnText(statement.get(), 1),
                         columnText(statement.get(), 2), columnText(statement.get(), 3),
                         sqlite3_column_int(statement.get(), 4), splitReadings(columnText(statement.get(), 5))});
    }
  }
  return std::make_shared<const Dictionary>(std::move(entries));
}

calendar::Date chinaToday() {
  using namespace std::chrono;
  const auto china = floor<days>(system_clock::now() + hours(8));
  const year_month_day date{china};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day()))};
}

std::shared_ptr<const ContentSite> contentSiteFor(const std::filesystem::path& contentDirectory,
                                                  const std::filesystem::path& databasePath, ContentSite::Clock today) {
  return std::make_shared<const ContentSite>(
      contentDirectory.empty() ? service::bundledContentDirectory() : contentDirectory,
      dictionaryFromDatabase(databasePath.empty() ? service::bundledDatabasePath() : databasePath), std::move(today));
}

std::map<std::string, service::PageGenerator> contentPageGenerators(std::shared_ptr<const ContentSite> site) {
  std::map<std::string, service::PageGenerator> generators;
  for (const auto& source : site->sourcePaths()) {
    generators[source] = [](std::string_view) { return std::optional<service::ContentPage>{}; };
  }
  for (const auto& path : site->pagePaths()) {
    generators[path] = [site](std::string_view relativePath) -> std::optional<service::ContentPage> {
      auto page = site->servePage(relativePath);
      if (!page) {
        return std::nullopt;
      }
      return service::ContentPage{std::move(page->body), std::move(page->contentType)};
    };
  }
  return generators;
}

service::EmbeddedOptions withContentPages(service::EmbeddedOptions options, ContentSite::Clock today) {
  const auto site = contentSiteFor(options.contentDirectory, options.databasePath, std::move(today));
  for (auto& [path, generator] : contentPageGenerators(site)) {
    options.generatedPages[path] = std::move(generator);
  }
  return options;
}

}  // namespace quillan::content

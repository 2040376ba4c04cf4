#include "service/SitePages.h"

#include "calendar/Date.h"
#include "service/BundledData.h"
#include "sqlite/Database.h"

namespace quillan::service {

std::shared_ptr<const chartable::CharacterTable> dictionaryFromDatabase(const std::filesystem::path& databasePath) {
  sqlite::Database db(databasePath, sqlite::Database::Mode::ReadOnly);
  auto statement = db.prepare(
      "SELECT ID, zi, traditional, pinyin, strokes, simplified_strokes, radical, element, readings, tgh_level, "
      "element_basis FROM zzdcx");
  std::vector<chartable::CharacterRow> rows;
  while (statement.step()) {
    rows.push_back({statement.integer(0), statement.text(1), statement.text(2), statement.text(3), statement.integer(4),
                    statement.integer(5), statement.integer(6), statement.text(7),
                    chartable::splitReadings(statement.text(8)), statement.integer(9), statement.text(10)});
  }
  return std::make_shared<const chartable::CharacterTable>(std::move(rows));
}

std::shared_ptr<const content::ContentSite> contentSiteFor(const std::filesystem::path& contentDirectory,
                                                           const std::filesystem::path& databasePath,
                                                           content::ContentSite::Clock today) {
  return std::make_shared<const content::ContentSite>(contentDirectory, dictionaryFromDatabase(databasePath),
                                                      std::move(today));
}

std::map<std::string, PageGenerator> contentPageGenerators(std::shared_ptr<const content::ContentSite> site) {
  std::map<std::string, PageGenerator> generators;
  for (const auto& source : site->sourcePaths()) {
    generators[source] = [](std::string_view) { return std::optional<content::ServedPage>{}; };
  }
  for (const auto& path : site->pagePaths()) {
    generators[path] = [site](std::string_view relativePath) { return site->servePage(relativePath); };
  }
  return generators;
}

EmbeddedOptions withContentPages(EmbeddedOptions options, content::ContentSite::Clock today) {
  if (options.databasePath.empty()) {
    options.databasePath = bundledDatabasePath();
  }
  if (options.contentDirectory.empty()) {
    options.contentDirectory = bundledContentDirectory();
  }
  const auto site = contentSiteFor(options.contentDirectory, options.databasePath,
                                   today ? std::move(today) : content::ContentSite::Clock(calendar::chinaToday));
  for (auto& [path, generator] : contentPageGenerators(site)) {
    options.generatedPages[path] = std::move(generator);
  }
  return options;
}

}  // namespace quillan::service

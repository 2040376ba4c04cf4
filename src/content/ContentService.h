#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "calendar/Date.h"
#include "content/ContentSite.h"
#include "content/Dictionary.h"
#include "service/ContentPages.h"
#include "service/EmbeddedDataService.h"

namespace quillan::content {

// The dictionary rows of the data service's database (table zzdcx), so that the folk pages show
// the values the character lookups answer; an empty dictionary when the database cannot be read.
std::shared_ptr<const Dictionary> dictionaryFromDatabase(const std::filesystem::path& databasePath);

// Today in China Standard Time by the system clock: the clock the running program hands the site.
calendar::Date chinaToday();

// The site of a content directory and database (the bundled ones where empty), dated by `today`.
std::shared_ptr<const ContentSite> contentSiteFor(const std::filesystem::path& contentDirectory,
                                                  const std::filesystem::path& databasePath,
                                                  ContentSite::Clock today = chinaToday);

// What makes a data service answer every page of the site, in GBK with its charset, and keeps it
// from sending the raw sources (*.txt) instead.
std::map<std::string, service::PageGenerator> contentPageGenerators(std::shared_ptr<const ContentSite> site);

// The options of an embedded service with the pages of its content directory and database added.
service::EmbeddedOptions withContentPages(service::EmbeddedOptions options, ContentSite::Clock today = chinaToday);

}  // namespace quillan::content

#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "chartable/CharacterTable.h"
#include "content/ContentSite.h"
#include "service/ContentPages.h"
#include "service/EmbeddedDataService.h"

// The content site as the data service hosts it: the site knows pages, the service knows HTTP.
namespace quillan::service {

// The dictionary rows of the data service's database (table zzdcx), so that the folk pages show
// the values the character lookups answer. Throws sqlite::Error saying why it cannot read them.
std::shared_ptr<const chartable::CharacterTable> dictionaryFromDatabase(const std::filesystem::path& databasePath);

// The site of a content directory and database, dated by `today`.
std::shared_ptr<const content::ContentSite> contentSiteFor(const std::filesystem::path& contentDirectory,
                                                           const std::filesystem::path& databasePath,
                                                           content::ContentSite::Clock today);

// What makes a data service answer every page of the site, in GBK with its charset, and keeps it
// from sending the raw sources (*.txt) instead.
std::map<std::string, PageGenerator> contentPageGenerators(std::shared_ptr<const content::ContentSite> site);

// The options of an embedded service with the pages of its content directory and database added
// (the bundled ones where the options name none), dated by China Standard Time unless `today` says
// otherwise.
EmbeddedOptions withContentPages(EmbeddedOptions options, content::ContentSite::Clock today = {});

}  // namespace quillan::service

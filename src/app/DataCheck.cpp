#include "app/DataCheck.h"

#include <ostream>

#include "app/DataSources.h"
#include "chars/CharacterLists.h"
#include "evaluate/ReportBuilder.h"
#include "session/DataServiceSession.h"

namespace quillan::app {

int checkData(const AppConfig& config, std::ostream& out, std::ostream& err) {
  session::SessionOptions options;
  options.serviceBase = config.serviceBase.toStdString();
  options.serviceKey = options.serviceBase.empty() ? std::string() : config.serviceKey.toStdString();
  options.contentPages = true;
  auto opening = session::DataServiceSession::open(options);
  if (!opening.session) {
    err << "quillan: no data service: " << opening.description << ": " << opening.reason << "\n";
    return 1;
  }
  const auto sources = sourcesOf(std::shared_ptr<session::DataServiceSession>(std::move(opening.session)));
  const auto found = sources.lookup->lookup("李");
  if (found.status != chars::LookupStatus::Found) {
    err << "quillan: " << sources.description
        << " answered no record for 李: " << (found.failure.empty() ? "not found" : found.failure) << "\n";
    return 1;
  }
  const auto number = sources.texts->numberTexts(1);
  if (number.title.empty()) {
    err << "quillan: " << sources.description << " has no text for the number 1\n";
    return 1;
  }
  const auto lists = chars::loadBuiltInLists();
  out << "quillan: data found through " << sources.description << "\n"
      << "  李: " << found.record.strokes << " strokes; 1: " << number.title << "\n"
      << "  built-in lists: " << lists.boys.size() << " boys' and " << lists.girls.size() << " girls' characters\n";
  return 0;
}

}  // namespace quillan::app

#include "app/DataSources.h"

#include "app/RecordingLookup.h"
#include "session/DataServiceSession.h"
#include "sources/ServiceCharacterLookup.h"
#include "sources/ServiceNumerologyTexts.h"

namespace quillan::app {
namespace {

// The session and the two sources over its client, owned together.
struct SessionSources {
  std::shared_ptr<session::DataServiceSession> session;
  sources::ServiceCharacterLookup serviceLookup;
  std::shared_ptr<RequestRecord> requests = std::make_shared<RequestRecord>();
  RecordingLookup lookup;
  sources::ServiceNumerologyTexts texts;

  explicit SessionSources(std::shared_ptr<session::DataServiceSession> opened)
      : session(std::move(opened)),
        serviceLookup(session->client()),
        lookup(serviceLookup, requests),
        texts(session->client()) {}
};

}  // namespace

DataSources sourcesOf(std::shared_ptr<session::DataServiceSession> session) {
  auto owned = std::make_shared<SessionSources>(std::move(session));
  DataSources sources;
  sources.baseAddress = owned->session->baseAddress();
  sources.description = owned->session->description();
  sources.embedded = owned->session->embedded();
  sources.requests = owned->requests;
  sources.requests->record(true);  // the session is open: the service answered its clock request
  // Aliasing pointers: each points at its source and shares the whole bundle's ownership.
  sources.lookup = std::shared_ptr<chars::CharacterLookup>(owned, &owned->lookup);
  sources.texts = std::shared_ptr<evaluate::NumerologyTexts>(owned, &owned->texts);
  return sources;
}

}  // namespace quillan::app

#include "session/DataServiceSession.h"

#include "dataservice/SubstitutionKey.h"
#include "service/SitePages.h"

namespace quillan::session {
namespace {

SessionOpening failed(SessionProblem problem, std::string reason, std::string description = {}) {
  return {nullptr, problem, std::move(reason), std::move(description)};
}

}  // namespace

DataServiceSession::~DataServiceSession() = default;

SessionOpening DataServiceSession::open(const SessionOptions& options) {
  std::unique_ptr<DataServiceSession> session(new DataServiceSession());
  if (options.serviceBase.empty()) {
    if (!options.serviceKey.empty()) {
      return failed(SessionProblem::BadOptions,
                    "a service key belongs to a service address; the embedded service "
                    "draws its own");
    }
    try {
      service::EmbeddedOptions embedded;
      session->embedded_ = std::make_unique<service::EmbeddedDataService>(
          options.contentPages ? service::withContentPages(std::move(embedded)) : std::move(embedded));
    } catch (const std::exception& error) {
      return failed(SessionProblem::CannotStart, error.what(), "the embedded data service");
    }
    session->baseAddress_ = session->embedded_->baseAddress();
    session->description_ = "the embedded data service at " + session->baseAddress_;
    session->client_ = std::make_unique<dataservice::DataServiceClient>(session->embedded_->connect(options.exchange),
                                                                        options.exchange);
  } else {
    if (options.serviceKey.empty()) {
      return failed(SessionProblem::BadOptions, "the data service at " + options.serviceBase + " needs its key");
    }
    if (const auto problem = dataservice::keyProblem(dataservice::splitKeyText(options.serviceKey)); !problem.empty()) {
      return failed(SessionProblem::BadOptions, problem);
    }
    std::string base = options.serviceBase;
    if (base.back() != '/') {
      base.push_back('/');
    }
    session->baseAddress_ = base;
    session->description_ = "the data service at " + base;
    session->client_ = std::make_unique<dataservice::DataServiceClient>(
        dataservice::initDataService(base, std::string(dataservice::kScriptPath), options.serviceKey, options.exchange),
        options.exchange);
  }
  if (!session->client_->connected()) {
    const auto failure = session->client_->endpoint().connectFailure;
    return failed(SessionProblem::Unreachable, std::string(dataservice::failureText(failure)), session->description_);
  }
  std::string description = session->description_;
  return {std::move(session), {}, {}, std::move(description)};
}

}  // namespace quillan::session

#pragma once

#include <memory>
#include <optional>
#include <string>

#include "dataservice/DataServiceClient.h"
#include "service/EmbeddedDataService.h"

namespace quillan::session {

// Which data service to use: a remote one by its base address and key, or (without an address)
// the service embedded in the program, on 127.0.0.1 with the bundled database.
struct SessionOptions {
  std::string serviceBase;    // "http://host:port/path/"; a missing final "/" is added
  std::string serviceKey;     // the remote service's key; the embedded service draws its own
  bool contentPages = false;  // the embedded service also serves the content site
  dataservice::ExchangeOptions exchange;
};

// Why a session could not be had.
enum class SessionProblem {
  BadOptions,   // the options cannot work (a key without an address, a malformed key)
  CannotStart,  // the embedded service could not start (its database is missing, say)
  Unreachable,  // the remote service did not answer the clock request
};

class DataServiceSession;

struct SessionOpening {
  std::unique_ptr<DataServiceSession> session;
  SessionProblem problem = SessionProblem::Unreachable;  // when there is no session
  // What went wrong, for the front end's own sentence: what is wrong with the options, why the
  // embedded service did not start, or what the transport said ("连接被拒绝").
  std::string reason;
  std::string description;  // the service meant, as DataServiceSession::description says it
};

// The program's connection to its data service, for as long as it lives: the client every query
// goes through, and the embedded service when that is the one in use. Shared by the window and the
// command line, so that both choose and start the service the same way.
class DataServiceSession {
 public:
  // Starts or reaches the service and fetches its clock. Blocks for as long as the remote service
  // takes to answer (at most the exchange's time-out): callers run it off a window's thread.
  static SessionOpening open(const SessionOptions& options);

  ~DataServiceSession();
  DataServiceSession(const DataServiceSession&) = delete;
  DataServiceSession& operator=(const DataServiceSession&) = delete;

  dataservice::DataServiceClient& client() { return *client_; }
  // Where the service answers, "http://127.0.0.1:…/"; the content pages lie under it.
  const std::string& baseAddress() const { return baseAddress_; }
  // "the embedded data service at http://127.0.0.1:…/" or "the data service at …".
  const std::string& description() const { return description_; }
  bool embedded() const { return embedded_ != nullptr; }

 private:
  DataServiceSession() = default;

  std::unique_ptr<service::EmbeddedDataService> embedded_;
  std::unique_ptr<dataservice::DataServiceClient> client_;
  std::string baseAddress_;
  std::string description_;
};

}  // namespace quillan::session

#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "dataservice/SubstitutionKey.h"
#include "service/ContentPages.h"
#include "service/DataStore.h"
#include "service/ServiceConfig.h"

namespace httplib {
class Server;
}

namespace quillan::service {

// The data service over HTTP:
//   GET  <base>Velmora.asp?C=3        the clock in seconds, as decimal text
//   POST <base>Velmora.asp            "C=2&post=<cloaked statement>", answered with the cloaked reply
//   GET  <base>tovka/<path>           a content page
//   GET  <base>health                 the version and the database's row counts (JSON), for load balancers
// Statements from the wire are never run: only the three forms of the protocol are recognised,
// and their one value goes into the service's own prepared statements. Anything else answers "-1".
class DataServiceServer {
 public:
  // Opens the store; throws std::runtime_error saying why the service cannot start.
  explicit DataServiceServer(ServiceConfig config);
  ~DataServiceServer();
  DataServiceServer(const DataServiceServer&) = delete;
  DataServiceServer& operator=(const DataServiceServer&) = delete;

  // Generated pages under tovka/; add them before the server runs.
  ContentPages& contentPages() { return pages_; }

  // Binds the listening socket and returns the port (the free one picked for port 0).
  int bind();

  // Serves until stop(); binds first when bind() was not called. Returns false when it could
  // not listen.
  bool run();

  // Serves on a thread of its own; returns once the server accepts connections.
  void start();

  // Ends serving: no new connections; open ones close after their current request, or when a
  // request stalls, after the read time-out. Safe from any thread and more than once.
  void stop();

  int port() const { return port_; }

  // "http://host:port<base>", what a client's endpoint needs.
  std::string baseAddress() const;

 private:
  void installHandlers();

  ServiceConfig config_;
  dataservice::SubstitutionKey key_;
  DataStore store_;
  ContentPages pages_;
  std::unique_ptr<httplib::Server> http_;
  int port_ = -1;
  // Where serving stands, so that start() and stop() wait for each other without polling.
  enum class State { Idle, Starting, Listening, Stopped, Failed };
  void markListening();  // the accept loop is about to run
  std::mutex stateMutex_;
  std::condition_variable stateChanged_;
  State state_ = State::Idle;
  bool stopRequested_ = false;
  std::atomic<bool> stopping_{false};  // read by the connection queue's waiting accept
  std::thread thread_;
};

}  // namespace quillan::service

#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "dataservice/HttpExchange.h"
#include "dataservice/ServiceEndpoint.h"
#include "service/DataServiceServer.h"

namespace quillan::service {

struct EmbeddedOptions {
  std::filesystem::path databasePath;      // empty: the bundled database
  std::filesystem::path contentDirectory;  // empty: the bundled content pages
  std::size_t maxConnections = 16;
  std::map<std::string, PageGenerator> generatedPages;  // added under tovka/ before serving starts
};

// The data service inside the program: the same server on 127.0.0.1 with a free port, the
// bundled database and a key drawn at start, so that the program works on its own. Stops when
// destroyed.
class EmbeddedDataService {
 public:
  // Starts serving; throws std::runtime_error saying why it cannot.
  explicit EmbeddedDataService(EmbeddedOptions options = {});
  ~EmbeddedDataService();
  EmbeddedDataService(const EmbeddedDataService&) = delete;
  EmbeddedDataService& operator=(const EmbeddedDataService&) = delete;

  std::string baseAddress() const { return server_->baseAddress(); }
  const std::string& keyText() const { return keyText_; }

  // A client endpoint for this service (initDataService: the key, then the clock fetch).
  dataservice::ServiceEndpoint connect(const dataservice::ExchangeOptions& options = {}) const;

 private:
  std::string keyText_;
  std::unique_ptr<DataServiceServer> server_;
};

}  // namespace quillan::service

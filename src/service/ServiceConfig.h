#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillan::service {

// What keeps one client from taking the service down; each is enforced and tested.
struct ServiceLimits {
  std::size_t maxBodyBytes = 64 * 1024;   // larger bodies answer 413
  std::size_t maxHeaderBytes = 8 * 1024;  // request line and header fields; more answers 431
  std::chrono::milliseconds readTimeout{5000};
  std::chrono::milliseconds writeTimeout{5000};
  std::chrono::seconds keepAliveTimeout{5};
  std::size_t keepAliveRequests = 10000;
  std::size_t maxConnections = 128;  // served at once; further ones wait to be accepted
};

struct ServiceConfig {
  std::string host = "127.0.0.1";
  int port = 0;  // 0 picks a free port
  std::filesystem::path databasePath;
  std::string basePath = "/";  // starts and ends with "/"; the script and tovka/ live under it
  std::string keyText;         // 11 distinct lowercase letters joined by ","
  std::filesystem::path contentDirectory;
  ServiceLimits limits;
};

// Why the configuration cannot be served, or the empty text when it can.
std::string configProblem(const ServiceConfig& config);

// "HOST:PORT" (the host may be empty for all addresses, or "[::1]"); nullopt when malformed.
std::optional<std::pair<std::string, int>> parseListenAddress(std::string_view text);

}  // namespace quillan::service

#include "service/ServiceConfig.h"

#include <algorithm>

#include "dataservice/SubstitutionKey.h"

namespace quillan::service {

std::string configProblem(const ServiceConfig& config) {
  if (const auto problem = dataservice::keyProblem(dataservice::splitKeyText(config.keyText)); !problem.empty()) {
    return config.keyText.empty() ? "no key given: the service needs the key its clients use (--key a,b,...)" : problem;
  }
  const auto& base = config.basePath;
  const bool plainBase = std::all_of(base.begin(), base.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '_' ||
           c == '-' || c == '.';
  });
  if (base.empty() || base.front() != '/' || base.back() != '/' || !plainBase || base.find("//") != std::string::npos ||
      base.find("/../") != std::string::npos) {
    return "the base path must start and end with \"/\" and hold only letters, digits, \"_\", \"-\" and \".\"";
  }
  if (config.port < 0 || config.port > 65535) {
    return "the port must be 0 (a free one) or 1-65535";
  }
  if (config.databasePath.empty()) {
    return "no database given (--db)";
  }
  const auto& limits = config.limits;
  if (limits.maxBodyBytes == 0 || limits.maxHeaderBytes == 0 || limits.maxConnections == 0 ||
      limits.readTimeout.count() <= 0 || limits.writeTimeout.count() <= 0) {
    return "every limit must be positive";
  }
  return {};
}

std::optional<std::pair<std::string, int>> parseListenAddress(std::string_view text) {
  const auto colon = text.rfind(':');
  if (colon == std::string_view::npos) {
    return std::nullopt;
  }
  std::string host(text.substr(0, colon));
  const auto portText = text.substr(colon + 1);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  } else if (host.find(':') != std::string::npos) {
    return std::nullopt;
  }
  if (portText.empty() || portText.size() > 5 ||
      !std::all_of(portText.begin(), portText.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const int port = std::stoi(std::string(portText));
  if (port > 65535) {
    return std::nullopt;
  }
  return std::pair{host.empty() ? std::string("0.0.0.0") : host, port};
}

}  // namespace quillan::service

#include "service/DataServiceServer.h"

#include <httplib.h>

#include <chrono>
#include <functional>
#include <stdexcept>

#include "common/FailureLog.h"
#include "common/FormFields.h"
#include "common/RandomGenerator.h"
#include "common/Version.h"
#include "service/ConnectionQueue.h"
#include "service/QueryWhitelist.h"
#include "service/ReplyEncoder.h"
#include "service/RequestDecoder.h"

namespace quillan::service {
namespace {

constexpr const char* kReplyType = "text/plain";

// Each serving thread draws its reply permutations from its own generator.
common::RandomGenerator& threadRandom() {
  thread_local common::RandomGenerator random(
      common::RandomGenerator::tickSeed() ^
      static_cast<std::uint32_t>(std::hash<std::thread::id>{}(std::this_thread::get_id())));
  return random;
}

std::int64_t clockSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

std::string regexEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '.' || c == '-') {
      out.push_back('\\');
    }
    out.push_back(c);
  }
  return out;
}

std::size_t headerBytes(const httplib::Request& request) {
  std::size_t bytes = request.method.size() + request.target.size() + request.version.size() + 4;
  for (const auto& [name, value] : request.headers) {
    bytes += name.size() + value.size() + 4;
  }
  return bytes;
}

// {"status":"ok","version":"0.1.0","rows":{"zzdcx":20902,...}}; table names need no escaping.
std::string healthReply(const std::vector<TableRows>& counts) {
  std::string text = "{\"status\":\"ok\",\"version\":\"" + std::string(common::programVersion()) + "\",\"rows\":{";
  for (std::size_t i = 0; i < counts.size(); ++i) {
    text += (i == 0 ? "\"" : ",\"") + counts[i].table + "\":" + std::to_string(counts[i].rows);
  }
  return text + "}}";
}

ServiceConfig checked(ServiceConfig config) {
  if (const auto problem = configProblem(config); !problem.empty()) {
    throw std::runtime_error(problem);
  }
  return config;
}

}  // namespace

DataServiceServer::DataServiceServer(ServiceConfig config)
    : config_(checked(std::move(config))),
      key_(dataservice::splitKeyText(config_.keyText)),
      store_(config_.databasePath),
      pages_(config_.contentDirectory),
      http_(std::make_unique<httplib::Server>()) {
  installHandlers();
}

DataServiceServer::~DataServiceServer() {
  stop();
  if (thread_.joinable()) {
    thread_.join();
  }
}

void DataServiceServer::installHandlers() {
  const auto& limits = config_.limits;
  auto& http = *http_;
  http.set_tcp_nodelay(true);
  http.set_payload_max_length(limits.maxBodyBytes);
  http.set_read_timeout(std::chrono::duration_cast<std::chrono::microseconds>(limits.readTimeout));
  http.set_write_timeout(std::chrono::duration_cast<std::chrono::microseconds>(limits.writeTimeout));
  http.set_keep_alive_timeout(std::max<time_t>(1, limits.keepAliveTimeout.count()));
  http.set_keep_alive_max_count(limits.keepAliveRequests);
  http.new_task_queue = [this] {
    // httplib asks for its queue once its accept loop runs, when a stop() can no longer be lost.
    markListening();
    // httplib takes ownership of the queue it is handed and shuts it down when listening ends.
    return std::make_unique<ConnectionQueue>(config_.limits.maxConnections, stopping_).release();
  };

  http.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
    if (headerBytes(request) > config_.limits.maxHeaderBytes) {
      response.status = 431;
      response.set_header("Connection", "close");
      return httplib::Server::HandlerResponse::Handled;
    }
    return httplib::Server::HandlerResponse::Unhandled;
  });
  http.set_exception_handler(
      [](const httplib::Request& request, httplib::Response& response, std::exception_ptr failure) {
        std::string reason = "unknown failure";
        try {
          std::rethrow_exception(failure);
        } catch (const std::exception& error) {
          reason = error.what();
        } catch (...) {
        }
        common::logFailure("data service", request.method + " " + request.path + ": " + reason);
        response.status = 500;
        response.set_content(std::string(kNoResult), kReplyType);
      });

  const std::string script = regexEscaped(config_.basePath) + "Velmora\\.asp";
  http.Get(script, [](const httplib::Request& request, httplib::Response& response) {
    if (request.get_param_value("C") == "3") {
      response.set_content(std::to_string(clockSeconds()), kReplyType);
    } else {
      response.set_content(cloakReply(kNoResult, std::nullopt, threadRandom()), kReplyType);
    }
  });
  // Read through a content reader: httplib would otherwise decode every form body into parameters
  // we never use, a large share of a lookup's time.
  http.Post(
      script, [this](const httplib::Request& request, httplib::Response& response, const httplib::ContentReader& read) {
        std::string body;
        if (request.is_multipart_form_data()) {
          // Not the protocol's form: read and drop it, so that it ends in "no result" as other junk does.
          read([](const httplib::MultipartFormData&) { return true; }, [](const char*, std::size_t) { return true; });
        } else {
          read([&body](const char* data, std::size_t length) {
            body.append(data, length);
            return true;
          });
        }
        std::optional<DecodedRequest> decoded;
        if (common::formField(body, "C") == std::optional<std::string_view>("2")) {
          if (const auto post = common::formField(body, "post")) {
            decoded = decodeRequest(*post, key_);
          }
        }
        std::string text(kNoResult);
        std::optional<std::string> trailer;
        if (decoded) {
          if (const auto query = recognizeQuery(decoded->statement)) {
            try {
              text = replyText(store_.answer(*query));
            } catch (const StoreError& error) {
              // Said as a failure, never as "no such character".
              common::logFailure("data service", std::string("the store cannot answer: ") + error.what());
              response.status = 500;
              response.set_content(std::string(kNoResult), kReplyType);
              return;
            }
          }
          if (decoded->carriedClock) {
            trailer = clockTrailer(clockSeconds());
          }
        }
        response.set_content(cloakReply(text, trailer, threadRandom()), kReplyType);
      });
  // For a load balancer's polls: 200 while the store can be read, 503 (and one logged line) when not.
  http.Get(regexEscaped(config_.basePath) + "health", [this](const httplib::Request&, httplib::Response& response) {
    response.set_header("Cache-Control", "no-store");
    try {
      response.set_content(healthReply(store_.rowCounts()), "application/json");
    } catch (const StoreError& error) {
      common::logFailure("data service", std::string("health: the store cannot be read: ") + error.what());
      response.status = 503;
      response.set_content("{\"status\":\"failing\"}", "application/json");
    }
  });
  http.Get(regexEscaped(config_.basePath) + "tovka/(.+)",
           [this](const httplib::Request& request, httplib::Response& response) {
             auto page = pages_.find(request.matches[1].str());
             // A missing page is the visitor's business; a page that fails to be made is logged
             // where it fails.
             if (!page) {
               response.status = 404;
               return;
             }
             response.set_content(std::move(page->body), page->contentType);
           });
}

int DataServiceServer::bind() {
  if (port_ >= 0) {
    return port_;
  }
  if (config_.port == 0) {
    port_ = http_->bind_to_any_port(config_.host);
  } else if (http_->bind_to_port(config_.host, config_.port)) {
    port_ = config_.port;
  }
  if (port_ < 0) {
    throw std::runtime_error("cannot listen on " + config_.host + ":" + std::to_string(config_.port));
  }
  return port_;
}

bool DataServiceServer::run() {
  bind();
  {
    std::lock_guard lock(stateMutex_);
    if (state_ != State::Idle || stopRequested_) {
      return state_ != State::Failed;
    }
    state_ = State::Starting;
  }
  const bool served = http_->listen_after_bind();
  {
    std::lock_guard lock(stateMutex_);
    state_ = served ? State::Stopped : State::Failed;
  }
  stateChanged_.notify_all();
  return served;
}

void DataServiceServer::markListening() {
  {
    std::lock_guard lock(stateMutex_);
    if (state_ != State::Starting) {
      return;
    }
    state_ = State::Listening;
  }
  stateChanged_.notify_all();
}

void DataServiceServer::start() {
  bind();
  thread_ = std::thread([this] { run(); });
  // The socket already listens; waiting for the accept loop only makes stop() reliable at once.
  std::unique_lock lock(stateMutex_);
  stateChanged_.wait(lock, [this] { return state_ != State::Idle && state_ != State::Starting; });
}

void DataServiceServer::stop() {
  stopping_ = true;
  std::unique_lock lock(stateMutex_);
  stopRequested_ = true;
  if (state_ == State::Idle) {
    state_ = State::Stopped;  // never ran: run() will not start
    return;
  }
  // httplib ignores a stop that comes before its accept loop runs; that loop announces itself.
  stateChanged_.wait(lock, [this] { return state_ != State::Starting; });
  if (state_ == State::Listening) {
    http_->stop();
  }
}

std::string DataServiceServer::baseAddress() const {
  const bool ipv6 = config_.host.find(':') != std::string::npos;
  return "http://" + (ipv6 ? "[" + config_.host + "]" : config_.host) + ":" + std::to_string(port_) + config_.basePath;
}

}  // namespace quillan::service

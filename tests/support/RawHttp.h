#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace quillan::service::testing {

// A TCP connection to 127.0.0.1 for requests no well-behaved client would send.
class RawConnection {
 public:
  explicit RawConnection(int port, int receiveBuffer = 0) : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    if (receiveBuffer > 0) {
      setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    }
    timeval limit{20, 0};  // a safety net: every test expects the server to act well before
    setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~RawConnection() { close(fd_); }
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;

  bool connected() const { return connected_; }

  void send(std::string_view bytes) {
    while (!bytes.empty()) {
      const auto sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (sent <= 0) {
        return;  // the server may close early, for example after a 413
      }
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
  }

  // Everything until the server closes; `closedByServer` tells an orderly close from the safety net.
  std::string receiveAll(bool* closedByServer = nullptr) {
    std::string out;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = recv(fd_, buffer, sizeof buffer, 0)) > 0) {
      out.append(buffer, static_cast<std::size_t>(got));
    }
    if (closedByServer != nullptr) {
      *closedByServer = got == 0 || (got < 0 && errno == ECONNRESET);
    }
    return out;
  }

 private:
  int fd_;
  bool connected_ = false;
};

// The status code of a raw response, 0 when there is none.
inline int statusOf(std::string_view response) {
  if (!response.starts_with("HTTP/1.1 ") || response.size() < 12) {
    return 0;
  }
  return std::stoi(std::string(response.substr(9, 3)));
}

// The body of a raw response.
inline std::string bodyOf(std::string_view response) {
  const auto end = response.find("\r\n\r\n");
  return end == std::string_view::npos ? std::string() : std::string(response.substr(end + 4));
}

// One request on its own connection, answered and closed.
inline std::string exchangeRaw(int port, std::string_view request) {
  RawConnection connection(port);
  connection.send(request);
  return connection.receiveAll();
}

}  // namespace quillan::service::testing

// A tiny HTTP server on 127.0.0.1 for the web tests: it listens on a free
// port, records the request line of every request, answers the paths it
// knows with a canned reply and holds every other request open unanswered.
// It accepts at most kMaxConnections and ends after kLifetime at the latest.
#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orva::test {

struct CannedReply {
  int status = 200;
  std::string body;  // sent as it is, NUL bytes included
};

class LoopbackServer {
 public:
  static constexpr int kMaxConnections = 16;
  static constexpr std::chrono::seconds kLifetime{60};

  // `replies` maps a path ("/version") to its reply.
  explicit LoopbackServer(std::map<std::string, CannedReply> replies = {});
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // "http://127.0.0.1:<port>" followed by `path`.
  std::string url(const std::string& path) const;
  std::vector<std::string> requestLines() const;
  int connectionCount() const { return connections_.load(); }
  // True once `count` connections were accepted within `limit`.
  bool waitForConnections(int count, std::chrono::milliseconds limit) const;

 private:
  void serve();
  void handle(int client);

  std::map<std::string, CannedReply> replies_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> connections_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> requestLines_;
  std::vector<int> heldClients_;
  std::thread thread_;
};

// A loopback port that refuses every connection: bound, never listening.
class RefusingPort {
 public:
  RefusingPort();
  ~RefusingPort();
  RefusingPort(const RefusingPort&) = delete;
  RefusingPort& operator=(const RefusingPort&) = delete;
  std::string url(const std::string& path) const;

 private:
  int socket_ = -1;
  int port_ = 0;
};

}  // namespace orva::test

#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace orva::test {

namespace {

// A TCP socket bound to 127.0.0.1 on a port the system picks.
int BindLoopback(int& port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("cannot bind a loopback socket");
  }
  port = ntohs(address.sin_port);
  return fd;
}

bool Readable(int fd, int milliseconds) {
  pollfd entry{fd, POLLIN, 0};
  return poll(&entry, 1, milliseconds) > 0;
}

// The request head, read until its blank line; bounded in size and time.
std::string ReadRequestHead(int client) {
  std::string head;
  char chunk[1024];
  for (int waits = 0; waits < 100 && head.find("\r\n\r\n") == std::string::npos && head.size() < 65536;) {
    if (!Readable(client, 20)) {
      ++waits;
      continue;
    }
    const ssize_t n = read(client, chunk, sizeof chunk);
    if (n <= 0) break;
    head.append(chunk, static_cast<std::size_t>(n));
  }
  return head;
}

std::string PathOf(const std::string& requestLine) {
  const std::size_t start = requestLine.find(' ') + 1;
  const std::size_t end = requestLine.find_first_of("? ", start);
  return requestLine.substr(start, end - start);
}

void SendAll(int client, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

std::string Url(int port, const std::string& path) {
  return "http://127.0.0.1:" + std::to_string(port) + path;
}

}  // namespace

LoopbackServer::LoopbackServer(std::map<std::string, CannedReply> replies)
    : replies_(std::move(replies)) {
  listener_ = BindLoopback(port_);
  listen(listener_, kMaxConnections);
  thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
  stop_.store(true);
  thread_.join();
  for (const int client : heldClients_) close(client);
  close(listener_);
}

std::string LoopbackServer::url(const std::string& path) const { return Url(port_, path); }

std::vector<std::string> LoopbackServer::requestLines() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requestLines_;
}

bool LoopbackServer::waitForConnections(int count, std::chrono::milliseconds limit) const {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (connections_.load() < count) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

void LoopbackServer::serve() {
  const auto deadline = std::chrono::steady_clock::now() + kLifetime;
  while (!stop_.load() && connections_.load() < kMaxConnections &&
         std::chrono::steady_clock::now() < deadline) {
    if (!Readable(listener_, 20)) continue;
    const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    connections_.fetch_add(1);
    handle(client);
  }
}

void LoopbackServer::handle(int client) {
  const std::string head = ReadRequestHead(client);
  const std::string requestLine = head.substr(0, head.find("\r\n"));
  std::lock_guard<std::mutex> lock(mutex_);
  requestLines_.push_back(requestLine);
  const auto reply = replies_.find(PathOf(requestLine));
  if (reply == replies_.end()) {
    heldClients_.push_back(client);  // never answered
    return;
  }
  const CannedReply& canned = reply->second;
  SendAll(client, "HTTP/1.1 " + std::to_string(canned.status) + " Canned\r\nContent-Length: " +
                      std::to_string(canned.body.size()) + "\r\nConnection: close\r\n\r\n" + canned.body);
  close(client);
}

RefusingPort::RefusingPort() { socket_ = BindLoopback(port_); }

RefusingPort::~RefusingPort() { close(socket_); }

std::string RefusingPort::url(const std::string& path) const { return Url(port_, path); }

}  // namespace orva::test

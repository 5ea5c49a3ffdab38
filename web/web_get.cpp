#include "web/web_get.h"

#include <curl/curl.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace orva {

namespace {

// Keeps the first `limit` bytes of the body and takes every piece whole, so
// that a huge reply neither overruns nor fails the transfer.
struct ReplyCollector {
  std::string bytes;
  std::size_t limit = 0;
};

std::size_t CollectReply(char* data, std::size_t size, std::size_t count, void* context) {
  auto* collector = static_cast<ReplyCollector*>(context);
  const std::size_t delivered = size * count;
  const std::size_t room = collector->limit - collector->bytes.size();
  collector->bytes.append(data, std::min(delivered, room));
  return delivered;
}

int AbortWhenCancelled(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(context)->load() ? 1 : 0;
}

CURLcode Perform(CURL* curl, const std::string& address, const WebRequest& request,
                 ReplyCollector& collector) {
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  if (request.timeoutSeconds != 0) curl_easy_setopt(curl, CURLOPT_TIMEOUT, request.timeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, CollectReply);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &collector);
  if (request.cancel != nullptr) {
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, AbortWhenCancelled);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, request.cancel);
  }
  return curl_easy_perform(curl);
}

}  // namespace

int WebGet(const WebRequest& request, std::string& reply) {
  const std::optional<std::string> address = BuildAddress(request.base, request.pairs);
  if (!address || request.replySize == 0) return 0;
  if (request.cancel != nullptr && request.cancel->load()) return 0;

  ReplyCollector collector;
  collector.limit = request.replySize - 1;
  // libcurl is set up and torn down around every request: the program makes
  // two requests per start and keeps nothing of libcurl's between them.
  if (curl_global_init(CURL_GLOBAL_ALL) != CURLE_OK) return 0;
  CURLcode result = CURLE_FAILED_INIT;
  if (CURL* curl = curl_easy_init()) {
    result = Perform(curl, *address, request, collector);
    curl_easy_cleanup(curl);
  }
  curl_global_cleanup();
  if (result != CURLE_OK) return 0;
  reply = std::move(collector.bytes);
  return 1;
}

}  // namespace orva

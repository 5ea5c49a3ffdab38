// One HTTP GET on libcurl's easy interface.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "web/web_query.h"

namespace orva {

struct WebRequest {
  std::string base;               // address without query; empty: no request
  std::vector<QueryPair> pairs;   // the query, in order
  long timeoutSeconds = 0;        // whole transfer; 0 leaves libcurl's default
  std::size_t replySize = 1024;   // at most replySize - 1 bytes of the reply are kept
  // When given and set, the transfer is aborted (checked by libcurl's
  // progress callback while the request runs).
  const std::atomic<bool>* cancel = nullptr;
};

// Sends the request and returns 1 when the transfer completed, whatever the
// HTTP status; `reply` then holds the first replySize - 1 bytes of the body as
// they came, NUL bytes included. Returns 0 and leaves `reply` untouched when
// no request was made (empty base, address too long), the transfer failed,
// timed out or was cancelled.
int WebGet(const WebRequest& request, std::string& reply);

}  // namespace orva

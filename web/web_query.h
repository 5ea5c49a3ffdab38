// The address of one GET request: a base address and a query of key/value
// pairs, each value escaped byte by byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orva {

struct QueryPair {
  std::string key;    // sent as it is
  std::string value;  // sent escaped
};

// The longest address ever sent; a longer one is not sent at all, since a
// cut query would report wrong values.
inline constexpr std::size_t kMaxAddressLength = 2082;

// Every byte but an ASCII letter or digit becomes "%" and two upper-case
// hexadecimal digits, so "-", ".", "_" and "~" are escaped too.
std::string EscapeQueryValue(const std::string& value);

// "key=value" pairs in order, joined by "&".
std::string BuildQuery(const std::vector<QueryPair>& pairs);

// The base alone when there are no pairs, else base "?" query. Nothing when
// the base is empty or the address would be longer than kMaxAddressLength.
std::optional<std::string> BuildAddress(const std::string& base, const std::vector<QueryPair>& pairs);

}  // namespace orva

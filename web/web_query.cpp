#include "web/web_query.h"

namespace orva {

namespace {

bool IsAsciiAlphanumeric(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string EscapeQueryValue(const std::string& value) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(value.size() * 3);
  for (const unsigned char c : value) {
    if (IsAsciiAlphanumeric(c)) {
      escaped += static_cast<char>(c);
    } else {
      escaped += '%';
      escaped += kHexDigits[c >> 4];
      escaped += kHexDigits[c & 0x0F];
    }
  }
  return escaped;
}

std::string BuildQuery(const std::vector<QueryPair>& pairs) {
  std::string query;
  for (const QueryPair& pair : pairs) {
    if (!query.empty()) query += '&';
    query += pair.key;
    query += '=';
    query += EscapeQueryValue(pair.value);
  }
  return query;
}

std::optional<std::string> BuildAddress(const std::string& base, const std::vector<QueryPair>& pairs) {
  if (base.empty()) return std::nullopt;
  std::string address = base;
  if (!pairs.empty()) address += '?' + BuildQuery(pairs);
  if (address.size() > kMaxAddressLength) return std::nullopt;
  return address;
}

}  // namespace orva

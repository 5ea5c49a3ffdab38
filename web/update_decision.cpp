#include "web/update_decision.h"

#include <algorithm>
#include <vector>

namespace orva {

namespace {

// The parts of a dotted decimal number without leading zeros ("0" becomes
// ""), or nothing when the text is not one. Parts stay text so that any
// number of digits compares without overflow.
std::optional<std::vector<std::string>> DottedParts(const std::string& text) {
  std::vector<std::string> parts(1);
  bool partHasDigit = false;
  for (const char c : text) {
    if (c == '.') {
      if (!partHasDigit) return std::nullopt;
      parts.emplace_back();
      partHasDigit = false;
    } else if (c >= '0' && c <= '9') {
      partHasDigit = true;
      if (!(c == '0' && parts.back().empty())) parts.back() += c;
    } else {
      return std::nullopt;
    }
  }
  if (!partHasDigit) return std::nullopt;
  return parts;
}

// -1, 0 or 1 as the number `a` is below, equal to or above `b`.
int CompareNumberTexts(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

}  // namespace

bool IsNewerVersion(const std::string& candidate, const std::string& running) {
  const auto newer = DottedParts(candidate);
  const auto older = DottedParts(running);
  if (!newer || !older) return false;
  const std::size_t count = std::max(newer->size(), older->size());
  for (std::size_t i = 0; i < count; ++i) {
    const std::string a = i < newer->size() ? (*newer)[i] : std::string();
    const std::string b = i < older->size() ? (*older)[i] : std::string();
    const int order = CompareNumberTexts(a, b);
    if (order != 0) return order > 0;
  }
  return false;
}

UpdatePrompt DecideUpdatePrompt(const std::optional<std::string>& storedVersion,
                                const std::string& programVersion) {
  if (!storedVersion || storedVersion->empty()) return {};
  const std::string& stored = *storedVersion;
  if (stored == programVersion || stored.size() != programVersion.size()) return {};
  if (!IsNewerVersion(stored, programVersion)) return {};
  return {true, stored};
}

}  // namespace orva

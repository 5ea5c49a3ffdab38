#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace orva {

namespace {

// Room for the integer digits of the largest double and for the decimals.
constexpr int kMaxDecimals = 60;
constexpr std::size_t kTextCapacity = 310 + kMaxDecimals;

bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

std::string FixedText(double value, int decimals, int width) {
  char text[kTextCapacity];
  const int places = decimals < 0 ? 0 : (decimals > kMaxDecimals ? kMaxDecimals : decimals);
  const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, places);
  std::string result = error == std::errc() ? std::string(text, end) : std::string("0");
  if (static_cast<int>(result.size()) < width) result.insert(0, static_cast<std::size_t>(width) - result.size(), ' ');
  return result;
}

std::string ZeroFilledFixedText(double value, int decimals, int width) {
  std::string result = FixedText(value, decimals);
  if (static_cast<int>(result.size()) >= width || !std::isfinite(value)) return FixedText(value, decimals, width);
  const std::size_t digitsAt = result[0] == '-' ? 1 : 0;
  result.insert(digitsAt, static_cast<std::size_t>(width) - result.size(), '0');
  return result;
}

double ReadDecimal(const char* text, const char** end) {
  if (end != nullptr) *end = text;
  if (text == nullptr) return 0;
  const char* at = text;
  while (IsCSpace(*at)) ++at;
  const bool negative = *at == '-';
  if (*at == '+' || *at == '-') ++at;
  // from_chars takes no '+' of its own; the sign is read above.
  if (*at == '+' || *at == '-') return 0;
  double value = 0;
  const auto [stop, error] = std::from_chars(at, at + std::strlen(at), value, std::chars_format::general);
  if (error != std::errc()) return 0;
  if (end != nullptr) *end = stop;
  return negative ? -value : value;
}

}  // namespace orva

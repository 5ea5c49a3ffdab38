#include "tools/encoder/bit_rate.h"

#include <cmath>
#include <cstdlib>

#include "engine/number_text.h"

namespace orva::encoder {

BitRate ParseBitRate(const std::string& text) {
  BitRate rate;
  const char* end = nullptr;
  const double number = ReadDecimal(text.c_str(), &end);
  if (end == text.c_str() || !(number > 0)) return rate;
  const std::string unit(end);
  if (unit == "k" || unit == "K") {
    rate.hadUnit = true;
  } else if (!unit.empty()) {
    return rate;
  }
  // Bare numbers in the option lists are kbit/s, as the size estimate reads them.
  rate.bits = std::lround(number * 1000);
  return rate;
}

std::string FormatBitRate(long bits) {
  if (bits % 1000 == 0) return std::to_string(bits / 1000) + "k";
  return std::to_string(bits);
}

}  // namespace orva::encoder

// Bit-rate texts of the option lists: "128K", "6.7k", and bare numbers that
// mean kbit/s ("160").
#pragma once

#include <string>

namespace orva::encoder {

struct BitRate {
  long bits = 0;         // bit/s; 0 when the text is no bit rate
  bool hadUnit = false;  // the text ended in k or K
};

BitRate ParseBitRate(const std::string& text);

// "128k" for 128000, the plain number otherwise.
std::string FormatBitRate(long bits);

}  // namespace orva::encoder

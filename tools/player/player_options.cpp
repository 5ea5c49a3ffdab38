#include "tools/player/player_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "engine/number_text.h"

namespace orva::player {

namespace {

bool ReadInteger(const std::string& text, long long low, long long high, long long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

bool ReadSeconds(const std::string& text, double& value) {
  if (text.empty()) return false;
  const char* end = nullptr;
  const double parsed = orva::ReadDecimal(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(parsed) || parsed < 0) return false;
  value = parsed;
  return true;
}

// Reads the value of an option that takes one; false with `error` set when
// it is missing or out of range.
class ValueReader {
 public:
  ValueReader(const std::vector<std::string>& arguments, std::size_t& index, std::string& error)
      : arguments_(arguments), index_(index), error_(error) {}

  bool integer(const std::string& option, long long low, long long high, long long& value) {
    const std::string* text = next(option);
    if (text == nullptr) return false;
    if (ReadInteger(*text, low, high, value)) return true;
    error_ = option + " needs a whole number from " + std::to_string(low) + " to " +
             std::to_string(high) + ", not \"" + *text + "\"";
    return false;
  }

  bool seconds(const std::string& option, double& value) {
    const std::string* text = next(option);
    if (text == nullptr) return false;
    if (ReadSeconds(*text, value)) return true;
    error_ = option + " needs a time in seconds, not \"" + *text + "\"";
    return false;
  }

 private:
  const std::string* next(const std::string& option) {
    if (index_ + 1 >= arguments_.size()) {
      error_ = option + " needs a value";
      return nullptr;
    }
    return &arguments_[++index_];
  }

  const std::vector<std::string>& arguments_;
  std::size_t& index_;
  std::string& error_;
};

constexpr long long kMaxSide = 16384;

int ReadOption(const std::vector<std::string>& arguments, std::size_t& index,
               PlayerOptions& options, std::string& error) {
  const std::string& option = arguments[index];
  ValueReader reader(arguments, index, error);
  long long value = 0;
  if (option == "-sp") {
    options.startPaused = true;
  } else if (option == "-autoexit") {
    options.exitAtEnd = true;
  } else if (option == "-ss") {
    if (!reader.seconds(option, options.startSeconds)) return kOptionsError;
  } else if (option == "-vol") {
    if (!reader.integer(option, 0, kMaxVolume, value)) return kOptionsError;
    options.volume = static_cast<int>(value);
  } else if (option == "-windowid") {
    // Window handles may arrive as negative numbers when the sender formats
    // them as a signed 32-bit value; only 0 means "none".
    if (!reader.integer(option, INT32_MIN, UINT32_MAX, value)) return kOptionsError;
    options.windowId = static_cast<std::int64_t>(static_cast<std::uint32_t>(value));
  } else if (option == "-frames") {
    // A descriptor inherited from the window; the standard three are taken.
    if (!reader.integer(option, 3, INT32_MAX, value)) return kOptionsError;
    options.framesFd = static_cast<int>(value);
  } else if (option == "-x") {
    if (!reader.integer(option, 0, kMaxSide, value)) return kOptionsError;
    options.width = static_cast<int>(value);
  } else if (option == "-y") {
    if (!reader.integer(option, 0, kMaxSide, value)) return kOptionsError;
    options.height = static_cast<int>(value);
  } else {
    error = "unknown option " + option;
    return kOptionsError;
  }
  return kOptionsOk;
}

}  // namespace

int ParsePlayerOptions(const std::vector<std::string>& arguments, PlayerOptions& options,
                       std::string& error) {
  options = PlayerOptions{};
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    if (argument.size() > 1 && argument[0] == '-') {
      if (ReadOption(arguments, index, options, error) != kOptionsOk) return kOptionsError;
    } else if (options.file.empty() && !argument.empty()) {
      options.file = argument;
    } else {
      error = "more than one file: \"" + argument + "\"";
      return kOptionsError;
    }
  }
  if (options.file.empty()) {
    error = "no file to play";
    return kOptionsError;
  }
  if (options.framesFd >= 0 && options.windowId != 0) {
    error = "-frames and -windowid name two places for one picture";
    return kOptionsError;
  }
  if (options.framesFd >= 0 && (options.width == 0 || options.height == 0)) {
    error = "-frames needs the picture size as -x and -y";
    return kOptionsError;
  }
  return kOptionsOk;
}

}  // namespace orva::player

#include "cli/report_reading.h"

#include <charconv>
#include <cmath>

namespace orva {

namespace {

bool IsJsonSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A cursor over the line with the few JSON readings a report needs.
class JsonReader {
 public:
  explicit JsonReader(const std::string& text) : text_(text) {}

  void skipSpace() {
    while (at_ < text_.size() && IsJsonSpace(text_[at_])) ++at_;
  }
  bool take(char c) {
    skipSpace();
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  bool atEnd() {
    skipSpace();
    return at_ == text_.size();
  }
  bool peek(char c) {
    skipSpace();
    return at_ < text_.size() && text_[at_] == c;
  }
  bool takeWord(const char* word) {
    skipSpace();
    const std::string w(word);
    if (text_.compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }

  bool readString(std::string& out) {
    if (!take('"')) return false;
    out.clear();
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size() || !readEscape(out)) return false;
    }
    return false;
  }

  bool readNumber(double& value) {
    skipSpace();
    const char* begin = text_.data() + at_;
    const auto [end, error] = std::from_chars(begin, text_.data() + text_.size(), value);
    if (error != std::errc() || !std::isfinite(value)) return false;
    at_ += static_cast<std::size_t>(end - begin);
    return true;
  }

 private:
  bool readHex(unsigned& code) {
    if (at_ + 4 > text_.size()) return false;
    const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16);
    if (error != std::errc() || end != text_.data() + at_ + 4) return false;
    at_ += 4;
    return true;
  }

  bool readEscape(std::string& out) {
    const char c = text_[at_++];
    switch (c) {
      case '"': case '\\': case '/': out += c; return true;
      case 'b': out += '\b'; return true;
      case 'f': out += '\f'; return true;
      case 'n': out += '\n'; return true;
      case 'r': out += '\r'; return true;
      case 't': out += '\t'; return true;
      case 'u': break;
      default: return false;
    }
    unsigned code = 0;
    if (!readHex(code)) return false;
    if (code >= 0xD800 && code <= 0xDBFF) {  // a surrogate pair
      unsigned low = 0;
      if (!takeWord("\\u") || !readHex(low) || low < 0xDC00 || low > 0xDFFF) return false;
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    } else if (code >= 0xDC00 && code <= 0xDFFF) {
      return false;
    }
    AppendUtf8(out, code);
    return true;
  }

  static void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  const std::string& text_;
  std::size_t at_ = 0;
};

// A value of a field this reader does not know: a string, a number, a
// literal. Nested values never appear in a report.
bool SkipValue(JsonReader& reader) {
  std::string ignored;
  double number = 0;
  if (reader.peek('"')) return reader.readString(ignored);
  return reader.takeWord("null") || reader.takeWord("true") || reader.takeWord("false") || reader.readNumber(number);
}

bool ReadField(JsonReader& reader, const std::string& key, ReportEntry& entry, bool& hasSource, bool& hasResult) {
  if (key == "source") return hasSource = reader.readString(entry.source);
  if (key == "result") return hasResult = reader.readString(entry.result);
  if (key == "reason") return reader.readString(entry.reason);
  if (key == "host") return reader.readString(entry.host);
  if (key == "output") {
    if (reader.takeWord("null")) {
      entry.output.reset();
      return true;
    }
    std::string output;
    if (!reader.readString(output)) return false;
    entry.output = output;
    return true;
  }
  if (key == "seconds") return reader.readNumber(entry.seconds);
  if (key == "bytes") {
    double bytes = 0;
    // Beyond 2^63 no file is that large, and the conversion would overflow.
    if (!reader.readNumber(bytes) || bytes < 0 || bytes > 9.2e18) return false;
    entry.bytes = static_cast<std::uintmax_t>(bytes);
    return true;
  }
  return SkipValue(reader);
}

}  // namespace

bool ParseReportLine(const std::string& line, ReportEntry& entry) {
  entry = ReportEntry{};
  JsonReader reader(line);
  if (!reader.take('{')) return false;
  bool hasSource = false, hasResult = false;
  if (!reader.take('}')) {
    do {
      std::string key;
      if (!reader.readString(key) || !reader.take(':')) return false;
      if (!ReadField(reader, key, entry, hasSource, hasResult)) return false;
    } while (reader.take(','));
    if (!reader.take('}')) return false;
  }
  return reader.atEnd() && hasSource && hasResult;
}

}  // namespace orva

#include "tools/encoder/stream_settings.h"

namespace orva::encoder {

void Note(Notices& notices, const std::string& text) {
  notices.push_back("substituted: " + text);
}

}  // namespace orva::encoder

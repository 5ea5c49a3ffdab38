#include "tools/encoder/encode_request.h"

#include <cstddef>

namespace orva::encoder {

namespace {

// The single-value options and where their value goes.
std::string* ValueSlot(const std::string& option, EncodeRequest& request) {
  if (option == "-ss") return &request.seek;
  if (option == "-i") return &request.input;
  if (option == "-t") return &request.length;
  if (option == "-vcodec") return &request.video.encoder;
  if (option == "-s") return &request.video.size;
  if (option == "-b") return &request.video.bitrate;
  if (option == "-r") return &request.video.frameRate;
  if (option == "-aspect") return &request.video.aspect;
  if (option == "-acodec") return &request.audio.encoder;
  if (option == "-ab") return &request.audio.bitrate;
  if (option == "-ar") return &request.audio.sampleRate;
  if (option == "-ac") return &request.audio.channels;
  if (option == "-source-facts") return &request.sourceFacts;
  if (option == "-tracks") return &request.tracks;
  return nullptr;
}

// Options a video codec entry may carry after its encoder name.
bool IsVideoExtra(const std::string& option) { return option == "-target"; }

int Fail(std::string& error, std::string reason) {
  error = std::move(reason);
  return kParseError;
}

}  // namespace

int ParseEncodeRequest(const std::vector<std::string>& arguments,
                       EncodeRequest& request, std::string& error) {
  request = EncodeRequest{};
  if (arguments.empty()) return Fail(error, "no output file given");
  const std::size_t last = arguments.size() - 1;
  bool overwrite = false;
  for (std::size_t i = 0; i < last; ++i) {
    const std::string& option = arguments[i];
    if (option == "-y") {
      overwrite = true;
      continue;
    }
    if (option == "-vn") {
      request.noVideo = true;
      continue;
    }
    if (i + 1 >= last) return Fail(error, "option " + option + " has no value");
    const std::string& value = arguments[++i];
    if (IsVideoExtra(option)) {
      request.video.extras.push_back(option);
      request.video.extras.push_back(value);
      continue;
    }
    std::string* slot = ValueSlot(option, request);
    if (slot == nullptr) return Fail(error, "unknown option " + option);
    if (!slot->empty()) return Fail(error, "option " + option + " given twice");
    *slot = value;
  }
  request.output = arguments[last];
  request.hasVideo = !request.video.encoder.empty();
  if (request.input.empty()) return Fail(error, "no source file given (-i)");
  if (request.output.empty() || request.output[0] == '-') return Fail(error, "no output file given");
  if (!overwrite) return Fail(error, "-y is required: the converter names fresh outputs itself");
  if (request.audio.encoder.empty()) return Fail(error, "no audio encoder given (-acodec)");
  if (request.hasVideo && request.noVideo) return Fail(error, "-vn and -vcodec together");
  if (!request.hasVideo && !request.video.extras.empty()) return Fail(error, "-target without -vcodec");
  if (!request.tracks.empty() && request.tracks != "all" && request.tracks != "one") {
    return Fail(error, "-tracks takes all or one, not " + request.tracks);
  }
  return kParseOk;
}

}  // namespace orva::encoder

#include "tools/encoder/encode_plan.h"

#include <cstdlib>

#include "tools/encoder/bit_rate.h"

namespace orva::encoder {

namespace {

using Arguments = std::vector<std::string>;

void Append(Arguments& arguments, std::initializer_list<std::string> items) {
  arguments.insert(arguments.end(), items);
}

// Reads a bit-rate item; a bare number is kbit/s, which is said aloud since
// ffmpeg would take it as bit/s.
bool ReadBitRate(const std::string& text, const char* what, long& bits, Notices& notices) {
  if (text.empty()) return true;
  const BitRate rate = ParseBitRate(text);
  if (rate.bits == 0) return false;
  if (!rate.hadUnit) {
    Note(notices, std::string(what) + " " + text + " -> " + FormatBitRate(rate.bits) +
                      " (a bit rate without unit is kbit/s)");
  }
  bits = rate.bits;
  return true;
}

bool ReadPositive(const std::string& text, int& value) {
  if (text.empty()) return true;
  char* end = nullptr;
  const long number = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || number <= 0) return false;
  value = static_cast<int>(number);
  return true;
}

bool ReadChannels(const std::string& text, int& channels, Notices& notices) {
  if (text == "5.1") {
    Note(notices, "channels 5.1 -> 6 (ffmpeg counts channels)");
    channels = 6;
    return true;
  }
  return ReadPositive(text, channels);
}

int Fail(std::string& error, const std::string& reason) {
  error = reason;
  return kPlanError;
}

Arguments VideoArguments(const VideoSettings& video) {
  Arguments arguments{"-c:v", video.encoder};
  arguments.insert(arguments.end(), video.extras.begin(), video.extras.end());
  if (!video.size.empty()) Append(arguments, {"-s", video.size});
  if (video.bitrate != 0) Append(arguments, {"-b:v", FormatBitRate(video.bitrate)});
  if (video.maxRate != 0) Append(arguments, {"-maxrate", FormatBitRate(video.maxRate)});
  if (video.bufferSize != 0) Append(arguments, {"-bufsize", FormatBitRate(video.bufferSize)});
  if (!video.frameRate.empty()) Append(arguments, {"-r", video.frameRate});
  if (!video.aspect.empty()) Append(arguments, {"-aspect", video.aspect});
  return arguments;
}

Arguments AudioArguments(const AudioSettings& audio) {
  Arguments arguments{"-c:a", audio.encoder};
  if (audio.bitrate != 0) Append(arguments, {"-b:a", FormatBitRate(audio.bitrate)});
  if (audio.sampleRate != 0) Append(arguments, {"-ar", std::to_string(audio.sampleRate)});
  if (audio.channels != 0) Append(arguments, {"-ac", std::to_string(audio.channels)});
  arguments.insert(arguments.end(), audio.extras.begin(), audio.extras.end());
  return arguments;
}

}  // namespace

int PlanEncode(const EncodeRequest& request, EncodePlan& plan, std::string& error) {
  plan = EncodePlan{};
  OutputSettings output;
  output.container = ContainerFor(ExtensionOf(request.output));
  if (!output.container.extensionKnown) output.format = output.container.muxer;

  VideoSettings video;
  if (request.hasVideo) {
    video.encoder = request.video.encoder;
    video.extras = request.video.extras;
    video.size = request.video.size;
    video.frameRate = request.video.frameRate;
    video.aspect = request.video.aspect;
    if (!ReadBitRate(request.video.bitrate, "video bit rate", video.bitrate, plan.notices)) {
      return Fail(error, "unreadable video bit rate " + request.video.bitrate);
    }
    ApplyVideoRules(video, output, plan.notices);
  }

  AudioSettings audio;
  audio.encoder = request.audio.encoder;
  if (!ReadBitRate(request.audio.bitrate, "audio bit rate", audio.bitrate, plan.notices)) {
    return Fail(error, "unreadable audio bit rate " + request.audio.bitrate);
  }
  if (!ReadPositive(request.audio.sampleRate, audio.sampleRate)) {
    return Fail(error, "unreadable sample rate " + request.audio.sampleRate);
  }
  if (!ReadChannels(request.audio.channels, audio.channels, plan.notices)) {
    return Fail(error, "unreadable channel count " + request.audio.channels);
  }
  ApplyAudioRules(audio, output, plan.notices);

  if (!request.seek.empty()) Append(plan.inputArguments, {"-ss", request.seek});
  Append(plan.inputArguments, {"-i", request.input});
  if (!request.length.empty()) Append(plan.inputArguments, {"-t", request.length});

  Arguments& out = plan.outputArguments;
  if (request.hasVideo) {
    const Arguments videoArguments = VideoArguments(video);
    out.insert(out.end(), videoArguments.begin(), videoArguments.end());
  } else if (request.noVideo) {
    out.push_back("-vn");
  }
  const Arguments audioArguments = AudioArguments(audio);
  out.insert(out.end(), audioArguments.begin(), audioArguments.end());
  if (!output.format.empty()) Append(out, {"-f", output.format});
  return kPlanOk;
}

}  // namespace orva::encoder

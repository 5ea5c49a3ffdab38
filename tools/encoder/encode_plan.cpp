#include "tools/encoder/encode_plan.h"

#include <cstdlib>

#include "tools/encoder/bit_rate.h"

namespace orva::encoder {

namespace {

void Append(Arguments& arguments, std::initializer_list<std::string> items) {
  arguments.insert(arguments.end(), items);
}

void Append(Arguments& arguments, const Arguments& items) { arguments.insert(arguments.end(), items.begin(), items.end()); }

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

// With `firstOnly` every option names the first video stream, so that a
// cover art stream after it is left as it is.
Arguments VideoArguments(const VideoSettings& video, bool firstOnly) {
  const std::string only = firstOnly ? ":v:0" : "";
  const std::string ofVideo = firstOnly ? ":v:0" : ":v";
  Arguments arguments{"-c" + ofVideo, video.encoder};
  arguments.insert(arguments.end(), video.extras.begin(), video.extras.end());
  if (!video.size.empty()) Append(arguments, {"-s" + only, video.size});
  if (video.bitrate != 0) Append(arguments, {"-b" + ofVideo, FormatBitRate(video.bitrate)});
  if (video.maxRate != 0) Append(arguments, {"-maxrate" + only, FormatBitRate(video.maxRate)});
  if (video.bufferSize != 0) Append(arguments, {"-bufsize" + only, FormatBitRate(video.bufferSize)});
  if (!video.frameRate.empty()) Append(arguments, {"-r" + only, video.frameRate});
  if (!video.aspect.empty()) Append(arguments, {"-aspect" + only, video.aspect});
  if (!video.filter.empty()) Append(arguments, {firstOnly ? "-filter:v:0" : "-vf", video.filter});
  if (!video.profile.empty()) Append(arguments, {"-profile" + ofVideo, video.profile});
  if (!video.level.empty()) Append(arguments, {"-level" + ofVideo, video.level});
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

// Which of the source's streams go into the output. Unknown facts leave the
// choice to ffmpeg.
struct StreamChoice {
  bool video = false;
  bool audio = false;
  Arguments maps;
};

int ChooseStreams(const EncodeRequest& request, const SourceFacts& source, StreamChoice& choice,
                  Notices& notices, std::string& error) {
  choice.video = request.hasVideo;
  choice.audio = true;
  if (!source.known) return kPlanOk;
  if (choice.video && source.videoStream == kNoStream) {
    choice.video = false;
    Note(notices, std::string("picture -> none (the source has no moving picture") +
                      (source.coverArt ? ", only cover art" : "") + "; the file holds its audio)");
  }
  choice.audio = source.audioStream != kNoStream;
  if (!choice.audio && !request.hasVideo) return Fail(error, "the source has no audio stream to convert");
  if (!choice.audio && !choice.video) return Fail(error, "the source has no picture or audio to convert");
  if (choice.video) Append(choice.maps, {"-map", "0:" + std::to_string(source.videoStream)});
  if (choice.audio) Append(choice.maps, {"-map", "0:" + std::to_string(source.audioStream)});
  return kPlanOk;
}

// The muxer's own options. MP4-family files get their index in front of
// the data, so that a player or browser reading over the network can start
// before the whole file has arrived.
Arguments MuxerArguments(const OutputSettings& output) {
  Arguments arguments;
  if (!output.format.empty()) Append(arguments, {"-f", output.format});
  if (IsIsoMedia(output.container.kind)) Append(arguments, {"-movflags", "+faststart"});
  return arguments;
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  return path.substr(0, path.size() - ExtensionOf(path).size()) + extension;
}

}  // namespace

int PlanEncode(const EncodeRequest& request, const SourceFacts& source, EncodePlan& plan,
               std::string& error) {
  return PlanEncode(request, source, SourceContents{}, "", plan, error);
}

int PlanEncode(const EncodeRequest& request, const SourceFacts& source, const SourceContents& contents,
               const std::string& sideStem, EncodePlan& plan, std::string& error) {
  plan = EncodePlan{};
  StreamChoice streams;
  if (ChooseStreams(request, source, streams, plan.notices, error) != kPlanOk) return kPlanError;
  OutputSettings output;
  output.container = ContainerFor(ExtensionOf(request.output));
  if (!output.container.extensionKnown) output.format = output.container.muxer;

  VideoSettings video;
  // The requested video encoder decides the output format even when the
  // source has no picture to give it.
  if (request.hasVideo) {
    video.encoder = request.video.encoder;
    video.extras = request.video.extras;
    video.size = request.video.size;
    video.frameRate = request.video.frameRate;
    video.aspect = request.video.aspect;
    if (!ReadBitRate(request.video.bitrate, "video bit rate", video.bitrate, plan.notices)) {
      return Fail(error, "unreadable video bit rate " + request.video.bitrate);
    }
    ApplyVideoRules(video, output, source, plan.notices);
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

  KeepPlan keep;
  const bool keeping = source.known && HoldsMore(contents);
  if (keeping) {
    KeepRules rules;
    rules.everyAudioTrack = request.everyAudioTrack();
    rules.writesVideo = streams.video;
    rules.mainVideo = source.videoStream;
    rules.mainAudio = streams.audio ? source.audioStream : kNoStream;
    rules.seek = request.seek;
    rules.length = request.length;
    rules.source = request.input;
    rules.sideStem = sideStem;
    keep = PlanKeeping(rules, contents, output.container.kind);
    streams.maps = keep.maps;
    plan.notices.insert(plan.notices.end(), keep.notKept.begin(), keep.notKept.end());
    plan.side = keep.side;
  }

  if (!request.seek.empty()) Append(plan.inputArguments, {"-ss", request.seek});
  Append(plan.inputArguments, {"-i", request.input});
  Append(plan.inputArguments, keep.extraInputs);
  if (!request.length.empty()) Append(plan.inputArguments, {"-t", request.length});

  Arguments& out = plan.outputArguments;
  out.insert(out.end(), streams.maps.begin(), streams.maps.end());
  if (streams.video) {
    Append(out, VideoArguments(video, keep.coverIsStream));
  } else if ((request.noVideo || request.hasVideo) && !keep.coverIsStream) {
    out.push_back("-vn");
  }
  if (streams.audio) Append(out, AudioArguments(audio));
  Append(out, keep.streamArguments);
  Append(out, keep.fileArguments);
  const Arguments muxerArguments = MuxerArguments(output);
  out.insert(out.end(), muxerArguments.begin(), muxerArguments.end());
  plan.outputPath = output.extension.empty() ? request.output : WithExtension(request.output, output.extension);
  return kPlanOk;
}

}  // namespace orva::encoder

#include "cli/profile_options.h"

#include <array>

namespace orva {

namespace {

constexpr std::array kNames = {
    ProfileOptionName{ProfileOption::Extension, "--extension", "Extension"},
    ProfileOptionName{ProfileOption::VideoCodec, "--video-codec", "Video codec"},
    ProfileOptionName{ProfileOption::Size, "--size", "Size"},
    ProfileOptionName{ProfileOption::VideoBitrate, "--video-bitrate", "Video bit rate"},
    ProfileOptionName{ProfileOption::FrameRate, "--frame-rate", "Frame rate"},
    ProfileOptionName{ProfileOption::Aspect, "--aspect", "Aspect ratio"},
    ProfileOptionName{ProfileOption::AudioCodec, "--audio-codec", "Audio codec"},
    ProfileOptionName{ProfileOption::AudioBitrate, "--audio-bitrate", "Audio bit rate"},
    ProfileOptionName{ProfileOption::SampleRate, "--sample-rate", "Sample rate"},
    ProfileOptionName{ProfileOption::Channels, "--channels", "Channels"},
};

OfferedItems FromList(OptionList list, std::int32_t& chosen) {
  OfferedItems offered;
  for (int i = 0; const char* item = GetOptionItem(list, i); ++i) offered.items.emplace_back(item);
  offered.chosen = &chosen;
  return offered;
}

template <typename Entry>
OfferedItems FromCodecs(const Entry* entries, std::int32_t count, std::int32_t& chosen) {
  OfferedItems offered;
  for (int i = 0; i < count; ++i) offered.items.emplace_back(entries[i].displayName);
  offered.chosen = &chosen;
  return offered;
}

const char* FlagOf(ProfileOption option) {
  for (const ProfileOptionName& name : kNames) {
    if (name.option == option) return name.flag;
  }
  return "";
}

}  // namespace

std::span<const ProfileOptionName> ProfileOptionNames() { return kNames; }

bool OfferedItemsOf(Profile& profile, ProfileOption option, OfferedItems& offered) {
  AudioCodecEntry& audio = profile.audioCodecs[profile.audioCodecIndex];
  VideoCodecEntry& video = profile.videoCodecs[profile.videoCodecIndex];
  const bool hasVideo = profile.videoCodecCount != 0;
  switch (option) {
    case ProfileOption::Extension: offered = FromList(profile.extensions, profile.extensionIndex); return true;
    case ProfileOption::AudioCodec:
      offered = FromCodecs(profile.audioCodecs, profile.audioCodecCount, profile.audioCodecIndex);
      return true;
    case ProfileOption::AudioBitrate: offered = FromList(audio.audioBitrates, audio.audioBitrateIndex); return true;
    case ProfileOption::SampleRate: offered = FromList(audio.sampleRates, audio.sampleRateIndex); return true;
    case ProfileOption::Channels: offered = FromList(audio.channels, audio.channelIndex); return true;
    case ProfileOption::VideoCodec:
      offered = FromCodecs(profile.videoCodecs, profile.videoCodecCount, profile.videoCodecIndex);
      return hasVideo;
    case ProfileOption::Size: offered = FromList(video.sizes, video.sizeIndex); return hasVideo;
    case ProfileOption::VideoBitrate: offered = FromList(video.videoBitrates, video.videoBitrateIndex); return hasVideo;
    case ProfileOption::FrameRate: offered = FromList(video.frameRates, video.frameRateIndex); return hasVideo;
    case ProfileOption::Aspect: offered = FromList(video.aspectRatios, video.aspectRatioIndex); return hasVideo;
  }
  return false;
}

bool ChooseProfileItem(Profile& profile, ProfileOption option, const std::string& text,
                       std::string& error) {
  OfferedItems offered;
  if (!OfferedItemsOf(profile, option, offered)) {
    error = std::string(FlagOf(option)) + ": \"" + profile.name + "\" has no video";
    return false;
  }
  for (std::size_t i = 0; i < offered.items.size(); ++i) {
    if (offered.items[i] == text) {
      *offered.chosen = static_cast<std::int32_t>(i);
      return true;
    }
  }
  error = std::string(FlagOf(option)) + ": \"" + text + "\" is not offered by \"" + profile.name +
          "\"; offered:";
  for (const std::string& item : offered.items) error += " \"" + item + "\"";
  return false;
}

}  // namespace orva

// The choices a profile offers on the command line: its extension, its
// codecs and the option lists of the chosen codecs, each picked by its text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "profiles/profile.h"

namespace orva {

enum class ProfileOption {
  Extension, VideoCodec, Size, VideoBitrate, FrameRate, Aspect,
  AudioCodec, AudioBitrate, SampleRate, Channels,
};

struct ProfileOptionName {
  ProfileOption option;
  const char* flag;   // the command-line option that chooses it
  const char* title;  // how a listing names it
};

// Every choice in the order a listing shows it; a codec comes before the
// lists that belong to it.
std::span<const ProfileOptionName> ProfileOptionNames();

// The items offered for one choice and where the chosen index lives.
struct OfferedItems {
  std::vector<std::string> items;
  std::int32_t* chosen = nullptr;
};

// False when the profile does not offer the choice (video of an audio-only
// profile).
bool OfferedItemsOf(Profile& profile, ProfileOption option, OfferedItems& offered);

// Chooses the item whose text is `text`. False, with `error` naming the
// offered items, when the profile offers no such item.
bool ChooseProfileItem(Profile& profile, ProfileOption option, const std::string& text,
                       std::string& error);

}  // namespace orva

#include "profiles/catalogue.h"

#include <cstdio>
#include <cstdlib>

#include "profiles/catalogue_data.h"

namespace orva {

namespace {

ProfileCategory gCategories[kCategoryCount];
Profile gProfiles[kBuiltInProfileCount];

// The built-in table is program data: a flaw in it must stop the program at
// once rather than leave a profile half set up.
[[noreturn]] void TableFault(const char* kind, const char* name, const char* problem) {
  std::fprintf(stderr, "profile catalogue: %s \"%s\": %s\n", kind,
               name != nullptr ? name : "", problem);
  std::abort();
}

VideoCodecEntry MakeVideoEntry(const VideoEntrySpec& spec, const char* profileName) {
  const CodecName& codec = kBuiltInCodecs[spec.codec];
  VideoCodecEntry entry;
  entry.displayName = codec.displayName;
  entry.encoderName = codec.encoderName;
  entry.sizes = spec.sizes;
  entry.videoBitrates = spec.videoBitrates;
  entry.frameRates = spec.frameRates;
  entry.aspectRatios = kBuiltInAspectRatios;
  entry.sizeIndex = StartItemIndex(spec.sizes, spec.size, profileName);
  entry.videoBitrateIndex =
      StartItemIndex(spec.videoBitrates, spec.videoBitrate, profileName);
  entry.frameRateIndex = StartItemIndex(spec.frameRates, spec.frameRate, profileName);
  entry.aspectRatioIndex = StartItemIndex(kBuiltInAspectRatios, kAutoItem, profileName);
  return entry;
}

AudioCodecEntry MakeAudioEntry(const AudioEntrySpec& spec, const char* profileName) {
  const CodecName& codec = kBuiltInCodecs[spec.codec];
  AudioCodecEntry entry;
  entry.displayName = codec.displayName;
  entry.encoderName = codec.encoderName;
  entry.audioBitrates = spec.audioBitrates;
  entry.sampleRates = spec.sampleRates;
  entry.channels = spec.channels;
  entry.audioBitrateIndex =
      StartItemIndex(spec.audioBitrates, spec.audioBitrate, profileName);
  entry.sampleRateIndex = StartItemIndex(spec.sampleRates, spec.sampleRate, profileName);
  entry.channelIndex = StartItemIndex(spec.channels, spec.channel, profileName);
  return entry;
}

void FillVideoCodecs(const ProfileSpec& spec, Profile& profile) {
  for (const VideoEntrySpec& video : spec.video) {
    if (video.sizes == nullptr) break;
    profile.videoCodecs[profile.videoCodecCount++] = MakeVideoEntry(video, spec.name);
  }
}

void FillAudioCodecs(const ProfileSpec& spec, Profile& profile) {
  bool chosenGiven = false;
  for (const AudioEntrySpec& audio : spec.audio) {
    if (audio.audioBitrates == nullptr) break;
    if (audio.startsChosen) {
      if (chosenGiven) {
        TableFault("profile", spec.name, "more than one audio codec starts chosen");
      }
      chosenGiven = true;
      profile.audioCodecIndex = profile.audioCodecCount;
    }
    profile.audioCodecs[profile.audioCodecCount++] = MakeAudioEntry(audio, spec.name);
  }
  if (profile.audioCodecCount == 0) TableFault("profile", spec.name, "no audio codec");
}

// Rebuilds the record from scratch, so every chosen index is its default.
void FillProfile(const ProfileSpec& spec, ProfileCategory& category, int slot,
                 Profile& profile) {
  if (spec.name == nullptr || spec.extensions == nullptr) {
    TableFault("category", category.name, "the profile table ends before its last slot");
  }
  profile = Profile{};
  profile.category = &category;
  profile.name = spec.name;
  profile.extensions = spec.extensions;
  profile.positionInCategory = slot;
  FillVideoCodecs(spec, profile);
  FillAudioCodecs(spec, profile);
}

}  // namespace

int StartItemIndex(OptionList list, const char* text, const char* profileName) {
  const int index = FindOptionItem(list, text);
  if (index < 0) {
    char problem[320];
    std::snprintf(problem, sizeof problem, "\"%s\" is not an item of its list", text);
    TableFault("profile", profileName, problem);
  }
  return index;
}

void SetUpCatalogue() {
  int next = 0;
  for (int c = 0; c < kCategoryCount; ++c) {
    const CategorySpec& spec = kBuiltInCategories[c];
    ProfileCategory& category = gCategories[c];
    category = ProfileCategory{};
    category.name = spec.name;
    category.categoryIndex = c;
    if (spec.profileCount > kMaxProfilesPerCategory ||
        next + spec.profileCount > kBuiltInProfileCount) {
      TableFault("category", spec.name, "more profiles than a category or the table holds");
    }
    for (int slot = 0; slot < spec.profileCount; ++slot, ++next) {
      FillProfile(kBuiltInProfiles[next], category, slot, gProfiles[next]);
      category.profiles[slot] = &gProfiles[next];
    }
    category.profileCount = spec.profileCount;
  }
  if (next != kBuiltInProfileCount) {
    TableFault("profile", kBuiltInProfiles[next].name, "in no category");
  }
  currentProfile = gCategories[0].profiles[0];
}

ProfileCategory* CategoryTable() { return gCategories; }

const CodecName* CodecTable() { return kBuiltInCodecs; }

}  // namespace orva

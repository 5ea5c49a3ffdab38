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

VideoCodecEntry MakeVideoEntry(const VideoEntryRow& row, const char* profileName) {
  const CodecName& codec = kBuiltInCodecs[row.codec];
  VideoCodecEntry entry;
  entry.displayName = codec.displayName;
  entry.encoderName = codec.encoderName;
  entry.sizes = row.sizes;
  entry.videoBitrates = row.videoBitrates;
  entry.frameRates = row.frameRates;
  entry.aspectRatios = kBuiltInAspectRatios;
  entry.sizeIndex = StartItemIndex(row.sizes, row.size, profileName);
  entry.videoBitrateIndex =
      StartItemIndex(row.videoBitrates, row.videoBitrate, profileName);
  entry.frameRateIndex = StartItemIndex(row.frameRates, row.frameRate, profileName);
  entry.aspectRatioIndex = StartItemIndex(kBuiltInAspectRatios, kAutoItem, profileName);
  return entry;
}

AudioCodecEntry MakeAudioEntry(const AudioEntryRow& row, const char* profileName) {
  const CodecName& codec = kBuiltInCodecs[row.codec];
  AudioCodecEntry entry;
  entry.displayName = codec.displayName;
  entry.encoderName = codec.encoderName;
  entry.audioBitrates = row.audioBitrates;
  entry.sampleRates = row.sampleRates;
  entry.channels = row.channels;
  entry.audioBitrateIndex =
      StartItemIndex(row.audioBitrates, row.audioBitrate, profileName);
  entry.sampleRateIndex = StartItemIndex(row.sampleRates, row.sampleRate, profileName);
  entry.channelIndex = StartItemIndex(row.channels, row.channel, profileName);
  return entry;
}

void FillVideoCodecs(const ProfileRow& row, Profile& profile) {
  for (const VideoEntryRow& video : row.video) {
    if (video.sizes == nullptr) break;
    profile.videoCodecs[profile.videoCodecCount++] = MakeVideoEntry(video, row.name);
  }
}

void FillAudioCodecs(const ProfileRow& row, Profile& profile) {
  bool chosenGiven = false;
  for (const AudioEntryRow& audio : row.audio) {
    if (audio.audioBitrates == nullptr) break;
    if (audio.startsChosen) {
      if (chosenGiven) {
        TableFault("profile", row.name, "more than one audio codec starts chosen");
      }
      chosenGiven = true;
      profile.audioCodecIndex = profile.audioCodecCount;
    }
    profile.audioCodecs[profile.audioCodecCount++] = MakeAudioEntry(audio, row.name);
  }
  if (profile.audioCodecCount == 0) TableFault("profile", row.name, "no audio codec");
}

// Rebuilds the record from scratch, so every chosen index is its default.
void FillProfile(const ProfileRow& row, ProfileCategory& category, int slot,
                 Profile& profile) {
  if (row.name == nullptr || row.extensions == nullptr) {
    TableFault("category", category.name, "the profile table ends before its last slot");
  }
  profile = Profile{};
  profile.category = &category;
  profile.name = row.name;
  profile.extensions = row.extensions;
  profile.positionInCategory = slot;
  FillVideoCodecs(row, profile);
  FillAudioCodecs(row, profile);
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
    const CategoryRow& row = kBuiltInCategories[c];
    ProfileCategory& category = gCategories[c];
    category = ProfileCategory{};
    category.name = row.name;
    category.categoryIndex = c;
    if (row.profileCount > kMaxProfilesPerCategory ||
        next + row.profileCount > kBuiltInProfileCount) {
      TableFault("category", row.name, "more profiles than a category or the table holds");
    }
    for (int slot = 0; slot < row.profileCount; ++slot, ++next) {
      FillProfile(kBuiltInProfiles[next], category, slot, gProfiles[next]);
      category.profiles[slot] = &gProfiles[next];
    }
    category.profileCount = row.profileCount;
  }
  if (next != kBuiltInProfileCount) {
    TableFault("profile", kBuiltInProfiles[next].name, "in no category");
  }
  currentProfile = gCategories[0].profiles[0];
}

ProfileCategory* CategoryTable() { return gCategories; }

const CodecName* CodecTable() { return kBuiltInCodecs; }

}  // namespace orva

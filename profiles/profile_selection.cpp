#include "profiles/profile_selection.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "app/data_files.h"
#include "profiles/catalogue.h"

namespace orva {

namespace {

constexpr int kIdsPerCategory = 100;

Profile* FirstProfileOf(const ProfileCategory& category) { return category.profiles[0]; }

// The leading decimal number of the text, as the C library's atoi reads it
// (leading blanks, an optional sign, digits up to the first other character;
// 0 when there is none), but held inside the int range instead of
// overflowing on a long run of digits.
int LeadingNumber(const char* text) {
  const long value = std::strtol(text, nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

const char* TextOrEmpty(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

Profile* ProfileFromMenuId(int id) {
  if (id < kFirstProfileMenuId) return nullptr;
  const int categoryIndex = (id - kFirstProfileMenuId) / kIdsPerCategory;
  const int slot = (id - kFirstProfileMenuId) % kIdsPerCategory;
  ProfileCategory* categories = CategoryTable();
  if (categoryIndex >= kCategoryCount) return FirstProfileOf(categories[0]);
  const ProfileCategory& category = categories[categoryIndex];
  if (slot >= category.profileCount) return FirstProfileOf(category);
  return category.profiles[slot];
}

void RestoreSavedProfile(const char* profileFilePath) {
  const std::optional<std::string> saved = ReadWholeFile(profileFilePath);
  if (!saved) return;
  const int id = LeadingNumber(saved->c_str());
  if (id <= kFirstProfileMenuId) return;
  currentProfile = ProfileFromMenuId(id);
}

int SaveProfileChoice(const char* profileFilePath, int id) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", id);
  return WriteTextFile(profileFilePath, text) == 0 ? 0 : -1;
}

void FormatProfileSummary(const Profile& profile, char (&out)[kSummaryCapacity]) {
  const AudioCodecEntry& audio = CurrentAudioEntry(profile);
  const char* extension = TextOrEmpty(ChosenExtension(profile));
  const VideoCodecEntry& video = profile.videoCodecs[profile.videoCodecIndex];
  // A profile without video keeps an empty first video slot, whose chosen
  // size is nothing: that is what selects the audio form.
  const char* size = GetOptionItem(video.sizes, video.sizeIndex);
  if (size != nullptr) {
    std::snprintf(out, sizeof out, "%s  [%s(%s)] [%s] %s", profile.name,
                  video.displayName, size, audio.displayName, extension);
    return;
  }
  std::snprintf(out, sizeof out, "%s  [%s(%s %s %s)] %s", profile.name,
                audio.displayName,
                TextOrEmpty(GetOptionItem(audio.audioBitrates, audio.audioBitrateIndex)),
                TextOrEmpty(GetOptionItem(audio.sampleRates, audio.sampleRateIndex)),
                TextOrEmpty(GetOptionItem(audio.channels, audio.channelIndex)), extension);
}

}  // namespace orva

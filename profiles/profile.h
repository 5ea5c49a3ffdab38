// Output profiles: what one conversion produces, as choices among fixed
// lists of option texts.
#pragma once

#include <cstdint>

namespace orva {

// Option texts packed into one block: the first item and a NUL, then for each
// further item a space, the item and a NUL, and one more NUL at the end.
// A C string literal written as "Auto\0 4:3\0 16:9\0" has exactly that form.
using OptionList = const char*;

// The option item that imposes no value.
inline constexpr const char kAutoItem[] = "Auto";

struct ProfileCategory;

struct VideoCodecEntry {
  const char* displayName = nullptr;
  const char* encoderName = nullptr;  // may carry further encoder options
  OptionList sizes = nullptr;
  OptionList videoBitrates = nullptr;
  OptionList frameRates = nullptr;
  OptionList aspectRatios = nullptr;
  std::int32_t sizeIndex = 0;
  std::int32_t videoBitrateIndex = 0;
  std::int32_t frameRateIndex = 0;
  std::int32_t aspectRatioIndex = 0;
};

struct AudioCodecEntry {
  const char* displayName = nullptr;
  const char* encoderName = nullptr;
  OptionList audioBitrates = nullptr;
  OptionList sampleRates = nullptr;
  OptionList channels = nullptr;
  std::int32_t audioBitrateIndex = 0;
  std::int32_t sampleRateIndex = 0;
  std::int32_t channelIndex = 0;
};

inline constexpr int kMaxVideoCodecs = 5;
inline constexpr int kMaxAudioCodecs = 7;
inline constexpr int kMaxProfilesPerCategory = 20;
inline constexpr int kCategoryCount = 16;
inline constexpr int kFirstProfileMenuId = 10000;

struct Profile {
  ProfileCategory* category = nullptr;
  const char* name = nullptr;
  OptionList extensions = nullptr;
  std::int32_t extensionIndex = 0;
  VideoCodecEntry videoCodecs[kMaxVideoCodecs] = {};
  std::int32_t videoCodecCount = 0;  // 0: audio only
  std::int32_t videoCodecIndex = 0;
  AudioCodecEntry audioCodecs[kMaxAudioCodecs] = {};
  std::int32_t audioCodecCount = 0;
  std::int32_t audioCodecIndex = 0;
  std::int32_t positionInCategory = 0;
};

struct ProfileCategory {
  const char* name = nullptr;
  Profile* profiles[kMaxProfilesPerCategory] = {};
  std::int32_t profileCount = 0;
  std::int32_t categoryIndex = 0;
};

// The profile in use.
extern Profile* currentProfile;

// Item `index` of the list, or nullptr when the list is absent, its first
// item is empty, or the index lies beyond its last item.
const char* GetOptionItem(OptionList list, int index);

// Number of items in the list (0 for an absent list).
int OptionCount(OptionList list);

// Index of the item whose text is `text`, or -1.
int FindOptionItem(OptionList list, const char* text);

// A list control that can take items and show one selected (a combo box in
// the window, a plain list in tests).
class OptionTarget {
 public:
  virtual ~OptionTarget() = default;
  virtual void addItem(const char* text) = 0;
  // An index past the end leaves nothing selected.
  virtual void selectItem(int index) = 0;
};

// Adds every item in order, then selects `index`; the caller empties the
// target first.
void FillComboFromOptionList(OptionTarget& target, OptionList list, int index);

// Command id of a profile in the profile menu and in the saved-profile file.
int profileMenuId(const Profile& profile);

// The chosen codec entries; the video one only when the profile has video.
const VideoCodecEntry* CurrentVideoEntry(const Profile& profile);
const AudioCodecEntry& CurrentAudioEntry(const Profile& profile);
const char* ChosenExtension(const Profile& profile);

}  // namespace orva

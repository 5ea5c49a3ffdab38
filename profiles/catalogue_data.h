// The shape of the built-in profile table: each profile as its lists and the
// texts of the items it starts with, before set-up turns them into records.
#pragma once

#include "profiles/catalogue.h"
#include "profiles/profile.h"

namespace orva {

// Rows of the codec table, named after the codec they carry.
enum CodecRow : int {
  kTheora, kNtscDv, kPalDv, kNtscDvd, kPalDvd, kNtscVcd, kPalVcd, kH264,
  kMpeg4, kMpeg2Video, kMpeg1Video, kXvid, kH263, kRealVideo2, kMsMpeg4,
  kMotionJpeg, kWmv7, kWmv8, kVp8,
  kAac, kAc3, kMp3, kMp2, kVorbis, kAmrNb, kAmrWb, kRealAudio, kWma7, kWma8,
  kPcmS16le, kPcmAlaw, kPcmMulaw, kPcmS8, kAdpcmMs, kAdpcmImaWav, kLibVorbis,
  kAlac, kFlac,
};

// Marks the audio codec a profile starts with when it is not the first.
inline constexpr bool kStartsChosen = true;

// A slot is in use when its first list is present.
struct VideoEntryRow {
  CodecRow codec = kTheora;
  const char* size = nullptr;
  const char* videoBitrate = nullptr;
  const char* frameRate = nullptr;
  OptionList sizes = nullptr;
  OptionList videoBitrates = nullptr;
  OptionList frameRates = nullptr;
};

struct AudioEntryRow {
  CodecRow codec = kTheora;
  const char* audioBitrate = nullptr;
  const char* sampleRate = nullptr;
  const char* channel = nullptr;
  OptionList audioBitrates = nullptr;
  OptionList sampleRates = nullptr;
  OptionList channels = nullptr;
  bool startsChosen = false;
};

struct ProfileRow {
  const char* name = nullptr;
  OptionList extensions = nullptr;
  VideoEntryRow video[kMaxVideoCodecs] = {};
  AudioEntryRow audio[kMaxAudioCodecs] = {};
};

struct CategoryRow {
  const char* name = nullptr;
  int profileCount = 0;
};

extern const CodecName kBuiltInCodecs[kCodecTableSize];
// The aspect ratios every video entry offers, starting at "Auto".
extern const OptionList kBuiltInAspectRatios;
extern const CategoryRow kBuiltInCategories[kCategoryCount];
// All profiles in menu order: category by category, each in slot order.
extern const ProfileRow kBuiltInProfiles[kBuiltInProfileCount];

// Index of the item `text` in `list`. A text that the list lacks is a fault
// in the table above: it ends the program with a message naming the profile.
int StartItemIndex(OptionList list, const char* text, const char* profileName);

}  // namespace orva

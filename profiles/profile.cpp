#include "profiles/profile.h"

#include <cstring>

namespace orva {

Profile* currentProfile = nullptr;

const char* GetOptionItem(OptionList list, int index) {
  if (list == nullptr || list[0] == '\0') return nullptr;
  if (index == 0) return list;
  const char* at = list;
  for (int i = 0; i < index; ++i) {
    at += std::strlen(at) + 1;  // the character after the item's NUL
    if (*at != ' ') return nullptr;
  }
  return at + 1;
}

int OptionCount(OptionList list) {
  int count = 0;
  while (GetOptionItem(list, count) != nullptr) ++count;
  return count;
}

int FindOptionItem(OptionList list, const char* text) {
  for (int i = 0;; ++i) {
    const char* item = GetOptionItem(list, i);
    if (item == nullptr) return -1;
    if (std::strcmp(item, text) == 0) return i;
  }
}

void FillComboFromOptionList(OptionTarget& target, OptionList list, int index) {
  const char* at = list;
  while (*at != '\0') {
    target.addItem(at);
    at += std::strlen(at) + 1;
    if (*at == ' ') ++at;
  }
  target.selectItem(index);
}

int profileMenuId(const Profile& profile) {
  return kFirstProfileMenuId + 100 * profile.category->categoryIndex +
         profile.positionInCategory;
}

const VideoCodecEntry* CurrentVideoEntry(const Profile& profile) {
  if (profile.videoCodecCount == 0) return nullptr;
  return &profile.videoCodecs[profile.videoCodecIndex];
}

const AudioCodecEntry& CurrentAudioEntry(const Profile& profile) {
  return profile.audioCodecs[profile.audioCodecIndex];
}

const char* ChosenExtension(const Profile& profile) {
  return GetOptionItem(profile.extensions, profile.extensionIndex);
}

}  // namespace orva

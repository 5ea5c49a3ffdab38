// Choosing the profile in use, the saved choice in profile.dat, and the
// one-line profile summary.
#pragma once

#include "profiles/profile.h"

namespace orva {

inline constexpr int kSummaryCapacity = 260;

// The profile of a menu id: nothing below 10000; a category beyond the 16
// gives the first profile of category 0, an empty slot the category's first
// profile.
Profile* ProfileFromMenuId(int id);

// Reads the saved choice and makes it the profile in use; a missing, empty or
// non-numeric file, or a value of 10000 or less, leaves it unchanged.
void RestoreSavedProfile(const char* profileFilePath);

// Writes the menu id as decimal text; -1 when the file cannot be written.
int SaveProfileChoice(const char* profileFilePath, int id);

// "name  [video(size)] [audio] .ext", or for a profile without video
// "name  [audio(bitrate rate channels)] .ext".
void FormatProfileSummary(const Profile& profile, char (&out)[kSummaryCapacity]);

}  // namespace orva

// What orva-convert prints about the built-in profiles.
#pragma once

#include <cstdio>

#include "profiles/profile.h"

namespace orva {

// One line per profile in menu order: menu id, tab, category, tab, name.
void PrintProfileList(std::FILE* out);

// The profile's one-line summary, then every choice it offers with its
// items, the chosen one marked with "*".
void PrintProfileDetails(std::FILE* out, Profile& profile);

// The built-in profile with exactly this menu id, or nullptr.
Profile* BuiltInProfile(int id);

}  // namespace orva

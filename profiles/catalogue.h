// The built-in catalogue: 16 categories of output profiles with their codecs
// and option lists.
#pragma once

#include "profiles/profile.h"

namespace orva {

struct CodecName {
  const char* displayName;
  const char* encoderName;
};

inline constexpr int kCodecTableSize = 38;
inline constexpr int kBuiltInProfileCount = 147;

// Fills every category and profile with its built-in defaults and makes the
// first profile of category 0 the profile in use. Calling it again puts every
// chosen index back to its default.
void SetUpCatalogue();

// The 16 categories in menu order (valid after SetUpCatalogue).
ProfileCategory* CategoryTable();

// The codec table: rows 0 to 18 serve video entries, 19 to 37 audio entries.
const CodecName* CodecTable();

}  // namespace orva

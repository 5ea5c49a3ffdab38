#include "cli/profile_listing.h"

#include "cli/profile_options.h"
#include "profiles/catalogue.h"
#include "profiles/profile_selection.h"

namespace orva {

void PrintProfileList(std::FILE* out) {
  const ProfileCategory* categories = CategoryTable();
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int s = 0; s < categories[c].profileCount; ++s) {
      const Profile& profile = *categories[c].profiles[s];
      std::fprintf(out, "%d\t%s\t%s\n", profileMenuId(profile), categories[c].name, profile.name);
    }
  }
}

void PrintProfileDetails(std::FILE* out, Profile& profile) {
  char summary[kSummaryCapacity];
  FormatProfileSummary(profile, summary);
  std::fprintf(out, "%s\n", summary);
  for (const ProfileOptionName& name : ProfileOptionNames()) {
    OfferedItems offered;
    if (!OfferedItemsOf(profile, name.option, offered)) continue;
    std::fprintf(out, "%s (%s):\n", name.title, name.flag);
    for (std::size_t i = 0; i < offered.items.size(); ++i) {
      const bool chosen = static_cast<std::int32_t>(i) == *offered.chosen;
      std::fprintf(out, "  %s %s\n", chosen ? "*" : " ", offered.items[i].c_str());
    }
  }
}

Profile* BuiltInProfile(int id) {
  // The menu-id fall-backs serve the saved-profile file, not a typed id.
  Profile* profile = ProfileFromMenuId(id);
  return profile != nullptr && profileMenuId(*profile) == id ? profile : nullptr;
}

}  // namespace orva

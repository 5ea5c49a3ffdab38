#include "cli/chosen_profile.h"

#include "cli/profile_listing.h"
#include "profiles/profile_selection.h"

namespace orva {

namespace {

bool ChoosesCodecOrExtension(ProfileOption option) {
  return option == ProfileOption::VideoCodec || option == ProfileOption::AudioCodec ||
         option == ProfileOption::Extension;
}

// Codecs first, whatever the typed order: the other lists belong to them.
bool ApplyChoices(const CliOptions& options, std::string& error) {
  for (const bool codecs : {true, false}) {
    for (const auto& [option, text] : options.choices) {
      if (ChoosesCodecOrExtension(option) != codecs) continue;
      if (!ChooseProfileItem(*currentProfile, option, text, error)) return false;
    }
  }
  return true;
}

}  // namespace

bool ChooseProfile(const CliOptions& options, const std::string& programFolder, std::string& error) {
  if (options.profileId) {
    Profile* profile = BuiltInProfile(*options.profileId);
    if (profile == nullptr) {
      error = std::to_string(*options.profileId) + " is not the id of a profile (see --list-profiles)";
      return false;
    }
    currentProfile = profile;
  } else {
    RestoreSavedProfile((programFolder + "/profile.dat").c_str());
  }
  return ApplyChoices(options, error);
}

}  // namespace orva

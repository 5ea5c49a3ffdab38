#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "profiles/catalogue.h"
#include "profiles/profile_selection.h"

namespace orva {
namespace {

std::string NameOf(const Profile* profile) { return profile != nullptr ? profile->name : "(none)"; }

TEST(ProfileFromMenuId, SlotsAndFallBacks) {
  SetUpCatalogue();
  EXPECT_EQ(ProfileFromMenuId(9999), nullptr);
  EXPECT_EQ(ProfileFromMenuId(-5), nullptr);
  EXPECT_EQ(NameOf(ProfileFromMenuId(10000)), "iPod - H.264 Video");
  EXPECT_EQ(NameOf(ProfileFromMenuId(10502)), "BlackBerry - MPEG4 Video");
  EXPECT_EQ(NameOf(ProfileFromMenuId(11502)), "FLAC - Free Lossless Audio Codec");
  EXPECT_EQ(NameOf(ProfileFromMenuId(11503)), "Waveform Lossless Audio");
  EXPECT_EQ(NameOf(ProfileFromMenuId(10130)), "iPhone - H.264 Video");
  EXPECT_EQ(NameOf(ProfileFromMenuId(11600)), "iPod - H.264 Video");
  EXPECT_EQ(NameOf(ProfileFromMenuId(25000)), "iPod - H.264 Video");
  for (int c = 0; c < kCategoryCount; ++c) {
    const ProfileCategory& category = CategoryTable()[c];
    for (int s = 0; s < category.profileCount; ++s) {
      EXPECT_EQ(ProfileFromMenuId(profileMenuId(*category.profiles[s])), category.profiles[s]);
    }
  }
}

class SavedProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpCatalogue();
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("orva_profile_" + std::string(test->name()) + ".dat");
    std::filesystem::remove(path_);
  }
  void TearDown() override { std::filesystem::remove(path_); }

  void Write(const std::string& content) {
    std::ofstream(path_, std::ios::binary) << content;
  }
  std::string Read() {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::string Restored(const std::string& content) {
    SetUpCatalogue();
    Write(content);
    RestoreSavedProfile(path_.c_str());
    return NameOf(currentProfile);
  }

  std::filesystem::path path_;
};

TEST_F(SavedProfile, RestoresTheSavedChoice) {
  EXPECT_EQ(Restored("10502"), "BlackBerry - MPEG4 Video");
  EXPECT_EQ(Restored("10502\r\n"), "BlackBerry - MPEG4 Video");
  EXPECT_EQ(Restored("  11502"), "FLAC - Free Lossless Audio Codec");
  EXPECT_EQ(Restored("11410xyz"), "WMA - Windows Media Audio");
}

TEST_F(SavedProfile, UnusableValuesKeepOrFallBack) {
  EXPECT_EQ(Restored("10000"), "iPod - H.264 Video");
  EXPECT_EQ(Restored("9999"), "iPod - H.264 Video");
  EXPECT_EQ(Restored("abc"), "iPod - H.264 Video");
  EXPECT_EQ(Restored("-10502"), "iPod - H.264 Video");
  EXPECT_EQ(Restored("11700"), "iPod - H.264 Video");
  EXPECT_EQ(Restored("10130"), "iPhone - H.264 Video");
  EXPECT_EQ(Restored("99999999999999999999"), "iPod - H.264 Video");
}

TEST_F(SavedProfile, MissingOrEmptyFileLeavesTheProfileInUse) {
  currentProfile = ProfileFromMenuId(10300);
  RestoreSavedProfile(path_.c_str());
  EXPECT_EQ(NameOf(currentProfile), "Android - MPEG4 Video");
  Write("");
  RestoreSavedProfile(path_.c_str());
  EXPECT_EQ(NameOf(currentProfile), "Android - MPEG4 Video");
  Write("10000");
  RestoreSavedProfile(path_.c_str());
  EXPECT_EQ(NameOf(currentProfile), "Android - MPEG4 Video");
}

TEST_F(SavedProfile, SavesTheBareDecimalIdAndReadsItBack) {
  EXPECT_EQ(SaveProfileChoice(path_.c_str(), 10502), 0);
  EXPECT_EQ(Read(), "10502");
  EXPECT_EQ(SaveProfileChoice(path_.c_str(), 10000), 0);
  EXPECT_EQ(Read(), "10000");
  EXPECT_EQ(SaveProfileChoice(path_.c_str(), 11410), 0);
  RestoreSavedProfile(path_.c_str());
  EXPECT_EQ(profileMenuId(*currentProfile), 11410);
}

TEST_F(SavedProfile, SaveIntoAMissingFolderFails) {
  const std::filesystem::path inMissing = path_.parent_path() / "orva_no_such_folder" / "profile.dat";
  EXPECT_EQ(SaveProfileChoice(inMissing.c_str(), 10502), -1);
}

std::string Summary(int id) {
  char out[kSummaryCapacity];
  FormatProfileSummary(*ProfileFromMenuId(id), out);
  return out;
}

TEST(ProfileSummary, VideoAndAudioForms) {
  SetUpCatalogue();
  EXPECT_EQ(Summary(10000), "iPod - H.264 Video  [H.264/MPEG-4 AVC(320x240)] [MPEG-4 AAC] .mp4");
  EXPECT_EQ(Summary(11400), "MP3 - MPEG Layer-3 Audio  [mp3(128K 48000 Stereo)] .mp3");
  EXPECT_EQ(Summary(11409), "WAV - Waveform Audio  [pcm_s16le(Auto 44100 Stereo)] .wav");
  EXPECT_EQ(Summary(11410),
            "WMA - Windows Media Audio  [Windows Media Audio V8(128K 44100 Stereo)] .wma");
}

TEST(ProfileSummary, FollowsEditedChoices) {
  SetUpCatalogue();
  Profile& blackberry = *ProfileFromMenuId(10500);
  blackberry.videoCodecIndex = 1;
  blackberry.audioCodecIndex = 1;
  blackberry.extensionIndex = 1;
  blackberry.videoCodecs[1].sizeIndex = 4;
  EXPECT_EQ(Summary(10500), "BlackBerry - 3GP Video  [H.263(1408x1152)] [libamr_nb] .3gpp");
  SetUpCatalogue();
}

TEST(ProfileSummary, LongTextIsCutAtTheBufferEnd) {
  SetUpCatalogue();
  char out[kSummaryCapacity];
  Profile copy = *ProfileFromMenuId(10000);
  const std::string longName(400, 'n');
  copy.name = longName.c_str();
  FormatProfileSummary(copy, out);
  EXPECT_EQ(std::string(out), std::string(kSummaryCapacity - 1, 'n'));
}

}  // namespace
}  // namespace orva

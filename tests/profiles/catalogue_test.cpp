#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "profiles/catalogue.h"
#include "profiles/catalogue_data.h"
#include "profiles/profile.h"

namespace orva {
namespace {

class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override { SetUpCatalogue(); }

  static std::vector<Profile*> AllProfiles() {
    std::vector<Profile*> all;
    ProfileCategory* categories = CategoryTable();
    for (int c = 0; c < kCategoryCount; ++c) {
      for (int s = 0; s < categories[c].profileCount; ++s) all.push_back(categories[c].profiles[s]);
    }
    return all;
  }

  static Profile& Named(int categoryIndex, const char* name) {
    ProfileCategory& category = CategoryTable()[categoryIndex];
    for (int s = 0; s < category.profileCount; ++s) {
      if (std::strcmp(category.profiles[s]->name, name) == 0) return *category.profiles[s];
    }
    ADD_FAILURE() << "no profile " << name << " in category " << categoryIndex;
    return *category.profiles[0];
  }

  static const char* Chosen(OptionList list, int index) { return GetOptionItem(list, index); }
};

TEST_F(Catalogue, CategoriesInMenuOrderWithTheirCounts) {
  const struct {
    const char* name;
    int count;
  } expected[kCategoryCount] = {
      {"iPod", 11},        {"iPhone", 4},         {"iPad & Apple TV", 7}, {"Android", 12},
      {"Android Pad", 4},  {"BlackBerry", 15},    {"Windows Phone", 3},   {"Mobile Phone", 4},
      {"PS3 & PSP", 13},   {"Xbox360", 8},        {"PMP", 14},            {"General Video", 14},
      {"Web Video", 13},   {"HD Video", 11},      {"General Audio", 11},  {"Lossless Audio", 3},
  };
  ProfileCategory* categories = CategoryTable();
  for (int c = 0; c < kCategoryCount; ++c) {
    EXPECT_STREQ(categories[c].name, expected[c].name);
    EXPECT_EQ(categories[c].profileCount, expected[c].count) << expected[c].name;
    EXPECT_EQ(categories[c].categoryIndex, c);
  }
  EXPECT_EQ(AllProfiles().size(), static_cast<size_t>(kBuiltInProfileCount));
  EXPECT_STREQ(categories[13].profiles[10]->name, "HD - Xvid Video");
}

TEST_F(Catalogue, RecordsPointBackAndSlotsBeyondTheCountAreEmpty) {
  ProfileCategory* categories = CategoryTable();
  std::set<const Profile*> seen;
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int s = 0; s < kMaxProfilesPerCategory; ++s) {
      const Profile* profile = categories[c].profiles[s];
      if (s >= categories[c].profileCount) {
        EXPECT_EQ(profile, nullptr);
        continue;
      }
      ASSERT_NE(profile, nullptr);
      EXPECT_EQ(profile->category, &categories[c]);
      EXPECT_EQ(profile->positionInCategory, s);
      EXPECT_TRUE(seen.insert(profile).second) << profile->name;
    }
  }
}

// Every list a profile offers must be usable by the dialog and the command
// line: present, non-empty, without repeated items, with its chosen item in it.
void ExpectUsableChoice(OptionList list, int index, const std::string& where) {
  ASSERT_NE(list, nullptr) << where;
  const int count = OptionCount(list);
  EXPECT_GT(count, 0) << where;
  EXPECT_GE(index, 0) << where;
  EXPECT_LT(index, count) << where;
  std::set<std::string> items;
  for (int i = 0; i < count; ++i) {
    EXPECT_TRUE(items.insert(GetOptionItem(list, i)).second) << where << " repeats item " << i;
  }
}

TEST_F(Catalogue, EveryUsedEntryHasItsListsAndChosenItems) {
  for (const Profile* profile : AllProfiles()) {
    const std::string name = profile->name;
    ExpectUsableChoice(profile->extensions, profile->extensionIndex, name + " extensions");
    EXPECT_EQ(GetOptionItem(profile->extensions, 0)[0], '.') << name;
    ASSERT_GE(profile->videoCodecCount, 0) << name;
    ASSERT_LE(profile->videoCodecCount, kMaxVideoCodecs) << name;
    ASSERT_GE(profile->audioCodecCount, 1) << name;
    ASSERT_LE(profile->audioCodecCount, kMaxAudioCodecs) << name;
    if (profile->videoCodecCount > 0) {
      EXPECT_LT(profile->videoCodecIndex, profile->videoCodecCount) << name;
    }
    EXPECT_LT(profile->audioCodecIndex, profile->audioCodecCount) << name;
    for (int v = 0; v < profile->videoCodecCount; ++v) {
      const VideoCodecEntry& e = profile->videoCodecs[v];
      const std::string where = name + " video " + std::to_string(v);
      ASSERT_NE(e.displayName, nullptr) << where;
      ASSERT_NE(e.encoderName, nullptr) << where;
      ExpectUsableChoice(e.sizes, e.sizeIndex, where + " sizes");
      ExpectUsableChoice(e.videoBitrates, e.videoBitrateIndex, where + " bit rates");
      ExpectUsableChoice(e.frameRates, e.frameRateIndex, where + " frame rates");
      ExpectUsableChoice(e.aspectRatios, e.aspectRatioIndex, where + " aspects");
      EXPECT_STREQ(Chosen(e.aspectRatios, e.aspectRatioIndex), "Auto") << where;
      EXPECT_EQ(OptionCount(e.aspectRatios), 3) << where;
    }
    for (int a = 0; a < profile->audioCodecCount; ++a) {
      const AudioCodecEntry& e = profile->audioCodecs[a];
      const std::string where = name + " audio " + std::to_string(a);
      ASSERT_NE(e.displayName, nullptr) << where;
      ASSERT_NE(e.encoderName, nullptr) << where;
      ExpectUsableChoice(e.audioBitrates, e.audioBitrateIndex, where + " bit rates");
      ExpectUsableChoice(e.sampleRates, e.sampleRateIndex, where + " sample rates");
      ExpectUsableChoice(e.channels, e.channelIndex, where + " channels");
    }
  }
}

TEST_F(Catalogue, FifteenAudioOnlyProfilesWithAnEmptyFirstVideoSlot) {
  std::set<std::string> audioOnly;
  for (const Profile* profile : AllProfiles()) {
    if (profile->videoCodecCount != 0) continue;
    audioOnly.insert(std::string(profile->category->name) + "/" + profile->name);
    const VideoCodecEntry& empty = profile->videoCodecs[0];
    EXPECT_EQ(empty.displayName, nullptr);
    EXPECT_EQ(empty.sizes, nullptr);
    EXPECT_EQ(GetOptionItem(empty.sizes, empty.sizeIndex), nullptr);
    EXPECT_EQ(CurrentVideoEntry(*profile), nullptr);
  }
  const std::set<std::string> expected = {
      "Mobile Phone/WMA - Windows Media Audio",
      "General Audio/MP3 - MPEG Layer-3 Audio",
      "General Audio/AAC - Advanced Audio Coding",
      "General Audio/AC3 - Dolby Digital AC-3",
      "General Audio/AIFF - Audio Interchange File Format",
      "General Audio/AU - SUN AU Format",
      "General Audio/M4A - MPEG-4 Audio",
      "General Audio/MP2 - MPEG Layer-2 Audio",
      "General Audio/OGG - Ogg Vorbis Audio",
      "General Audio/RA - Real Audio",
      "General Audio/WAV - Waveform Audio",
      "General Audio/WMA - Windows Media Audio",
      "Lossless Audio/Waveform Lossless Audio",
      "Lossless Audio/ALAC - Apple Loseless Audio",
      "Lossless Audio/FLAC - Free Lossless Audio Codec",
  };
  EXPECT_EQ(audioOnly, expected);
}

TEST_F(Catalogue, OnlyFourProfilesStartWithTheirSecondAudioCodec) {
  std::set<std::string> second;
  for (const Profile* profile : AllProfiles()) {
    EXPECT_EQ(profile->extensionIndex, 0) << profile->name;
    EXPECT_EQ(profile->videoCodecIndex, 0) << profile->name;
    if (profile->audioCodecIndex == 0) continue;
    EXPECT_EQ(profile->audioCodecIndex, 1) << profile->name;
    second.insert(std::string(profile->category->name) + "/" + profile->name);
  }
  const std::set<std::string> expected = {
      "BlackBerry/BlackBerry Playbook - WMV Video",
      "Mobile Phone/WMA - Windows Media Audio",
      "General Audio/WMA - Windows Media Audio",
      "PMP/iRiver - Xvid Video",
  };
  EXPECT_EQ(second, expected);
  EXPECT_STREQ(CurrentAudioEntry(Named(10, "iRiver - Xvid Video")).displayName, "mp3");
  EXPECT_STREQ(CurrentAudioEntry(Named(14, "WMA - Windows Media Audio")).encoderName, "wmav2");
}

TEST_F(Catalogue, IpodMpeg4VideoStartsAsTheCommandLineExpects) {
  Profile& profile = Named(0, "iPod - MPEG4 Video");
  EXPECT_STREQ(ChosenExtension(profile), ".mp4");
  EXPECT_EQ(OptionCount(profile.extensions), 3);
  const VideoCodecEntry& video = *CurrentVideoEntry(profile);
  EXPECT_STREQ(video.displayName, "MPEG-4");
  EXPECT_STREQ(video.encoderName, "mpeg4");
  EXPECT_STREQ(Chosen(video.sizes, video.sizeIndex), "320x240");
  EXPECT_STREQ(Chosen(video.videoBitrates, video.videoBitrateIndex), "640K");
  EXPECT_EQ(video.videoBitrateIndex, 4);
  EXPECT_STREQ(Chosen(video.frameRates, video.frameRateIndex), "29.97");
  EXPECT_EQ(video.frameRateIndex, 6);
  const AudioCodecEntry& audio = CurrentAudioEntry(profile);
  EXPECT_STREQ(audio.encoderName, "libvo_aacenc");
  EXPECT_STREQ(Chosen(audio.audioBitrates, audio.audioBitrateIndex), "128K");
  EXPECT_STREQ(Chosen(audio.sampleRates, audio.sampleRateIndex), "48000");
  EXPECT_EQ(audio.sampleRateIndex, 5);
  EXPECT_STREQ(Chosen(audio.channels, audio.channelIndex), "Stereo");
}

TEST_F(Catalogue, OddItemTextsAreKeptExactly) {
  Profile& dv = Named(11, "DV - Digital Video format");
  ASSERT_EQ(dv.videoCodecCount, 2);
  EXPECT_STREQ(dv.videoCodecs[0].encoderName, "dvvideo -target ntsc-dv");
  EXPECT_STREQ(dv.videoCodecs[1].encoderName, "dvvideo -target pal-dv");
  EXPECT_STREQ(Chosen(dv.videoCodecs[0].videoBitrates, 0), "Auto");

  const AudioCodecEntry& amr = Named(5, "BlackBerry - 3GP Video").audioCodecs[1];
  EXPECT_STREQ(amr.displayName, "libamr_nb");
  EXPECT_STREQ(Chosen(amr.audioBitrates, amr.audioBitrateIndex), "6.7k");

  const VideoCodecEntry& charm = Named(5, "BlackBerry Charm 7100 - MPEG-4 Video").videoCodecs[0];
  EXPECT_STREQ(Chosen(charm.sizes, charm.sizeIndex), "240x260");

  const VideoCodecEntry& mkv = Named(11, "MKV - Matroska Video").videoCodecs[0];
  EXPECT_EQ(FindOptionItem(mkv.videoBitrates, "160"), 3);
  EXPECT_EQ(FindOptionItem(mkv.videoBitrates, "2200"), 17);
  EXPECT_EQ(FindOptionItem(mkv.videoBitrates, "2800"), 19);
  EXPECT_EQ(FindOptionItem(mkv.videoBitrates, "160K"), -1);

  const AudioCodecEntry& wma = Named(8, "PS3 - WMV Video").audioCodecs[0];
  EXPECT_EQ(FindOptionItem(wma.audioBitrates, "112"), 5);

  const Profile& theora = Named(12, "OGG Theora Video - HTML5 OGG theora Video Profile");
  EXPECT_STREQ(theora.videoCodecs[0].encoderName, "libtheora");
  EXPECT_STREQ(ChosenExtension(theora), ".oggv");
}

TEST_F(Catalogue, CodecTableRows) {
  const CodecName* codecs = CodecTable();
  EXPECT_STREQ(codecs[0].displayName, "libtheora Theora");
  EXPECT_STREQ(codecs[0].encoderName, "libtheora");
  EXPECT_STREQ(codecs[18].encoderName, "libvpx");
  EXPECT_STREQ(codecs[19].displayName, "MPEG-4 AAC");
  EXPECT_STREQ(codecs[25].displayName, "libamr_wb");
  EXPECT_STREQ(codecs[37].displayName, "FLAC (Free Lossless Audio Codec)");
  for (const Profile* profile : AllProfiles()) {
    for (int a = 0; a < profile->audioCodecCount; ++a) {
      EXPECT_STRNE(profile->audioCodecs[a].encoderName, "libvo_amrwbenc") << profile->name;
    }
  }
}

TEST_F(Catalogue, MenuIdsFollowCategoryAndSlot) {
  EXPECT_EQ(profileMenuId(Named(0, "iPod - H.264 Video")), 10000);
  EXPECT_EQ(profileMenuId(Named(5, "BlackBerry - MPEG4 Video")), 10502);
  EXPECT_EQ(profileMenuId(Named(15, "FLAC - Free Lossless Audio Codec")), 11502);
  EXPECT_EQ(profileMenuId(Named(7, "WMA - Windows Media Audio")), 10702);
  EXPECT_EQ(profileMenuId(Named(14, "WMA - Windows Media Audio")), 11410);
}

TEST_F(Catalogue, SetUpAgainRestoresEveryDefault) {
  Profile& mobileWma = Named(7, "WMA - Windows Media Audio");
  Profile& generalWma = Named(14, "WMA - Windows Media Audio");
  mobileWma.audioCodecIndex = 0;
  mobileWma.audioCodecs[1].sampleRateIndex = 0;
  EXPECT_EQ(generalWma.audioCodecIndex, 1);
  EXPECT_EQ(generalWma.audioCodecs[1].sampleRateIndex, 4);

  Profile& ipod = Named(0, "iPod - H.264 Video");
  ipod.extensionIndex = 2;
  ipod.videoCodecs[0].aspectRatioIndex = 2;
  currentProfile = &mobileWma;

  SetUpCatalogue();
  EXPECT_EQ(mobileWma.audioCodecIndex, 1);
  EXPECT_EQ(mobileWma.audioCodecs[1].sampleRateIndex, 4);
  EXPECT_EQ(ipod.extensionIndex, 0);
  EXPECT_EQ(ipod.videoCodecs[0].aspectRatioIndex, 0);
  EXPECT_EQ(currentProfile, &ipod);
}

TEST(CatalogueDeathTest, StartingTextMissingFromItsListStopsSetUp) {
  EXPECT_DEATH(StartItemIndex("Auto\0 4:3\0", "16:9", "Some Profile"),
               "Some Profile.*16:9");
  EXPECT_EQ(StartItemIndex("Auto\0 4:3\0", "4:3", "Some Profile"), 1);
}

}  // namespace
}  // namespace orva

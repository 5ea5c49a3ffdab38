#include "test_support.h"

namespace orva::test {

namespace {

ProfileCategory testCategory{"Test", {}, 2, 3};

}  // namespace

Profile& VideoTestProfile() {
  static Profile profile = [] {
    Profile p;
    p.category = &testCategory;
    p.name = "Test - MPEG4 Video";
    p.extensions = ".mp4\0 .m4v\0 .mov\0";
    p.videoCodecCount = 1;
    p.videoCodecs[0] = {"MPEG-4", "mpeg4", "320x240\0", "320K\0 640K\0 Auto\0",
                        "Auto\0 25\0 29.97\0", "Auto\0 4:3\0 16:9\0", 0, 1, 2, 0};
    p.audioCodecCount = 1;
    p.audioCodecs[0] = {"MPEG-4 AAC", "libvo_aacenc", "Auto\0 128K\0 6.7k\0",
                        "44100\0 48000\0", "Stereo\0 Auto\0 Mono\0 5.1\0 auto\0", 1, 1, 0};
    p.positionInCategory = 0;
    testCategory.profiles[0] = &p;
    return p;
  }();
  return profile;
}

Profile& AudioTestProfile() {
  static Profile profile = [] {
    Profile p;
    p.category = &testCategory;
    p.name = "Test - MP3 Audio";
    p.extensions = ".mp3\0";
    p.audioCodecCount = 1;
    p.audioCodecs[0] = {"mp3", "libmp3lame", "128K\0 Auto\0", "44100\0", "Stereo\0", 0, 0, 0};
    p.positionInCategory = 1;
    testCategory.profiles[1] = &p;
    return p;
  }();
  return profile;
}

}  // namespace orva::test

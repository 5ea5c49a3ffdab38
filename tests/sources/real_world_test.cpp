// Everyday sources through one profile of every video encoder and a few
// audio profiles. Every "Success!" must be a file the device plays: it
// decodes, its picture is 8-bit 4:2:0 in video range (DV keeps its own
// format), it is as long as the source can fill, and it has the channels
// the profile asks for. Only jobs that cannot work may fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>

#include "cli_test_support.h"
#include "encoder_test_support.h"
#include "real_world_sources.h"

namespace orva::test {
namespace {

namespace fs = std::filesystem;

struct Conversion {
  const char* name;
  int profileId;
  std::vector<std::string> choices;  // further orva-convert options
  bool video;
  int channels;
};

const Conversion kConversions[] = {
    {"IpodH264", 10000, {}, true, 2},
    {"IpodMpeg4", 10002, {}, true, 2},
    {"BlackBerryH263", 10501, {}, true, 2},
    {"PlaybookWmv8", 10512, {}, true, 2},
    {"AsfMsMpeg4", 11101, {}, true, 2},
    {"AsfWmv7", 11101, {"--video-codec", "Windows Media Video 7"}, true, 2},
    {"Ps3Mpeg2", 10804, {}, true, 2},
    {"Ps3Xvid", 10807, {}, true, 2},
    {"NtscDv", 11103, {}, true, 2},
    {"NtscDvd", 11104, {}, true, 2},
    {"Mpeg1", 11107, {}, true, 2},
    {"RealVideo", 11110, {}, true, 2},
    {"Vcd", 11111, {}, true, 2},
    {"Theora", 11210, {}, true, 2},
    {"Vp8", 11211, {}, true, 2},
    {"Mp3", 11400, {}, false, 2},
    {"Aac", 11401, {}, false, 2},
    {"Ac3Surround", 11402, {"--channels", "5.1"}, false, 6},
    {"Flac", 11502, {}, false, 2},
};

// Names the conversion in test listings instead of its bytes.
void PrintTo(const Conversion& conversion, std::ostream* out) { *out << conversion.name; }

constexpr const char* kSuccess = "Success!";

bool IsDv(const Conversion& conversion) { return conversion.profileId == 11103; }

// Jobs that cannot work: nothing to convert for an audio profile, or no
// picture for DV, whose frames must carry one.
bool CanWork(const Conversion& conversion, const RealWorldSource& source) {
  if (!conversion.video) return source.audioSeconds > 0;
  return !IsDv(conversion) || source.pictureSeconds > 0;
}

// What the output can hold: the picture and the audio for a video profile,
// the audio alone otherwise.
double ExpectedSeconds(const Conversion& conversion, const RealWorldSource& source) {
  if (conversion.video && source.pictureSeconds > 0) {
    return std::max(source.pictureSeconds, source.audioSeconds);
  }
  return source.audioSeconds;
}

// The result word of each output line, keyed by the output's file stem.
std::map<std::string, std::string> Outcomes(const std::string& output, std::map<std::string, std::string>& paths) {
  std::map<std::string, std::string> outcomes;
  std::istringstream lines(output);
  std::string word, path;
  while (lines >> word && std::getline(lines, path)) {
    path.erase(0, path.find_first_not_of(' '));
    const std::string stem = fs::path(path).stem().string();
    outcomes[stem] = word;
    paths[stem] = path;
  }
  return outcomes;
}

void CheckPlayable(const Conversion& conversion, const RealWorldSource& source, const std::string& path) {
  const encoder::test::MediaFacts facts = encoder::test::ProbeMedia(path);
  ASSERT_TRUE(facts.readable) << path;
  EXPECT_TRUE(encoder::test::DecodesCleanly(path)) << path;
  EXPECT_NEAR(facts.duration, ExpectedSeconds(conversion, source), 0.5) << path;
  if (source.audioSeconds > 0) {
    EXPECT_EQ(facts.audioChannels, conversion.channels) << path;
  }
  if (!conversion.video || source.pictureSeconds == 0) {
    EXPECT_EQ(facts.videoCodec, "") << path;
    return;
  }
  if (IsDv(conversion)) return;
  EXPECT_EQ(facts.pixelFormat, "yuv420p") << path;
  EXPECT_NE(facts.colorRange, "pc") << path;
}

class RealWorldTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(RealWorldTest, EverySuccessPlaysAndOnlyImpossibleJobsFail) {
  const std::vector<RealWorldSource>& sources = RealWorldSources();
  ASSERT_FALSE(sources.empty()) << "ffmpeg could not make the sources";
  const Conversion& conversion = GetParam();
  ProgramFolder program{ORVA_ENCODER};
  ScratchFolder out;
  std::vector<std::string> arguments{"--profile", std::to_string(conversion.profileId), "--output-dir",
                                     out.path()};
  arguments.insert(arguments.end(), conversion.choices.begin(), conversion.choices.end());
  for (const RealWorldSource& source : sources) arguments.push_back(RealWorldSourcePath(source));
  const CliResult result = program.run(arguments);

  std::map<std::string, std::string> paths;
  const std::map<std::string, std::string> outcomes = Outcomes(result.out, paths);
  std::map<std::string, int> counts;
  for (const RealWorldSource& source : sources) {
    const std::string stem = fs::path(source.file).stem().string();
    SCOPED_TRACE(source.file);
    const auto outcome = outcomes.find(stem);
    ASSERT_NE(outcome, outcomes.end()) << result.out << result.err;
    ++counts[outcome->second];
    EXPECT_EQ(outcome->second == kSuccess, CanWork(conversion, source)) << outcome->second;
    if (outcome->second == kSuccess) CheckPlayable(conversion, source, paths[stem]);
  }
  std::cout << "outcomes of " << conversion.name << ":";
  for (const auto& [word, count] : counts) std::cout << " " << word << " " << count;
  std::cout << "\n";
}

INSTANTIATE_TEST_SUITE_P(Profiles, RealWorldTest, ::testing::ValuesIn(kConversions),
                         [](const ::testing::TestParamInfo<Conversion>& conversion) {
                           return conversion.param.name;
                         });

}  // namespace
}  // namespace orva::test

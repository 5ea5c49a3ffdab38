#include "real_world_sources.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "media_clip.h"

namespace orva::test {

namespace fs = std::filesystem;

namespace {

struct Recipe {
  RealWorldSource source;
  std::string ffmpegArguments;  // everything before the output path
};

const std::string kPicture = "-f lavfi -i testsrc2=duration=1:";
const std::string kTone = " -f lavfi -i sine=duration=1";
const std::string kH264 = " -c:v libx264 -pix_fmt yuv420p";

std::vector<Recipe> Recipes(const std::string& subtitles) {
  return {
      {{"phone-hevc10.mp4", 1, 1},
       kPicture + "size=640x360:rate=30" + kTone + ":sample_rate=48000" +
           " -c:v libx265 -x265-params log-level=error -pix_fmt yuv420p10le -c:a aac -ac 2"},
      {{"master-422.mov", 1, 1},
       kPicture + "size=960x540:rate=25" + kTone + ":sample_rate=48000" +
           " -c:v prores_ks -profile:v 3 -pix_fmt yuv422p10le -c:a pcm_s24le -ac 2"},
      {{"screen-444.mkv", 1, 1}, kPicture + "size=800x600:rate=15" + kTone + " -c:v libx264 -pix_fmt yuv444p -c:a aac"},
      {{"film-51.mkv", 1, 1},
       kPicture + "size=640x272:rate=24" + kTone + ":sample_rate=48000" + kTone + ":frequency=660" +
           " -i \"" + subtitles + "\" -map 0:v -map 1:a -map 2:a -map 3:s" + kH264 +
           " -c:a:0 ac3 -ac:a:0 6 -c:a:1 aac -ac:a:1 2 -c:s srt"
           " -disposition:a:0 default -disposition:a:1 0"},
      {{"song-cover.mp3", 0, 2},
       "-f lavfi -i sine=duration=2 -f lavfi -i testsrc=size=300x300:duration=1 -map 0 -map 1:v"
       " -frames:v 1 -c:a libmp3lame -c:v mjpeg -disposition:v attached_pic"},
      {{"variable-rate.mkv", 1, 1},
       kPicture + "size=480x270:rate=30" + kTone + " -vf \"select='not(eq(mod(n,4),1))'\"" +
           " -fps_mode vfr" + kH264 + " -c:a aac"},
      {{"interlaced.ts", 1, 1},
       kPicture + "size=720x576:rate=25" + kTone + ":sample_rate=48000" +
           " -c:v mpeg2video -flags +ilme+ildct -top 1 -b:v 4M -c:a mp2 -ac 2"},
      {{"camera-mjpeg.avi", 1, 1},
       kPicture + "size=640x480:rate=30" + kTone + ":sample_rate=22050" +
           " -c:v mjpeg -pix_fmt yuvj422p -q:v 4 -c:a pcm_s16le"},
      {{"hires.flac", 0, 1}, "-f lavfi -i sine=duration=1:sample_rate=96000 -af aformat=sample_fmts=s32 -ac 2"},
      {{"silent.mp4", 1, 0}, kPicture + "size=320x240:rate=25" + kH264},
      {{"tiny.mp4", 0.4, 0.4},
       "-f lavfi -i testsrc2=duration=0.4:size=320x240:rate=25 -f lavfi -i sine=duration=0.4" + kH264 +
           " -c:a aac"},
      {{"wrong-extension.avi", 1, 1}, kPicture + "size=320x240:rate=25" + kTone + kH264 + " -c:a aac -f mp4"},
      {{"short-audio.mp4", 2, 1},
       "-f lavfi -i testsrc2=duration=2:size=320x240:rate=25" + kTone + kH264 + " -c:a aac"},
  };
}

std::string Folder() { return ORVA_MEDIA_DIR; }

// Parallel test processes share the sources; each makes its own copy first
// and the rename makes the first finished one the source.
bool Make(const Recipe& recipe) {
  const std::string path = Folder() + "/" + recipe.source.file;
  if (fs::exists(path)) return true;
  const std::string extension = fs::path(path).extension().string();
  const std::string part = path + ".part-" + std::to_string(getpid()) + extension;
  if (!RunFfmpeg(recipe.ffmpegArguments + " \"" + part + "\"")) return false;
  fs::rename(part, path);
  return true;
}

}  // namespace

std::string RealWorldSourcePath(const RealWorldSource& source) { return Folder() + "/" + source.file; }

const std::vector<RealWorldSource>& RealWorldSources() {
  static const std::vector<RealWorldSource> sources = [] {
    fs::create_directories(Folder());
    const std::string subtitles = Folder() + "/subtitles.srt";
    std::ofstream(subtitles) << "1\n00:00:00,000 --> 00:00:00,500\nHello\n\n"
                                "2\n00:00:00,500 --> 00:00:01,000\nWorld\n";
    std::vector<RealWorldSource> made;
    for (const Recipe& recipe : Recipes(subtitles)) {
      if (!Make(recipe)) return std::vector<RealWorldSource>{};
      made.push_back(recipe.source);
    }
    return made;
  }();
  return sources;
}

}  // namespace orva::test

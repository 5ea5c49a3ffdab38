// What the encoder program keeps of a source beyond its picture and main
// audio, as the ffmpeg arguments it plans: a plain source's command stays
// as it always was, further tracks, subtitles and cover art go where the
// container carries them, and what it cannot carry is named.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/command_line.h"
#include "tools/encoder/encode_plan.h"
#include "tools/encoder/side_files.h"

namespace orva::encoder {
namespace {

using Arguments = std::vector<std::string>;

std::string Stream(int index, const std::string& type, const std::string& codec, const std::string& more = "") {
  return "[STREAM]\nindex=" + std::to_string(index) + "\ncodec_name=" + codec + "\ncodec_type=" + type + "\n" +
         more + "[/STREAM]\n";
}

const std::string kPicture = Stream(0, "video", "h264", "width=320\nheight=240\navg_frame_rate=25/1\n");
const std::string kEnglish = Stream(1, "audio", "aac", "DISPOSITION:default=1\nTAG:language=eng\n");
const std::string kGerman = Stream(2, "audio", "aac", "DISPOSITION:default=0\nTAG:language=ger\n");
const std::string kSubRip = Stream(3, "subtitle", "subrip", "DISPOSITION:default=1\nDISPOSITION:forced=0\n");
const std::string kPgs = Stream(4, "subtitle", "hdmv_pgs_subtitle", "DISPOSITION:forced=1\n");
const std::string kStamped = "[FORMAT]\nTAG:encoder=Lavf59.27.100\n[/FORMAT]\n";
const std::string kTagged = "[FORMAT]\nTAG:title=Song\nTAG:artist=Singer\n[/FORMAT]\n";

std::string Cover(int index, const std::string& codec) {
  return Stream(index, "video", codec, "width=64\nheight=48\nDISPOSITION:attached_pic=1\n");
}

EncodePlan Plan(const std::string& commandLine, const std::string& report, bool withContents = true) {
  const Arguments all = SplitCommandLine(("\"cv.dat\" " + commandLine).c_str());
  EncodeRequest request;
  std::string error;
  EXPECT_EQ(ParseEncodeRequest(Arguments(all.begin() + 1, all.end()), request, error), kParseOk) << error;
  EncodePlan plan;
  const SourceContents contents = withContents ? ReadSourceContents(report) : SourceContents{};
  EXPECT_EQ(PlanEncode(request, ParseSourceReport(report), contents, "/tmp/side", plan, error), kPlanOk) << error;
  return plan;
}

bool Holds(const Arguments& arguments, const Arguments& run) {
  return std::search(arguments.begin(), arguments.end(), run.begin(), run.end()) != arguments.end();
}

bool Says(const EncodePlan& plan, const std::string& line) {
  return std::find(plan.notices.begin(), plan.notices.end(), line) != plan.notices.end();
}

int Maps(const EncodePlan& plan) {
  return static_cast<int>(std::count(plan.outputArguments.begin(), plan.outputArguments.end(), "-map"));
}

TEST(KeepPlanTest, APlainSourceGetsTheCommandItAlwaysGot) {
  const std::string plain = kPicture + kEnglish + kStamped;
  for (const char* command : {"-i a.mkv -y -vcodec mpeg4 -s 320x240 -b 768K -acodec aac -ab 128K o.mp4",
                              "-tracks all -ss 2.000000 -i a.mkv -t 2.000000 -y -vcodec libx264 -acodec aac o.mkv",
                              "-i a.mkv -vn -y -acodec libmp3lame -ab 192K o.mp3"}) {
    const EncodePlan known = Plan(command, plain);
    const EncodePlan unknownContents = Plan(command, plain, false);
    EXPECT_EQ(known.inputArguments, unknownContents.inputArguments) << command;
    EXPECT_EQ(known.outputArguments, unknownContents.outputArguments) << command;
    EXPECT_EQ(known.notices, unknownContents.notices) << command;
    EXPECT_TRUE(known.side.empty());
  }
  EXPECT_EQ(Plan("-i a.mkv -y -vcodec mpeg4 -s 320x240 -b 768K -acodec aac -ab 128K o.avi", plain).outputArguments,
            (Arguments{"-map", "0:0", "-map", "0:1", "-c:v", "mpeg4", "-s", "320x240", "-b:v", "768k", "-vf",
                       "scale=out_range=tv,format=yuv420p", "-c:a", "aac", "-b:a", "128k"}));
}

TEST(KeepPlanTest, GeneralProfilesKeepEveryAudioTrackAndDevicesTheDefaultOne) {
  const std::string film = kPicture + kGerman + kEnglish;  // German first, English the default
  const EncodePlan every = Plan("-tracks all -i a.mkv -y -vcodec libx264 -acodec aac -ab 128K o.mkv", film);
  EXPECT_TRUE(Holds(every.outputArguments, {"-map", "0:0", "-map", "0:2", "-map", "0:1", "-c:v"}));
  EXPECT_TRUE(Holds(every.outputArguments, {"-disposition:a:0", "0", "-disposition:a:1", "default"}));
  EXPECT_TRUE(Holds(every.outputArguments, {"-c:a", "aac", "-b:a", "128k"}));  // one setting for every track
  EXPECT_FALSE(Says(every, "not kept: 1 more audio track (this profile keeps one)"));

  const EncodePlan one = Plan("-i a.mkv -y -vcodec libx264 -acodec aac o.mp4", film);
  EXPECT_EQ(Maps(one), 2);
  EXPECT_TRUE(Holds(one.outputArguments, {"-map", "0:0", "-map", "0:1"}));
  EXPECT_TRUE(Says(one, "not kept: 1 more audio track (this profile keeps one)"));
  EXPECT_TRUE(Says(Plan("-i a.mkv -y -vcodec libx264 -acodec aac o.mp4", film + Stream(5, "audio", "ac3")),
                   "not kept: 2 more audio tracks (this profile keeps one)"));
  // RealMedia and DV take a single audio stream whatever the profile keeps.
  const EncodePlan rm = Plan("-tracks all -i a.mkv -y -vcodec rv20 -acodec ac3 o.rmvb", film);
  EXPECT_EQ(Maps(rm), 2);
  EXPECT_TRUE(Says(rm, "not kept: 1 more audio track (RealMedia holds one)"));
}

TEST(KeepPlanTest, SubtitlesGoWhereTheContainerCarriesThem) {
  const std::string film = kPicture + kEnglish + kSubRip + kPgs;
  const std::string general = "-tracks all -i a.mkv -y -vcodec libx264 -acodec aac ";
  const EncodePlan mkv = Plan(general + "o.mkv", film);
  EXPECT_TRUE(Holds(mkv.outputArguments, {"-map", "0:3", "-map", "0:4"}));
  EXPECT_TRUE(Holds(mkv.outputArguments, {"-c:s:0", "copy", "-disposition:s:0", "default"}));
  EXPECT_TRUE(Holds(mkv.outputArguments, {"-c:s:1", "copy", "-disposition:s:1", "forced"}));

  const EncodePlan mp4 = Plan(general + "o.mp4", film);
  EXPECT_TRUE(Holds(mp4.outputArguments, {"-map", "0:3", "-c:v"}));  // the bitmap track is left out
  EXPECT_TRUE(Holds(mp4.outputArguments, {"-c:s:0", "mov_text"}));
  EXPECT_TRUE(Says(mp4, "not kept: bitmap subtitles (MP4 holds text subtitles only)"));

  const EncodePlan webm = Plan(general + "o.webm", film);
  EXPECT_TRUE(Holds(webm.outputArguments, {"-c:s:0", "webvtt"}));
  EXPECT_TRUE(Says(webm, "not kept: bitmap subtitles (WebM holds WebVTT only)"));

  const EncodePlan avi = Plan(general + "o.avi", film);
  EXPECT_EQ(Maps(avi), 2);
  EXPECT_TRUE(Says(avi, "not kept: subtitles (AVI holds none)"));

  const EncodePlan vob = Plan(general + "o.vob", kPicture + kEnglish + kSubRip + Stream(4, "subtitle", "dvd_subtitle"));
  EXPECT_TRUE(Holds(vob.outputArguments, {"-map", "0:4", "-c:v"}));
  EXPECT_TRUE(Says(vob, "not kept: text subtitles (MPEG holds DVD subtitles only)"));

  EXPECT_TRUE(Says(Plan("-i a.mkv -vn -y -acodec libmp3lame o.mp3", film), "not kept: subtitles (an audio file holds none)"));
}

TEST(KeepPlanTest, OnDevicesASubtitleTrackIsShownByItselfOnlyWhenForced) {
  const std::string film = kPicture + kEnglish + kSubRip + Stream(4, "subtitle", "ass", "DISPOSITION:default=1\nDISPOSITION:forced=1\n");
  const EncodePlan device = Plan("-i a.mkv -y -vcodec libx264 -acodec aac o.mp4", film);
  EXPECT_TRUE(Holds(device.outputArguments, {"-disposition:s:0", "0"}));
  EXPECT_TRUE(Holds(device.outputArguments, {"-disposition:s:1", "forced"}));
  const EncodePlan general = Plan("-tracks all -i a.mkv -y -vcodec libx264 -acodec aac o.mp4", film);
  EXPECT_TRUE(Holds(general.outputArguments, {"-disposition:s:1", "default+forced"}));
}

TEST(KeepPlanTest, ARangeCutsTheSubtitlesInASideFileAndKeepsTheLengthAnOutputOption) {
  const EncodePlan plan = Plan("-tracks all -ss 2.000000 -i a.mkv -t 2.000000 -y -vcodec libx264 -acodec aac o.mkv",
                               kPicture + kEnglish + kSubRip);
  EXPECT_EQ(plan.inputArguments, (Arguments{"-ss", "2.000000", "-i", "a.mkv", "-i", "/tmp/side-subtitles.mkv",
                                            "-t", "2.000000"}));
  EXPECT_TRUE(Holds(plan.outputArguments, {"-map", "1:0", "-c:v"}));
  ASSERT_EQ(plan.side.subtitles.size(), 1u);
  EXPECT_EQ(plan.side.subtitles[0].index, 3);
  EXPECT_EQ(plan.side.seek, "2.000000");
  EXPECT_EQ(plan.side.length, "2.000000");
}

TEST(KeepPlanTest, CoverArtTakesTheContainersOwnWay) {
  const std::string song = Stream(0, "audio", "flac") + Cover(1, "mjpeg") + kTagged;
  const EncodePlan mp3 = Plan("-i a.flac -vn -y -acodec libmp3lame o.mp3", song);
  EXPECT_EQ(mp3.outputArguments,
            (Arguments{"-map", "0:0", "-map", "0:1", "-c:a", "libmp3lame", "-c:v:0", "copy", "-disposition:v:0",
                       "attached_pic", "-id3v2_version", "3"}));
  // A picture players cannot read is stored as JPEG.
  EXPECT_TRUE(Holds(Plan("-i a.flac -vn -y -acodec flac o.flac", Stream(0, "audio", "flac") + Cover(1, "bmp")).outputArguments,
                    {"-c:v:0", "mjpeg"}));

  // In a video profile the cover follows the picture; the picture's options name it alone.
  const EncodePlan video = Plan("-i a.mkv -y -vcodec libx264 -acodec aac o.mp4", kPicture + kEnglish + Cover(2, "png"));
  EXPECT_TRUE(Holds(video.outputArguments, {"-map", "0:0", "-map", "0:1", "-map", "0:2", "-c:v:0", "libx264"}));
  EXPECT_TRUE(Holds(video.outputArguments, {"-filter:v:0", "scale=trunc(iw/2)*2:trunc(ih/2)*2:out_range=tv,format=yuv420p"}));
  EXPECT_FALSE(Holds(video.outputArguments, {"-vf"}));
  EXPECT_TRUE(Holds(video.outputArguments, {"-c:v:1", "copy", "-disposition:v:1", "attached_pic"}));

  const EncodePlan mkv = Plan("-i a.flac -vn -y -acodec libvorbis o.mkv", song);
  EXPECT_EQ(Maps(mkv), 1);
  EXPECT_TRUE(Holds(mkv.outputArguments, {"-attach", "/tmp/side-cover.jpg", "-metadata:s:t", "mimetype=image/jpeg",
                                          "-metadata:s:t", "filename=cover.jpg"}));
  EXPECT_EQ(mkv.side.coverStream, 1);

  const EncodePlan ogg = Plan("-i a.flac -vn -y -acodec libvorbis o.ogg", song);
  EXPECT_EQ(ogg.inputArguments, (Arguments{"-i", "a.flac", "-f", "ffmetadata", "-i", "/tmp/side-comments.txt"}));
  EXPECT_TRUE(Holds(ogg.outputArguments, {"-map_metadata", "0", "-map_metadata:s:a:0", "1:g"}));
  EXPECT_TRUE(Holds(ogg.outputArguments, {"-vn"}));

  EXPECT_TRUE(Says(Plan("-i a.flac -vn -y -acodec wmav2 o.wma", song), "not kept: cover art (ASF holds none)"));
  EXPECT_TRUE(Says(Plan("-i a.flac -vn -y -acodec aac o.aac", song), "not kept: tags (AAC holds none)"));
}

TEST(KeepPlanTest, TheOggPictureCommentIsAFlacPictureBlock) {
  const std::string block = PictureComment(std::string("\xff\xd8\xff", 3), "image/jpeg", 64, 48);
  // type 3, "image/jpeg", no description, 64 x 48 x 24, 3 bytes of picture
  EXPECT_EQ(block, "AAAAAwAAAAppbWFnZS9qcGVnAAAAAAAAAEAAAAAwAAAAGAAAAAAAAAAD/9j/");
  EXPECT_EQ(EscapedMetadata("a=b;c#d\\e"), "a\\=b\\;c\\#d\\\\e");
}

}  // namespace
}  // namespace orva::encoder

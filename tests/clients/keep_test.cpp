// What a source holds beyond its picture and main sound, converted through
// orva-convert and read back by ffprobe and each format's own reference
// tool: further audio languages, subtitles, chapters, tags and cover art
// are kept where the container carries them, cut with the range, and what
// could not be kept is said under the success.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <utility>

#include "cli_test_support.h"
#include "encoder_test_support.h"

namespace orva::test {
namespace {

namespace fs = std::filesystem;
using encoder::test::Quoted;
using encoder::test::RunChild;

void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// Made once per build folder: the rename makes the first finished copy the
// source of every test process.
std::string Source(const std::string& name, const std::function<bool(const std::string&)>& make) {
  const std::string path = std::string(ORVA_MEDIA_DIR) + "/" + name;
  if (!fs::exists(path)) {
    const std::string part = std::string(ORVA_MEDIA_DIR) + "/part-" + std::to_string(getpid()) + "-" + name;
    if (make(part)) fs::rename(part, path);
  }
  return path;
}

const char kCues[] =
    "1\n00:00:00,500 --> 00:00:01,500\nbefore the range\n\n"
    "2\n00:00:02,500 --> 00:00:03,500\ninside the range\n\n"
    "3\n00:00:04,500 --> 00:00:05,500\nafter the range\n";

const char kFilmTags[] =
    ";FFMETADATA1\ntitle=Film Title\nartist=Film Maker\n"
    "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=One\n"
    "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=3000\ntitle=Two\n"
    "[CHAPTER]\nTIMEBASE=1/1000\nSTART=3000\nEND=5000\ntitle=Three\n"
    "[CHAPTER]\nTIMEBASE=1/1000\nSTART=5000\nEND=6000\ntitle=Four\n";

// Six seconds of H.264 with an English and a German AAC track (English the
// default), English SubRip subtitles, four chapters, a title and an artist.
std::string Film() {
  return Source("film.mkv", [](const std::string& path) {
    const std::string cues = path + ".srt", tags = path + ".txt";
    Write(cues, kCues);
    Write(tags, kFilmTags);
    return RunFfmpeg("-f lavfi -i testsrc=size=320x240:rate=25:duration=6 -f lavfi -i sine=f=440:duration=6 "
                     "-f lavfi -i sine=f=660:duration=6 -i " + ShellQuoted(cues) + " -i " + ShellQuoted(tags) +
                     " -map 0 -map 1 -map 2 -map 3 -map_metadata 4 -map_chapters 4 -c:v libx264 -preset ultrafast"
                     " -c:a aac -c:s srt -metadata:s:a:0 language=eng -metadata:s:a:1 language=ger"
                     " -metadata:s:a:1 title=Deutsch -metadata:s:s:0 language=eng -disposition:a:0 default"
                     " -disposition:a:1 0 -disposition:s:0 default " + ShellQuoted(path));
  });
}

// Five seconds of FLAC with title, artist, album and track tags and a JPEG cover.
std::string Song() {
  return Source("song.flac", [](const std::string& path) {
    const std::string cover = path + ".jpg";
    return RunFfmpeg("-f lavfi -i testsrc=size=64x48:duration=1 -frames:v 1 " + ShellQuoted(cover)) &&
           RunFfmpeg("-f lavfi -i sine=duration=5 -i " + ShellQuoted(cover) +
                     " -map 0 -map 1 -c:a flac -c:v copy -disposition:v attached_pic -metadata title=Song"
                     " -metadata artist=Singer -metadata album=Record -metadata track=3 " + ShellQuoted(path));
  });
}

// A clip in MP4 with its cover art (stored as the file's covr box).
std::string ClipWithCover() {
  return Source("covered.mp4", [](const std::string& path) {
    const std::string cover = path + ".jpg";
    return RunFfmpeg("-f lavfi -i testsrc=size=64x48:duration=1 -frames:v 1 " + ShellQuoted(cover)) &&
           RunFfmpeg("-f lavfi -i testsrc=size=320x240:rate=25:duration=2 -f lavfi -i sine=duration=2 -i " +
                     ShellQuoted(cover) + " -map 0 -map 1 -map 2 -c:v libx264 -preset ultrafast -c:a aac"
                     " -c:v:1 copy -disposition:v:1 attached_pic " + ShellQuoted(path));
  });
}

std::string Said(const std::string& command) { return RunChild(command).output; }

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct Converted {
  CliResult result;
  std::string path;
};

class KeepTest : public ::testing::Test {
 protected:
  // Converts `source` with the profile and further options into out_.
  Converted convert(const std::string& source, int profile, const std::string& written,
                    std::vector<std::string> more = {}) {
    std::vector<std::string> arguments{"--profile", std::to_string(profile), "--output-dir", out_.path()};
    arguments.insert(arguments.end(), more.begin(), more.end());
    arguments.push_back(source);
    Converted converted{program_.run(arguments), out_.file(written)};
    EXPECT_EQ(converted.result.status, 0) << converted.result.err;
    return converted;
  }

  // The result lines orva-convert prints for a success with that note.
  std::string success(const std::string& path, const std::string& note = "") const {
    return "Success!  " + path + "\n" + (note.empty() ? "" : std::string(10, ' ') + note + "\n");
  }

  ProgramFolder program_{ORVA_ENCODER};
  ScratchFolder out_;
};

TEST_F(KeepTest, AGeneralMatroskaFilmKeepsBothLanguagesSubtitlesChaptersAndTags) {
  const Converted mkv = convert(Film(), 11100, "film.mkv");
  EXPECT_EQ(mkv.result.out, success(mkv.path));
  const std::string tracks = Said("mkvmerge -J " + Quoted(mkv.path));
  std::cout << tracks.substr(0, 4000) << "\n";
  EXPECT_TRUE(Holds(tracks, "\"codec\": \"SubRip/SRT\""));
  EXPECT_TRUE(Holds(tracks, "\"language\": \"ger\""));
  EXPECT_TRUE(Holds(tracks, "\"track_name\": \"Deutsch\""));
  EXPECT_TRUE(Holds(tracks, "\"num_entries\": 4"));  // the chapters
  const std::string info = Said("mkvinfo " + Quoted(mkv.path));
  EXPECT_TRUE(Holds(info, "Film Title"));
  EXPECT_TRUE(Holds(info, "Three"));
  const std::string probe = Said("ffprobe -v error -show_entries stream=codec_type:stream_disposition=default -of csv " +
                                 Quoted(mkv.path));
  // The English track stays the default, the German one is not.
  EXPECT_TRUE(Holds(probe, "stream,audio,1\nstream,audio,0\nstream,subtitle,1")) << probe;
}

TEST_F(KeepTest, AGeneralMp4FilmGetsMovTextSubtitlesAndBothLanguages) {
  const Converted mp4 = convert(Film(), 11106, "film.mp4");
  EXPECT_EQ(mp4.result.out, success(mp4.path));
  const std::string counts = Said("mediainfo " + Quoted("--Inform=General;%AudioCount%|%TextCount%|%Title%") + " " +
                                  Quoted(mp4.path));
  EXPECT_TRUE(Holds(counts, "2|1|Film Title")) << counts;
  const std::string audio = Said("mediainfo " + Quoted("--Inform=Audio;%Language%,%Title%,%Default%/") + " " +
                                 Quoted(mp4.path));
  EXPECT_TRUE(Holds(audio, "en,,Yes/de,Deutsch,No/")) << audio;
  const std::string text = Said("mediainfo " + Quoted("--Inform=Text;%Format%,%Language%/") + " " + Quoted(mp4.path));
  EXPECT_TRUE(Holds(text, "Timed Text,en/")) << text;
  EXPECT_TRUE(Holds(Said("mediainfo " + Quoted(mp4.path)), "Three"));  // a chapter
}

TEST_F(KeepTest, AviKeepsBothLanguagesAndSaysWhatItCannotHold) {
  const Converted avi = convert(Film(), 11102, "film.avi");
  EXPECT_EQ(avi.result.out, success(avi.path, "not kept: subtitles (AVI holds none); chapters (AVI holds none)"));
  EXPECT_EQ(Said("ffprobe -v error -select_streams a -show_entries stream=index -of csv=p=0 " + Quoted(avi.path)),
            "1\n2\n");
}

TEST_F(KeepTest, ADeviceKeepsTheDefaultLanguageAndNeverShowsSubtitlesByItself) {
  const Converted ipod = convert(Film(), 10000, "film.mp4");
  EXPECT_EQ(ipod.result.out, success(ipod.path, "not kept: 1 more audio track (this profile keeps one)"));
  EXPECT_EQ(Said("mediainfo " + Quoted("--Inform=Audio;%Language%/") + " " + Quoted(ipod.path)), "en/\n");
  EXPECT_EQ(Said("mediainfo " + Quoted("--Inform=Text;%Format%,%Language%/") + " " + Quoted(ipod.path)),
            "Timed Text,en/\n");
  // The source marks its subtitles default; on the web they are not.
  const Converted webm = convert(Film(), 11211, "film.webm");
  const std::string tracks = Said("mkvmerge -J " + Quoted(webm.path));
  const std::size_t subtitles = tracks.find("\"codec\": \"D_WEBVTT/SUBTITLES\"");
  ASSERT_NE(subtitles, std::string::npos) << tracks;
  EXPECT_TRUE(Holds(tracks.substr(subtitles, 200), "\"default_track\": false")) << tracks.substr(subtitles, 200);
}

// The start of each cue in seconds, and its text, from a SubRip rendering.
std::vector<std::pair<double, std::string>> Cues(const std::string& path) {
  const std::string srt = Said("ffmpeg -v error -i " + Quoted(path) + " -map 0:s:0 -f srt -");
  std::vector<std::pair<double, std::string>> cues;
  std::istringstream lines(srt);
  for (std::string line; std::getline(lines, line);) {
    int h = 0, m = 0, sec = 0, ms = 0;
    if (std::sscanf(line.c_str(), "%d:%d:%d,%d -->", &h, &m, &sec, &ms) != 4) continue;
    std::string text;
    std::getline(lines, text);
    cues.emplace_back(h * 3600 + m * 60 + sec + ms / 1000.0, text);
  }
  return cues;
}

TEST_F(KeepTest, ARangeKeepsTheChaptersAndCuesInsideItAtTheirShiftedTimes) {
  const Converted cut = convert(Film(), 11100, "film.mkv", {"--begin", "2", "--end", "4"});
  const std::string chapters =
      Said("ffprobe -v error -show_entries chapter=start_time,end_time:chapter_tags=title -of csv=p=0 " + Quoted(cut.path));
  EXPECT_EQ(chapters, "0.000000,1.000000,Two\n1.000000,2.000000,Three\n");
  EXPECT_TRUE(Holds(Said("mkvinfo " + Quoted(cut.path)), "Three"));
  // Only the cue inside the range is left, 2 s earlier than in the source
  // (within a frame: each muxer delays its streams by the encoder's own start).
  const auto before = Cues(Film());
  const auto after = Cues(cut.path);
  ASSERT_EQ(before.size(), 3u);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].second, "inside the range");
  EXPECT_NEAR(after[0].first, before[1].first - 2, 0.04);
}

TEST_F(KeepTest, ARangeWithoutACueKeepsAnEmptySubtitleTrack) {
  const Converted cut = convert(Film(), 11106, "film.mp4", {"--begin", "5.7", "--end", "6"});
  EXPECT_EQ(cut.result.out, success(cut.path));
  EXPECT_TRUE(Holds(Said("ffprobe -v error -show_entries stream=codec_name -of csv=p=0 " + Quoted(cut.path)), "mov_text"));
  EXPECT_TRUE(Cues(cut.path).empty());
}

TEST_F(KeepTest, AnMp3SongGetsItsCoverAndTagsAsId3v23) {
  const Converted mp3 = convert(Song(), 11400, "song.mp3");
  EXPECT_EQ(mp3.result.out, success(mp3.path));
  std::ifstream in(mp3.path, std::ios::binary);
  char head[4] = {};
  in.read(head, 4);
  EXPECT_EQ(std::string(head, 4), std::string("ID3\x03", 4));
  const std::string general = Said("mediainfo " + Quoted("--Inform=General;%Cover%|%Title%|%Performer%|%Album%|%Track/Position%") +
                                   " " + Quoted(mp3.path));
  EXPECT_EQ(general, "Yes|Song|Singer|Record|3\n");
  EXPECT_EQ(Said("ffprobe -v error -show_entries stream=codec_name:stream_disposition=attached_pic -of csv=p=0 " +
                 Quoted(mp3.path)),
            "mp3,0\nmjpeg,1\n");
}

TEST_F(KeepTest, FlacM4aAndOggCarryTheCoverEachInItsOwnWay) {
  const Converted flac = convert(Song(), 11502, "song.flac");
  EXPECT_EQ(flac.result.out, success(flac.path));
  const std::string blocks = Said("metaflac --list " + Quoted(flac.path));
  EXPECT_TRUE(Holds(blocks, "type: 6 (PICTURE)"));
  EXPECT_TRUE(Holds(blocks, "MIME type: image/jpeg"));
  EXPECT_TRUE(Holds(blocks, "ALBUM=Record") || Holds(blocks, "album=Record")) << blocks;

  const Converted m4a = convert(Song(), 11405, "song.m4a");
  EXPECT_EQ(m4a.result.out, success(m4a.path));
  EXPECT_EQ(Said("mediainfo " + Quoted("--Inform=General;%Cover%|%Title%|%Album%") + " " + Quoted(m4a.path)),
            "Yes|Song|Record\n");

  const Converted ogg = convert(Song(), 11407, "song.ogg");
  EXPECT_EQ(ogg.result.out, success(ogg.path));
  const std::string comments = Said("vorbiscomment -l " + Quoted(ogg.path));
  EXPECT_TRUE(Holds(comments, "METADATA_BLOCK_PICTURE=AAAAAwAAAAppbWFnZS9qcGVn")) << comments.substr(0, 300);
  EXPECT_TRUE(Holds(comments, "title=Song"));
  // ffprobe reads the comment back as the picture it is.
  EXPECT_TRUE(Holds(Said("ffprobe -v error -show_entries stream=codec_name -of csv=p=0 " + Quoted(ogg.path)), "mjpeg"));
}

TEST_F(KeepTest, WindowsMediaAudioKeepsTheTagsAndSaysTheCoverIsLeft) {
  const Converted wma = convert(Song(), 11410, "song.wma");
  EXPECT_EQ(wma.result.out, success(wma.path, "not kept: cover art (ASF holds none)"));
  EXPECT_EQ(Said("mediainfo " + Quoted("--Inform=General;%VideoCount%|%Title%|%Album%") + " " + Quoted(wma.path)),
            "|Song|Record\n");
}

TEST_F(KeepTest, CoverArtInAVideoProfileIsNeverASecondPicture) {
  const Converted mkv = convert(Song(), 11100, "song.mkv");
  const std::string tracks = Said("mkvmerge -J " + Quoted(mkv.path));
  EXPECT_TRUE(Holds(tracks, "\"file_name\": \"cover.jpg\""));
  EXPECT_TRUE(Holds(tracks, "\"content_type\": \"image/jpeg\""));
  EXPECT_FALSE(Holds(tracks, "\"type\": \"video\""));

  const Converted mp4 = convert(ClipWithCover(), 11106, "covered.mp4");
  EXPECT_EQ(mp4.result.out, success(mp4.path));
  EXPECT_EQ(Said("mediainfo " + Quoted("--Inform=General;%Cover%|%VideoCount%") + " " + Quoted(mp4.path)), "Yes|1\n");
}

TEST_F(KeepTest, TheEncoderWithoutFactsReadsTheWholeSourceInOneProbe) {
  // The window hands on no facts: chapters alone must still be noticed.
  const std::string source = out_.file("chapters.mkv");
  Write(out_.file("chapters.txt"), ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=Only\n");
  ASSERT_TRUE(RunFfmpeg("-f lavfi -i testsrc=size=160x120:duration=1 -f lavfi -i sine=duration=1 -i " +
                        ShellQuoted(out_.file("chapters.txt")) + " -map 0 -map 1 -map_chapters 2 -c:v mpeg4 -c:a aac " +
                        ShellQuoted(source)));
  const auto run = RunChild(Quoted(encoder::test::EncoderProgram()) + " -i " + Quoted(source) +
                            " -y -vcodec mpeg4 -acodec libmp3lame " + Quoted(out_.file("o.avi")));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(Holds(run.output, "not kept: chapters (AVI holds none)\n")) << run.output;
}

TEST_F(KeepTest, ADryRunShowsTheMappingAndTheNote) {
  const CliResult dry = program_.run({"--profile", "11102", "--output-dir", out_.path(), "--dry-run", Film()});
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_TRUE(Holds(dry.out, " -map 0:0 -map 0:1 -map 0:2 ")) << dry.out;
  EXPECT_TRUE(Holds(dry.out, "\n  not kept: subtitles (AVI holds none)\n")) << dry.out;
  EXPECT_EQ(out_.fileCount(), 0);
}

}  // namespace
}  // namespace orva::test

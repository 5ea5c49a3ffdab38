// Everything in a source beyond its picture and main audio, as far as the
// encoder program decides what to keep: every stream with its codec, flags,
// language and title, whether the file carries tags, and its chapters.
#pragma once

#include <string>
#include <vector>

namespace orva::encoder {

enum class StreamKind { Picture, Cover, Audio, TextSubtitle, BitmapSubtitle, Other };

struct SourceStream {
  int index = 0;
  StreamKind kind = StreamKind::Other;
  std::string codec;      // ffmpeg's name, e.g. "subrip", "mjpeg"
  int width = 0, height = 0;
  bool isDefault = false;
  bool forced = false;
  std::string language;   // the stream's language tag, or ""
  std::string title;
};

struct SourceContents {
  bool known = false;  // read from a report that holds streams
  std::vector<SourceStream> streams;
  bool tags = false;   // the file carries tags of its own (title, artist, ...)
  int chapters = 0;
};

// Reads a probe report made with -show_streams -show_chapters -show_format.
SourceContents ReadSourceContents(const std::string& report);

// Runs the probe program for that report; unknown contents when it fails.
SourceContents ProbeSourceContents(const std::string& path);

// The streams of one kind, in source order.
std::vector<SourceStream> StreamsOf(const SourceContents& contents, StreamKind kind);

}  // namespace orva::encoder

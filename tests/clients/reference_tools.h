// The reference tools of each format, run on a finished file: what the
// tool said, shortened to one line, and whether it read the file without a
// complaint.
#pragma once

#include <string>

namespace orva::test {

struct Reading {
  bool clean = false;  // the tool read the file and complained about nothing
  std::string said;    // the tool's findings on one line
};

// mediainfo: "<format> (<profile>); video <format> [<codec id>]; audio
// <format>, <n> ch" for the streams the file has.
Reading ReadWithMediaInfo(const std::string& path);

// mkvmerge --identify: "container: <name>; video (<codec>), audio (<codec>)".
Reading ReadWithMkvMerge(const std::string& path);

// mkvinfo: "document type <type>, <n> tracks".
Reading ReadWithMkvInfo(const std::string& path);

// ogginfo (vorbis-tools): "<type> stream <length>, ..." per logical stream.
Reading ReadWithOggInfo(const std::string& path);

// mp3val: its summary line ("45 MPEG frames (MPEG 1 Layer III), ...").
Reading ReadWithMp3Val(const std::string& path);

// flac --test: "ok" when every frame decodes and the checksum matches.
Reading ReadWithFlac(const std::string& path);

// sox --i, then a full decode: "<file type>, <rate> Hz, <n> ch, <encoding>".
Reading ReadWithSox(const std::string& path);

// The top-level boxes in file order: "ftyp moov free mdat"; clean when the
// index comes before the data.
Reading ReadBoxes(const std::string& path);

}  // namespace orva::test

#include "tools/encoder/source_contents.h"

#include <cstdlib>

#include "engine/source_facts.h"

namespace orva::encoder {

namespace {

using orva::StreamSection;

bool IsTextSubtitle(const std::string& codec) {
  return codec == "subrip" || codec == "srt" || codec == "ass" || codec == "ssa" || codec == "webvtt" ||
         codec == "mov_text" || codec == "text";
}

bool IsBitmapSubtitle(const std::string& codec) {
  return codec == "hdmv_pgs_subtitle" || codec == "dvd_subtitle" || codec == "dvb_subtitle";
}

StreamKind KindOf(const StreamSection& section) {
  const std::string type = ValueOf(section, "codec_type");
  const std::string codec = ValueOf(section, "codec_name");
  if (type == "video") {
    return ValueOf(section, "DISPOSITION:attached_pic") == "1" ? StreamKind::Cover : StreamKind::Picture;
  }
  if (type == "audio") return StreamKind::Audio;
  if (type == "subtitle" && IsTextSubtitle(codec)) return StreamKind::TextSubtitle;
  if (type == "subtitle" && IsBitmapSubtitle(codec)) return StreamKind::BitmapSubtitle;
  return StreamKind::Other;
}

SourceStream StreamOf(const StreamSection& section) {
  SourceStream stream;
  stream.index = std::atoi(ValueOf(section, "index").c_str());
  stream.kind = KindOf(section);
  stream.codec = ValueOf(section, "codec_name");
  stream.width = std::atoi(ValueOf(section, "width").c_str());
  stream.height = std::atoi(ValueOf(section, "height").c_str());
  stream.isDefault = ValueOf(section, "DISPOSITION:default") == "1";
  stream.forced = ValueOf(section, "DISPOSITION:forced") == "1";
  stream.language = ValueOf(section, "TAG:language");
  stream.title = ValueOf(section, "TAG:title");
  return stream;
}

}  // namespace

SourceContents ReadSourceContents(const std::string& report) {
  SourceContents contents;
  for (const StreamSection& section : ReadStreamSections(report)) contents.streams.push_back(StreamOf(section));
  contents.known = !contents.streams.empty();
  for (const StreamSection& format : ReadSections(report, "FORMAT")) contents.tags = contents.tags || HasUserTags(format);
  contents.chapters = static_cast<int>(ReadSections(report, "CHAPTER").size());
  return contents;
}

std::vector<SourceStream> StreamsOf(const SourceContents& contents, StreamKind kind) {
  std::vector<SourceStream> found;
  for (const SourceStream& stream : contents.streams) {
    if (stream.kind == kind) found.push_back(stream);
  }
  return found;
}

}  // namespace orva::encoder

#include "tools/probe/probe_report.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

#include <cinttypes>
#include <cstdio>

namespace orva::probe {

namespace {

void Line(std::string& out, const char* key, const std::string& value) {
  out += key;
  out += '=';
  out += value;
  out += '\n';
}

std::string Integer(std::int64_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "%" PRId64, value);
  return text;
}

std::string Fraction(AVRational value) {
  char text[32];
  std::snprintf(text, sizeof text, "%d/%d", value.num, value.den);
  return text;
}

// A length in seconds with six decimals ("%f" in the "C" number format, which
// this program never leaves); a length of 0 is unknown, like ffprobe's.
std::string Duration(std::int64_t ticks, AVRational timeBase) {
  if (ticks == 0 || ticks == AV_NOPTS_VALUE) return "N/A";
  char text[64];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(ticks) * av_q2d(timeBase));
  return text;
}

std::string BitRate(std::int64_t bitRate) { return bitRate > 0 ? Integer(bitRate) : "N/A"; }

void Tags(std::string& out, const AVDictionary* tags) {
  const AVDictionaryEntry* tag = nullptr;
  while ((tag = av_dict_get(tags, "", tag, AV_DICT_IGNORE_SUFFIX)) != nullptr) {
    Line(out, (std::string("TAG:") + tag->key).c_str(), tag->value);
  }
}

// Every disposition the library names, in the order of its flags.
void Dispositions(std::string& out, int disposition) {
  for (int bit = 0; bit < 31; ++bit) {
    const char* name = av_disposition_to_string(1 << bit);
    if (name == nullptr) continue;
    Line(out, (std::string("DISPOSITION:") + name).c_str(), (disposition & (1 << bit)) ? "1" : "0");
  }
}

void PictureSize(std::string& out, const AVCodecParameters& codec, bool unknownWhenZero) {
  Line(out, "width", unknownWhenZero && codec.width == 0 ? "N/A" : Integer(codec.width));
  Line(out, "height", unknownWhenZero && codec.height == 0 ? "N/A" : Integer(codec.height));
}

void Stream(std::string& out, const AVStream& stream) {
  const AVCodecParameters& codec = *stream.codecpar;
  const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec.codec_id);
  const char* type = av_get_media_type_string(codec.codec_type);
  out += "[STREAM]\n";
  Line(out, "index", Integer(stream.index));
  Line(out, "codec_name", descriptor != nullptr ? descriptor->name : "unknown");
  Line(out, "codec_type", type != nullptr ? type : "unknown");
  if (codec.codec_type == AVMEDIA_TYPE_VIDEO) PictureSize(out, codec, false);
  if (codec.codec_type == AVMEDIA_TYPE_SUBTITLE) PictureSize(out, codec, true);
  if (codec.codec_type == AVMEDIA_TYPE_AUDIO) {
    Line(out, "sample_rate", Integer(codec.sample_rate));
    Line(out, "channels", Integer(codec.ch_layout.nb_channels));
  }
  Line(out, "r_frame_rate", Fraction(stream.r_frame_rate));
  Line(out, "avg_frame_rate", Fraction(stream.avg_frame_rate));
  Line(out, "time_base", Fraction(stream.time_base));
  Line(out, "duration", Duration(stream.duration, stream.time_base));
  Line(out, "bit_rate", BitRate(codec.bit_rate));
  Dispositions(out, stream.disposition);
  Tags(out, stream.metadata);
  out += "[/STREAM]\n";
}

void Format(std::string& out, const AVFormatContext& format, const char* path) {
  out += "[FORMAT]\n";
  Line(out, "filename", path);
  Line(out, "nb_streams", Integer(format.nb_streams));
  Line(out, "format_name", format.iformat->name);
  Line(out, "duration", Duration(format.duration, AVRational{1, AV_TIME_BASE}));
  Line(out, "bit_rate", BitRate(format.bit_rate));
  Tags(out, format.metadata);
  out += "[/FORMAT]\n";
}

std::string Failure(const char* path, int error) {
  char reason[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(error, reason, sizeof reason);
  return std::string(path) + ": " + reason + "\n";
}

}  // namespace

std::string ProbeReport(const char* path) {
  AVFormatContext* format = nullptr;
  AVDictionary* options = nullptr;
  // As ffprobe opens its input: every program of a transport stream is read.
  av_dict_set(&options, "scan_all_pmts", "1", AV_DICT_DONT_OVERWRITE);
  int error = avformat_open_input(&format, path, nullptr, &options);
  av_dict_free(&options);
  if (error < 0) return Failure(path, error);
  error = avformat_find_stream_info(format, nullptr);
  if (error < 0) {
    avformat_close_input(&format);
    return Failure(path, error);
  }
  std::string report;
  for (unsigned i = 0; i < format->nb_streams; ++i) Stream(report, *format->streams[i]);
  Format(report, *format, path);
  avformat_close_input(&format);
  return report;
}

}  // namespace orva::probe

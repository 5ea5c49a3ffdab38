#include "tools/encoder/keep_plan.h"

namespace orva::encoder {

namespace {

using K = ContainerKind;

enum class CoverWay { None, Stream, Attachment, Comment };
enum class TextWay { None, Copy, MovText, WebVtt };
enum class BitmapWay { None, All, DvdOnly };

// What each container carries, as Debian's ffmpeg 5.1 writes it.
struct Carrying {
  const char* name;
  CoverWay cover;
  bool tags;
  bool chapters;
  TextWay text;
  BitmapWay bitmap;
};

Carrying CarryingOf(K kind) {
  switch (kind) {
    case K::Mp4: return {"MP4", CoverWay::Stream, true, true, TextWay::MovText, BitmapWay::None};
    case K::Ipod: return {"MP4", CoverWay::Stream, true, true, TextWay::MovText, BitmapWay::None};
    case K::Mov: return {"QuickTime", CoverWay::None, true, true, TextWay::MovText, BitmapWay::None};
    case K::ThreeGp: return {"3GP", CoverWay::None, true, true, TextWay::MovText, BitmapWay::None};
    case K::ThreeG2: return {"3G2", CoverWay::None, true, true, TextWay::MovText, BitmapWay::None};
    case K::Matroska: return {"Matroska", CoverWay::Attachment, true, true, TextWay::Copy, BitmapWay::All};
    case K::WebM: return {"WebM", CoverWay::None, true, true, TextWay::WebVtt, BitmapWay::None};
    case K::Ogg: return {"Ogg", CoverWay::Comment, true, false, TextWay::None, BitmapWay::None};
    case K::Mp3: return {"MP3", CoverWay::Stream, true, true, TextWay::None, BitmapWay::None};
    case K::Flac: return {"FLAC", CoverWay::Stream, true, false, TextWay::None, BitmapWay::None};
    case K::Asf: return {"ASF", CoverWay::None, true, true, TextWay::None, BitmapWay::None};
    case K::Avi: return {"AVI", CoverWay::None, true, false, TextWay::None, BitmapWay::None};
    case K::MpegPs: return {"MPEG", CoverWay::None, false, false, TextWay::None, BitmapWay::DvdOnly};
    case K::MpegTs: return {"MPEG-TS", CoverWay::None, false, false, TextWay::None, BitmapWay::None};
    case K::Dv: return {"DV", CoverWay::None, false, false, TextWay::None, BitmapWay::None};
    case K::RealMedia: return {"RealMedia", CoverWay::None, true, false, TextWay::None, BitmapWay::None};
    case K::Au: return {"AU", CoverWay::None, true, false, TextWay::None, BitmapWay::None};
    case K::Wav: return {"WAV", CoverWay::None, true, false, TextWay::None, BitmapWay::None};
    case K::Aiff: return {"AIFF", CoverWay::None, true, false, TextWay::None, BitmapWay::None};
    case K::Adts: return {"AAC", CoverWay::None, false, false, TextWay::None, BitmapWay::None};
    case K::Ac3: return {"AC-3", CoverWay::None, false, false, TextWay::None, BitmapWay::None};
    case K::Mp2: return {"MP2", CoverWay::None, false, false, TextWay::None, BitmapWay::None};
    case K::Other: break;
  }
  return {"this format", CoverWay::None, true, false, TextWay::None, BitmapWay::None};
}

std::string Index(int number) { return std::to_string(number); }

// The input number a side file added now gets: the source is input 0.
std::string NextInput(const KeepPlan& plan) {
  int inputs = 1;
  for (const std::string& argument : plan.extraInputs) inputs += argument == "-i" ? 1 : 0;
  return Index(inputs);
}

void NotKept(KeepPlan& plan, const std::string& what, const std::string& why) {
  plan.notKept.push_back("not kept: " + what + " (" + why + ")");
}

std::string Holds(const Carrying& carrying, const std::string& what) {
  return std::string(carrying.name) + " holds " + what;
}

// RealMedia and DV muxers take a single audio stream.
bool HoldsOneAudioTrack(K kind) { return kind == K::RealMedia || kind == K::Dv; }

void KeepAudio(const KeepRules& rules, const SourceContents& contents, const Carrying& carrying, K kind,
               KeepPlan& plan) {
  const std::vector<SourceStream> tracks = StreamsOf(contents, StreamKind::Audio);
  if (!rules.everyAudioTrack || tracks.size() < 2 || HoldsOneAudioTrack(kind)) {
    if (rules.mainAudio != kNoStream) plan.maps.insert(plan.maps.end(), {"-map", "0:" + Index(rules.mainAudio)});
    if (tracks.size() > 1) {
      const std::size_t left = tracks.size() - 1;
      NotKept(plan, Index(static_cast<int>(left)) + (left == 1 ? " more audio track" : " more audio tracks"),
              rules.everyAudioTrack ? Holds(carrying, "one") : "this profile keeps one");
    }
    return;
  }
  int written = 0;
  for (const SourceStream& track : tracks) {
    plan.maps.insert(plan.maps.end(), {"-map", "0:" + Index(track.index)});
    // The source's default track stays the default, whatever the muxer
    // would infer.
    const bool isDefault = track.index == rules.mainAudio;
    plan.streamArguments.insert(plan.streamArguments.end(),
                                {"-disposition:a:" + Index(written++), isDefault ? "default" : "0"});
  }
}

bool TextFits(const Carrying& carrying) { return carrying.text != TextWay::None; }

bool BitmapFits(const Carrying& carrying, const SourceStream& stream) {
  if (carrying.bitmap == BitmapWay::All) return true;
  return carrying.bitmap == BitmapWay::DvdOnly && stream.codec == "dvd_subtitle";
}

// What a subtitle track's flags become: as the source's under the general
// rule; on devices and the web only a forced track is shown by itself.
std::string SubtitleDisposition(const KeepRules& rules, const SourceStream& stream) {
  if (!rules.everyAudioTrack) return stream.forced ? "forced" : "0";
  if (stream.isDefault && stream.forced) return "default+forced";
  if (stream.isDefault) return "default";
  return stream.forced ? "forced" : "0";
}

std::string SubtitleCodec(const Carrying& carrying, const SourceStream& stream, bool alreadyCut) {
  switch (carrying.text) {
    case TextWay::MovText: return "mov_text";
    case TextWay::WebVtt: return "webvtt";
    default: break;
  }
  // Matroska copies every subtitle codec but mov_text, which it cannot store;
  // the cut file holds that one as SubRip already.
  return stream.codec == "mov_text" && !alreadyCut ? "srt" : "copy";
}

void NoteDroppedSubtitles(const Carrying& carrying, bool writesVideo, int text, int bitmap, KeepPlan& plan) {
  if (text + bitmap == 0) return;
  if (!writesVideo) {
    NotKept(plan, "subtitles", "an audio file holds none");
  } else if (carrying.text == TextWay::None && carrying.bitmap == BitmapWay::None) {
    NotKept(plan, "subtitles", Holds(carrying, "none"));
  } else {
    const char* held = carrying.text == TextWay::MovText   ? "text subtitles only"
                       : carrying.text == TextWay::WebVtt ? "WebVTT only"
                                                           : "DVD subtitles only";
    if (text > 0) NotKept(plan, "text subtitles", Holds(carrying, held));
    if (bitmap > 0) NotKept(plan, "bitmap subtitles", Holds(carrying, held));
  }
}

void KeepSubtitles(const KeepRules& rules, const SourceContents& contents, const Carrying& carrying,
                   KeepPlan& plan) {
  std::vector<SourceStream> kept;
  int droppedText = 0, droppedBitmap = 0;
  for (const SourceStream& stream : contents.streams) {
    const bool text = stream.kind == StreamKind::TextSubtitle;
    const bool bitmap = stream.kind == StreamKind::BitmapSubtitle;
    if (!text && !bitmap) continue;
    const bool fits = rules.writesVideo && (text ? TextFits(carrying) : BitmapFits(carrying, stream));
    if (fits) {
      kept.push_back(stream);
    } else {
      (text ? droppedText : droppedBitmap)++;
    }
  }
  NoteDroppedSubtitles(carrying, rules.writesVideo, droppedText, droppedBitmap, plan);
  if (kept.empty()) return;
  const bool cut = !rules.seek.empty();
  if (cut) {
    plan.side.subtitles = kept;
    plan.side.subtitleFile = rules.sideStem + "-subtitles.mkv";
  }
  const std::string input = NextInput(plan);
  if (cut) plan.extraInputs.insert(plan.extraInputs.end(), {"-i", plan.side.subtitleFile});
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const std::string from = cut ? input + ":" + Index(static_cast<int>(i)) : "0:" + Index(kept[i].index);
    plan.maps.insert(plan.maps.end(), {"-map", from});
    const std::string outputStream = ":s:" + Index(static_cast<int>(i));
    plan.streamArguments.insert(plan.streamArguments.end(),
                                {"-c" + outputStream, SubtitleCodec(carrying, kept[i], cut),
                                 "-disposition" + outputStream, SubtitleDisposition(rules, kept[i])});
  }
}

void KeepCoverAsStream(const KeepRules& rules, const SourceStream& cover, KeepPlan& plan) {
  plan.maps.insert(plan.maps.end(), {"-map", "0:" + Index(cover.index)});
  plan.coverIsStream = true;
  const std::string outputStream = rules.writesVideo ? ":v:1" : ":v:0";
  // JPEG and PNG are stored as they are; players read no other picture.
  const bool stored = cover.codec == "mjpeg" || cover.codec == "png";
  plan.streamArguments.insert(plan.streamArguments.end(),
                              {"-c" + outputStream, stored ? "copy" : "mjpeg", "-disposition" + outputStream, "attached_pic"});
}

void ExtractCover(const KeepRules& rules, const SourceStream& cover, KeepPlan& plan) {
  plan.side.coverStream = cover.index;
  plan.side.coverIsJpeg = cover.codec == "mjpeg";
  plan.side.coverWidth = cover.width;
  plan.side.coverHeight = cover.height;
  plan.side.coverFile = rules.sideStem + "-cover.jpg";
}

// Matroska players look for an attachment named cover.jpg.
void KeepCoverAsAttachment(const KeepRules& rules, const SourceStream& cover, KeepPlan& plan) {
  ExtractCover(rules, cover, plan);
  plan.fileArguments.insert(plan.fileArguments.end(),
                            {"-attach", plan.side.coverFile, "-metadata:s:t", "mimetype=image/jpeg",
                             "-metadata:s:t", "filename=cover.jpg"});
}

// Ogg cannot take the picture stream; Ogg players read the picture from
// the audio stream's comments. The comments of that stream come from a
// side file, so its language and title go there too.
void KeepCoverAsComment(const KeepRules& rules, const SourceContents& contents, const SourceStream& cover,
                        KeepPlan& plan) {
  if (rules.mainAudio == kNoStream) {
    NotKept(plan, "cover art", "Ogg keeps it in the audio's comments and there is no audio");
    return;
  }
  ExtractCover(rules, cover, plan);
  for (const SourceStream& stream : contents.streams) {
    if (stream.index != rules.mainAudio) continue;
    plan.side.audioLanguage = stream.language;
    plan.side.audioTitle = stream.title;
  }
  plan.side.metadataFile = rules.sideStem + "-comments.txt";
  const std::string input = NextInput(plan);
  plan.extraInputs.insert(plan.extraInputs.end(), {"-f", "ffmetadata", "-i", plan.side.metadataFile});
  plan.fileArguments.insert(plan.fileArguments.end(), {"-map_metadata", "0", "-map_metadata:s:a:0", input + ":g"});
}

void KeepCover(const KeepRules& rules, const SourceContents& contents, const Carrying& carrying, KeepPlan& plan) {
  const std::vector<SourceStream> covers = StreamsOf(contents, StreamKind::Cover);
  if (covers.empty()) return;
  const SourceStream& cover = covers.front();
  switch (carrying.cover) {
    case CoverWay::Stream: KeepCoverAsStream(rules, cover, plan); break;
    case CoverWay::Attachment: KeepCoverAsAttachment(rules, cover, plan); break;
    case CoverWay::Comment: KeepCoverAsComment(rules, contents, cover, plan); break;
    case CoverWay::None: NotKept(plan, "cover art", Holds(carrying, "none")); break;
  }
}

void KeepTagsAndChapters(const SourceContents& contents, ContainerKind kind, const Carrying& carrying,
                         KeepPlan& plan) {
  // ID3v2.3 is the version Windows, car stereos and most phones read.
  if (kind == K::Mp3) plan.fileArguments.insert(plan.fileArguments.end(), {"-id3v2_version", "3"});
  if (contents.tags && !carrying.tags) NotKept(plan, "tags", Holds(carrying, "none"));
  if (contents.chapters > 0 && !carrying.chapters) NotKept(plan, "chapters", Holds(carrying, "none"));
}

}  // namespace

std::vector<std::string> SideWork::files() const {
  std::vector<std::string> made;
  for (const std::string* file : {&coverFile, &metadataFile, &subtitleFile}) {
    if (!file->empty()) made.push_back(*file);
  }
  return made;
}

bool HoldsMore(const SourceContents& contents) {
  if (!contents.known) return false;
  if (contents.tags || contents.chapters > 0) return true;
  int audio = 0;
  for (const SourceStream& stream : contents.streams) {
    if (stream.kind == StreamKind::Audio) ++audio;
    if (stream.kind == StreamKind::Cover || stream.kind == StreamKind::TextSubtitle ||
        stream.kind == StreamKind::BitmapSubtitle) {
      return true;
    }
  }
  return audio > 1;
}

KeepPlan PlanKeeping(const KeepRules& rules, const SourceContents& contents, ContainerKind container) {
  const Carrying carrying = CarryingOf(container);
  KeepPlan plan;
  plan.side.source = rules.source;
  plan.side.seek = rules.seek;
  plan.side.length = rules.length;
  if (rules.writesVideo) plan.maps.insert(plan.maps.end(), {"-map", "0:" + Index(rules.mainVideo)});
  KeepAudio(rules, contents, carrying, container, plan);
  KeepSubtitles(rules, contents, carrying, plan);
  KeepCover(rules, contents, carrying, plan);
  KeepTagsAndChapters(contents, container, carrying, plan);
  return plan;
}

}  // namespace orva::encoder

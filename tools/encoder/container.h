// The kind of file an output extension stands for, and what ffmpeg needs to
// be told to write it.
#pragma once

#include <string>

namespace orva::encoder {

enum class ContainerKind {
  Other,  // left to ffmpeg
  Mp4, Mov, ThreeGp, ThreeG2, Ipod,
  Avi, Asf, Matroska, Dv, MpegPs, MpegTs, RealMedia, Ogg, WebM,
  Au, Wav, Aiff, Mp3, Adts, Ac3, Mp2, Flac,
};

struct Container {
  ContainerKind kind = ContainerKind::Other;
  const char* muxer = nullptr;       // ffmpeg's format name, nullptr for Other
  bool extensionKnown = true;        // false: ffmpeg finds no muxer by this extension
};

// The extension of the last path component, with its dot, or "".
std::string ExtensionOf(const std::string& path);

// Looks the extension up, case-insensitively.
Container ContainerFor(const std::string& extension);

// MP4-family files, which take neither Windows Media nor RealMedia codecs.
bool IsIsoMedia(ContainerKind kind);

}  // namespace orva::encoder

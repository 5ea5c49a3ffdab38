#include "tools/encoder/container.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "engine/process.h"

namespace orva::encoder {

namespace {

struct ContainerRow {
  const char* extension;
  Container container;
};

using K = ContainerKind;

// Every extension the catalogue offers. The ones marked false have no muxer
// of their own in ffmpeg, so the format must be given explicitly.
constexpr ContainerRow kContainers[] = {
    {".mp4", {K::Mp4, "mp4", true}},        {".m4v", {K::Ipod, "ipod", true}},
    {".m4a", {K::Ipod, "ipod", true}},      {".mov", {K::Mov, "mov", true}},
    {".qt", {K::Mov, "mov", false}},        {".3gp", {K::ThreeGp, "3gp", true}},
    {".3gpp", {K::ThreeGp, "3gp", false}},  {".3g2", {K::ThreeG2, "3g2", true}},
    {".3gp2", {K::ThreeG2, "3g2", false}},  {".avi", {K::Avi, "avi", true}},
    {".wmv", {K::Asf, "asf", true}},        {".asf", {K::Asf, "asf", true}},
    {".wma", {K::Asf, "asf", true}},        {".mkv", {K::Matroska, "matroska", true}},
    {".dv", {K::Dv, "dv", true}},           {".mpg", {K::MpegPs, "mpeg", true}},
    {".mpeg", {K::MpegPs, "mpeg", true}},   {".vob", {K::MpegPs, "vob", true}},
    {".ts", {K::MpegTs, "mpegts", true}},   {".rmvb", {K::RealMedia, "rm", false}},
    {".ram", {K::RealMedia, "rm", false}},  {".ra", {K::RealMedia, "rm", true}},
    {".rm", {K::RealMedia, "rm", true}},    {".ogg", {K::Ogg, "ogg", true}},
    {".oggv", {K::Ogg, "ogg", false}},      {".webm", {K::WebM, "webm", true}},
    {".au", {K::Au, "au", true}},           {".wav", {K::Wav, "wav", true}},
    {".aiff", {K::Aiff, "aiff", true}},     {".mp3", {K::Mp3, "mp3", true}},
    {".aac", {K::Adts, "adts", true}},      {".ac3", {K::Ac3, "ac3", true}},
    {".mp2", {K::Mp2, "mp2", true}},        {".flac", {K::Flac, "flac", true}},
};

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

std::string ExtensionOf(const std::string& path) {
  const auto separator = path.rfind(kPathSeparator);
  const auto nameStart = separator == std::string::npos ? 0 : separator + 1;
  const auto dot = path.rfind('.');
  if (dot == std::string::npos || dot <= nameStart) return "";
  return path.substr(dot);
}

Container ContainerFor(const std::string& extension) {
  const std::string wanted = Lowered(extension);
  const auto row = std::find_if(std::begin(kContainers), std::end(kContainers),
                                [&](const ContainerRow& r) { return wanted == r.extension; });
  return row == std::end(kContainers) ? Container{} : row->container;
}

bool IsIsoMedia(ContainerKind kind) {
  return kind == K::Mp4 || kind == K::Mov || kind == K::ThreeGp || kind == K::ThreeG2 ||
         kind == K::Ipod;
}

}  // namespace orva::encoder

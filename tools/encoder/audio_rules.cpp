// What Debian's ffmpeg 5.1 lacks or rejects on the audio side, and the
// nearest honest setting it takes instead.
#include <algorithm>
#include <string>

#include "tools/encoder/bit_rate.h"
#include "tools/encoder/nearest.h"
#include "tools/encoder/stream_settings.h"

namespace orva::encoder {

namespace {

using K = ContainerKind;

struct EncoderSwap {
  const char* wanted;
  const char* used;
  const char* why;
};

constexpr EncoderSwap kEncoderSwaps[] = {
    {"libvo_aacenc", "aac", "libvo_aacenc is not in this ffmpeg; aac writes the same AAC codec"},
    {"vorbis", "libvorbis", "the built-in vorbis encoder is experimental"},
    {"libopencore_amrnb", "aac", "no AMR encoder in this ffmpeg; nearest is AAC"},
    {"libvo_amrwbenc", "aac", "no AMR encoder in this ffmpeg; nearest is AAC"},
    {"cook", "ac3", "no RealAudio encoder in this ffmpeg; nearest RealMedia audio is AC-3"},
};

void SwapEncoder(AudioSettings& audio, Notices& notices) {
  for (const EncoderSwap& swap : kEncoderSwaps) {
    if (audio.encoder != swap.wanted) continue;
    Note(notices, std::string("audio encoder ") + swap.wanted + " -> " + swap.used + " (" +
                      swap.why + ")");
    audio.encoder = swap.used;
    return;
  }
}

void UseEncoder(AudioSettings& audio, const char* encoder, const std::string& why,
                Notices& notices) {
  Note(notices, "audio encoder " + audio.encoder + " -> " + encoder + " (" + why + ")");
  audio.encoder = encoder;
}

void UseSampleRate(AudioSettings& audio, int rate, const std::string& why, Notices& notices) {
  if (audio.sampleRate == rate) return;
  const std::string was = audio.sampleRate == 0 ? "source rate" : std::to_string(audio.sampleRate) + " Hz";
  Note(notices, "sample rate " + was + " -> " + std::to_string(rate) + " Hz (" + why + ")");
  audio.sampleRate = rate;
}

void UseChannels(AudioSettings& audio, int channels, const std::string& why, Notices& notices) {
  if (audio.channels == channels) return;
  const std::string was = audio.channels == 0 ? "source channels" : std::to_string(audio.channels);
  Note(notices, "channels " + was + " -> " + std::to_string(channels) + " (" + why + ")");
  audio.channels = channels;
}

void UseBitRate(AudioSettings& audio, long bits, const std::string& why, Notices& notices) {
  if (audio.bitrate == bits) return;
  Note(notices, "audio bit rate " + FormatBitRate(audio.bitrate) + " -> " + FormatBitRate(bits) +
                    " (" + why + ")");
  audio.bitrate = bits;
}

// PCM is stored differently by each container.
void FitPcmToContainer(AudioSettings& audio, K kind, Notices& notices) {
  if (audio.encoder == "pcm_s16le") {
    if (kind == K::Au) {
      UseEncoder(audio, "pcm_s16be", "AU stores big-endian PCM", notices);
    } else if (kind == K::Aiff) {
      // Little-endian samples would make an AIFF-C file, which players that
      // read plain AIFF refuse.
      UseEncoder(audio, "pcm_s16be", "AIFF stores big-endian PCM", notices);
    } else if (kind == K::MpegPs) {
      UseEncoder(audio, "pcm_s16be", "MPEG program streams store PCM as big-endian LPCM", notices);
      if (audio.sampleRate != 0) {
        UseSampleRate(audio, Nearest(audio.sampleRate, {32000, 44100, 48000, 96000}),
                      "LPCM rates are 32000, 44100, 48000 and 96000", notices);
      }
    } else if (kind == K::MpegTs) {
      UseEncoder(audio, "s302m", "MPEG transport streams carry PCM only as SMPTE 302M", notices);
      UseSampleRate(audio, 48000, "SMPTE 302M is 48000 Hz only", notices);
      UseChannels(audio, 2, "SMPTE 302M is written as stereo here", notices);
      audio.extras.insert(audio.extras.end(), {"-strict", "-2"});
    }
  } else if (audio.encoder == "pcm_s8" && kind == K::Wav) {
    UseEncoder(audio, "pcm_u8", "8-bit WAV is unsigned", notices);
  }
}

bool TakesTwoChannelsAtMost(const std::string& encoder) {
  return encoder == "mp2" || encoder == "libmp3lame" || encoder == "wmav1" || encoder == "wmav2";
}

void FitChannels(AudioSettings& audio, K kind, Notices& notices) {
  if (kind == K::Dv) {
    // DV frames carry stereo 16-bit audio only.
    UseChannels(audio, 2, "DV audio is stereo", notices);
    return;
  }
  if (audio.channels > 2 && TakesTwoChannelsAtMost(audio.encoder)) {
    UseChannels(audio, 2, audio.encoder + " takes at most 2 channels", notices);
  }
}

void FitSampleRate(AudioSettings& audio, Notices& notices) {
  if (audio.sampleRate == 0) return;
  if (audio.encoder == "ac3" && !Contains({32000, 44100, 48000}, audio.sampleRate)) {
    UseSampleRate(audio, Nearest(audio.sampleRate, {32000, 44100, 48000}),
                  "AC-3 takes 32000, 44100 and 48000 Hz only", notices);
  }
  if (audio.encoder == "mp2" &&
      !Contains({16000, 22050, 24000, 32000, 44100, 48000}, audio.sampleRate)) {
    UseSampleRate(audio, Nearest(audio.sampleRate, {16000, 22050, 24000, 32000, 44100, 48000}),
                  "MPEG audio layer 2 sample rates", notices);
  }
}

long Mp2BitRate(long bits, int sampleRate) {
  const long kbit = bits / 1000;
  const bool halfRate = sampleRate == 16000 || sampleRate == 22050 || sampleRate == 24000;
  const long allowed = halfRate
      ? Nearest(kbit, {8L, 16L, 24L, 32L, 40L, 48L, 56L, 64L, 80L, 96L, 112L, 128L, 144L, 160L})
      : Nearest(kbit, {32L, 48L, 56L, 64L, 80L, 96L, 112L, 128L, 160L, 192L, 224L, 256L, 320L, 384L});
  return allowed * 1000;
}

struct VorbisWindow {
  int sampleRate;
  long monoLow, monoHigh, stereoLow, stereoHigh;  // kbit/s libvorbis accepts
};

// Measured with this libvorbis: the managed bit-rate mode refuses rates
// outside these windows.
constexpr VorbisWindow kVorbisWindows[] = {
    {8000, 8, 40, 16, 80},       {16000, 16, 96, 24, 192},    {22050, 16, 80, 32, 160},
    {32000, 32, 160, 40, 320},   {44100, 32, 224, 48, 500},   {48000, 32, 224, 48, 500},
};

long ClampVorbis(long bits, int sampleRate, int channels) {
  // The source's rate and layout are unknown here; take the usual 44100 Hz stereo.
  const int rate = sampleRate == 0 ? 44100 : sampleRate;
  const VorbisWindow* window = &kVorbisWindows[0];
  for (const VorbisWindow& w : kVorbisWindows) {
    if (std::abs(w.sampleRate - rate) < std::abs(window->sampleRate - rate)) window = &w;
  }
  const bool mono = channels == 1;
  const long low = (mono ? window->monoLow : window->stereoLow) * 1000;
  const long high = (mono ? window->monoHigh : window->stereoHigh) * 1000;
  return std::clamp(bits, low, high);
}

void FitBitRate(AudioSettings& audio, Notices& notices) {
  if (audio.bitrate == 0) return;
  if (audio.encoder == "mp2") {
    UseBitRate(audio, Mp2BitRate(audio.bitrate, audio.sampleRate),
               "MPEG audio layer 2 takes only its standard bit rates", notices);
  } else if ((audio.encoder == "wmav1" || audio.encoder == "wmav2") && audio.bitrate < 24000) {
    UseBitRate(audio, 24000, "Windows Media Audio needs at least 24 kbit/s", notices);
  } else if (audio.encoder == "ac3" && audio.channels > 2 && audio.bitrate < 48000) {
    UseBitRate(audio, 48000, "AC-3 5.1 needs at least 48 kbit/s", notices);
  } else if (audio.encoder == "libvorbis") {
    UseBitRate(audio, ClampVorbis(audio.bitrate, audio.sampleRate, audio.channels),
               "outside the bit rates libvorbis accepts at this rate and layout", notices);
  }
}

}  // namespace

void ApplyAudioRules(AudioSettings& audio, const OutputSettings& output, Notices& notices) {
  SwapEncoder(audio, notices);
  FitPcmToContainer(audio, output.container.kind, notices);
  FitChannels(audio, output.container.kind, notices);
  FitSampleRate(audio, notices);
  FitBitRate(audio, notices);
  if (output.container.kind == K::Dv) {
    // The DV muxer needs audio for every frame and drops the picture where
    // there is none: fill gaps and a late start of the source's audio, and
    // pad it with silence to the end of the picture.
    audio.extras.insert(audio.extras.end(),
                        {"-af", "aresample=async=1:first_pts=0,apad", "-shortest"});
  }
}

}  // namespace orva::encoder

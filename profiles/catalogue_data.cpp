// The built-in output profiles: codec names, option lists, categories and
// every profile with the items it starts with. One line per codec entry, so
// that a change to a profile shows as a one-line diff.
#include "profiles/catalogue_data.h"

namespace orva {

const CodecName kBuiltInCodecs[kCodecTableSize] = {
    {"libtheora Theora", "libtheora"},  // kTheora
    {"NTSC DV-Video", "dvvideo -target ntsc-dv"},  // kNtscDv
    {"PAL DV-Video", "dvvideo -target pal-dv"},  // kPalDv
    {"NTSC DVD-Video", "dvdvideo -target ntsc-dvd"},  // kNtscDvd
    {"PAL DVD-Video", "dvdvideo -target pal-dvd"},  // kPalDvd
    {"NTSC VCD-Video", "dvvideo -target ntsc-vcd"},  // kNtscVcd
    {"PAL VCD-Video", "dvvideo -target pal-vcd"},  // kPalVcd
    {"H.264/MPEG-4 AVC", "libx264"},  // kH264
    {"MPEG-4", "mpeg4"},  // kMpeg4
    {"MPEG-2 video", "mpeg2video"},  // kMpeg2Video
    {"MPEG-1 video", "mpeg1video"},  // kMpeg1Video
    {"Xvid", "libxvid"},  // kXvid
    {"H.263", "h263"},  // kH263
    {"RealVideo 2.0", "rv20"},  // kRealVideo2
    {"Microsoft MPEG-4", "msmpeg4"},  // kMsMpeg4
    {"Motion JPEG", "mjpeg"},  // kMotionJpeg
    {"Windows Media Video 7", "wmv1"},  // kWmv7
    {"Windows Media Video 8", "wmv2"},  // kWmv8
    {"libvpx VP8", "libvpx"},  // kVp8
    {"MPEG-4 AAC", "libvo_aacenc"},  // kAac
    {"ac3", "ac3"},  // kAc3
    {"mp3", "libmp3lame"},  // kMp3
    {"mp2", "mp2"},  // kMp2
    {"vorbis", "vorbis"},  // kVorbis
    {"libamr_nb", "libopencore_amrnb"},  // kAmrNb
    {"libamr_wb", "libvo_amrwbenc"},  // kAmrWb
    {"rmaudio", "cook"},  // kRealAudio
    {"Windows Media Audio V7", "wmav1"},  // kWma7
    {"Windows Media Audio V8", "wmav2"},  // kWma8
    {"pcm_s16le", "pcm_s16le"},  // kPcmS16le
    {"pcm_alaw", "pcm_alaw"},  // kPcmAlaw
    {"pcm_mulaw", "pcm_mulaw"},  // kPcmMulaw
    {"pcm_s8", "pcm_s8"},  // kPcmS8
    {"adpcm_ms", "adpcm_ms"},  // kAdpcmMs
    {"adpcm_ima_wav", "adpcm_ima_wav"},  // kAdpcmImaWav
    {"libvorbis Vorbis", "libvorbis"},  // kLibVorbis
    {"ALAC (Apple Lossless Audio Codec)", "alac"},  // kAlac
    {"FLAC (Free Lossless Audio Codec)", "flac"},  // kFlac
};

namespace {

// Every video entry offers the same aspect ratios and starts at "Auto".
constexpr OptionList kAspectRatios = "Auto\0 4:3\0 16:9\0";

// Frame rates.
constexpr OptionList kFrameRates1 = "Auto\0 15\0 20\0 23.97\0 24\0 25\0 29.97\0 30\0";
constexpr OptionList kFrameRates2 = "Auto\0 10\0 12\0 15\0 20\0 23.97\0 24\0 25\0 29.97\0 30\0";
constexpr OptionList kFrameRates3 = "20\0 23.97\0 24\0";
constexpr OptionList kFrameRates4 = "20\0 23.97\0 24\0 25\0 29.97\0 30\0";
constexpr OptionList kFrameRates5 = "Auto\0 8\0 10\0 12\0 15\0 20\0 23.97\0 24\0 25\0 29.97\0 30\0 60\0";
constexpr OptionList kFrameRates6 = "Auto\0 8\0 10\0 12\0 15\0 20\0 23.97\0 24\0 25\0 29.97\0 30\0";
constexpr OptionList kFrameRates7 = "25\0 30\0";
constexpr OptionList kFrameRates8 = "25\0 15\0";
constexpr OptionList kFrameRates9 = "Auto\0 20\0 23.97\0 24\0 25\0 29.97\0 30\0 50\0 60\0";
constexpr OptionList kFrameRates10 = "Auto\0 10\0 12\0 15\0 20\0 23.97\0 24\0 25\0 29.97\0 30\0 50\0 60\0";
constexpr OptionList kFrameRates11 = "25\0 29.97\0";
constexpr OptionList kFrameRates12 = "Auto\0";
constexpr OptionList kFrameRates13 = "29.97\0";
constexpr OptionList kFrameRates14 = "25\0";
constexpr OptionList kFrameRates15 = "Auto\0 29.97\0";
constexpr OptionList kFrameRates16 = "Auto\0 25\0";

// Audio bit rates.
constexpr OptionList kAudioBitrates1 = "Auto\0 64K\0 80K\0 96K\0 112K\0 128K\0 160K\0";
constexpr OptionList kAudioBitrates2 = "Auto\0 64K\0 96K\0 112K\0 128K\0 160K\0";
constexpr OptionList kAudioBitrates3 = "32K\0 40K\0 48K\0 56K\0 64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0";
constexpr OptionList kAudioBitrates4 = "64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0";
constexpr OptionList kAudioBitrates5 = "32K\0 48K\0 64K\0 96K\0 128K\0 160K\0 192K\0 224K\0 256K\0";
constexpr OptionList kAudioBitrates6 = "6.7k\0";
constexpr OptionList kAudioBitrates7 = "8K\0 16K\0 24K\0 32K\0 40K\0 48K\0 56K\0 64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0 384K\0 448K\0";
constexpr OptionList kAudioBitrates8 = "32K\0 48K\0 64K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0 384K\0 448K\0 512K\0";
constexpr OptionList kAudioBitrates9 = "32K\0 48K\0 64K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0";
constexpr OptionList kAudioBitrates10 = "64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0";
constexpr OptionList kAudioBitrates11 = "32K\0 48K\0 64K\0 80K\0 96K\0 112\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0";
constexpr OptionList kAudioBitrates12 = "48K\0 64K\0 96K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0";
constexpr OptionList kAudioBitrates13 = "32K\0 48K\0 64K\0 96K\0 128K\0 160K\0 192K\0";
constexpr OptionList kAudioBitrates14 = "48K\0 64K\0 96K\0 128K\0 160K\0 192K\0 224K\0 256K\0";
constexpr OptionList kAudioBitrates15 = "32K\0 40K\0 48K\0 56K\0 64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0 384K\0";
constexpr OptionList kAudioBitrates16 = "32K\0 40K\0 48K\0 56K\0 64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0 384K\0 448K\0";
constexpr OptionList kAudioBitrates17 = "Auto\0";
constexpr OptionList kAudioBitrates18 = "32K\0 40K\0 48K\0 56K\0 64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0 384K\0 448K\0 512K\0 640K\0";
constexpr OptionList kAudioBitrates19 = "48K\0 56K\0 64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0";
constexpr OptionList kAudioBitrates20 = "48K\0 56K\0 64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0 384K\0";
constexpr OptionList kAudioBitrates21 = "32K\0 40K\0 48K\0 56K\0 64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0 384K\0 448K\0 512K\0";
constexpr OptionList kAudioBitrates22 = "32K\0 40K\0 48K\0 56K\0 64K\0 80K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0";
constexpr OptionList kAudioBitrates23 = "32K\0 48K\0 64K\0 96K\0 112K\0 128K\0 160K\0 192K\0 224K\0 256K\0 320K\0 384K\0 448K\0 512K\0 640K\0";

// Sample rates.
constexpr OptionList kSampleRates1 = "8000\0 16000\0 22050\0 32000\0 44100\0 48000\0";
constexpr OptionList kSampleRates2 = "48000\0 44100\0 32000\0 24000\0 22050\0 16000\0 12000\0 11025\0 8000\0";
constexpr OptionList kSampleRates3 = "8000\0";
constexpr OptionList kSampleRates4 = "8000\0 16000\0 22050\0 32000\0 44100\0 48000\0 54000\0 72000\0 96000\0";
constexpr OptionList kSampleRates5 = "16000\0 22050\0 32000\0 44100\0 48000\0";
constexpr OptionList kSampleRates6 = "8000\0 16000\0 22050\0 32000\0 44100\0 48000\0 54000\0 96000\0";
constexpr OptionList kSampleRates7 = "48000\0";
constexpr OptionList kSampleRates8 = "48000\0 44100\0 32000\0";
constexpr OptionList kSampleRates9 = "8000\0 16000\0 22050\0 32000\0 44100\0 48000\0 72000\0 96000\0";

// Channel layouts.
constexpr OptionList kChannels1 = "Stereo\0 Auto\0 Mono\0";
constexpr OptionList kChannels2 = "Mono\0";
constexpr OptionList kChannels3 = "Stereo\0 Auto\0 Mono\0 5.1\0";

// Frame sizes.
constexpr OptionList kFrameSizes1 = "320x240\0";
constexpr OptionList kFrameSizes2 = "640x480\0";
constexpr OptionList kFrameSizes3 = "376x240\0";
constexpr OptionList kFrameSizes4 = "1280x720\0 960x640\0 720x480\0 640x480\0 480x320\0";
constexpr OptionList kFrameSizes5 = "640x480\0 480x320\0";
constexpr OptionList kFrameSizes6 = "720x480\0 720x576\0";
constexpr OptionList kFrameSizes7 = "1280x720\0 960x540\0";
constexpr OptionList kFrameSizes8 = "1280x720\0";
constexpr OptionList kFrameSizes9 = "960x540\0 1280x720\0";
constexpr OptionList kFrameSizes10 = "720x432\0";
constexpr OptionList kFrameSizes11 = "Auto\0 176x144\0 320x240\0 352x240\0 352x288\0 640x480\0 720x480\0 704x576\0 720x576\0";
constexpr OptionList kFrameSizes12 = "480x320\0";
constexpr OptionList kFrameSizes13 = "800x480\0";
constexpr OptionList kFrameSizes14 = "854x480\0";
constexpr OptionList kFrameSizes15 = "480x320\0 720x480\0";
constexpr OptionList kFrameSizes16 = "800x480\0 720x480\0 480x320\0 400x240\0";
constexpr OptionList kFrameSizes17 = "480x320\0 352x288\0";
constexpr OptionList kFrameSizes18 = "1920x1080\0 1280x720\0 1024x600\0 720x576\0 720x480\0";
constexpr OptionList kFrameSizes19 = "1920x1080\0 1280x720\0 640x480\0";
constexpr OptionList kFrameSizes20 = "176x144\0 220x176\0 320x240\0 480x320\0";
constexpr OptionList kFrameSizes21 = "128x96\0 176x144\0 352x288\0 704x576\0 1408x1152\0";
constexpr OptionList kFrameSizes22 = "480x360\0";
constexpr OptionList kFrameSizes23 = "240x260\0";
constexpr OptionList kFrameSizes24 = "1280x720\0 800x480\0 720x576\0 720x480\0";
constexpr OptionList kFrameSizes25 = "176x144\0 320x240\0 480x320\0 640x480\0 720x576\0";
constexpr OptionList kFrameSizes26 = "480x272\0";
constexpr OptionList kFrameSizes27 = "720x480\0 640x480\0";
constexpr OptionList kFrameSizes28 = "368x208\0 320x180\0";
constexpr OptionList kFrameSizes29 = "1280x720\0 1920x1080\0";
constexpr OptionList kFrameSizes30 = "320x240\0 480x272\0 640x480\0 720x480\0";
constexpr OptionList kFrameSizes31 = "320x240\0 640x480\0 800x480\0 1280x720\0";
constexpr OptionList kFrameSizes32 = "Auto\0 176x144\0 320x240\0 352x240\0 352x288\0 480x320\0 640x480\0 720x480\0 704x576\0 720x576\0";
constexpr OptionList kFrameSizes33 = "Auto\0 704x576\0 640x480\0 480x320\0 352x288\0 352x240\0 320x240\0 176x144\0 128x96\0";
constexpr OptionList kFrameSizes34 = "Auto\0 128x96\0 176x144\0 320x240\0 352x240\0 352x288\0 480x320\0 640x480\0 720x480\0 704x576\0 720x576\0";
constexpr OptionList kFrameSizes35 = "720x480\0 480x320\0";
constexpr OptionList kFrameSizes36 = "720x576\0 480x320\0";
constexpr OptionList kFrameSizes37 = "Auto\0 640x480\0 480x320\0 320x240\0 220x176\0 176x144\0";
constexpr OptionList kFrameSizes38 = "352x240\0 480x320\0";
constexpr OptionList kFrameSizes39 = "352x288\0 480x320\0";
constexpr OptionList kFrameSizes40 = "768x576\0";
constexpr OptionList kFrameSizes41 = "960x540\0 1024x576\0 1280x720\0 1440x1080\0 1920x1080\0";

// Video bit rates.
constexpr OptionList kVideoBitrates1 = "256K\0 320K\0 384K\0 512K\0 640K\0 768K\0 1000K\0 1200K\0";
constexpr OptionList kVideoBitrates2 = "Auto\0 768K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0";
constexpr OptionList kVideoBitrates3 = "320K\0 384K\0 448K\0 512K\0 640K\0 768K\0 800K\0 1000K\0 1200K\0 1500K\0";
constexpr OptionList kVideoBitrates4 = "512K\0 768K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4800K\0 5000K\0 6000K\0 7000K\0";
constexpr OptionList kVideoBitrates5 = "320K\0 512K\0 640K\0 768K\0 800K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0";
constexpr OptionList kVideoBitrates6 = "Auto\0 512K\0 640K\0 768K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0";
constexpr OptionList kVideoBitrates7 = "Auto\0 512K\0 768K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0";
constexpr OptionList kVideoBitrates8 = "Auto\0 512K\0 900K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4800K\0 5000K\0 6000K\0 7000K\0";
constexpr OptionList kVideoBitrates9 = "Auto\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0";
constexpr OptionList kVideoBitrates10 = "2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0";
constexpr OptionList kVideoBitrates11 = "2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 5500K\0 6000K\0";
constexpr OptionList kVideoBitrates12 = "1500K\0 1800K\0 2000K\0 2500K\0 3000K\0";
constexpr OptionList kVideoBitrates13 = "512K\0 800K\0 1200K\0 1500K\0 2500K\0";
constexpr OptionList kVideoBitrates14 = "450K\0 512K\0 1200K\0";
constexpr OptionList kVideoBitrates15 = "450K\0 600K\0 800K\0 1500K\0";
constexpr OptionList kVideoBitrates16 = "768K\0 1700K\0 3000K\0";
constexpr OptionList kVideoBitrates17 = "768K\0 1800K\0 3000K\0";
constexpr OptionList kVideoBitrates18 = "512K\0 640K\0 768K\0 800K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0";
constexpr OptionList kVideoBitrates19 = "1000K\0 1500K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0";
constexpr OptionList kVideoBitrates20 = "1000K\0 1500K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 5500K\0 6000K\0";
constexpr OptionList kVideoBitrates21 = "128K\0 192K\0 256K\0 320K\0 384K\0 448K\0 512K\0 640K\0 768K\0 1000K\0 1200K\0";
constexpr OptionList kVideoBitrates22 = "320K\0 460K\0 1000K\0";
constexpr OptionList kVideoBitrates23 = "320K\0 700K\0 1000K\0";
constexpr OptionList kVideoBitrates24 = "1500K\0 1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 6000K\0 9000K\0 12000K\0";
constexpr OptionList kVideoBitrates25 = "768K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 6000K\0 7000K\0 8000K\0";
constexpr OptionList kVideoBitrates26 = "1500K\0 1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 6000K\0 7000K\0 8000K\0";
constexpr OptionList kVideoBitrates27 = "64K\0 96K\0 128K\0 192K\0 256K\0 320K\0 384K\0 448K\0 512K\0 640K\0 768K\0 1000K\0 1200K\0 1500K\0";
constexpr OptionList kVideoBitrates28 = "96K\0 128K\0 192K\0 256K\0 320K\0 448K\0 512K\0 640K\0 768K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0";
constexpr OptionList kVideoBitrates29 = "256K\0 384K\0 512K\0 768K\0 1000K\0 1200K\0";
constexpr OptionList kVideoBitrates30 = "800K\0 1000K\0 1500K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0";
constexpr OptionList kVideoBitrates31 = "192K\0 256K\0 320K\0 384K\0 448K\0 512K\0 640K\0 768K\0 1000K\0";
constexpr OptionList kVideoBitrates32 = "256K\0 320K\0 448K\0 512K\0 640K\0 800K\0 1000K\0";
constexpr OptionList kVideoBitrates33 = "1000K\0 1500K\0 2000K\0 3000K\0 4000K\0 5000K\0 6000K\0";
constexpr OptionList kVideoBitrates34 = "3000K\0 4000K\0 5000K\0 6000K\0 7000K\0 8000K\0";
constexpr OptionList kVideoBitrates35 = "1200K\0 1500K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0";
constexpr OptionList kVideoBitrates36 = "2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 5500K\0 6000K\0 7000K\0";
constexpr OptionList kVideoBitrates37 = "1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 6000K\0";
constexpr OptionList kVideoBitrates38 = "1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0";
constexpr OptionList kVideoBitrates39 = "1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 6000K\0 7000K\0 8000K\0 9000K\0 10000K\0 12000K\0";
constexpr OptionList kVideoBitrates40 = "2000K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 6000K\0 7000K\0";
constexpr OptionList kVideoBitrates41 = "1500K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0";
constexpr OptionList kVideoBitrates42 = "2000K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 6000K\0 7000K\0 8000K\0 9000K\0 10000K\0 12000K\0";
constexpr OptionList kVideoBitrates43 = "256K\0 320K\0 384K\0 448K\0 512K\0 640K\0 768K\0 1000K\0 1200K\0 1500K\0";
constexpr OptionList kVideoBitrates44 = "800K\0 1000K\0 1200K\0 1500K\0 2000K\0";
constexpr OptionList kVideoBitrates45 = "256K\0 320K\0 448K\0 512K\0 640K\0 768K\0 1000K\0 1200K\0";
constexpr OptionList kVideoBitrates46 = "1500K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0";
constexpr OptionList kVideoBitrates47 = "192K\0 224K\0 256K\0 320K\0 384K\0 448K\0 512K\0 640K\0 768K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 4500K\0 5000K\0 6000K\0";
constexpr OptionList kVideoBitrates48 = "64K\0 96K\0 128K\0 160\0 192K\0 256K\0 320K\0 384K\0 448K\0 512K\0 640K\0 768K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2200\0 2500K\0 2800\0 3000K\0 3500K\0 4000K\0";
constexpr OptionList kVideoBitrates49 = "96K\0 128K\0 160K\0 192K\0 256K\0 320K\0 384K\0 448K\0 512K\0 640K\0 768K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2200K\0 2500K\0 2800K\0 3000K\0 3500K\0 4000K\0";
constexpr OptionList kVideoBitrates50 = "96K\0 128K\0 160K\0 192K\0 256K\0 320K\0 384K\0 448K\0 512K\0 640K\0 768K\0 1000K\0 1200K\0 1500K\0 1800K\0 2000K\0 2500K\0 3000K\0 3500K\0";
constexpr OptionList kVideoBitrates51 = "Auto\0";
constexpr OptionList kVideoBitrates52 = "Auto\0 2500K\0 3500K\0 5000K\0 6500K\0 8000K\0 9000K\0";
constexpr OptionList kVideoBitrates53 = "512K\0 640K\0 768K\0 894K\0 1000K\0 1200K\0 1500K\0 2000K\0 3000K\0";
constexpr OptionList kVideoBitrates54 = "768K\0 1000K\0 1200K\0 1600K\0 2000K\0 2500K\0";
constexpr OptionList kVideoBitrates55 = "768K\0 1000K\0 1200K\0 1600K\0 2000K\0 2500K\0 3000K\0";
constexpr OptionList kVideoBitrates56 = "256K\0 512K\0 768K\0 1200K\0 1500K\0 2000K\0";
constexpr OptionList kVideoBitrates57 = "128K\0 256K\0 384K\0 512K\0 768K\0 1200K\0";
constexpr OptionList kVideoBitrates58 = "1150K\0";
constexpr OptionList kVideoBitrates59 = "512K\0 768K\0 1200K\0 1500K\0 2000K\0 4000K\0";
constexpr OptionList kVideoBitrates60 = "256K\0 512K\0 1200K\0 1500K\0 2500K\0";
constexpr OptionList kVideoBitrates61 = "2000K\0 3000K\0 4000K\0 5000K\0 6000K\0 8000K\0";
constexpr OptionList kVideoBitrates62 = "2000K\0 3000K\0 4500K\0 5000K\0 6000K\0 8000K\0";
constexpr OptionList kVideoBitrates63 = "96K\0 128K\0 256K\0 512K\0 640K\0 768K\0 1200K\0";
constexpr OptionList kVideoBitrates64 = "96K\0 128K\0 160K\0 192K\0 256K\0 320K\0 384K\0 448K\0 512K\0 614K\0 640K\0 768K\0 1000K\0 1200K\0";
constexpr OptionList kVideoBitrates65 = "8000K\0 10000K\0 12000K\0 15000K\0 18000K\0 21000K\0";
constexpr OptionList kVideoBitrates66 = "2000K\0 2500K\0 3000K\0 3500K\0 4000K\0 5000K\0 6000K\0 7000K\0 8000K\0 9000K\0 10000K\0 12000K\0 15000K\0 18000K\0";
constexpr OptionList kVideoBitrates67 = "4000K\0 5000K\0 6000K\0 7000K\0 8000K\0 9000K\0 10000K\0 12000K\0 15000K\0";
constexpr OptionList kVideoBitrates68 = "6000K\0 7000K\0 8000K\0 9000K\0 10000K\0 12000K\0 15000K\0 18000K\0";
constexpr OptionList kVideoBitrates69 = "6000K\0 7000K\0 8000K\0";
constexpr OptionList kVideoBitrates70 = "6000K\0 8000K\0 9000K\0 12000K\0 15000K\0 18000K\0 20000K\0";
constexpr OptionList kVideoBitrates71 = "1000K\0 1500K\0 3000K\0 4000K\0 6000K\0 8000K\0";

}  // namespace

const OptionList kBuiltInAspectRatios = kAspectRatios;

const CategoryRow kBuiltInCategories[kCategoryCount] = {
    {"iPod", 11},
    {"iPhone", 4},
    {"iPad & Apple TV", 7},
    {"Android", 12},
    {"Android Pad", 4},
    {"BlackBerry", 15},
    {"Windows Phone", 3},
    {"Mobile Phone", 4},
    {"PS3 & PSP", 13},
    {"Xbox360", 8},
    {"PMP", 14},
    {"General Video", 14},
    {"Web Video", 13},
    {"HD Video", 11},
    {"General Audio", 11},
    {"Lossless Audio", 3},
};

const ProfileRow kBuiltInProfiles[kBuiltInProfileCount] = {
    // iPod
    {"iPod - H.264 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "320x240", "640K", "29.97", kFrameSizes1, kVideoBitrates1, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"iPod - H.264 Video for TV", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "640x480", "1800K", "29.97", kFrameSizes2, kVideoBitrates2, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"iPod - MPEG4 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kMpeg4, "320x240", "640K", "29.97", kFrameSizes1, kVideoBitrates3, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"iPod - MPEG4 Video for TV", ".mp4\0 .m4v\0 .mov\0",
     {{kMpeg4, "640x480", "1800K", "29.97", kFrameSizes2, kVideoBitrates2, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"iPod nano5 - MPEG4 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kMpeg4, "376x240", "640K", "30", kFrameSizes3, kVideoBitrates3, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"iPod nano5 - H.264 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "376x240", "512K", "30", kFrameSizes3, kVideoBitrates1, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"iPod touch4 - H.264 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "960x640", "3000K", "29.97", kFrameSizes4, kVideoBitrates4, kFrameRates2}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"iPod touch - H.264 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "480x320", "1000K", "29.97", kFrameSizes5, kVideoBitrates5, kFrameRates2}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates1, kSampleRates2, kChannels1}}},
    {"iPod touch - H.264 Video AVC for TV", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "640x480", "1800K", "29.97", kFrameSizes2, kVideoBitrates2, kFrameRates2}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates1, kSampleRates2, kChannels1}}},
    {"iPod touch - MPEG4 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kMpeg4, "480x320", "1000K", "29.97", kFrameSizes5, kVideoBitrates6, kFrameRates2}},
     {{kAac, "128K", "22050", "Auto", kAudioBitrates1, kSampleRates2, kChannels1}}},
    {"iPod touch - MPEG4 Video for TV", ".mp4\0 .m4v\0 .mov\0",
     {{kMpeg4, "640x480", "1800K", "29.97", kFrameSizes2, kVideoBitrates2, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    // iPhone
    {"iPhone - H.264 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "480x320", "1000K", "29.97", kFrameSizes5, kVideoBitrates7, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates2, kSampleRates2, kChannels1}}},
    {"iPhone - H.264 Video for TV", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "640x480", "1800K", "29.97", kFrameSizes2, kVideoBitrates2, kFrameRates2}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates2, kSampleRates2, kChannels1}}},
    {"iPhone - MPEG4 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kMpeg4, "480x320", "1200K", "29.97", kFrameSizes5, kVideoBitrates6, kFrameRates2}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates2, kSampleRates2, kChannels1}}},
    {"iPhone4 - H.264 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "960x640", "1500K", "29.97", kFrameSizes4, kVideoBitrates8, kFrameRates2}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    // iPad & Apple TV
    {"iPad - H.264 Video", ".mp4\0",
     {{kH264, "720x576", "2000K", "29.97", kFrameSizes6, kVideoBitrates9, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"iPad - H.264 HD Video", ".mp4\0",
     {{kH264, "1280x720", "3500K", "29.97", kFrameSizes7, kVideoBitrates10, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"iPad - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "640x480", "1800K", "23.97", kFrameSizes2, kVideoBitrates2, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"iPad2 - H.264 HD Video", ".mp4\0",
     {{kH264, "1280x720", "3000K", "23.97", kFrameSizes8, kVideoBitrates11, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"Apple TV - H.264 HD Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "1280x720", "3500K", "24", kFrameSizes9, kVideoBitrates10, kFrameRates3}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"Apple TV - H.264 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "720x576", "2000K", "29.97", kFrameSizes6, kVideoBitrates9, kFrameRates4}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"Apple TV - MPEG4 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "720x432", "2000K", "29.97", kFrameSizes10, kVideoBitrates12, kFrameRates4}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    // Android
    {"Android - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "Auto", "1200K", "25", kFrameSizes11, kVideoBitrates13, kFrameRates5}},
     {{kAac, "192K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    {"Android(320x240) - H.264 Video", ".mp4\0 .m4v\0",
     {{kH264, "320x240", "450K", "25", kFrameSizes1, kVideoBitrates14, kFrameRates5}},
     {{kAac, "96K", "48000", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    {"Android(480x320) - H.264 Video", ".mp4\0 .m4v\0",
     {{kH264, "480x320", "600K", "25", kFrameSizes12, kVideoBitrates15, kFrameRates5}},
     {{kAac, "96K", "48000", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    {"Android(800x480) - H.264 Video", ".mp4\0 .m4v\0",
     {{kH264, "800x480", "1700K", "25", kFrameSizes13, kVideoBitrates16, kFrameRates5}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    {"Android(854x480) - H.264 Video", ".mp4\0 .m4v\0",
     {{kH264, "854x480", "1800K", "25", kFrameSizes14, kVideoBitrates17, kFrameRates5}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    {"HTC G2 Magic - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "480x320", "1000K", "29.97", kFrameSizes12, kVideoBitrates18, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    {"HTC Hero - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "480x320", "1000K", "29.97", kFrameSizes12, kVideoBitrates18, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    {"HTC Tattoo - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "320x240", "640K", "29.97", kFrameSizes1, kVideoBitrates3, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    {"Motorola CLIQ - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "480x320", "1000K", "29.97", kFrameSizes12, kVideoBitrates18, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    {"Motorola Droid - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "480x320", "1000K", "23.97", kFrameSizes15, kVideoBitrates18, kFrameRates1}},
     {{kAac, "160K", "44100", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    {"Nexus One - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "480x320", "1000K", "29.97", kFrameSizes16, kVideoBitrates18, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    {"SamSung i7500 - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "480x320", "1000K", "29.97", kFrameSizes17, kVideoBitrates18, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    // Android Pad
    {"Samsung P1000 - H.264 Video", ".mp4\0",
     {{kH264, "1280x720", "3500K", "29.97", kFrameSizes18, kVideoBitrates19, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"Samsung P1000 - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "1280x720", "4500K", "23.97", kFrameSizes19, kVideoBitrates20, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"Motorola Xoom - H.264 Video", ".mp4\0",
     {{kH264, "1280x720", "3500K", "29.97", kFrameSizes18, kVideoBitrates19, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    {"Motorola Xoom - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "1280x720", "4500K", "23.97", kFrameSizes19, kVideoBitrates20, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates1, kSampleRates1, kChannels1}}},
    // BlackBerry
    {"BlackBerry - 3GP Video", ".3gp\0 .3gpp\0",
     {{kH264, "320x240", "448K", "15", kFrameSizes20, kVideoBitrates21, kFrameRates6},
      {kH263, "352x288", "448K", "15", kFrameSizes21, kVideoBitrates21, kFrameRates6},
      {kMpeg4, "320x240", "448K", "15", kFrameSizes20, kVideoBitrates21, kFrameRates6},
      {kXvid, "320x240", "448K", "15", kFrameSizes20, kVideoBitrates21, kFrameRates6}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1},
      {kAmrNb, "6.7k", "8000", "Mono", kAudioBitrates6, kSampleRates3, kChannels2}}},
    {"BlackBerry - AVI Video", ".avi\0",
     {{kH263, "352x288", "448K", "15", kFrameSizes21, kVideoBitrates21, kFrameRates6}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1},
      {kPcmS16le, "128K", "44100", "Mono", kAudioBitrates5, kSampleRates4, kChannels2}}},
    {"BlackBerry - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "320x240", "640K", "15", kFrameSizes20, kVideoBitrates21, kFrameRates6}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1}}},
    {"BlackBerry 8800/8700/8500/8300 - MPEG-4 Video", ".mp4\0",
     {{kMpeg4, "320x240", "460K", "25", kFrameSizes1, kVideoBitrates22, kFrameRates7}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1}}},
    {"BlackBerry Bold 9000 - H.264 Video", ".mp4\0",
     {{kH264, "480x320", "700K", "25", kFrameSizes12, kVideoBitrates23, kFrameRates7}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1}}},
    {"BlackBerry Bold 9700 - H.264 Video", ".mp4\0",
     {{kH264, "480x360", "700K", "30", kFrameSizes22, kVideoBitrates23, kFrameRates7}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1}}},
    {"BlackBerry Charm 7100 - MPEG-4 Video", ".mp4\0",
     {{kMpeg4, "240x260", "460K", "15", kFrameSizes23, kVideoBitrates22, kFrameRates8}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1}}},
    {"BlackBerry Curve 8900 - H.264 Video", ".mp4\0",
     {{kH264, "480x320", "700K", "30", kFrameSizes12, kVideoBitrates23, kFrameRates7}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1}}},
    {"BlackBerry Flip 8220/8230 - MPEG-4 Video", ".mp4\0",
     {{kMpeg4, "320x240", "460K", "30", kFrameSizes1, kVideoBitrates22, kFrameRates7}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1}}},
    {"BlackBerry Pearl 8100/8110/8120/8130 - MPEG-4 Video", ".mp4\0",
     {{kMpeg4, "240x260", "460K", "30", kFrameSizes23, kVideoBitrates22, kFrameRates7}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1}}},
    {"BlackBerry Playbook - H.264 Video", ".mp4\0",
     {{kH264, "720x480", "3500K", "29.97", kFrameSizes18, kVideoBitrates24, kFrameRates2}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates2, kChannels1}}},
    {"BlackBerry Playbook - MPEG-4 Video", ".mp4\0",
     {{kMpeg4, "720x480", "4000K", "29.97", kFrameSizes18, kVideoBitrates24, kFrameRates2}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates2, kChannels1}}},
    {"BlackBerry Playbook - WMV Video", ".mp4\0",
     {{kWmv8, "720x480", "3500K", "29.97", kFrameSizes18, kVideoBitrates24, kFrameRates2}},
     {{kWma7, "128K", "44100", "Stereo", kAudioBitrates7, kSampleRates2, kChannels1},
      {kWma8, "128K", "44100", "Stereo", kAudioBitrates8, kSampleRates2, kChannels1, kStartsChosen}}},
    {"BlackBerry Storm/Storm2/Torch/Tour - H.264 Video", ".mp4\0",
     {{kH264, "480x360", "700K", "30", kFrameSizes22, kVideoBitrates23, kFrameRates7}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1}}},
    {"BlackBerry Tour 9630 - H.264 Video", ".mp4\0",
     {{kH264, "480x360", "700K", "25", kFrameSizes22, kVideoBitrates23, kFrameRates7}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates5, kSampleRates1, kChannels1}}},
    // Windows Phone
    {"Windows Phone 7 - H.264 Video", ".mp4\0 .m4v\0",
     {{kH264, "720x480", "2000K", "29.97", kFrameSizes24, kVideoBitrates25, kFrameRates6}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates2, kChannels1}}},
    {"Windows Phone 7 - MPEG4 Video", ".mp4\0 .m4v\0",
     {{kMpeg4, "800x480", "2500K", "29.97", kFrameSizes24, kVideoBitrates26, kFrameRates2}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates2, kChannels1}}},
    {"Windows Phone 7 - WMV Video", ".wmv\0",
     {{kWmv8, "800x480", "2000K", "29.97", kFrameSizes24, kVideoBitrates25, kFrameRates2}},
     {{kWma8, "128K", "44100", "Stereo", kAudioBitrates8, kSampleRates2, kChannels1},
      {kWma7, "128K", "44100", "Stereo", kAudioBitrates7, kSampleRates2, kChannels1}}},
    // Mobile Phone
    {"3GP - Mobile Phone 3GP Video - Mono", ".3gp\0 .3g2\0",
     {{kH263, "352x288", "448K", "15", kFrameSizes21, kVideoBitrates27, kFrameRates6},
      {kXvid, "320x240", "448K", "15", kFrameSizes20, kVideoBitrates27, kFrameRates6},
      {kMpeg4, "320x240", "448K", "15", kFrameSizes20, kVideoBitrates27, kFrameRates6}},
     {{kAmrNb, "6.7k", "8000", "Mono", kAudioBitrates6, kSampleRates3, kChannels2}}},
    {"3GP2 - Mobile Phone 3GP Video - Stereo", ".3gp\0 .3gp2\0",
     {{kH264, "320x240", "448K", "15", kFrameSizes20, kVideoBitrates27, kFrameRates6},
      {kH263, "352x288", "448K", "15", kFrameSizes21, kVideoBitrates27, kFrameRates6},
      {kXvid, "320x240", "448K", "15", kFrameSizes20, kVideoBitrates27, kFrameRates6},
      {kMpeg4, "320x240", "448K", "15", kFrameSizes20, kVideoBitrates27, kFrameRates6}},
     {{kAac, "96K", "44100", "Stereo", kAudioBitrates9, kSampleRates1, kChannels1}}},
    {"WMA - Windows Media Audio", ".wma\0",
     {},
     {{kWma7, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1},
      {kWma8, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1, kStartsChosen}}},
    {"WMV - Video for Mobile Phone", ".wmv\0",
     {{kWmv8, "480x320", "1200K", "15", kFrameSizes25, kVideoBitrates28, kFrameRates6}},
     {{kWma7, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    // PS3 & PSP
    {"PSP - H.264 Video", ".mp4\0",
     {{kH264, "480x272", "768K", "25", kFrameSizes26, kVideoBitrates29, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    {"PSP - H.264 Video for TV", ".mp4\0",
     {{kH264, "720x480", "2000K", "25", kFrameSizes27, kVideoBitrates30, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    {"PSP - H.264 Video for firmware 2.00 and above", ".mp4\0",
     {{kH264, "368x208", "512K", "25", kFrameSizes28, kVideoBitrates31, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    {"PSP - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "368x208", "640K", "25", kFrameSizes28, kVideoBitrates32, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates4, kSampleRates1, kChannels1}}},
    {"PS3 - MPEG2 Video", ".mpg\0 .mpeg\0",
     {{kMpeg2Video, "720x480", "3000K", "25", kFrameSizes6, kVideoBitrates33, kFrameRates9}},
     {{kMp2, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates5, kChannels1},
      {kAc3, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates6, kChannels3},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates4, kChannels3}}},
    {"PS3 - MPEG2-TS HD Video", ".ts\0",
     {{kMpeg2Video, "1280x720", "6000K", "25", kFrameSizes29, kVideoBitrates34, kFrameRates9}},
     {{kMp2, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates5, kChannels1},
      {kAc3, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates6, kChannels3},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates4, kChannels3}}},
    {"PS3 - MPEG2-PS HD Video", ".mpg\0 .mpeg\0",
     {{kMpeg2Video, "1280x720", "6000K", "25", kFrameSizes29, kVideoBitrates34, kFrameRates9}},
     {{kMp2, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates5, kChannels1},
      {kAc3, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates6, kChannels3},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates4, kChannels3}}},
    {"PS3 - Xvid Video", ".avi\0",
     {{kXvid, "720x480", "2500K", "25", kFrameSizes6, kVideoBitrates35, kFrameRates9}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1},
      {kMp2, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates5, kChannels1},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates4, kChannels3}}},
    {"PS3 - Xvid HD Video", ".avi\0",
     {{kXvid, "1280x720", "5000K", "25", kFrameSizes29, kVideoBitrates36, kFrameRates9}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1},
      {kMp2, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates5, kChannels1},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates4, kChannels3}}},
    {"PS3 - H.264 Video", ".mp4\0",
     {{kH264, "720x480", "2000K", "25", kFrameSizes6, kVideoBitrates9, kFrameRates9}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"PS3 - H.264 HD Video", ".mp4\0",
     {{kH264, "1280x720", "4000K", "25", kFrameSizes29, kVideoBitrates37, kFrameRates9}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"PS3 - WMV Video", ".wmv\0",
     {{kWmv8, "720x480", "2000K", "25", kFrameSizes6, kVideoBitrates38, kFrameRates9},
      {kWmv7, "720x480", "2000K", "25", kFrameSizes6, kVideoBitrates38, kFrameRates9}},
     {{kWma8, "128K", "44100", "Stereo", kAudioBitrates11, kSampleRates1, kChannels1},
      {kWma7, "128K", "44100", "Stereo", kAudioBitrates11, kSampleRates1, kChannels1}}},
    {"PS3 - WMV HD Video", ".wmv\0",
     {{kWmv8, "1280x720", "4000K", "25", kFrameSizes29, kVideoBitrates39, kFrameRates9},
      {kWmv7, "1280x720", "4000K", "25", kFrameSizes29, kVideoBitrates39, kFrameRates9}},
     {{kWma8, "128K", "44100", "Stereo", kAudioBitrates11, kSampleRates1, kChannels1},
      {kWma7, "128K", "44100", "Stereo", kAudioBitrates11, kSampleRates1, kChannels1}}},
    // Xbox360
    {"Xbox360 - H.264 HD Video", ".mov\0 .m4v\0",
     {{kH264, "1280x720", "4000K", "25", kFrameSizes29, kVideoBitrates37, kFrameRates9}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Xbox360 - H.264 Video", ".mov\0 .m4v\0",
     {{kH264, "720x480", "2000K", "25", kFrameSizes6, kVideoBitrates38, kFrameRates9}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Xbox360 - Xvid HD Video", ".avi\0",
     {{kXvid, "1280x720", "5000K", "25", kFrameSizes29, kVideoBitrates40, kFrameRates9}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Xbox360 - Xvid Video", ".avi\0",
     {{kXvid, "720x480", "2000K", "25", kFrameSizes6, kVideoBitrates38, kFrameRates9}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Xbox360 - MPEG4 HD Video", ".mov\0 .m4v\0",
     {{kMpeg4, "1280x720", "5000K", "25", kFrameSizes29, kVideoBitrates34, kFrameRates9}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Xbox360 - MPEG4 Video", ".mov\0 .m4v\0",
     {{kMpeg4, "720x480", "2500K", "25", kFrameSizes6, kVideoBitrates41, kFrameRates9}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Xbox360 - WMV HD Video", ".wmv\0",
     {{kWmv8, "1280x720", "4000K", "29.97", kFrameSizes29, kVideoBitrates42, kFrameRates9},
      {kWmv7, "1280x720", "4000K", "29.97", kFrameSizes29, kVideoBitrates42, kFrameRates9}},
     {{kWma8, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1},
      {kWma7, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Xbox360 - WMV Video", ".wmv\0",
     {{kWmv8, "720x480", "2000K", "25", kFrameSizes6, kVideoBitrates38, kFrameRates9},
      {kWmv7, "720x480", "2000K", "25", kFrameSizes6, kVideoBitrates38, kFrameRates9}},
     {{kWma8, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1},
      {kWma7, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    // PMP
    {"iRiver - Xvid Video", ".avi\0",
     {{kXvid, "480x272", "1000K", "30", kFrameSizes30, kVideoBitrates43, kFrameRates1}},
     {{kMp2, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates5, kChannels1},
      {kMp3, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1, kStartsChosen},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates4, kChannels3},
      {kAc3, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates6, kChannels3}}},
    {"iRiver - H.264 Video", ".mp4\0",
     {{kH264, "480x272", "768K", "30", kFrameSizes30, kVideoBitrates43, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1}}},
    {"iRiver - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "480x272", "1000K", "30", kFrameSizes30, kVideoBitrates43, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1}}},
    {"iRiver - WMV Video", ".wmv\0",
     {{kWmv8, "480x272", "768K", "30", kFrameSizes30, kVideoBitrates43, kFrameRates1},
      {kWmv7, "480x272", "768K", "30", kFrameSizes30, kVideoBitrates43, kFrameRates1}},
     {{kWma8, "128K", "44100", "Stereo", kAudioBitrates11, kSampleRates1, kChannels1},
      {kWma7, "128K", "44100", "Stereo", kAudioBitrates11, kSampleRates1, kChannels1}}},
    {"Creative ZEN - H.264 Video", ".mp4\0",
     {{kH264, "480x272", "768K", "30", kFrameSizes30, kVideoBitrates43, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1}}},
    {"Creative ZEN - MPEG4 Video", ".mp4\0",
     {{kMpeg4, "480x272", "1000K", "30", kFrameSizes30, kVideoBitrates43, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1}}},
    {"Creative ZEN - WMV Video", ".wmv\0",
     {{kWmv8, "480x272", "768K", "30", kFrameSizes30, kVideoBitrates43, kFrameRates1},
      {kWmv7, "480x272", "768K", "30", kFrameSizes30, kVideoBitrates43, kFrameRates1}},
     {{kWma8, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1},
      {kWma7, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1}}},
    {"Creative ZEN - Xvid Video", ".avi\0",
     {{kXvid, "480x272", "1000K", "30", kFrameSizes30, kVideoBitrates43, kFrameRates1}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1},
      {kMp2, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates5, kChannels1},
      {kAc3, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates6, kChannels3},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates4, kChannels3}}},
    {"Zune - MPEG4 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kMpeg4, "320x240", "1200K", "29.97", kFrameSizes1, kVideoBitrates44, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1}}},
    {"Zune - WMV Video", ".wmv\0",
     {{kWmv8, "320x240", "512K", "29.97", kFrameSizes1, kVideoBitrates45, kFrameRates1},
      {kWmv7, "320x240", "512K", "29.97", kFrameSizes1, kVideoBitrates45, kFrameRates1}},
     {{kWma8, "64K", "44100", "Stereo", kAudioBitrates13, kSampleRates1, kChannels1},
      {kWma7, "64K", "44100", "Stereo", kAudioBitrates13, kSampleRates1, kChannels1}}},
    {"Zune- H.264 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "320x240", "1200K", "29.97", kFrameSizes1, kVideoBitrates44, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates14, kSampleRates1, kChannels1}}},
    {"Archos- MPEG4 Video", ".mp4\0",
     {{kMpeg4, "800x480", "3000K", "29.97", kFrameSizes31, kVideoBitrates46, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1}}},
    {"Archos- WMV Video", ".wmv\0",
     {{kWmv8, "800x480", "2500K", "29.97", kFrameSizes31, kVideoBitrates47, kFrameRates1},
      {kWmv7, "800x480", "2500K", "29.97", kFrameSizes31, kVideoBitrates47, kFrameRates1}},
     {{kWma8, "128K", "44100", "Stereo", kAudioBitrates9, kSampleRates1, kChannels1},
      {kWma7, "128K", "44100", "Stereo", kAudioBitrates9, kSampleRates1, kChannels1}}},
    {"Archos- H.264 Video", ".mp4\0",
     {{kH264, "800x480", "2500K", "29.97", kFrameSizes31, kVideoBitrates30, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates12, kSampleRates1, kChannels1}}},
    // General Video
    {"MKV - Matroska Video", ".mkv\0",
     {{kH264, "Auto", "1200K", "25", kFrameSizes32, kVideoBitrates48, kFrameRates10},
      {kMotionJpeg, "Auto", "1200K", "29.97", kFrameSizes33, kVideoBitrates13, kFrameRates11},
      {kMpeg4, "Auto", "1200K", "25", kFrameSizes32, kVideoBitrates48, kFrameRates10}},
     {{kMp2, "128K", "44100", "Stereo", kAudioBitrates15, kSampleRates5, kChannels1},
      {kMp3, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates16, kSampleRates4, kChannels3},
      {kAc3, "128K", "44100", "Stereo", kAudioBitrates16, kSampleRates6, kChannels3}}},
    {"ASF - Advanced Streaming Format", ".asf\0",
     {{kMsMpeg4, "Auto", "1200K", "25", kFrameSizes34, kVideoBitrates49, kFrameRates10},
      {kWmv7, "Auto", "1200K", "25", kFrameSizes32, kVideoBitrates48, kFrameRates10},
      {kWmv8, "Auto", "1200K", "25", kFrameSizes32, kVideoBitrates48, kFrameRates10}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1},
      {kMp2, "128K", "44100", "Stereo", kAudioBitrates15, kSampleRates5, kChannels1}}},
    {"AVI - Audio-Video Interleaved", ".avi\0",
     {{kH264, "Auto", "1200K", "25", kFrameSizes32, kVideoBitrates48, kFrameRates10},
      {kMpeg4, "Auto", "1200K", "25", kFrameSizes32, kVideoBitrates50, kFrameRates10},
      {kMotionJpeg, "Auto", "1200K", "Auto", kFrameSizes33, kVideoBitrates13, kFrameRates12},
      {kWmv8, "Auto", "1200K", "25", kFrameSizes32, kVideoBitrates49, kFrameRates10},
      {kMsMpeg4, "Auto", "1200K", "25", kFrameSizes34, kVideoBitrates49, kFrameRates10}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1},
      {kMp2, "128K", "44100", "Stereo", kAudioBitrates15, kSampleRates5, kChannels1},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates16, kSampleRates4, kChannels3},
      {kAc3, "128K", "44100", "Stereo", kAudioBitrates16, kSampleRates6, kChannels3}}},
    {"DV - Digital Video format", ".dv\0",
     {{kNtscDv, "720x480", "Auto", "29.97", kFrameSizes35, kVideoBitrates51, kFrameRates13},
      {kPalDv, "720x576", "Auto", "25", kFrameSizes36, kVideoBitrates51, kFrameRates14}},
     {{kPcmS16le, "Auto", "48000", "Stereo", kAudioBitrates17, kSampleRates7, kChannels3}}},
    {"DVD - DVD Video format", ".vob\0",
     {{kNtscDvd, "720x480", "2500K", "Auto", kFrameSizes35, kVideoBitrates52, kFrameRates15},
      {kPalDvd, "720x576", "2500K", "Auto", kFrameSizes36, kVideoBitrates52, kFrameRates16}},
     {{kAc3, "192K", "48000", "Stereo", kAudioBitrates18, kSampleRates8, kChannels3},
      {kMp2, "192K", "48000", "Stereo", kAudioBitrates18, kSampleRates8, kChannels1}}},
    {"MOV - QuickTime Video", ".mov\0 .qt\0",
     {{kMpeg4, "Auto", "768K", "25", kFrameSizes37, kVideoBitrates53, kFrameRates10}},
     {{kAac, "192K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    {"MP4 - MPEG-4 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kMpeg4, "Auto", "1200K", "25", kFrameSizes11, kVideoBitrates50, kFrameRates10}},
     {{kAac, "192K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    {"MPEG-1 - Video", ".mpg\0 .mpeg\0",
     {{kMpeg1Video, "Auto", "1600K", "25", kFrameSizes11, kVideoBitrates54, kFrameRates9}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates19, kSampleRates1, kChannels3},
      {kMp2, "128K", "44100", "Stereo", kAudioBitrates20, kSampleRates5, kChannels3}}},
    {"MPEG-2 - Video", ".mpg\0 .mpeg\0",
     {{kMpeg2Video, "Auto", "2000K", "25", kFrameSizes11, kVideoBitrates55, kFrameRates9}},
     {{kMp2, "128K", "44100", "Stereo", kAudioBitrates15, kSampleRates5, kChannels1},
      {kAc3, "128K", "32000", "Stereo", kAudioBitrates16, kSampleRates6, kChannels3}}},
    {"H.264/MPEG4 - AVC Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "Auto", "768K", "25", kFrameSizes11, kVideoBitrates56, kFrameRates10}},
     {{kAac, "192K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    {"RM - Real Video", ".rmvb\0",
     {{kRealVideo2, "Auto", "384K", "25", kFrameSizes32, kVideoBitrates57, kFrameRates5}},
     {{kRealAudio, "64K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    {"VCD - Video", ".mkv\0",
     {{kNtscVcd, "352x240", "1150K", "29.97", kFrameSizes38, kVideoBitrates58, kFrameRates13},
      {kPalVcd, "352x288", "1150K", "25", kFrameSizes39, kVideoBitrates58, kFrameRates14}},
     {{kMp2, "224K", "44100", "Stereo", kAudioBitrates20, kSampleRates5, kChannels1}}},
    {"WMV - Windows Media Video", ".wmv\0",
     {{kWmv8, "Auto", "1200K", "25", kFrameSizes37, kVideoBitrates59, kFrameRates5},
      {kWmv7, "Auto", "1200K", "25", kFrameSizes37, kVideoBitrates59, kFrameRates5}},
     {{kWma8, "128K", "44100", "Stereo", kAudioBitrates11, kSampleRates1, kChannels1},
      {kWma7, "128K", "44100", "Stereo", kAudioBitrates11, kSampleRates1, kChannels1}}},
    {"Xvid - Video", ".avi\0",
     {{kXvid, "Auto", "1200K", "25", kFrameSizes32, kVideoBitrates60, kFrameRates10}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1},
      {kMp2, "128K", "44100", "Stereo", kAudioBitrates15, kSampleRates5, kChannels1},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates16, kSampleRates4, kChannels3}}},
    // Web Video
    {"YOUTUBE - H.264 Video", ".mp4\0",
     {{kH264, "640x480", "1800K", "25", kFrameSizes2, kVideoBitrates2, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"YOUTUBE - H.264 HD Video", ".mp4\0",
     {{kH264, "1280x720", "4000K", "25", kFrameSizes8, kVideoBitrates61, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Dailymotion - H.264 HD Video", ".mp4\0",
     {{kH264, "1280x720", "1000K", "25", kFrameSizes8, kVideoBitrates2, kFrameRates1}},
     {{kAac, "256K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Dailymotion - H.264 Video", ".mp4\0",
     {{kH264, "640x480", "2000K", "25", kFrameSizes2, kVideoBitrates2, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Facebook - H.264 HD Video", ".mp4\0",
     {{kH264, "1280x720", "4500K", "25", kFrameSizes8, kVideoBitrates62, kFrameRates1}},
     {{kAac, "256K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Facebook - H.264 Video", ".mp4\0",
     {{kH264, "640x480", "2000K", "25", kFrameSizes2, kVideoBitrates2, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Flickr - H.264 HD Video", ".mp4\0",
     {{kH264, "1280x720", "4500K", "25", kFrameSizes8, kVideoBitrates62, kFrameRates1}},
     {{kAac, "256K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Flickr - H.264 Video", ".mp4\0",
     {{kH264, "640x480", "2000K", "25", kFrameSizes2, kVideoBitrates2, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Vimeo - H.264 HD Video", ".mp4\0",
     {{kH264, "1280x720", "4500K", "25", kFrameSizes8, kVideoBitrates62, kFrameRates1}},
     {{kAac, "256K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"Vimeo - H.264 Video", ".mp4\0",
     {{kH264, "640x480", "2000K", "25", kFrameSizes2, kVideoBitrates2, kFrameRates1}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"OGG Theora Video - HTML5 OGG theora Video Profile", ".oggv\0",
     {{kTheora, "768x576", "640K", "29.97", kFrameSizes40, kVideoBitrates63, kFrameRates10}},
     {{kLibVorbis, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"VP8 Video - HTML5 VP8 Video Profile", ".webm\0",
     {{kVp8, "320x240", "614K", "29.97", kFrameSizes1, kVideoBitrates64, kFrameRates10}},
     {{kLibVorbis, "128K", "44100", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    {"H.264 Video - HTML5 H.264 Video Profile", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "720x576", "768K", "29.97", kFrameSizes6, kVideoBitrates56, kFrameRates1}},
     {{kAac, "128K", "48000", "Stereo", kAudioBitrates10, kSampleRates1, kChannels1}}},
    // HD Video
    {"HD - AVI Video", ".avi\0",
     {{kMsMpeg4, "1920x1080", "12000K", "25", kFrameSizes41, kVideoBitrates65, kFrameRates10}},
     {{kMp2, "192K", "44100", "Stereo", kAudioBitrates19, kSampleRates5, kChannels1},
      {kMp3, "192K", "44100", "Stereo", kAudioBitrates19, kSampleRates1, kChannels1},
      {kPcmS16le, "192K", "44100", "Stereo", kAudioBitrates19, kSampleRates4, kChannels3},
      {kAc3, "192K", "44100", "Stereo", kAudioBitrates19, kSampleRates6, kChannels3}}},
    {"HD - ASF Video", ".avi\0",
     {{kMsMpeg4, "1920x1080", "10000K", "25", kFrameSizes41, kVideoBitrates66, kFrameRates10},
      {kWmv7, "1920x1080", "10000K", "25", kFrameSizes41, kVideoBitrates66, kFrameRates10},
      {kWmv8, "1920x1080", "10000K", "29.97", kFrameSizes41, kVideoBitrates66, kFrameRates15}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1},
      {kMp2, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates5, kChannels1}}},
    {"HD - H.264 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kH264, "1920x1080", "8000K", "25", kFrameSizes41, kVideoBitrates67, kFrameRates10}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates19, kSampleRates1, kChannels1}}},
    {"HD - MKV Video", ".mkv\0",
     {{kH264, "1920x1080", "10000K", "25", kFrameSizes41, kVideoBitrates68, kFrameRates10},
      {kMpeg4, "1920x1080", "10000K", "25", kFrameSizes41, kVideoBitrates68, kFrameRates10}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates15, kSampleRates1, kChannels1},
      {kMp2, "128K", "44100", "Stereo", kAudioBitrates15, kSampleRates5, kChannels1},
      {kPcmS16le, "128K", "44100", "Stereo", kAudioBitrates15, kSampleRates4, kChannels3},
      {kAc3, "128K", "44100", "Stereo", kAudioBitrates15, kSampleRates6, kChannels3}}},
    {"HD - MOV Video", ".mov\0 .qt\0",
     {{kH264, "1920x1080", "8000K", "25", kFrameSizes41, kVideoBitrates69, kFrameRates10},
      {kMpeg4, "1920x1080", "10000K", "25", kFrameSizes41, kVideoBitrates68, kFrameRates10}},
     {{kAac, "128K", "44100", "Stereo", kAudioBitrates19, kSampleRates1, kChannels3}}},
    {"HD - MPEG2-PS Video", ".mpg\0 .mpeg\0 .vob\0",
     {{kMpeg2Video, "1920x1080", "12000K", "25", kFrameSizes41, kVideoBitrates70, kFrameRates9}},
     {{kMp2, "128K", "44100", "Stereo", kAudioBitrates21, kSampleRates5, kChannels3},
      {kAc3, "128K", "44100", "Stereo", kAudioBitrates21, kSampleRates6, kChannels3}}},
    {"HD - MPEG2 TS Video", ".ts\0",
     {{kMpeg2Video, "1920x1080", "12000K", "25", kFrameSizes41, kVideoBitrates70, kFrameRates9}},
     {{kMp2, "128K", "44100", "Stereo", kAudioBitrates21, kSampleRates5, kChannels3},
      {kAc3, "128K", "44100", "Stereo", kAudioBitrates21, kSampleRates6, kChannels3}}},
    {"HD - MPEG4 Video", ".mp4\0 .m4v\0 .mov\0",
     {{kMpeg4, "1920x1080", "10000K", "25", kFrameSizes41, kVideoBitrates68, kFrameRates10}},
     {{kAac, "192K", "44100", "Stereo", kAudioBitrates19, kSampleRates1, kChannels3}}},
    {"HD - RM Video", ".rmvb\0",
     {{kRealVideo2, "1920x1080", "3000K", "29.97", kFrameSizes41, kVideoBitrates71, kFrameRates15}},
     {{kRealAudio, "64K", "44100", "Stereo", kAudioBitrates22, kSampleRates1, kChannels3}}},
    {"HD - WMV Video", ".wmv\0",
     {{kWmv8, "1920x1080", "8000K", "29.97", kFrameSizes41, kVideoBitrates67, kFrameRates15}},
     {{kWma8, "128K", "44100", "Stereo", kAudioBitrates19, kSampleRates1, kChannels1},
      {kWma7, "128K", "44100", "Stereo", kAudioBitrates19, kSampleRates1, kChannels1}}},
    {"HD - Xvid Video", ".avi\0",
     {{kXvid, "1920x1080", "12000K", "25", kFrameSizes41, kVideoBitrates68, kFrameRates10}},
     {{kMp3, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels3}}},
    // General Audio
    {"MP3 - MPEG Layer-3 Audio", ".mp3\0",
     {},
     {{kMp3, "128K", "48000", "Stereo", kAudioBitrates9, kSampleRates1, kChannels1}}},
    {"AAC - Advanced Audio Coding", ".aac\0",
     {},
     {{kAac, "112K", "44100", "Stereo", kAudioBitrates8, kSampleRates1, kChannels1}}},
    {"AC3 - Dolby Digital AC-3", ".ac3\0",
     {},
     {{kAc3, "192K", "44100", "Stereo", kAudioBitrates23, kSampleRates6, kChannels3}}},
    {"AIFF - Audio Interchange File Format", ".aiff\0",
     {},
     {{kPcmS16le, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels3}}},
    {"AU - SUN AU Format", ".au\0",
     {},
     {{kPcmS16le, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels3},
      {kPcmAlaw, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels3},
      {kPcmMulaw, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels3},
      {kPcmS8, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels3}}},
    {"M4A - MPEG-4 Audio", ".m4a\0",
     {},
     {{kAac, "192K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1}}},
    {"MP2 - MPEG Layer-2 Audio", ".mp2\0",
     {},
     {{kMp2, "128K", "44100", "Stereo", kAudioBitrates9, kSampleRates5, kChannels1}}},
    {"OGG - Ogg Vorbis Audio", ".ogg\0",
     {},
     {{kVorbis, "128K", "44100", "Stereo", kAudioBitrates11, kSampleRates1, kChannels1}}},
    {"RA - Real Audio", ".ra\0 .ram\0",
     {},
     {{kRealAudio, "96K", "44100", "Stereo", kAudioBitrates9, kSampleRates1, kChannels1}}},
    {"WAV - Waveform Audio", ".wav\0",
     {},
     {{kPcmS16le, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels1},
      {kPcmS8, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels1},
      {kPcmAlaw, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels1},
      {kPcmMulaw, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels1},
      {kAdpcmMs, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels1},
      {kAdpcmImaWav, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels1}}},
    {"WMA - Windows Media Audio", ".wma\0",
     {},
     {{kWma7, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1},
      {kWma8, "128K", "44100", "Stereo", kAudioBitrates3, kSampleRates1, kChannels1, kStartsChosen}}},
    // Lossless Audio
    {"Waveform Lossless Audio", ".wav\0",
     {},
     {{kPcmS16le, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates4, kChannels3}}},
    {"ALAC - Apple Loseless Audio", ".m4a\0",
     {},
     {{kAlac, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates1, kChannels1}}},
    {"FLAC - Free Lossless Audio Codec", ".flac\0",
     {},
     {{kFlac, "Auto", "44100", "Stereo", kAudioBitrates17, kSampleRates9, kChannels1}}},
};

}  // namespace orva

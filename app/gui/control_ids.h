// Ids of the main window's controls, timers and state bits.
#pragma once

namespace orva {

// Image buttons.
inline constexpr int IDC_ADD_FILE = 1000;
inline constexpr int IDC_DELETE = 1003;
inline constexpr int IDC_CLEAR = 1004;
inline constexpr int IDC_EDIT_PROFILE = 1008;
inline constexpr int IDC_BROWSE = 1009;
inline constexpr int IDC_OPEN_FOLDER = 1010;
inline constexpr int IDC_CONVERT = 1011;
inline constexpr int IDC_STOP_CONVERT = 1013;
inline constexpr int IDC_PLAY = 1047;
inline constexpr int IDC_STOP_PLAY = 1048;
inline constexpr int IDC_PAUSE = 1049;
inline constexpr int IDC_MINIMISE = 1050;
inline constexpr int IDC_CLOSE = 1051;
inline constexpr int IDC_HOME = 1072;
inline constexpr int IDC_HELP = 1073;

// Other controls.
inline constexpr int IDC_JOB_LIST = 1002;
inline constexpr int IDC_PROFILE_COMBO = 1012;
inline constexpr int IDC_STATUS_LINE = 1014;
inline constexpr int IDC_FILE_NAME = 1015;
inline constexpr int IDC_EXTENSION = 1016;
inline constexpr int IDC_ELAPSED = 1018;
inline constexpr int IDC_REMAINING = 1019;
inline constexpr int IDC_DESTINATION = 1020;
inline constexpr int IDC_CAPTION_PROFILE = 1021;
inline constexpr int IDC_CAPTION_DESTINATION = 1022;
inline constexpr int IDC_CAPTION_FILE_NAME = 1023;
inline constexpr int IDC_CAPTION_EXTENSION = 1024;
inline constexpr int IDC_CAPTION_ELAPSED = 1025;
inline constexpr int IDC_CAPTION_REMAINING = 1026;
inline constexpr int IDC_PROGRESS = 1027;
inline constexpr int IDC_SEEK_SLIDER = 1039;
inline constexpr int IDC_PREVIEW = 1040;
inline constexpr int IDC_CAPTION_BEGIN = 1042;
inline constexpr int IDC_CAPTION_END = 1043;
inline constexpr int IDC_TRIM_BEGIN = 1044;
inline constexpr int IDC_TRIM_END = 1045;
inline constexpr int IDC_PLAY_TIME = 1046;
inline constexpr int IDC_HOME_LINK = 1052;
inline constexpr int IDC_HELP_LINK = 1054;
inline constexpr int IDC_VOLUME_SLIDER = 1070;

// Timers of the main window, by id.
inline constexpr int kTimerEncoderWatch = 1000;   // 50 ms
inline constexpr int kTimerProgress = 1001;       // 100 ms
inline constexpr int kTimerPlayerWatch = 1002;    // 50 ms
inline constexpr int kTimerPlayClock = 1003;      // 1000 ms
inline constexpr int kTimerWebWatch = 1010;       // 100 ms

// The window's state bits.
inline constexpr int kUiConverting = 2;
inline constexpr int kUiPreviewLoaded = 4;
inline constexpr int kUiPreviewPlaying = 8;

// The About entry of the window's menu.
inline constexpr int kAboutCommand = 16;

// Captions over the background artwork, drawn by the window so that they
// read in the user's language.
inline constexpr int IDC_CAPTION_ADD_FILES = 1080;
inline constexpr int IDC_CAPTION_DELETE = 1081;
inline constexpr int IDC_CAPTION_CLEAR = 1082;
inline constexpr int IDC_CAPTION_EDIT_PROFILE = 1083;
inline constexpr int IDC_DROP_HINT = 1084;
inline constexpr int IDC_DROP_HINT_MORE = 1085;
inline constexpr int IDC_SKIN_PROFILE = 1086;
inline constexpr int IDC_SKIN_DESTINATION = 1087;
inline constexpr int IDC_SKIN_BEGIN = 1088;
inline constexpr int IDC_SKIN_END = 1089;
inline constexpr int IDC_CAPTION_BROWSE = 1090;
inline constexpr int IDC_CAPTION_OPEN = 1091;
inline constexpr int IDC_CAPTION_HOME = 1092;
inline constexpr int IDC_CAPTION_HELP = 1093;

}  // namespace orva

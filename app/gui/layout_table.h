// Where every control of the main window sits, in pixels of the 770 x 550
// window, applied once at start.
#pragma once

#include "app/gui/control_ids.h"

namespace orva {

struct ControlPlace {
  int id;
  int x, y, width, height;
};

inline constexpr int kWindowWidth = 770;
inline constexpr int kWindowHeight = 550;

inline constexpr ControlPlace LayoutTable[] = {
    {IDC_CLOSE, 743, 4, 18, 19},          {IDC_MINIMISE, 718, 4, 19, 19},
    {IDC_EDIT_PROFILE, 369, 27, 50, 50},  {IDC_CLEAR, 267, 27, 50, 50},
    {IDC_DELETE, 163, 27, 50, 50},        {IDC_ADD_FILE, 31, 27, 50, 50},
    {IDC_HELP, 713, 44, 33, 18},          {IDC_HOME, 654, 44, 41, 15},
    {IDC_JOB_LIST, 11, 88, 455, 326},     {IDC_PREVIEW, 474, 90, 284, 218},
    {IDC_SEEK_SLIDER, 491, 315, 251, 8},  {IDC_PAUSE, 488, 327, 48, 48},
    {IDC_PLAY, 488, 327, 48, 48},         {IDC_STOP_PLAY, 544, 340, 22, 22},
    {IDC_VOLUME_SLIDER, 576, 349, 46, 5}, {IDC_TRIM_BEGIN, 547, 389, 63, 11},
    {IDC_TRIM_END, 687, 388, 63, 11},     {IDC_PLAY_TIME, 646, 345, 103, 11},
    {IDC_PROFILE_COMBO, 81, 462, 433, 24}, {IDC_DESTINATION, 81, 492, 364, 24},
    {IDC_BROWSE, 467, 489, 72, 26},       {IDC_OPEN_FOLDER, 553, 489, 72, 26},
    {IDC_PROGRESS, 7, 436, 621, 21},      {IDC_STATUS_LINE, 11, 422, 283, 12},
    {IDC_STOP_CONVERT, 662, 446, 81, 81}, {IDC_CONVERT, 662, 446, 81, 81},
};

}  // namespace orva

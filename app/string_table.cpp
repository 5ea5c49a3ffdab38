#include "app/string_table.h"

#include "engine/conversion_texts.h"

namespace orva {

namespace {

struct StringEntry {
  int id;
  const char* text;
};

constexpr StringEntry kStrings[] = {
    {kStrAboutMenu, "&About Orva Video Converter..."},
    // Tooltips of the main window's buttons.
    {1000, "Add Files"},
    {1003, "Remove Selected File(s) From List"},
    {1004, "Remove All Files From List"},
    {1008, "Edit Profile"},
    {1009, "Browse Folder"},
    {1010, "Open Folder"},
    {1011, "Convert"},
    {1013, "Stop Convert"},
    {1047, "Click it to play"},
    {1048, "Stop playing"},
    {1049, "Pause"},
    {kStrVersion, "1.7.29"},
    {kStrNewVersion, "Find new version,update or not?"},
    {kStrSetBegin, "Set Current Time to Begin Time?"},
    {kStrSetEnd, "Set Current Time to End Time?"},
    {kStrBeginTooLarge, "Begin time is large,change it before to continue"},
    {kStrNotWritable, kNotWritableMessage},
    {kStrReadingFileInfo, "Reading File Info ,please wait..."},
    {kStrStopFirst, "Please stop ripping first and try again.\n\nDo you want to stop now?"},
    {kStrTitle, "Orva Video Converter"},
    {kStrVersionQuerySoft, "20"},
};

}  // namespace

const char* LoadString(int id) {
  for (const StringEntry& entry : kStrings) {
    if (entry.id == id) return entry.text;
  }
  return "";
}

}  // namespace orva

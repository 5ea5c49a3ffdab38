// The program's user-visible texts by number. A control's tooltip is the
// text whose number is the control's id.
#pragma once

namespace orva {

inline constexpr int kStrAboutMenu = 101;
inline constexpr int kStrHomePage = 20100;
inline constexpr int kStrProductPage = 20101;
inline constexpr int kStrVersion = 20103;
inline constexpr int kStrNewVersion = 20104;
inline constexpr int kStrSetBegin = 20105;
inline constexpr int kStrSetEnd = 20106;
inline constexpr int kStrBeginTooLarge = 20107;
inline constexpr int kStrNotWritable = 20108;
inline constexpr int kStrReadingFileInfo = 20109;
inline constexpr int kStrStopFirst = 20110;
inline constexpr int kStrTitle = 25003;
inline constexpr int kStrVersionQuerySoft = 25007;

// The text of `id`, or "" when the table has none. Texts are UTF-8. The two
// page addresses are the installation's configuration (ProgramPageAddress).
const char* LoadString(int id);

}  // namespace orva

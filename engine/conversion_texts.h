// The fixed texts of a conversion run, shared by the driver and its views.
#pragma once

#include <string>

namespace orva {

inline constexpr char kStatusSuccess[] = "Success!";
inline constexpr char kStatusFailed[] = "Failed!";
inline constexpr char kStatusFatal[] = "FATAL!";

// The row statuses that are a job's result, not a percentage.
inline bool IsResultText(const std::string& text) {
  return text == kStatusSuccess || text == kStatusFailed || text == kStatusFatal;
}

inline constexpr char kFinishedFileName[] = "Finish";
inline constexpr char kIdleClock[] = "00:00:00";

// Row status and summary while a job runs.
inline constexpr char kSummaryLead[] = "Completed:  ";
inline constexpr char kExtensionChangeFormat[] = "%s ---> %s";

// The question asked when an output folder is not writable; the view shows
// the message, a line break and the folder under the caption.
inline constexpr char kNotWritableCaption[] = "Error";
inline constexpr char kNotWritableMessage[] = "given path is not writable, ignore the error";

// The line by which the encoder names the file it wrote when that is not
// the output path it was given (the name was taken meanwhile).
inline constexpr char kOutputWrittenAs[] = "output written as: ";

// The lines by which the encoder names what of the source the output
// cannot carry; the job keeps them joined by "; " after one lead.
inline constexpr char kNotKeptLead[] = "not kept: ";
inline constexpr char kNotKeptSeparator[] = "; ";

// The line by which the encoder says that the picture and sound are all
// written and it is finishing the file (moving an MP4 index to the front);
// no progress comes while it does. The row says so instead of a percentage
// that stands still.
inline constexpr char kEncoderFinishing[] = "finishing: ";
inline constexpr char kStatusFinishing[] = "Finishing...";

// The encoder's own quit command: it finishes the output file and exits.
inline constexpr char kEncoderQuitCommand[] = "q\n";

}  // namespace orva

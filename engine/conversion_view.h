// What the conversion driver shows and asks while it converts the job list.
// The main window implements it with its widgets, the command-line converter
// for a terminal, the tests with a recorder. Texts are UTF-8.
#pragma once

#include <string>

namespace orva {

class ConversionView {
 public:
  virtual ~ConversionView() = default;

  // Number of rows of the job list, for the "(n/N)" of the summary line.
  virtual int rowCount() const = 0;
  // Status column of a job's row: a percentage or the job's result.
  virtual void setRowStatus(int row, const std::string& text) = 0;
  virtual void setFileName(const std::string& text) = 0;
  virtual void setExtensionChange(const std::string& text) = 0;
  virtual void setElapsed(const std::string& text) = 0;
  virtual void setRemaining(const std::string& text) = 0;
  virtual void setSummary(const std::string& text) = 0;
  // Progress bar position, 0 to 10000 (hundredths of a per cent).
  virtual void setProgressPosition(int position) = 0;
  // true: progress bar and Stop shown, Convert hidden; false: the reverse.
  virtual void setConverting(bool converting) = 0;
  // The output folder failed the writability test: convert into it anyway?
  virtual bool askIgnoreNotWritable(const std::string& folder) = 0;
  // (Re)start or stop the 50 ms encoder poll and the 100 ms progress display;
  // while they run the owner calls ConversionDriver::onEncoderTimer and
  // ConversionDriver::onProgressTimer at those periods.
  virtual void startTimers() = 0;
  virtual void stopTimers() = 0;
  // A conversion is about to start: the preview player must be ended first.
  virtual void stopPreview() = 0;
};

// The display after a run: no summary, clocks at zero, "Finish" for the
// file name, the bar empty.
void ShowRunEnded(ConversionView& view);

}  // namespace orva

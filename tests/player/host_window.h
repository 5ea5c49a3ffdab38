// A plain X11 window standing in for the converter's preview area: the
// player draws into it, and the tests read back what the screen shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

namespace orva::player::test {

struct Screenshot {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row

  bool isFlat() const;                // one colour everywhere (or empty)
  double shareUnlike(std::uint32_t colour) const;  // share of pixels of another colour
  Screenshot rows(int first, int count) const;  // a band across the whole width
  bool savePpm(const std::string& path) const;
  bool operator==(const Screenshot& other) const = default;
};

class HostWindow {
 public:
  // Opens the display named by DISPLAY and shows a black window of that size.
  HostWindow(int width, int height);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  bool shown() const { return window_ != 0; }
  unsigned long id() const { return window_; }

  // What the screen shows inside the window, including any window the player
  // placed in it.
  Screenshot capture() const;

  // Paints every window inside this one black, as if their picture had been
  // lost; false when there is none.
  bool blackOutInnerWindows() const;

  void close();  // destroys the window, as a window that ends would

 private:
  _XDisplay* display_ = nullptr;
  unsigned long window_ = 0;
  int width_, height_;
};

}  // namespace orva::player::test

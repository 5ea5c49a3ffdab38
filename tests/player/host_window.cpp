#include "host_window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>

namespace orva::player::test {

bool Screenshot::isFlat() const {
  return std::adjacent_find(pixels.begin(), pixels.end(), std::not_equal_to<>()) == pixels.end();
}

double Screenshot::shareUnlike(std::uint32_t colour) const {
  if (pixels.empty()) return 0;
  const auto unlike = std::count_if(pixels.begin(), pixels.end(),
                                    [colour](std::uint32_t p) { return p != colour; });
  return static_cast<double>(unlike) / static_cast<double>(pixels.size());
}

Screenshot Screenshot::rows(int first, int count) const {
  Screenshot band;
  band.width = width;
  band.height = count;
  const auto begin = pixels.begin() + static_cast<std::ptrdiff_t>(first) * width;
  band.pixels.assign(begin, begin + static_cast<std::ptrdiff_t>(count) * width);
  return band;
}

bool Screenshot::savePpm(const std::string& path) const {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  for (std::uint32_t p : pixels) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16),
                                  static_cast<unsigned char>(p >> 8), static_cast<unsigned char>(p)};
    std::fwrite(rgb, 1, 3, file);
  }
  return std::fclose(file) == 0;
}

HostWindow::HostWindow(int width, int height) : width_(width), height_(height) {
  display_ = XOpenDisplay(nullptr);
  if (display_ == nullptr) return;
  const int screen = DefaultScreen(display_);
  const Window window =
      XCreateSimpleWindow(display_, RootWindow(display_, screen), 0, 0, static_cast<unsigned>(width),
                          static_cast<unsigned>(height), 0, 0, BlackPixel(display_, screen));
  XSelectInput(display_, window, StructureNotifyMask);
  XMapWindow(display_, window);
  XEvent event;
  do {
    XNextEvent(display_, &event);
  } while (event.type != MapNotify);
  window_ = window;
}

HostWindow::~HostWindow() {
  if (display_ == nullptr) return;
  close();
  XCloseDisplay(display_);
}

void HostWindow::close() {
  if (window_ == 0) return;
  XDestroyWindow(display_, window_);
  XSync(display_, False);
  window_ = 0;
}

Screenshot HostWindow::capture() const {
  Screenshot shot;
  if (window_ == 0) return shot;
  // The root window's picture holds whatever is drawn in windows inside ours.
  const Window root = DefaultRootWindow(display_);
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window_, root, 0, 0, &x, &y, &child);
  XImage* image = XGetImage(display_, root, x, y, static_cast<unsigned>(width_),
                            static_cast<unsigned>(height_), AllPlanes, ZPixmap);
  if (image == nullptr) return shot;
  shot.width = width_;
  shot.height = height_;
  shot.pixels.reserve(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  for (int row = 0; row < height_; ++row) {
    for (int column = 0; column < width_; ++column) {
      shot.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, column, row) & 0xFFFFFF));
    }
  }
  XDestroyImage(image);
  return shot;
}

bool HostWindow::blackOutInnerWindows() const {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display_, window_, &root, &parent, &children, &count) == 0) return false;
  GC gc = XCreateGC(display_, window_, 0, nullptr);
  XSetForeground(display_, gc, BlackPixel(display_, DefaultScreen(display_)));
  for (unsigned i = 0; i < count; ++i) {
    XFillRectangle(display_, children[i], gc, 0, 0, static_cast<unsigned>(width_),
                   static_cast<unsigned>(height_));
  }
  XFreeGC(display_, gc);
  if (children != nullptr) XFree(children);
  XSync(display_, False);
  return count > 0;
}

}  // namespace orva::player::test

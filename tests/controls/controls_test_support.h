// A parent panel of one flat colour for the controls under test, and pixel
// reads of what the panel shows where a control sits.
#pragma once

#include <QColor>
#include <QWidget>

namespace orva::test {

constexpr QRgb kPanel = 0xFF0A141E;

class Panel : public QWidget {
 public:
  Panel() {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(kPanel));
    setPalette(colours);
    resize(300, 120);
  }

  // The colour shown at (x, y) inside `child`, drawn over this panel.
  QRgb PixelOf(const QWidget& child, int x, int y) {
    return grab(child.geometry()).toImage().pixel(x, y) | 0xFF000000;
  }
};

}  // namespace orva::test

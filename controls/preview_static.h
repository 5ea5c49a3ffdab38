// The black area the preview player's pictures are painted into. The player
// draws them into shared memory at the area's size in device pixels; the
// area paints the newest one and says when that size changes (another
// screen, another scale).
#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

namespace orva {

class CPreviewStatic : public QWidget {
  Q_OBJECT

 public:
  explicit CPreviewStatic(QWidget* parent = nullptr);

  // The area's size in device pixels: the size the player's pictures have.
  QSize devicePixelSize() const;

  // Paints the picture (device pixels, 4 bytes a pixel: blue, green, red,
  // 255) from now on, without copying it: the memory stays valid until the next call or
  // ClearPicture().
  void ShowPicture(const uchar* pixels, int width, int height, int stride);
  // Back to plain black.
  void ClearPicture();
  bool hasPicture() const { return !picture_.isNull(); }

 signals:
  void painted();
  void devicePixelSizeChanged(QSize size);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void noteDevicePixelSize();

  QImage picture_;
  QSize announcedSize_;
};

}  // namespace orva

#include "controls/preview_static.h"

#include <QPainter>
#include <QPaintEvent>

#include <cmath>

namespace orva {

CPreviewStatic::CPreviewStatic(QWidget* parent) : QWidget(parent) {
  // Every pixel is painted each time: Qt need not erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize CPreviewStatic::devicePixelSize() const {
  const qreal ratio = devicePixelRatioF();
  return QSize(static_cast<int>(std::ceil(width() * ratio)), static_cast<int>(std::ceil(height() * ratio)));
}

void CPreviewStatic::ShowPicture(const uchar* pixels, int width, int height, int stride) {
  // "Blue, green, red, 255" is Qt's 32-bit RGB on little-endian machines.
  picture_ = QImage(pixels, width, height, stride, QImage::Format_RGB32);
  update();
}

void CPreviewStatic::ClearPicture() {
  picture_ = QImage();
  update();
}

void CPreviewStatic::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    if (picture_.isNull()) {
      painter.fillRect(event->rect(), Qt::black);
    } else {
      // Device pixels onto device pixels; a picture of the size before a
      // scale change is stretched until the next one arrives.
      painter.setRenderHint(QPainter::SmoothPixmapTransform, picture_.size() != devicePixelSize());
      painter.drawImage(rect(), picture_);
    }
  }
  // A new scale (another screen, or the compositor's scale known only once
  // the window is shown) always brings a paint.
  noteDevicePixelSize();
  emit painted();
}

void CPreviewStatic::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  noteDevicePixelSize();
}

void CPreviewStatic::noteDevicePixelSize() {
  const QSize size = devicePixelSize();
  if (size == announcedSize_ || size.isEmpty()) return;
  announcedSize_ = size;
  emit devicePixelSizeChanged(size);
}

}  // namespace orva

#include "controls/preview_static.h"

#include <QPainter>
#include <QPaintEvent>

namespace orva {

CPreviewStatic::CPreviewStatic(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_NativeWindow);
  // Only this area needs its own native window, not the window around it.
  setAttribute(Qt::WA_DontCreateNativeAncestors);
  // Qt erases nothing before the paint: the black is painted once, only over
  // the exposed region, and the player redraws on `painted`.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

void CPreviewStatic::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
  }
  emit painted();
}

}  // namespace orva

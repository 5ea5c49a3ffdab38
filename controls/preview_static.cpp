#include "controls/preview_static.h"

#include <QPainter>
#include <QPaintEvent>

#include "controls/skin_colours.h"

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

void CPreviewStatic::SetNotice(const QString& text) {
  notice_ = text;
  setAccessibleDescription(text);
  update();
}

void CPreviewStatic::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    // The notice is laid out over the whole area: paint all of it.
    painter.fillRect(notice_.isEmpty() ? event->rect() : rect(), Qt::black);
    if (!notice_.isEmpty()) {
      constexpr int kMargin = 16;
      painter.setPen(QColor::fromRgb(kSecondaryTextColour));
      painter.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin),
                       Qt::AlignCenter | Qt::TextWordWrap, notice_);
    }
  }
  emit painted();
}

}  // namespace orva

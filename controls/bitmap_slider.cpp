#include "controls/bitmap_slider.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "controls/picture_filters.h"
#include "controls/skin_colours.h"
#include "controls/skin_images.h"

namespace orva {

CBitmapSlider::CBitmapSlider(int controlId, QWidget* parent)
    : QWidget(parent), controlId_(controlId) {
  setFocusPolicy(Qt::StrongFocus);
}

bool CBitmapSlider::SetBitmapChannel(int channelId, int activeId, const QColor& transparent) {
  const qreal ratio = devicePixelRatioF();
  QImage channel = RenderSkinImage(channelId, ratio);
  QImage active = RenderSkinImage(activeId, ratio);
  if (channel.isNull() || active.isNull()) return false;
  channelId_ = channelId;
  activeId_ = activeId;
  transparent_ = transparent;
  channel_ = WithKeyTransparent(channel, transparent);
  active_ = WithKeyTransparent(active, transparent);
  renderedRatio_ = ratio;
  resize(SkinImageSize(channelId));
  update();
  return true;
}

// Re-renders for the screen the slider is on, so it stays sharp on a
// screen of another density.
void CBitmapSlider::RenderAtCurrentRatio() {
  const qreal ratio = devicePixelRatioF();
  if (channelId_ == 0 || ratio == renderedRatio_) return;
  channel_ = WithKeyTransparent(RenderSkinImage(channelId_, ratio), transparent_);
  active_ = WithKeyTransparent(RenderSkinImage(activeId_, ratio), transparent_);
  renderedRatio_ = ratio;
}

void CBitmapSlider::SetRange(int min, int max) {
  minimum_ = min;
  maximum_ = max;
  SetPos(position_);
}

// First to the maximum, then to the minimum, so an inverted range settles
// on its minimum.
int CBitmapSlider::Limited(long long pos) const {
  return static_cast<int>(std::max<long long>(std::min<long long>(pos, maximum_), minimum_));
}

// While the button is held the fill stays where the pointer put it: the
// release reports that place, not one the program set meanwhile.
void CBitmapSlider::SetPos(int pos) {
  if (dragging_) return;
  ChangePosition(Limited(pos));
}

void CBitmapSlider::MoveTo(int pos) {
  ChangePosition(Limited(pos));
  emit moved(controlId_, position_);
}

// Every change of position repaints and tells a screen reader the new value.
void CBitmapSlider::ChangePosition(int pos) {
  const bool changed = pos != position_;
  position_ = pos;
  update();
  if (!changed || !QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(this, SpokenValue());
  QAccessible::updateAccessibility(&event);
}

void CBitmapSlider::SetSpokenScale(double fullScale, const QString& format) {
  fullScale_ = std::isfinite(fullScale) && fullScale > 0 ? fullScale : 0;
  spokenFormat_ = format;
}

double CBitmapSlider::ToSpoken(int pos) const {
  const double span = static_cast<double>(maximum_) - minimum_;
  if (span <= 0) return 0;
  return (static_cast<double>(pos) - minimum_) / span * fullScale_;
}

int CBitmapSlider::PositionOfSpoken(double value) const {
  if (!(fullScale_ > 0) || !std::isfinite(value)) return minimum_;
  const double span = static_cast<double>(maximum_) - minimum_;
  return Limited(std::llround(minimum_ + std::clamp(value / fullScale_, 0.0, 1.0) * span));
}

QString CBitmapSlider::SpokenText() const {
  return spokenFormat_.arg(SpokenValue(), 0, 'f', fullScale_ >= 100 ? 0 : 1);
}

QSize CBitmapSlider::sizeHint() const {
  const QSize size = SkinImageSize(channelId_);
  return size.isValid() ? size : QSize(100, 8);
}

// An empty range puts the fill at the left end instead of dividing by zero.
int CBitmapSlider::PositionToPixel(int pos) const {
  const long long span = static_cast<long long>(maximum_) - minimum_;
  if (span <= 0) return 0;
  return static_cast<int>(width() * (static_cast<long long>(pos) - minimum_) / span);
}

int CBitmapSlider::PixelToPosition(int pixel) const {
  if (width() <= 0) return minimum_;
  const double span = static_cast<double>(maximum_) - minimum_;
  return static_cast<int>(minimum_ + static_cast<double>(pixel) / width() * span);
}

void CBitmapSlider::paintEvent(QPaintEvent*) {
  RenderAtCurrentRatio();
  QPainter painter(this);
  if (!channel_.isNull()) {
    const int split = isEnabled() ? PositionToPixel(position_) : 0;
    painter.save();
    painter.setClipRect(QRect(split, 0, width() - split, height()));
    painter.drawImage(QPoint(0, 0), channel_);
    painter.setClipRect(QRect(0, 0, split, height()));
    painter.drawImage(QPoint(0, 0), active_);
    painter.restore();
  }
  if (keyboardFocus_ && hasFocus() && isEnabled()) {
    painter.setPen(QPen(QColor(kAccentColour), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void CBitmapSlider::DragTo(int pixel) {
  const int wanted = std::clamp(pixel, 0, width());
  if (wanted == PositionToPixel(position_)) return;
  ChangePosition(Limited(PixelToPosition(wanted)));
  emit moving(controlId_, position_);
}

void CBitmapSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  dragging_ = true;
  DragTo(event->position().toPoint().x());
  update();
}

void CBitmapSlider::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) DragTo(event->position().toPoint().x());
}

// A release reports the position even when the press changed nothing, so a
// click always seeks.
void CBitmapSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return QWidget::mouseReleaseEvent(event);
  dragging_ = false;
  update();
  emit moved(controlId_, position_);
}

void CBitmapSlider::keyPressEvent(QKeyEvent* event) {
  long long wanted = position_;
  switch (event->key()) {
    case Qt::Key_PageUp: wanted -= page_; break;
    case Qt::Key_PageDown: wanted += page_; break;
    case Qt::Key_End: wanted = maximum_; break;
    case Qt::Key_Home: wanted = minimum_; break;
    case Qt::Key_Left:
    case Qt::Key_Up: wanted -= line_; break;
    case Qt::Key_Right:
    case Qt::Key_Down: wanted += line_; break;
    default: return QWidget::keyPressEvent(event);
  }
  MoveTo(Limited(wanted));
}

void CBitmapSlider::focusInEvent(QFocusEvent* event) {
  keyboardFocus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
  update();
  QWidget::focusInEvent(event);
}

void CBitmapSlider::focusOutEvent(QFocusEvent* event) {
  keyboardFocus_ = false;
  update();
  QWidget::focusOutEvent(event);
}

}  // namespace orva

#include "controls/gdip_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "controls/picture_filters.h"
#include "controls/skin_colours.h"
#include "controls/skin_images.h"

namespace orva {

namespace {

// The outline of what the picture shows, in its logical pixels: a circle
// for a round picture (its corners are clear), else a rounded rectangle
// round the drawn part.
QPainterPath FocusOutline(const QImage& picture, const QRect& fallback) {
  QPainterPath path;
  QRect drawn;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (qAlpha(picture.pixel(x, y)) > 0) drawn |= QRect(x, y, 1, 1);
    }
  }
  if (drawn.isEmpty()) {
    path.addRoundedRect(QRectF(fallback).adjusted(0.75, 0.75, -0.75, -0.75), 4, 4);
    return path;
  }
  const qreal ratio = picture.devicePixelRatio();
  const QRectF bounds(drawn.x() / ratio, drawn.y() / ratio, drawn.width() / ratio, drawn.height() / ratio);
  const bool round =
      qAlpha(picture.pixel(drawn.topLeft())) == 0 && qAlpha(picture.pixel(drawn.bottomRight())) == 0;
  // Just outside the shape where the button leaves room for it.
  const QRectF ring = bounds.adjusted(-1, -1, 1, 1) & QRectF(fallback).adjusted(0.75, 0.75, -0.75, -0.75);
  if (round) {
    path.addEllipse(ring);
  } else {
    path.addRoundedRect(ring, 4, 4);
  }
  return path;
}

}  // namespace

CGdipButton::CGdipButton(int controlId, QWidget* parent)
    : QAbstractButton(parent), controlId_(controlId) {
  setFocusPolicy(Qt::StrongFocus);
}

bool CGdipButton::LoadStdImage(int imageId) { return LoadSet(standard_, imageId); }

bool CGdipButton::LoadAltImage(int imageId) { return LoadSet(alternate_, imageId); }

bool CGdipButton::LoadSet(PictureSet& set, int imageId) {
  set = PictureSet{};
  set.imageId = imageId;
  RenderSet(set, devicePixelRatioF());
  if (set.normal.isNull()) set = PictureSet{};
  update();
  return !set.normal.isNull();
}

void CGdipButton::RenderSet(PictureSet& set, qreal ratio) {
  if (set.imageId == 0 || set.ratio == ratio) return;
  set.ratio = ratio;
  set.normal = RenderSkinImage(set.imageId, ratio);
  set.hover = Brightened(set.normal);
  set.grey = Greyed(set.normal);
}

// The pictures are rendered for the screen the button is on, so they stay
// sharp when it moves to a screen of another density.
void CGdipButton::RenderAtCurrentRatio() {
  const qreal ratio = devicePixelRatioF();
  RenderSet(standard_, ratio);
  RenderSet(alternate_, ratio);
}

void CGdipButton::SetToolTipText(const QString& text, bool activate) {
  if (text.isEmpty()) return;
  setToolTip(activate ? text : QString());
  setAccessibleName(text);
}

void CGdipButton::HandFocusTo(CGdipButton& other) {
  if (!hasFocus()) return;
  other.setFocus(keyboardFocus_ ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

void CGdipButton::SetToggle(bool on) {
  // Cleared while still checkable: a plain button never shows the alternate set.
  if (!on) setChecked(false);
  setCheckable(on);
  update();
}

QSize CGdipButton::sizeHint() const {
  const QSize size = SkinImageSize(standard_.imageId);
  return size.isValid() ? size : QSize(16, 16);
}

const QImage& CGdipButton::CurrentPicture() const {
  if (!isEnabled()) return standard_.grey;
  // While pressed in toggle mode the picture already shows the state the
  // click is about to switch to.
  const bool alternateShown = isDown() && isCheckable() ? !isChecked() : isChecked();
  const PictureSet& set = alternateShown ? alternate_ : standard_;
  return hovering_ && !isDown() ? set.hover : set.normal;
}

void CGdipButton::paintEvent(QPaintEvent*) {
  RenderAtCurrentRatio();
  QPainter painter(this);
  const QImage& picture = CurrentPicture();
  if (!picture.isNull()) {
    const QPoint offset = isDown() && isEnabled() ? QPoint(1, 1) : QPoint(0, 0);
    painter.drawImage(offset, picture);
  }
  if (showsFocusRing()) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(kAccentColour), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(FocusOutline(picture, rect()));
  }
}

void CGdipButton::enterEvent(QEnterEvent* event) {
  hovering_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void CGdipButton::leaveEvent(QEvent* event) {
  hovering_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

// Space is handled by the base class; Enter and Return click at once, as a
// default push button would.
void CGdipButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
    click();
    event->accept();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void CGdipButton::focusInEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                   reason == Qt::ShortcutFocusReason;
  QAbstractButton::focusInEvent(event);
}

void CGdipButton::focusOutEvent(QFocusEvent* event) {
  keyboardFocus_ = false;
  QAbstractButton::focusOutEvent(event);
}

}  // namespace orva

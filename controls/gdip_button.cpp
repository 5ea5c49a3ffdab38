#include "controls/gdip_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include "controls/picture_filters.h"
#include "controls/skin_colours.h"
#include "controls/skin_images.h"

namespace orva {

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
  if (keyboardFocus_ && hasFocus()) {
    painter.setPen(QPen(QColor(kAccentColour), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
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

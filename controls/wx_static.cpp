#include "controls/wx_static.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/skin_colours.h"

namespace orva {

CwxStatic::CwxStatic(int controlId, QWidget* parent) : QWidget(parent), controlId_(controlId) {
  // A right click belongs to the label (it reports it), not to the window's menu.
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void CwxStatic::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  UpdateSpokenName();
  update();
}

void CwxStatic::SetCaption(const QString& caption) {
  caption_ = caption;
  UpdateSpokenName();
}

QString CwxStatic::SpokenName() const {
  if (caption_.isEmpty()) return text_;
  return text_.isEmpty() ? caption_ : caption_ + QLatin1Char(' ') + text_;
}

// A changed name is announced to a screen reader.
void CwxStatic::UpdateSpokenName() { setAccessibleName(SpokenName()); }

void CwxStatic::SetActions(const QString& clickAction, const QString& rightClickAction) {
  clickAction_ = clickAction;
  rightClickAction_ = rightClickAction;
  setFocusPolicy(isClickable() ? Qt::StrongFocus : Qt::NoFocus);
}

void CwxStatic::Click() { emit clicked(controlId_); }

void CwxStatic::RightClick() { emit rightClicked(controlId_); }

void CwxStatic::SetTextFormat(int drawTextFlags) {
  textFormat_ = drawTextFlags;
  update();
}

void CwxStatic::SetTextColor(const QColor& colour) {
  textColour_ = colour;
  update();
}

void CwxStatic::SetLink(bool link) {
  link_ = link;
  if (link) setCursor(Qt::PointingHandCursor);
  else unsetCursor();
}

void CwxStatic::SetUnderline(bool underline) {
  underline_ = underline;
  update();
}

void CwxStatic::SetFontHeight(int pixels) {
  fontHeight_ = pixels;
  update();
}

void CwxStatic::SetToolTipText(const QString& text) {
  if (!text.isEmpty()) setToolTip(text);
}

QFont CwxStatic::TextFont() const {
  QFont textFont = font();
  if (underline_) textFont.setUnderline(true);
  if (fontHeight_ > 0) textFont.setPixelSize(fontHeight_);
  return textFont;
}

void CwxStatic::paintEvent(QPaintEvent*) {
  if (text_.isEmpty()) return;
  QPainter painter(this);
  painter.setFont(TextFont());
  painter.setPen(textColour_);
  painter.drawText(rect(), QtTextFlags(textFormat_), text_);
  if (keyboardFocus_ && hasFocus()) {
    painter.setPen(QPen(QColor(kAccentColour), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void CwxStatic::enterEvent(QEnterEvent* event) {
  emit hovered(controlId_);
  QWidget::enterEvent(event);
}

void CwxStatic::leaveEvent(QEvent* event) {
  emit left(controlId_);
  QWidget::leaveEvent(event);
}

void CwxStatic::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) RightClick();
  leftPressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

// A left click is a press and a release over the label, like a button's.
void CwxStatic::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = leftPressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  leftPressed_ = false;
  if (click) Click();
  event->accept();
}

void CwxStatic::keyPressEvent(QKeyEvent* event) {
  const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
  if (!isClickable() || event->isAutoRepeat()) return QWidget::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      Click();
      break;
    case Qt::Key_Menu:
      RightClick();
      break;
    default:
      if (!shiftF10) return QWidget::keyPressEvent(event);
      RightClick();
      break;
  }
  event->accept();
}

void CwxStatic::focusInEvent(QFocusEvent* event) {
  keyboardFocus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
  update();
  QWidget::focusInEvent(event);
}

void CwxStatic::focusOutEvent(QFocusEvent* event) {
  keyboardFocus_ = false;
  update();
  QWidget::focusOutEvent(event);
}

}  // namespace orva

#include "controls/wx_static.h"

#include <QMouseEvent>
#include <QPainter>

namespace orva {

CwxStatic::CwxStatic(int controlId, QWidget* parent) : QWidget(parent), controlId_(controlId) {
  // A right click belongs to the label (it reports it), not to the window's menu.
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void CwxStatic::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  setAccessibleName(text);
  update();
}

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
  if (event->button() == Qt::RightButton) emit rightClicked(controlId_);
  leftPressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

// A left click is a press and a release over the label, like a button's.
void CwxStatic::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = leftPressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  leftPressed_ = false;
  if (click) emit clicked(controlId_);
  event->accept();
}

}  // namespace orva

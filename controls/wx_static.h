// A label that draws its text transparently over its parent, optionally as
// a link (hand cursor), and reports hover, leave, left and right clicks.
// A label given actions takes keyboard focus: Enter or Space clicks it, the
// menu key (or Shift+F10) right-clicks it.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "controls/draw_text_format.h"

namespace orva {

class CwxStatic : public QWidget {
  Q_OBJECT

 public:
  explicit CwxStatic(int controlId, QWidget* parent = nullptr);

  int controlId() const { return controlId_; }

  void setText(const QString& text);
  QString text() const { return text_; }

  // Placement in the classic DrawText encoding (see draw_text_format.h).
  void SetTextFormat(int drawTextFlags);
  int textFormat() const { return textFormat_; }
  void SetTextColor(const QColor& colour);
  void SetLink(bool link);
  bool isLink() const { return link_; }
  void SetUnderline(bool underline);
  // Text height in pixels; 0 keeps the widget's font height.
  void SetFontHeight(int pixels);
  // An empty text leaves the label without tooltip.
  void SetToolTipText(const QString& text);
  // The font the text is drawn in.
  QFont TextFont() const;

  // The words a screen reader says before the text ("Begin:").
  void SetCaption(const QString& caption);
  QString SpokenName() const;
  // What a click and a right click do, in words; an empty text: nothing.
  // A label with a click action is a control of its own.
  void SetActions(const QString& clickAction, const QString& rightClickAction = {});
  QString clickAction() const { return clickAction_; }
  QString rightClickAction() const { return rightClickAction_; }
  bool isClickable() const { return !clickAction_.isEmpty(); }
  // What the actions and keys run.
  void Click();
  void RightClick();

 signals:
  void hovered(int controlId);
  void left(int controlId);
  void rightClicked(int controlId);
  void clicked(int controlId);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void UpdateSpokenName();

  const int controlId_;
  QString text_;
  int textFormat_ = kTextVCenterSingleLine;
  QColor textColour_ = Qt::black;
  bool link_ = false;
  bool underline_ = false;
  int fontHeight_ = 0;
  bool leftPressed_ = false;
  bool keyboardFocus_ = false;
  QString caption_;
  QString clickAction_;
  QString rightClickAction_;
};

}  // namespace orva

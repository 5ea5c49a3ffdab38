// A label that draws its text transparently over its parent, optionally as
// a link (hand cursor), and reports hover, leave, left and right clicks.
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

 private:
  const int controlId_;
  QString text_;
  int textFormat_ = kTextVCenterSingleLine;
  QColor textColour_ = Qt::black;
  bool link_ = false;
  bool underline_ = false;
  int fontHeight_ = 0;
  bool leftPressed_ = false;
};

}  // namespace orva

// A push button drawn as a skin picture over its parent's background:
// brighter while hovered, shifted by one pixel while pressed, grey while
// disabled. In toggle mode each click switches between the standard and the
// alternate picture. It takes keyboard focus and answers Space and Enter.
#pragma once

#include <QAbstractButton>
#include <QImage>

namespace orva {

class CGdipButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit CGdipButton(int controlId, QWidget* parent = nullptr);

  int controlId() const { return controlId_; }

  // True when the picture is ready; otherwise that set draws nothing.
  bool LoadStdImage(int imageId);
  bool LoadAltImage(int imageId);

  // Tooltip and accessible name; an empty text changes nothing. With
  // `activate` false the text is kept but no tooltip shows.
  void SetToolTipText(const QString& text, bool activate = true);

  // This button gives way to `other` (Convert to Stop, Play to Pause): the
  // focus moves along, and the ring shows there only if it showed here.
  void HandFocusTo(CGdipButton& other);

  void SetToggle(bool on);
  bool isToggled() const { return isChecked(); }
  bool isHovering() const { return hovering_; }
  // Whether the focus ring is drawn: focused by the keyboard.
  bool showsFocusRing() const { return keyboardFocus_ && hasFocus(); }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // One picture set: what is drawn normally, while hovered and while disabled.
  struct PictureSet {
    int imageId = 0;
    qreal ratio = 0;  // device pixel ratio the pictures were rendered for
    QImage normal;
    QImage hover;
    QImage grey;
  };

  bool LoadSet(PictureSet& set, int imageId);
  static void RenderSet(PictureSet& set, qreal ratio);
  void RenderAtCurrentRatio();
  const QImage& CurrentPicture() const;

  const int controlId_;
  PictureSet standard_;
  PictureSet alternate_;
  bool hovering_ = false;
  bool keyboardFocus_ = false;
};

}  // namespace orva

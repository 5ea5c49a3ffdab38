// A combo box whose list the user never opens directly: a click, a double
// click or the keyboard's open request asks the click handler, and only a
// non-zero answer opens the list. The wheel and arrow keys change nothing.
// A text longer than the box ends in an ellipsis; the tooltip holds it whole.
#pragma once

#include <QComboBox>

#include <functional>

namespace orva {

class CReadOnlyComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit CReadOnlyComboBox(QWidget* parent = nullptr);

  // Without a handler the list never opens.
  void setClickHandler(std::function<int()> handler);

  void showPopup() override;

  // The chosen item's text as the box shows it, shortened to fit.
  QString shownText() const;
  // Replaces the items with the one text, shown and chosen.
  void ShowOnly(const QString& text);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<int()> clickHandler_;
};

}  // namespace orva

#include "controls/read_only_combo_box.h"

#include <QKeyEvent>
#include <QStylePainter>
#include <QMouseEvent>
#include <QWheelEvent>

#include "controls/combo_text_room.h"

namespace orva {

CReadOnlyComboBox::CReadOnlyComboBox(QWidget* parent) : QComboBox(parent) {}

void CReadOnlyComboBox::setClickHandler(std::function<int()> handler) {
  clickHandler_ = std::move(handler);
}

void CReadOnlyComboBox::showPopup() {
  if (clickHandler_ && clickHandler_() != 0) QComboBox::showPopup();
}

QString CReadOnlyComboBox::shownText() const {
  return fontMetrics().elidedText(currentText(), Qt::ElideRight, ComboTextRoom(*this));
}

void CReadOnlyComboBox::ShowOnly(const QString& text) {
  clear();
  addItem(text);
  setCurrentIndex(0);
  setToolTip(text);
}

void CReadOnlyComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  option.currentText = shownText();
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void CReadOnlyComboBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) showPopup();
  event->accept();
}

void CReadOnlyComboBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) showPopup();
  event->accept();
}

// Only the keys that ask to open the list do something; the ones that would
// step through the items or search them by typing change nothing.
void CReadOnlyComboBox::keyPressEvent(QKeyEvent* event) {
  const bool alt = event->modifiers() & Qt::AltModifier;
  switch (event->key()) {
    case Qt::Key_F4:
    case Qt::Key_Space:
    case Qt::Key_Select:
      showPopup();
      break;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (alt) showPopup();
      break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      break;
    default:
      event->ignore();
      return;
  }
  event->accept();
}

void CReadOnlyComboBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

}  // namespace orva

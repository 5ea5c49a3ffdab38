#include "controls/combo_text_room.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace orva {

namespace {

// The label is drawn one pixel in from each side of the edit field.
constexpr int kLabelInset = 2;

// The option the box paints itself with (its own initStyleOption is
// protected), as far as the layout of its parts depends on it.
QStyleOptionComboBox LayoutOption(const QComboBox& combo) {
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  option.frame = combo.hasFrame();
  option.currentText = combo.currentText();
  option.subControls = QStyle::SC_All;
  return option;
}

}  // namespace

int ComboTextRoom(const QComboBox& combo) {
  combo.ensurePolished();
  const QStyleOptionComboBox option = LayoutOption(combo);
  const QRect field =
      combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
  return field.width() - kLabelInset;
}

bool TextFitsCombo(const QComboBox& combo, const QString& text) {
  combo.ensurePolished();
  return combo.fontMetrics().horizontalAdvance(text) <= ComboTextRoom(combo);
}

}  // namespace orva

#include "controls/accessible_combo_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPointer>
#include <QTimer>

namespace orva {

AccessibleComboBox::AccessibleComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

QComboBox* AccessibleComboBox::combo() const { return static_cast<QComboBox*>(widget()); }

QString AccessibleComboBox::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return combo()->currentText();
  if (kind == QAccessible::Name) {
    return combo()->accessibleName().isEmpty() ? combo()->currentText() : combo()->accessibleName();
  }
  if (kind == QAccessible::Description && combo()->accessibleDescription().isEmpty()) {
    return combo()->currentText();
  }
  return QAccessibleWidget::text(kind);
}

// The list is a child only while it is open: the items of a closed list
// would report themselves as showing, and a screen reader would read them
// out beside the window.
bool AccessibleComboBox::listOpen() const { return combo()->view() != nullptr && combo()->view()->isVisible(); }

int AccessibleComboBox::childCount() const { return listOpen() ? 1 : 0; }

QAccessibleInterface* AccessibleComboBox::child(int index) const {
  if (index != 0 || !listOpen()) return nullptr;
  return QAccessible::queryAccessibleInterface(combo()->view());
}

int AccessibleComboBox::indexOfChild(const QAccessibleInterface* child) const {
  return child != nullptr && listOpen() && child->object() == combo()->view() ? 0 : -1;
}

QStringList AccessibleComboBox::actionNames() const { return {showMenuAction(), pressAction()}; }

void AccessibleComboBox::doAction(const QString& actionName) {
  if (actionName != showMenuAction() && actionName != pressAction()) return;
  const QPointer<QComboBox> target = combo();
  QTimer::singleShot(0, target, [target] {
    if (target && target->isEnabled()) target->showPopup();
  });
}

}  // namespace orva

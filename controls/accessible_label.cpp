#include "controls/accessible_label.h"

#include <QPointer>
#include <QTimer>

#include "controls/wx_static.h"

namespace orva {

AccessibleLabel::AccessibleLabel(CwxStatic* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

CwxStatic* AccessibleLabel::label() const { return static_cast<CwxStatic*>(widget()); }

QAccessible::Role AccessibleLabel::role() const {
  if (!label()->isClickable()) return QAccessible::StaticText;
  return label()->isLink() ? QAccessible::Link : QAccessible::Button;
}

QAccessible::State AccessibleLabel::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  if (label()->SpokenName().isEmpty()) state.invisible = true;
  return state;
}

QString AccessibleLabel::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Name) return label()->SpokenName();
  if (kind == QAccessible::Description && label()->accessibleDescription().isEmpty()) return label()->clickAction();
  return QAccessibleWidget::text(kind);
}

QStringList AccessibleLabel::actionNames() const {
  QStringList names;
  if (label()->isClickable()) names << pressAction();
  if (!label()->rightClickAction().isEmpty()) names << showMenuAction();
  return names;
}

QString AccessibleLabel::localizedActionDescription(const QString& actionName) const {
  if (actionName == pressAction()) return label()->clickAction();
  if (actionName == showMenuAction()) return label()->rightClickAction();
  return {};
}

void AccessibleLabel::doAction(const QString& actionName) {
  if (!actionNames().contains(actionName)) return;
  const QPointer<CwxStatic> target = label();
  const bool click = actionName == pressAction();
  QTimer::singleShot(0, target, [target, click] {
    if (!target || !target->isEnabled()) return;
    if (click) target->Click();
    else target->RightClick();
  });
}

}  // namespace orva

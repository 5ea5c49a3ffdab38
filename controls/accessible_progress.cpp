#include "controls/accessible_progress.h"

#include "controls/est_progress_ctrl.h"

namespace orva {

AccessibleProgress::AccessibleProgress(CEstProgressCtrl* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

CEstProgressCtrl* AccessibleProgress::bar() const { return static_cast<CEstProgressCtrl*>(widget()); }

void* AccessibleProgress::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString AccessibleProgress::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return bar()->text();
  return QAccessibleWidget::text(kind);
}

QVariant AccessibleProgress::currentValue() const { return bar()->Percent(); }

}  // namespace orva

// How a screen reader sees a CEstProgressCtrl: a progress bar whose value
// is the share done, in percent.
#pragma once

#include <QAccessibleWidget>

namespace orva {

class CEstProgressCtrl;

class AccessibleProgress : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleProgress(CEstProgressCtrl* bar);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text kind) const override;

  QVariant currentValue() const override;
  // Only the conversion moves the bar.
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return 100.0; }
  QVariant minimumValue() const override { return 0.0; }
  QVariant minimumStepSize() const override { return 0.01; }

 private:
  CEstProgressCtrl* bar() const;
};

}  // namespace orva

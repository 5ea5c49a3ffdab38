// How a screen reader sees a CBitmapSlider: a slider whose value is in the
// slider's spoken unit (seconds, percent) and can be set from outside.
#pragma once

#include <QAccessibleWidget>

namespace orva {

class CBitmapSlider;

class AccessibleSlider : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleSlider(CBitmapSlider* slider);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text kind) const override;

  QVariant currentValue() const override;
  // Moves the slider as a key would, once the caller has its answer: what
  // the move sets off (a seek) may wait on other programs.
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override;

 private:
  CBitmapSlider* slider() const;
};

}  // namespace orva

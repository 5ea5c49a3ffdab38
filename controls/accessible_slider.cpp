#include "controls/accessible_slider.h"

#include <QPointer>
#include <QTimer>

#include "controls/bitmap_slider.h"

namespace orva {

AccessibleSlider::AccessibleSlider(CBitmapSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

CBitmapSlider* AccessibleSlider::slider() const { return static_cast<CBitmapSlider*>(widget()); }

void* AccessibleSlider::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString AccessibleSlider::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return slider()->SpokenText();
  return QAccessibleWidget::text(kind);
}

QVariant AccessibleSlider::currentValue() const { return slider()->SpokenValue(); }

void AccessibleSlider::setCurrentValue(const QVariant& value) {
  bool isNumber = false;
  const double wanted = value.toDouble(&isNumber);
  if (!isNumber || !slider()->isEnabled()) return;
  const QPointer<CBitmapSlider> target = slider();
  const int position = target->PositionOfSpoken(wanted);
  QTimer::singleShot(0, target, [target, position] {
    if (target && target->isEnabled()) target->MoveTo(position);
  });
}

QVariant AccessibleSlider::maximumValue() const { return slider()->SpokenMaximum(); }

QVariant AccessibleSlider::minimumValue() const { return 0.0; }

QVariant AccessibleSlider::minimumStepSize() const { return slider()->SpokenStep(); }

}  // namespace orva

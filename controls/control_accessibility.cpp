#include "controls/control_accessibility.h"

#include <QAccessible>
#include <QComboBox>

#include "controls/accessible_combo_box.h"
#include "controls/accessible_label.h"
#include "controls/accessible_progress.h"
#include "controls/accessible_slider.h"
#include "controls/bitmap_slider.h"
#include "controls/est_progress_ctrl.h"
#include "controls/wx_static.h"

namespace orva {

namespace {

QAccessibleInterface* ControlInterface(const QString& className, QObject* object) {
  if (className == QLatin1String(CBitmapSlider::staticMetaObject.className())) {
    return new AccessibleSlider(static_cast<CBitmapSlider*>(object));
  }
  if (className == QLatin1String(CwxStatic::staticMetaObject.className())) {
    return new AccessibleLabel(static_cast<CwxStatic*>(object));
  }
  if (className == QLatin1String(CEstProgressCtrl::staticMetaObject.className())) {
    return new AccessibleProgress(static_cast<CEstProgressCtrl*>(object));
  }
  if (className == QLatin1String(QComboBox::staticMetaObject.className())) {
    return new AccessibleComboBox(static_cast<QComboBox*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallControlAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ControlInterface);
    return true;
  }();
  (void)installed;
}

}  // namespace orva

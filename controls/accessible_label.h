// How a screen reader sees a CwxStatic: text, or a button or link when the
// label acts on a click, with its click and right click as actions. An
// empty label is not shown to it.
#pragma once

#include <QAccessibleWidget>

namespace orva {

class CwxStatic;

class AccessibleLabel : public QAccessibleWidget {
 public:
  explicit AccessibleLabel(CwxStatic* label);

  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text kind) const override;

  QStringList actionNames() const override;
  QString localizedActionDescription(const QString& actionName) const override;
  // Runs once the caller has its answer: a click may open a question box.
  void doAction(const QString& actionName) override;

 private:
  CwxStatic* label() const;
};

}  // namespace orva

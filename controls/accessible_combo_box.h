// How a screen reader sees a combo box: named after its caption when it has
// one (Qt on Linux names a combo after its current text), the current text
// as its value, its list as its child while it is open and opening the list
// as its action.
#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace orva {

class AccessibleComboBox : public QAccessibleWidget {
 public:
  explicit AccessibleComboBox(QComboBox* combo);

  QString text(QAccessible::Text kind) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

  QStringList actionNames() const override;
  // Runs once the caller has its answer: the list or menu it opens waits
  // for the user.
  void doAction(const QString& actionName) override;

 private:
  QComboBox* combo() const;
  bool listOpen() const;
};

}  // namespace orva

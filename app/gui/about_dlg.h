// The About box: the program's name, version and notice.
#pragma once

#include <QDialog>

namespace orva {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace orva

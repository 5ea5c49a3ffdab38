// The black area a preview player draws into. It is a native window so the
// player can be given its id, and it reports each paint so the player can
// draw its picture again over the black.
#pragma once

#include <QWidget>

namespace orva {

class CPreviewStatic : public QWidget {
  Q_OBJECT

 public:
  explicit CPreviewStatic(QWidget* parent = nullptr);

  // A text drawn over the black, where no player can draw a picture; empty:
  // plain black.
  void SetNotice(const QString& text);
  const QString& notice() const { return notice_; }

 signals:
  void painted();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString notice_;
};

}  // namespace orva

// A thumb-less horizontal slider drawn as a filling bar: the channel
// picture, with the active picture over the part before the position. A
// press jumps to the pointer; `moving` reports each change while the button
// is held, `moved` the release and every handled key.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace orva {

class CBitmapSlider : public QWidget {
  Q_OBJECT

 public:
  explicit CBitmapSlider(int controlId, QWidget* parent = nullptr);

  int controlId() const { return controlId_; }

  // Loads both pictures; pixels of `transparent` are not drawn (an invalid
  // colour means the colour of the top-left pixel). Resizes the slider to
  // the channel's size. False, with nothing kept, when either is missing.
  bool SetBitmapChannel(int channelId, int activeId, const QColor& transparent);

  void SetRange(int min, int max);
  int GetRangeMin() const { return minimum_; }
  int GetRangeMax() const { return maximum_; }
  // Limited to the range; repaints. Ignored while the button is held.
  void SetPos(int pos);
  int GetPos() const { return position_; }
  void SetPageSize(int page) { page_ = page; }
  int GetPageSize() const { return page_; }
  // How far an arrow key moves the position.
  void SetLineSize(int line) { line_ = line; }
  int GetLineSize() const { return line_; }
  // Moves as a key would: limited to the range, and `moved` reports it.
  void MoveTo(int pos);

  // What a screen reader reads as the value: the range spans 0 to
  // `fullScale` (seconds, percent), written with `format` ("%1" is the
  // number).
  void SetSpokenScale(double fullScale, const QString& format);
  double SpokenValue() const { return ToSpoken(position_); }
  double SpokenMaximum() const { return fullScale_; }
  double SpokenStep() const { return ToSpoken(minimum_ + 1); }
  QString SpokenText() const;
  // The position of a spoken value, limited to the range.
  int PositionOfSpoken(double value) const;

  QSize sizeHint() const override;

 signals:
  void moving(int controlId, int pos);
  void moved(int controlId, int pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void RenderAtCurrentRatio();
  int PositionToPixel(int pos) const;
  int PixelToPosition(int pixel) const;
  int Limited(long long pos) const;
  void DragTo(int pixel);
  void ChangePosition(int pos);
  double ToSpoken(int pos) const;

  const int controlId_;
  int channelId_ = 0;
  int activeId_ = 0;
  QColor transparent_;
  qreal renderedRatio_ = 0;
  QImage channel_;
  QImage active_;
  int maximum_ = 100;
  int minimum_ = 0;
  int position_ = 0;
  int page_ = 20;
  int line_ = 1;
  double fullScale_ = 100;
  QString spokenFormat_ = QStringLiteral("%1");
  bool dragging_ = false;
  bool keyboardFocus_ = false;
};

}  // namespace orva

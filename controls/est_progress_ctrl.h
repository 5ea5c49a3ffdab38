// The progress bar of a conversion run. Across the bar it writes the share
// done and the clock time at which the run is expected to end.
#pragma once

#include <QWidget>

#include "engine/completion_estimate.h"

namespace orva {

class CEstProgressCtrl : public QWidget {
  Q_OBJECT

 public:
  explicit CEstProgressCtrl(QWidget* parent = nullptr);

  void setRange(int min, int max);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  // Limited to the range; updates the estimate.
  void setValue(int pos);
  int value() const { return value_; }
  // The share done, 0 to 100.
  double Percent() const { return Fraction() * 100; }

  // The next progress above 0 starts a new measurement.
  void ResetEstimate();

  // Empty until an estimate exists, then the share and the completion time
  // in the locale's short time format.
  QString text() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double Fraction() const;

  int minimum_ = 0;
  int maximum_ = 100;
  int value_ = 0;
  CompletionEstimate estimate_;
};

}  // namespace orva

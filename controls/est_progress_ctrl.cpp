#include "controls/est_progress_ctrl.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <ctime>

#include "controls/skin_colours.h"

namespace orva {

CEstProgressCtrl::CEstProgressCtrl(QWidget* parent) : QWidget(parent) {}

void CEstProgressCtrl::setRange(int min, int max) {
  minimum_ = min;
  maximum_ = max;
  setValue(value_);
}

// A changed value is announced to a screen reader.
void CEstProgressCtrl::setValue(int pos) {
  const int previous = value_;
  value_ = std::max(std::min(pos, maximum_), minimum_);
  UpdateCompletionEstimate(estimate_, Fraction(), static_cast<std::int64_t>(std::time(nullptr)));
  update();
  if (value_ == previous || !QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(this, Percent());
  QAccessible::updateAccessibility(&event);
}

void CEstProgressCtrl::ResetEstimate() {
  ResetCompletionEstimate(estimate_);
  update();
}

// The share is measured against the upper bound alone; a range without a
// positive upper bound shows nothing done.
double CEstProgressCtrl::Fraction() const {
  if (maximum_ <= 0) return 0;
  return std::clamp(static_cast<double>(value_) / maximum_, 0.0, 1.0);
}

QString CEstProgressCtrl::text() const {
  if (!estimate_.valid) return QString();
  const auto completion = static_cast<qint64>(std::llround(estimate_.completionSeconds));
  const QTime clock = QDateTime::fromSecsSinceEpoch(completion).time();
  const QString when = QLocale().toString(clock, QLocale::ShortFormat);
  return QCoreApplication::translate("WindowText", "%1% complete. Estimated completion: %2")
      .arg(Fraction() * 100, 0, 'f', 2)
      .arg(when);
}

// The text is drawn twice, clipped to the filled and the empty part, each
// time in the colour that reads over that part.
void CEstProgressCtrl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int filled = static_cast<int>(width() * Fraction());
  const QRect done(0, 0, filled, height());
  const QRect rest(filled, 0, width() - filled, height());
  painter.fillRect(rest, QColor(kBodyColour));
  painter.fillRect(done, QColor(kAccentColour));
  // The frame keeps an empty bar visible on the panel it sits on.
  painter.setPen(QColor(kBorderColour));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));

  const QString caption = text();
  if (caption.isEmpty()) return;
  painter.setClipRect(done);
  painter.setPen(QColor(kBodyColour));
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, caption);
  painter.setClipRect(rest);
  painter.setPen(QColor(kTextColour));
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, caption);
}

}  // namespace orva

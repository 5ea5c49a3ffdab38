// Convert and Stop, and how the window shows a running conversion.
#include <QTreeWidget>

#include <cstring>

#include "app/gui/control_ids.h"
#include "app/gui/zoz_dlg.h"
#include "app/string_table.h"
#include "controls/est_progress_ctrl.h"
#include "controls/wx_static.h"
#include "app/gui/window_text.h"
#include "engine/conversion_texts.h"

namespace orva {

namespace {

constexpr int kStatusColumn = 3;

// Why a job failed, or what its output could not carry of the source.
QString StatusTip(const JobItem& job) {
  if (job.fail_reason[0] != '\0' || job.not_kept[0] == '\0') return ShownReason(job.fail_reason);
  const QString items = QString::fromUtf8(job.not_kept + std::strlen(kNotKeptLead));
  return WindowText::tr("not kept: %1").arg(items);
}

}  // namespace

// As many jobs convert at once as chosen, never more than there are.
void ZozDlg::OnConvert() {
  if (IsConverting()) return;
  lanes_->setLaneCount(LaneCountFor(conversionsChoice_, TheJobList().count()));
  lanes_->convert();
}

void ZozDlg::OnStopConvert() { lanes_->stop(); }

int ZozDlg::rowCount() const { return jobList_->topLevelItemCount(); }

// A job that failed says why in its status tooltip; one that succeeded,
// what its output could not keep.
void ZozDlg::setRowStatus(int row, const std::string& text) {
  QTreeWidgetItem* item = jobList_->topLevelItem(row);
  const JobItem* job = TheJobList().at(row);
  if (item == nullptr || job == nullptr) return;
  item->setText(kStatusColumn, ShownText(text));
  item->setToolTip(kStatusColumn, StatusTip(*job));
  UpdateRowSpokenText(*item);
  AnnounceRow(row);
}

void ZozDlg::setFileName(const std::string& text) {
  label(IDC_FILE_NAME)->setText(text == kFinishedFileName ? ShownText(text) : QString::fromStdString(text));
}

void ZozDlg::setExtensionChange(const std::string& text) {
  label(IDC_EXTENSION)->setText(QString::fromStdString(text));
}

void ZozDlg::setElapsed(const std::string& text) { label(IDC_ELAPSED)->setText(QString::fromStdString(text)); }

void ZozDlg::setRemaining(const std::string& text) {
  label(IDC_REMAINING)->setText(QString::fromStdString(text));
}

// The summary's leading word is shown in the user's language; the figures
// after it stay as the driver wrote them.
void ZozDlg::setSummary(const std::string& text) {
  QString shown = QString::fromStdString(text);
  const QString word = QStringLiteral("Completed:");
  if (shown.startsWith(word)) shown.replace(0, word.size(), WindowText::tr("Completed:"));
  label(IDC_STATUS_LINE)->setText(shown);
}

// The bar back at empty starts a new job (or batch): so does its estimate.
void ZozDlg::setProgressPosition(int position) {
  if (position == 0 && progress_->value() > 0) progress_->ResetEstimate();
  progress_->setValue(position);
}

void ZozDlg::setConverting(bool converting) {
  SetUiState(kUiConverting, converting);
  if (!converting && closeQuestionOpen_ && services_.dismissQuestion) services_.dismissQuestion();
}

bool ZozDlg::askIgnoreNotWritable(const std::string& folder) {
  const QString text = WindowString(kStrNotWritable) + QLatin1Char('\n') +
                       QString::fromStdString(folder);
  return services_.askYesNo(this, text, WindowText::tr("Error"), false);
}

// This may run inside a notifier's own signal: the old ones go once it
// returns. Every pipe is watched anew, as an ended encoder's number may be
// the next one's.
void ZozDlg::UnwatchEncoderOutputs() {
  for (QSocketNotifier* notifier : encoderOutputs_) {
    if (notifier == nullptr) continue;
    notifier->setEnabled(false);
    notifier->deleteLater();
  }
  encoderOutputs_.clear();
}

void ZozDlg::WatchEncoderOutputs() {
  UnwatchEncoderOutputs();
  for (const OsHandle output : lanes_->watchedEncoderOutputs()) {
    auto* notifier = new QSocketNotifier(static_cast<qintptr>(output), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] { lanes_->onEncoderTimer(); });
    encoderOutputs_.emplace_back(notifier);
  }
}

void ZozDlg::startTimers() {
  encoderWatchTimer_.start();
  progressTimer_.start();
}

void ZozDlg::stopTimers() {
  encoderWatchTimer_.stop();
  progressTimer_.stop();
}

}  // namespace orva

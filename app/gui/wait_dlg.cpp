#include "app/gui/wait_dlg.h"

#include <QFontMetrics>
#include <QLabel>

#include "app/add_files_worker.h"
#include "app/gui/skin_style.h"

namespace orva {

CWaitDlg::CWaitDlg(QWidget* parent, const QString& message, AddFilesWorker& worker,
                   std::function<void()> onTick)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      worker_(worker),
      onTick_(std::move(onTick)) {
  setModal(true);
  setFixedSize(430, 150);
  setStyleSheet(SkinDialogStyleSheet());
  message_ = new QLabel(message, this);
  // The message may take the box's whole width: other languages say it
  // at greater length.
  message_->setGeometry(8, 10, 414, 21);
  file_ = new QLabel(this);
  file_->setGeometry(32, 114, 390, 20);
  workerCheck_.setInterval(100);
  secondsTick_.setInterval(500);
  connect(&workerCheck_, &QTimer::timeout, this, &CWaitDlg::OnWorkerCheck);
  connect(&secondsTick_, &QTimer::timeout, this, &CWaitDlg::OnSecondsTick);
  workerCheck_.start();
  secondsTick_.start();
}

QString CWaitDlg::fileLine() const { return file_->text(); }

// Esc gives up on the files not measured yet; the box closes as soon as the
// probes have ended.
void CWaitDlg::reject() {
  worker_.cancel();
  if (worker_.finished()) QDialog::reject();
}

void CWaitDlg::OnWorkerCheck() {
  if (onTick_) onTick_();
  if (worker_.finished()) accept();
}

// A long path gives up its middle, never the counter at the end.
void CWaitDlg::OnSecondsTick() {
  const QString counter = QStringLiteral(" [%1s]").arg(ticks_ / 2);
  const QFontMetrics metrics(file_->font());
  const int room = file_->contentsRect().width() - metrics.horizontalAdvance(counter);
  const QString path = QString::fromStdString(worker_.currentFileText());
  file_->setText(metrics.elidedText(path, Qt::ElideMiddle, room) + counter);
  ++ticks_;
}

void RunWithWaitDialog(QWidget* parent, AddFilesWorker& worker, const QString& message,
                       const std::function<void()>& onTick) {
  if (worker.finished()) return;
  CWaitDlg dialog(parent, message, worker, onTick);
  dialog.exec();
}

}  // namespace orva

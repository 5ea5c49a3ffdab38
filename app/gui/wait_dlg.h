// The small always-on-top box shown while files are being measured: the
// message, and the file being read with the seconds since the box opened.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QLabel;

namespace orva {

class AddFilesWorker;

class CWaitDlg : public QDialog {
  Q_OBJECT

 public:
  // `onTick` runs on every 100 ms check, on this thread (the window takes
  // the files measured so far).
  CWaitDlg(QWidget* parent, const QString& message, AddFilesWorker& worker, std::function<void()> onTick);

  QString fileLine() const;

 protected:
  // Esc: the files not measured yet are skipped.
  void reject() override;

 private:
  void OnWorkerCheck();
  void OnSecondsTick();

  AddFilesWorker& worker_;
  std::function<void()> onTick_;
  QLabel* message_ = nullptr;
  QLabel* file_ = nullptr;
  int ticks_ = 0;
  QTimer workerCheck_;  // 100 ms
  QTimer secondsTick_;  // 500 ms
};

// Shows the wait box until the worker has finished; no box at all when the
// worker is already done.
void RunWithWaitDialog(QWidget* parent, AddFilesWorker& worker, const QString& message,
                       const std::function<void()>& onTick);

}  // namespace orva

// The job list: adding files (dialog, drop, command line), the rows, Delete,
// Clear and row clicks.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPersistentModelIndex>
#include <QMouseEvent>
#include <QTreeWidget>
#include <algorithm>

#include "app/add_files_worker.h"
#include "app/gui/control_ids.h"
#include "app/gui/wait_dlg.h"
#include "app/gui/zoz_dlg.h"
#include "app/job_rows.h"
#include "app/string_table.h"
#include "engine/media_probe.h"
#include "app/gui/window_text.h"

namespace orva {

namespace {

// A drop of more files than this is ignored whole.
constexpr int kMaxDroppedFiles = 1023;

enum JobColumn { kColumnName = 0, kColumnDuration = 1, kColumnSize = 2, kColumnStatus = 3 };

QStringList LocalFiles(const QMimeData* mime) {
  QStringList paths;
  if (mime == nullptr) return paths;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return paths;
}

// Why a file's path cannot be passed on, as the user reads it: the child
// programs' path fields hold 259 bytes.
QString RefusalText() { return WindowText::tr("the path is 260 bytes or longer"); }

}  // namespace

void ZozDlg::OnAddFiles() {
  if (IsConverting()) return;
  const QStringList chosen = services_.chooseFiles(this);
  if (chosen.isEmpty()) return;
  AddFiles(chosen);
}

void ZozDlg::AddDroppedFiles(const QStringList& paths) {
  commands_.Run([this, paths] {
    if (IsConverting() || paths.isEmpty() || paths.size() > kMaxDroppedFiles) return;
    AddFiles(paths);
  });
}

void ZozDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (!IsConverting() && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ZozDlg::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalFiles(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  AddDroppedFiles(paths);
}

// Measures the files behind the wait dialog; rows appear in the order the
// files were given, and a file the probe cannot measure is left out. Files
// whose path cannot be passed to the converter are named in one message
// after the add; files that are not media are left out silently.
void ZozDlg::AddFiles(const QStringList& paths) {
  const int previousCount = TheJobList().count();
  std::vector<std::string> files;
  files.reserve(static_cast<std::size_t>(paths.size()));
  QStringList refused;
  for (const QString& path : paths) {
    std::string file = path.toStdString();
    if (CheckPassablePath(file.c_str()) == kPathPassable) {
      files.push_back(std::move(file));
    } else {
      refused << path + QStringLiteral("\n    ") + RefusalText();
    }
  }

  if (!files.empty()) {
    // One probe program measures the whole add, as orva-convert measures its files.
    AddFilesWorker worker(std::move(files), startup_.programFolder + kPathSeparator + "orva-probe");
    const auto takeJobs = [this, &worker] {
      for (JobItem* job : worker.takeReadyJobs()) AppendJobRow(*job);
    };
    worker.start();
    RunWithWaitDialog(this, worker, WindowString(kStrReadingFileInfo), takeJobs);
    takeJobs();
    AfterAdd(previousCount);
  }
  if (!refused.isEmpty()) {
    services_.showMessage(this, WindowText::tr("These files were not added:") + QLatin1Char('\n') +
                                    refused.join(QLatin1Char('\n')),
                          WindowText::tr("Add Files"));
  }
}

void ZozDlg::AppendJobRow(JobItem& job) {
  TheJobList().append(&job);
  job.index = TheJobList().count() - 1;
  ShowJobList(true);
  auto* item = new QTreeWidgetItem(jobList_);
  item->setText(kColumnStatus, ShownText(kRowReady));
  WriteJobRow(job);
}

void ZozDlg::WriteJobRow(JobItem& job) {
  QTreeWidgetItem* item = jobList_->topLevelItem(job.index);
  if (item == nullptr) return;
  item->setText(kColumnName, QString::fromStdString(JobRowName(job)));
  item->setText(kColumnDuration, QString::fromStdString(JobRowDuration(job)));
  item->setText(kColumnSize, QString::fromUtf8(job.size_text));
  UpdateRowSpokenText(*item);
}

void ZozDlg::RefreshAllRows() {
  for (JobItem* job = TheJobList().head; job != nullptr; job = job->next) {
    RefreshJob(*job, currentProfile);
    WriteJobRow(*job);
  }
}

void ZozDlg::AfterAdd(int previousCount) {
  TheJobList().renumber();
  SetOutputFolderOfAllJobs(TheJobList(), outputFolder_);
  if (TheJobList().count() <= previousCount) return;
  jobList_->clearSelection();
  selectRow(previousCount);
  // Ends any preview first, then loads the first new job paused.
  preview_->loadJobPaused(TheJobList().at(previousCount));
}

// The rows selected when Delete was clicked go, even when a click during the
// preview's stop changed the selection.
void ZozDlg::OnDeleteSelected() {
  if (IsConverting()) return;
  std::vector<const JobItem*> chosen;
  for (QTreeWidgetItem* item : jobList_->selectedItems()) {
    chosen.push_back(TheJobList().at(jobList_->indexOfTopLevelItem(item)));
  }
  if ((uiState_ & kUiPreviewLoaded) != 0) preview_->StopPreview();
  std::vector<int> rows;
  for (const JobItem* job : chosen) rows.push_back(job->index);
  std::sort(rows.rbegin(), rows.rend());
  for (int row : rows) {
    preview_->forgetJob(TheJobList().at(row));
    delete jobList_->takeTopLevelItem(row);
    TheJobList().removeAt(row);
  }
  TheJobList().renumber();
  if (jobList_->topLevelItemCount() == 0) ShowJobList(false);
}

void ZozDlg::OnClear() {
  if (IsConverting()) return;
  preview_->StopPreview();
  for (JobItem* job = TheJobList().head; job != nullptr; job = job->next) preview_->forgetJob(job);
  TheJobList().freeAll();
  jobList_->clear();
  ShowJobList(false);
}

// The list shows while it has rows; the hint to drop files shows in its
// place while it is empty. Lying under the list is not enough: a screen
// reader would read the hint out beside the rows.
void ZozDlg::ShowJobList(bool shown) {
  jobList_->setVisible(shown);
  for (int id : {IDC_DROP_HINT, IDC_DROP_HINT_MORE}) control(id)->setVisible(!shown);
}

void ZozDlg::OnRowClicked(int row) { preview_->onRowClick(row); }

// A mouse click on the list, on a row or beside the rows, and Enter on the
// focused row. Keyboard moves of the selection do not change the preview.
bool ZozDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == jobList_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) {
      // Queued behind a running command, the click still means its row,
      // wherever that row is by then; a row deleted meanwhile is no click.
      const QPersistentModelIndex hit = jobList_->indexAt(mouse->position().toPoint());
      const bool onRow = hit.isValid();
      commands_.Run([this, hit, onRow] {
        if (onRow && !hit.isValid()) return;
        OnRowClicked(onRow ? hit.row() : -1);
      });
    }
  }
  if (watched == jobList_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && focusedRow() >= 0) {
      OnRowClicked(focusedRow());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace orva

// The destination choice: "Browse...", "Save in the same folder as the
// original file", then the folders the user picked.
#include <QComboBox>
#include <QDir>

#include "app/data_files.h"
#include "app/gui/zoz_dlg.h"
#include "app/job_rows.h"
#include "app/startup_data.h"
#include "app/gui/window_text.h"

namespace orva {

namespace {

constexpr int kBrowseEntry = 0;
constexpr int kSameFolderEntry = 1;
constexpr int kFirstFolderEntry = 2;


// A chosen folder as the destination field keeps it: native separators and
// no trailing separator (the root stays as it is).
QString CleanFolder(const QString& chosen) {
  QString folder = QDir::toNativeSeparators(chosen);
  if (folder.size() > 1 && folder.endsWith(QDir::separator())) folder.chop(1);
  return folder;
}

}  // namespace

void ZozDlg::SetUpDestinationCombo() {
  updatingDestination_ = true;
  destination_->addItem(WindowText::tr("Browse..."));
  destination_->addItem(WindowText::tr("Save in the same folder as the original file"));
  destination_->setCurrentIndex(kSameFolderEntry);
  if (!outputFolder_.empty()) {
    destination_->addItem(QString::fromStdString(outputFolder_));
    destination_->setCurrentIndex(kFirstFolderEntry);
  } else {
    const QString videos = services_.videoFolder ? services_.videoFolder() : QString();
    if (!videos.isEmpty() && videos.toStdString().size() < static_cast<std::size_t>(kOutputFolderCapacity)) {
      destination_->addItem(videos);
      destination_->setCurrentIndex(kFirstFolderEntry);
      outputFolder_ = videos.toStdString();
    }
  }
  updatingDestination_ = false;
  connect(destination_, &QComboBox::currentIndexChanged, this, &ZozDlg::OnDestinationChanged);
}

int ZozDlg::FindDestination(const QString& folder, int from) const {
  const int count = destination_->count();
  for (int step = 0; step < count; ++step) {
    const int index = (from + step) % count;
    if (destination_->itemText(index) == folder) return index;
  }
  return -1;
}

int ZozDlg::FindOrAppendDestination(const QString& folder) {
  const int found = FindDestination(folder, 0);
  if (found >= 0) return found;
  destination_->addItem(folder);
  return destination_->count() - 1;
}

void ZozDlg::SelectDestination(int index) {
  updatingDestination_ = true;
  destination_->setCurrentIndex(index);
  updatingDestination_ = false;
}

// The new destination for every job; `save` keeps it for the next start.
void ZozDlg::TakeOutputFolder(const QString& folder, bool save) {
  outputFolder_ = folder.toStdString();
  SetOutputFolderOfAllJobs(TheJobList(), outputFolder_);
  if (save && !outputFolder_.empty()) WriteTextFile(startup_.outpathPath.c_str(), outputFolder_);
}

// The folder chosen in the folder dialog, cleaned; empty when cancelled or
// too long for the destination field.
QString ZozDlg::ChooseOutputFolder() {
  const QString chosen =
      services_.chooseFolder(this, WindowText::tr("Select Output Directory"), QString::fromStdString(outputFolder_));
  if (chosen.isEmpty()) return {};
  const QString folder = CleanFolder(chosen);
  if (folder.toStdString().size() >= static_cast<std::size_t>(kOutputFolderCapacity)) return {};
  return folder;
}

void ZozDlg::OnBrowse() {
  if (IsConverting()) return;
  const QString folder = ChooseOutputFolder();
  if (folder.isEmpty()) return;
  SelectDestination(FindOrAppendDestination(folder));
  TakeOutputFolder(folder, true);
}

// Choosing "Browse..." in the list (mouse or keyboard) changes the
// selection; that change opens the folder dialog. The list shows the
// current destination again first: "Browse..." never stays selected.
void ZozDlg::OnDestinationChanged(int index) {
  if (updatingDestination_) return;
  commands_.Run([this, index] { TakeDestinationEntry(index); });
}

void ZozDlg::TakeDestinationEntry(int index) {
  if (index == kBrowseEntry || IsConverting()) {
    // The destination cannot change under a running conversion.
    const int kept = outputFolder_.empty() ? kSameFolderEntry
                                           : FindDestination(QString::fromStdString(outputFolder_), kFirstFolderEntry);
    SelectDestination(kept < 0 ? kSameFolderEntry : kept);
    if (index == kBrowseEntry) OnBrowse();
    return;
  }
  if (destination_->currentIndex() != index) return;  // changed again since
  if (index == kSameFolderEntry) {
    TakeOutputFolder({}, false);
  } else if (index >= kFirstFolderEntry) {
    TakeOutputFolder(destination_->itemText(index), true);
  }
}

}  // namespace orva

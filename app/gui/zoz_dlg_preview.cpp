// The preview area, its transport controls and the trim labels: the window
// shows what the preview controller decides.
#include <QTreeWidget>

#include "app/gui/control_ids.h"
#include "app/gui/window_text.h"
#include "app/gui/zoz_dlg.h"
#include "app/job_rows.h"
#include "controls/bitmap_slider.h"
#include "controls/gdip_button.h"
#include "controls/preview_static.h"
#include "controls/wx_static.h"

namespace orva {

void ZozDlg::SetUpPreview() {
  playerWatchTimer_.setInterval(50);
  playClockTimer_.setInterval(1000);
  connect(&playerWatchTimer_, &QTimer::timeout, this, [this] { preview_->onPlayerWatchTimer(); });
  connect(&playClockTimer_, &QTimer::timeout, this, [this] { preview_->onPlayClockTimer(); });

  connect(button(IDC_PLAY), &QAbstractButton::clicked, this, Command([this] { preview_->play(); }));
  connect(button(IDC_PAUSE), &QAbstractButton::clicked, this, Command([this] { preview_->pause(); }));
  connect(button(IDC_STOP_PLAY), &QAbstractButton::clicked, this, Command([this] { preview_->StopPreview(); }));
  connect(seekSlider_, &CBitmapSlider::moved, this,
          [this](int, int position) { commands_.Run([this, position] { preview_->onSeekSlider(position); }); });
  connect(volumeSlider_, &CBitmapSlider::moved, this,
          [this](int, int position) { commands_.Run([this, position] { preview_->onVolumeSlider(position); }); });
  connect(label(IDC_TRIM_BEGIN), &CwxStatic::clicked, this, Command([this] { preview_->setBeginFromPosition(); }));
  connect(label(IDC_TRIM_END), &CwxStatic::clicked, this, Command([this] { preview_->setEndFromPosition(); }));
  for (int id : {IDC_TRIM_BEGIN, IDC_TRIM_END}) {
    connect(label(id), &CwxStatic::rightClicked, this,
            [this](int labelId) { commands_.Run([this, labelId] { SeekToTrimBound(labelId); }); });
  }
  connect(previewArea_, &CPreviewStatic::painted, this, [this] { preview_->onPreviewPainted(); });

  // The player draws its pictures into memory at the area's size in device
  // pixels, on any window system; the area paints them.
  connect(previewArea_, &CPreviewStatic::devicePixelSizeChanged, this,
          [this](QSize size) { preview_->setPreviewSize(size.width(), size.height()); });
  const QSize size = previewArea_->devicePixelSize();
  preview_->setPreviewFrames(size.width(), size.height());
}

void ZozDlg::SeekToTrimBound(int labelId) {
  const JobItem* job = preview_->current_job();
  if (job == nullptr) return;
  preview_->SeekPreviewTo(labelId == IDC_TRIM_BEGIN ? job->trim_begin : job->trim_end);
}

void ZozDlg::stopPreview() { preview_->StopPreview(); }

void ZozDlg::setPreviewLoaded(bool loaded) {
  SetUiState(kUiPreviewLoaded, loaded);
  // This may run inside the notifier's own signal: it goes once that returns.
  if (playerOutput_ != nullptr) {
    playerOutput_->setEnabled(false);
    playerOutput_->deleteLater();
  }
  const OsHandle output = preview_->playerRunner().outputRead;
  if (!loaded || output == kNoHandle) return;
  playerOutput_ = new QSocketNotifier(static_cast<qintptr>(output), QSocketNotifier::Read, this);
  connect(playerOutput_, &QSocketNotifier::activated, this, [this] { preview_->onPlayerWatchTimer(); });
}

void ZozDlg::setPreviewPlaying(bool playing) { SetUiState(kUiPreviewPlaying, playing); }

bool ZozDlg::converting() const { return IsConverting(); }

void ZozDlg::setSeekPosition(int position) {
  UpdateSeekScale();
  seekSlider_->SetPos(position);
}

void ZozDlg::setVolumePosition(int position) { volumeSlider_->SetPos(position); }

void ZozDlg::setTimeLabel(const std::string& text) { label(IDC_PLAY_TIME)->setText(QString::fromStdString(text)); }

void ZozDlg::setBeginLabel(const std::string& text) {
  label(IDC_TRIM_BEGIN)->setText(QString::fromStdString(text));
}

void ZozDlg::setEndLabel(const std::string& text) { label(IDC_TRIM_END)->setText(QString::fromStdString(text)); }

// The controller names its questions in English; the user reads them in
// the window's language.
bool ZozDlg::askYesNo(const std::string& text, const std::string& caption) {
  return services_.askYesNo(this, ShownText(text), ShownText(caption), false);
}

void ZozDlg::showMessage(const std::string& text, const std::string& caption) {
  services_.showMessage(this, ShownText(text), ShownText(caption));
}

void ZozDlg::startPlayerWatchTimer() { playerWatchTimer_.start(); }
void ZozDlg::stopPlayerWatchTimer() { playerWatchTimer_.stop(); }
void ZozDlg::startPlayClockTimer() { playClockTimer_.start(); }
void ZozDlg::stopPlayClockTimer() { playClockTimer_.stop(); }

void ZozDlg::invalidatePreview() { previewArea_->ClearPicture(); }

void ZozDlg::showFrame(const PreviewFrame& frame) {
  previewArea_->ShowPicture(frame.pixels, frame.width, frame.height, frame.stride);
}

int ZozDlg::focusedRow() const {
  QTreeWidgetItem* focused = jobList_->currentItem();
  return focused == nullptr ? -1 : jobList_->indexOfTopLevelItem(focused);
}

void ZozDlg::selectRow(int row) {
  QTreeWidgetItem* item = jobList_->topLevelItem(row);
  if (item == nullptr) return;
  jobList_->setCurrentItem(item);
  item->setSelected(true);
  jobList_->setFocus();
}

void ZozDlg::refreshJobRow(JobItem& job) {
  RefreshJob(job, currentProfile);
  WriteJobRow(job);
}

}  // namespace orva

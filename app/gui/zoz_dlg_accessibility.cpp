// The window as a screen reader and a keyboard user meet it: names for the
// controls whose pictures say what they are, captions for the time labels,
// slider values in seconds and percent, rows read as one sentence, status
// changes announced, and a focus order that follows the window's reading
// order.
#include <QAccessible>
#include <QComboBox>
#include <QTreeWidget>
#include <iterator>

#include "app/gui/control_ids.h"
#include "app/gui/window_text.h"
#include "app/gui/zoz_dlg.h"
#include "app/job_item.h"
#include "controls/bitmap_slider.h"
#include "controls/est_progress_ctrl.h"
#include "controls/gdip_button.h"
#include "controls/preview_static.h"
#include "controls/read_only_combo_box.h"
#include "controls/wx_static.h"

namespace orva {

namespace {

// Top band left to right, the list, the preview column top to bottom, then
// the bottom band left to right. Controls sharing a place (Play and Pause,
// Convert and Stop) follow each other: only one of them shows at a time.
constexpr int FocusOrder[] = {
    IDC_ADD_FILE,    IDC_DELETE,   IDC_CLEAR,        IDC_EDIT_PROFILE,  IDC_HOME,       IDC_HELP,
    IDC_HOME_LINK,   IDC_HELP_LINK, IDC_MINIMISE,    IDC_CLOSE,         IDC_JOB_LIST,   IDC_SEEK_SLIDER,
    IDC_PLAY,        IDC_PAUSE,    IDC_STOP_PLAY,    IDC_VOLUME_SLIDER, IDC_TRIM_BEGIN, IDC_TRIM_END,
    IDC_PROFILE_COMBO, IDC_DESTINATION, IDC_BROWSE,  IDC_OPEN_FOLDER,   IDC_CONVERT,    IDC_STOP_CONVERT,
};

// An arrow key moves the seek slider by a hundredth, Page Up and Down by a
// tenth; the volume by about three and twelve percent.
constexpr int kSeekLine = 100;
constexpr int kSeekPage = 1000;
constexpr int kVolumeLine = 8;
constexpr int kVolumePage = 32;

constexpr int kNameColumn = 0;
constexpr int kColumns = 4;

}  // namespace

void ZozDlg::SetUpAccessibility() {
  // These buttons have no tooltip: their names are their pictures' words.
  button(IDC_MINIMISE)->setAccessibleName(WindowText::tr("Minimise"));
  button(IDC_CLOSE)->setAccessibleName(WindowText::tr("Close"));
  button(IDC_HOME)->setAccessibleName(WindowText::tr("Home"));
  button(IDC_HELP)->setAccessibleName(WindowText::tr("Help"));

  profileCombo_->setAccessibleName(WindowText::tr("Profile"));
  destination_->setAccessibleName(WindowText::tr("Destination"));
  jobList_->setAccessibleName(WindowText::tr("Files to convert"));
  previewArea_->setAccessibleName(WindowText::tr("Preview"));
  progress_->setAccessibleName(WindowText::tr("Progress"));
  seekSlider_->setAccessibleName(WindowText::tr("Position"));
  seekSlider_->SetSpokenScale(0, WindowText::tr("%1 seconds"));
  seekSlider_->SetLineSize(kSeekLine);
  seekSlider_->SetPageSize(kSeekPage);
  volumeSlider_->setAccessibleName(WindowText::tr("Volume"));
  volumeSlider_->SetSpokenScale(100, WindowText::tr("%1 percent"));
  volumeSlider_->SetLineSize(kVolumeLine);
  volumeSlider_->SetPageSize(kVolumePage);

  label(IDC_TRIM_BEGIN)->SetCaption(label(IDC_CAPTION_BEGIN)->text());
  label(IDC_TRIM_BEGIN)->SetActions(WindowText::tr("Set the begin time to the preview's position"),
                                    WindowText::tr("Go to the begin time"));
  label(IDC_TRIM_END)->SetCaption(label(IDC_CAPTION_END)->text());
  label(IDC_TRIM_END)->SetActions(WindowText::tr("Set the end time to the preview's position"), WindowText::tr("Go to the end time"));
  label(IDC_HOME_LINK)->SetActions(WindowText::tr("Open the home page"));
  label(IDC_HELP_LINK)->SetActions(WindowText::tr("Open the help page"));

  for (std::size_t i = 1; i < std::size(FocusOrder); ++i) {
    setTabOrder(control(FocusOrder[i - 1]), control(FocusOrder[i]));
  }
}

// The seek slider's value is in seconds of the clip in the preview.
void ZozDlg::UpdateSeekScale() {
  const JobItem* job = preview_ ? preview_->current_job() : nullptr;
  seekSlider_->SetSpokenScale(job != nullptr ? job->duration : 0, WindowText::tr("%1 seconds"));
}

// A row is read as "name, duration, size, status".
void ZozDlg::UpdateRowSpokenText(QTreeWidgetItem& item) {
  QStringList parts;
  for (int column = 0; column < kColumns; ++column) {
    if (!item.text(column).isEmpty()) parts << item.text(column);
  }
  item.setData(kNameColumn, Qt::AccessibleTextRole, parts.join(QStringLiteral(", ")));
}

// A job's new status is announced as a change of its row's name.
void ZozDlg::AnnounceRow(int row) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(jobList_);
  QAccessibleTableInterface* table = list != nullptr ? list->tableInterface() : nullptr;
  QAccessibleInterface* cell = table != nullptr ? table->cellAt(row, kNameColumn) : nullptr;
  if (cell == nullptr) return;
  QAccessibleEvent event(cell, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace orva

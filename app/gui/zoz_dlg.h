// The program's main window: a frameless, skinned 770 x 550 window with the
// job list, the preview area, the profile and destination choices and the
// conversion controls. It routes each command to the core and shows what the
// core reports; the work itself is done by the engine.
#pragma once

#include <QImage>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/gui/command_queue.h"
#include "app/gui/control_ids.h"
#include "app/gui/window_services.h"
#include "app/startup_data.h"
#include "engine/conversion_lanes.h"
#include "engine/conversion_view.h"
#include "player/preview_controller.h"
#include "player/preview_view.h"
#include "web/web_check_worker.h"

class QComboBox;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace orva {

class CBitmapSlider;
class CEstProgressCtrl;
class CGdipButton;
class CPreviewStatic;
class CReadOnlyComboBox;
class CwxStatic;
struct JobItem;

// Where the window finds its programs and keeps its data.
struct WindowOptions {
  std::string programFolder;     // the three external programs are here
  std::string userConfigFolder;  // data files when the program folder is read-only
};

class ZozDlg : public QWidget, public ConversionView, public PreviewView {
  Q_OBJECT

 public:
  ZozDlg(const WindowOptions& options, WindowServices services, QWidget* parent = nullptr);
  ~ZozDlg() override;

  // Commands, as the buttons, the menus and the drop run them. The window's
  // controls run them through its command queue: one at a time.
  void OnAddFiles();
  // Queued like a click: files dropped or named on the command line.
  void AddDroppedFiles(const QStringList& paths);
  void OnDeleteSelected();
  void OnClear();
  void OnEditProfile();
  void OnBrowse();
  void OnOpenFolder();
  void OnConvert();
  void OnStopConvert();
  void OnRowClicked(int row);
  void ShowProfileMenu();
  void SelectProfileById(int id);
  void ShowAboutBox();
  // How many jobs convert at once from the next Convert on; saved.
  void ChooseConversionsAtOnce(int choice);
  // Rewrites a job's row (name with its range, duration, size estimate), or
  // every row with the profile in use.
  void WriteJobRow(JobItem& job);
  void RefreshAllRows();

  // The state routine: sets or clears one of the kUi* bits and shows the
  // controls that belong to the new state.
  void SetUiState(int bit, bool on);
  int uiState() const { return uiState_; }

  // What tests and the start-up look at.
  const StartupData& startupData() const { return startup_; }
  const std::string& outputFolder() const { return outputFolder_; }
  QWidget* control(int id) const;
  QTreeWidget* jobListView() const { return jobList_; }
  QComboBox* destinationCombo() const { return destination_; }
  CReadOnlyComboBox* profileCombo() const { return profileCombo_; }
  QMenu* profileMenu() const { return profileMenu_; }
  JobItem* currentJob() const { return preview_->current_job(); }
  PreviewController& preview() { return *preview_; }
  ConversionLanes& lanes() { return *lanes_; }
  // The period of the encoder poll kept beside the output watch, for the
  // case the watch misses.
  void setEncoderPollInterval(int milliseconds) { encoderWatchTimer_.setInterval(milliseconds); }

  // ConversionView.
  int rowCount() const override;
  void setRowStatus(int row, const std::string& text) override;
  void setFileName(const std::string& text) override;
  void setExtensionChange(const std::string& text) override;
  void setElapsed(const std::string& text) override;
  void setRemaining(const std::string& text) override;
  void setSummary(const std::string& text) override;
  void setProgressPosition(int position) override;
  void setConverting(bool converting) override;
  bool askIgnoreNotWritable(const std::string& folder) override;
  void startTimers() override;
  void stopTimers() override;
  void stopPreview() override;

  // PreviewView.
  void setPreviewLoaded(bool loaded) override;
  void setPreviewPlaying(bool playing) override;
  bool converting() const override;
  void setSeekPosition(int position) override;
  void setVolumePosition(int position) override;
  void setTimeLabel(const std::string& text) override;
  void setBeginLabel(const std::string& text) override;
  void setEndLabel(const std::string& text) override;
  bool askYesNo(const std::string& text, const std::string& caption) override;
  void showMessage(const std::string& text, const std::string& caption) override;
  void startPlayerWatchTimer() override;
  void stopPlayerWatchTimer() override;
  void startPlayClockTimer() override;
  void stopPlayClockTimer() override;
  void invalidatePreview() override;
  void showFrame(const PreviewFrame& frame) override;
  int focusedRow() const override;
  void selectRow(int row) override;
  void refreshJobRow(JobItem& job) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Set-up, in the order the window runs it.
  void RunStartup(const WindowOptions& options);
  void CreateControls();
  void AddSkinCaptions();
  void ApplyLayoutTable();
  void SetUpButtons();
  void SetUpLabels();
  void SetUpDestinationCombo();
  void SetUpProfileCombo();
  void SetUpJobList();
  void SetUpSliders();
  void SetUpAccessibility();
  void LoadBackground();

  // A control's command, run through the command queue.
  std::function<void()> Command(void (ZozDlg::*member)());
  std::function<void()> Command(std::function<void()> command);

  CGdipButton* AddButton(int id, int imageId);
  CGdipButton* button(int id) const;
  void SwapButtons(int hiddenId, int shownId);
  CwxStatic* label(int id) const;
  CwxStatic* AddLabel(int id, const QString& text, int textFormat);

  // Destination.
  void OnDestinationChanged(int index);
  void TakeDestinationEntry(int index);
  int FindDestination(const QString& folder, int from) const;
  QString ChooseOutputFolder();
  int FindOrAppendDestination(const QString& folder);
  void SelectDestination(int index);
  void TakeOutputFolder(const QString& folder, bool save);

  // Job list.
  void AddFiles(const QStringList& paths);
  void AppendJobRow(JobItem& job);
  void ShowJobList(bool shown);
  void AfterAdd(int previousCount);
  void RefreshProfileSummary();
  void UpdateRowSpokenText(QTreeWidgetItem& item);
  void AnnounceRow(int row);
  void UpdateSeekScale();

  void AddConversionsMenu(QMenu& menu);
  bool ReadyToClose();
  void AbandonConversion();
  void WatchEncoderOutputs();
  void UnwatchEncoderOutputs();
  void SetUpPreview();
  void StartWebCheck();
  void OnWebCheckTimer();
  void OfferNewVersion();
  void EndWebCheck();
  void SeekToTrimBound(int labelId);
  bool IsConverting() const { return (uiState_ & kUiConverting) != 0; }
  void OpenConfiguredPage(int stringId);

  WindowServices services_;
  CommandQueue commands_;
  StartupData startup_;
  std::string outputFolder_;
  int conversionsChoice_ = kAutomaticConversions;
  int uiState_ = 0;
  bool closingAllowed_ = false;
  bool closeQuestionOpen_ = false;
  bool updatingDestination_ = false;

  QImage background_;
  QPoint dragOffset_;
  bool dragging_ = false;

  std::map<int, QWidget*> controls_;
  QTreeWidget* jobList_ = nullptr;
  QComboBox* destination_ = nullptr;
  CReadOnlyComboBox* profileCombo_ = nullptr;
  CEstProgressCtrl* progress_ = nullptr;
  CBitmapSlider* seekSlider_ = nullptr;
  CBitmapSlider* volumeSlider_ = nullptr;
  CPreviewStatic* previewArea_ = nullptr;
  QMenu* profileMenu_ = nullptr;

  std::unique_ptr<ConversionLanes> lanes_;
  std::unique_ptr<PreviewController> preview_;
  QTimer playerWatchTimer_;
  // Reads the player's output as soon as it arrives, so each picture is
  // painted when it is ready rather than at the next tick of the watch.
  QPointer<QSocketNotifier> playerOutput_;
  QTimer playClockTimer_;
  WebCheckWorker webCheck_;
  QTimer webCheckTimer_;
  // Every running encoder's output, read as soon as it arrives; its end
  // is seen the same way, so the lane's next job starts at once.
  std::vector<QPointer<QSocketNotifier>> encoderOutputs_;
  QTimer encoderWatchTimer_;
  QTimer progressTimer_;
};

}  // namespace orva

#include "app/gui/zoz_dlg.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTreeWidget>
#include <QWindow>
#include <ctime>
#include <tuple>

#include "app/gui/about_dlg.h"
#include "app/gui/control_ids.h"
#include "app/gui/first_paint_report.h"
#include "app/gui/layout_table.h"
#include "profiles/gui/profile_menu.h"
#include "resources/skin_paths.h"
#include "app/gui/skin_style.h"
#include "app/program_pages.h"
#include "app/string_table.h"
#include "controls/bitmap_slider.h"
#include "controls/control_accessibility.h"
#include "controls/est_progress_ctrl.h"
#include "controls/gdip_button.h"
#include "controls/preview_static.h"
#include "controls/read_only_combo_box.h"
#include "controls/skin_colours.h"
#include "controls/skin_images.h"
#include "controls/wx_static.h"
#include "engine/conversion_texts.h"
#include "app/gui/window_text.h"

namespace orva {

namespace {

// The encoders' output and end drive the conversion as they come; the
// poll keeps its old pace beside them. It never waits on a running encoder,
// so it costs the window next to nothing.
constexpr int kEncoderPollMilliseconds = 50;

// The background colour that is not part of the window.
constexpr QRgb kKeyColour = qRgb(175, 220, 226);

// The picture with every key-colour pixel fully transparent, so that no
// desktop ever shows the key colour: a compositor blends the corners away,
// and an X server without one leaves them out through the mask.
QImage WithoutKeyColour(const QImage& picture) {
  if (picture.isNull()) return picture;
  QImage clear = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < clear.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(clear.scanLine(y));
    for (int x = 0; x < clear.width(); ++x) {
      if ((line[x] & 0x00FFFFFF) == (kKeyColour & 0x00FFFFFF)) line[x] = 0;
    }
  }
  return clear;
}

constexpr QColor kSeekTransparent(238, 148, 20);
constexpr QColor kVolumeTransparent(1, 22, 128);

// Label text formats, as text-drawing flags.
constexpr int kFormatCentred = 0x25;
constexpr int kFormatRightSingleLine = 0x26;
constexpr int kFormatRight = 0x02;
constexpr int kFormatDefault = 36;
constexpr int kTimeFontPixels = 9;

struct ButtonImage {
  int id;
  int imageId;
};

constexpr ButtonImage ButtonImageTable[] = {
    {IDC_ADD_FILE, kImgAddFile},     {IDC_DELETE, kImgDelete},       {IDC_CLEAR, kImgClear},
    {IDC_EDIT_PROFILE, kImgEditProfile}, {IDC_BROWSE, kImgBrowse},   {IDC_OPEN_FOLDER, kImgOpen},
    {IDC_CONVERT, kImgConvert},      {IDC_STOP_CONVERT, kImgStopConvert}, {IDC_PLAY, kImgPlay},
    {IDC_STOP_PLAY, kImgStopPlay},   {IDC_PAUSE, kImgPause},         {IDC_MINIMISE, kImgMinimise},
    {IDC_CLOSE, kImgClose},          {IDC_HOME, kImgHome},           {IDC_HELP, kImgHelp},
};

// Controls the window keeps hidden until their state shows them.
constexpr int HiddenAtStart[] = {
    IDC_STOP_CONVERT, IDC_PAUSE, IDC_JOB_LIST, IDC_PROGRESS, IDC_FILE_NAME, IDC_EXTENSION,
    IDC_ELAPSED, IDC_REMAINING, IDC_CAPTION_PROFILE, IDC_CAPTION_DESTINATION,
    IDC_CAPTION_FILE_NAME, IDC_CAPTION_EXTENSION, IDC_CAPTION_ELAPSED, IDC_CAPTION_REMAINING,
    IDC_CAPTION_BEGIN, IDC_CAPTION_END, IDC_HOME_LINK, IDC_HELP_LINK,
};

}  // namespace

ZozDlg::ZozDlg(const WindowOptions& options, WindowServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowIcon(QIcon(ProgramIconPath()));
  RunStartup(options);
  preview_ = std::make_unique<PreviewController>(
      *this, startup_.programFolder + kPathSeparator + "py.dat");
  setWindowTitle(WindowString(kStrTitle));
  LoadBackground();
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  // On X11 the mask cuts the corners away, with or without a compositor.
  // Where a mask only limits input (Wayland), the window is drawn with alpha
  // and the compositor leaves the corners clear.
  if (QGuiApplication::platformName() != QLatin1String("xcb")) setAttribute(Qt::WA_TranslucentBackground);
  setFixedSize(kWindowWidth, kWindowHeight);
  setAcceptDrops(true);
  UseSkinPaletteForAllWindows();
  setStyleSheet(SkinWindowStyleSheet());
  InstallControlAccessibility();
  CreateControls();
  ApplyLayoutTable();
  AddSkinCaptions();
  SetUpButtons();
  for (int id : HiddenAtStart) control(id)->hide();
  SetUpLabels();
  SetUpDestinationCombo();
  SetUpProfileCombo();
  SetUpJobList();
  SetUpSliders();
  SetUpAccessibility();
  // Start in the idle display: switch both bits on, then off through the
  // state routine.
  uiState_ = kUiConverting | kUiPreviewLoaded;
  SetUiState(kUiConverting, false);
  SetUiState(kUiPreviewLoaded, false);

  const std::string& folder = startup_.programFolder;
  lanes_ = std::make_unique<ConversionLanes>(*this, TheJobList(), folder + kPathSeparator + "cv.dat");
  // The encoder program need not measure a source the add has measured.
  lanes_->passSourceFacts(true);
  SetUpPreview();
  // The keyboard starts where a first Tab would take it, also where the
  // desktop does not activate the window (a Wayland session without a
  // keyboard, or one that keeps it for another window).
  focusNextChild();
  lanes_->onWatchChanged([this] { WatchEncoderOutputs(); });
  encoderWatchTimer_.setInterval(kEncoderPollMilliseconds);
  progressTimer_.setInterval(100);
  connect(&encoderWatchTimer_, &QTimer::timeout, this, [this] { lanes_->onEncoderTimer(); });
  connect(&progressTimer_, &QTimer::timeout, this, [this] { lanes_->onProgressTimer(); });
}

ZozDlg::~ZozDlg() {
  if (lanes_ && lanes_->converting()) AbandonConversion();
  EndWebCheck();
}

void ZozDlg::RunStartup(const WindowOptions& options) {
  uiState_ = 0;
  startup_ = RunStartupDataSteps(options.programFolder, options.userConfigFolder,
                                 static_cast<std::int64_t>(std::time(nullptr)));
  outputFolder_ = startup_.outputFolder;
  conversionsChoice_ = startup_.conversionsChoice;
  StartWebCheck();
  profileMenu_ = BuildProfileMenu(this, startup_.profilePath,
                                  [this](int id) { commands_.Run([this, id] { SelectProfileById(id); }); });
}

void ZozDlg::LoadBackground() {
  const qreal ratio = devicePixelRatioF();
  const QImage rendered = RenderSkinImage(kImgBackground, ratio);
  background_ = WithoutKeyColour(rendered);
  // The window's shape comes from the picture at its own pixel size.
  const QImage plain = ratio == 1.0 ? rendered : RenderSkinImage(kImgBackground, 1.0);
  if (plain.isNull()) return;
  // Pixels of the key colour are outside the window: they are not drawn and
  // clicks on them reach whatever lies beneath. On Wayland a mask only limits
  // input; the transparent pixels of the picture give the shape there. (A bitmap made from a mask
  // image keeps the pixels that are clear in the image.)
  setMask(QBitmap::fromImage(plain.createMaskFromColor(kKeyColour, Qt::MaskInColor)));
}

CGdipButton* ZozDlg::AddButton(int id, int imageId) {
  auto* button = new CGdipButton(id, this);
  button->LoadStdImage(imageId);
  const QString tip = WindowString(id);
  if (!tip.isEmpty()) button->SetToolTipText(tip);
  controls_[id] = button;
  return button;
}

CwxStatic* ZozDlg::AddLabel(int id, const QString& text, int textFormat) {
  auto* label = new CwxStatic(id, this);
  label->setText(text);
  label->SetTextFormat(textFormat);
  label->SetTextColor(QColor::fromRgb(kTextColour));
  controls_[id] = label;
  return label;
}

void ZozDlg::CreateControls() {
  for (const ButtonImage& entry : ButtonImageTable) AddButton(entry.id, entry.imageId);

  jobList_ = new QTreeWidget(this);
  controls_[IDC_JOB_LIST] = jobList_;
  profileCombo_ = new CReadOnlyComboBox(this);
  controls_[IDC_PROFILE_COMBO] = profileCombo_;
  destination_ = new QComboBox(this);
  controls_[IDC_DESTINATION] = destination_;
  progress_ = new CEstProgressCtrl(this);
  controls_[IDC_PROGRESS] = progress_;
  seekSlider_ = new CBitmapSlider(IDC_SEEK_SLIDER, this);
  controls_[IDC_SEEK_SLIDER] = seekSlider_;
  volumeSlider_ = new CBitmapSlider(IDC_VOLUME_SLIDER, this);
  controls_[IDC_VOLUME_SLIDER] = volumeSlider_;
  previewArea_ = new CPreviewStatic(this);
  controls_[IDC_PREVIEW] = previewArea_;

  AddLabel(IDC_STATUS_LINE, {}, kFormatDefault);
  AddLabel(IDC_FILE_NAME, {}, kFormatDefault);
  AddLabel(IDC_EXTENSION, {}, kFormatDefault);
  AddLabel(IDC_ELAPSED, {}, kFormatDefault);
  AddLabel(IDC_REMAINING, {}, kFormatDefault);
  AddLabel(IDC_CAPTION_PROFILE, WindowText::tr("Profile:"), kFormatRight);
  AddLabel(IDC_CAPTION_DESTINATION, WindowText::tr("Destination:"), kFormatRight);
  AddLabel(IDC_CAPTION_FILE_NAME, WindowText::tr("File Name:"), kFormatRightSingleLine);
  AddLabel(IDC_CAPTION_EXTENSION, WindowText::tr("Extension:"), kFormatRightSingleLine);
  AddLabel(IDC_CAPTION_ELAPSED, WindowText::tr("Elapsed Time:"), kFormatRightSingleLine);
  AddLabel(IDC_CAPTION_REMAINING, WindowText::tr("Time Remaining:"), kFormatRightSingleLine);
  AddLabel(IDC_CAPTION_BEGIN, WindowText::tr("Begin:"), kFormatDefault);
  AddLabel(IDC_CAPTION_END, WindowText::tr("End:"), kFormatDefault);
  // The time labels are 11 pixels high: their text is small to fit.
  for (int id : {IDC_TRIM_BEGIN, IDC_TRIM_END}) {
    AddLabel(id, QStringLiteral("00:00:00.00"), kFormatCentred)->SetFontHeight(kTimeFontPixels);
  }
  AddLabel(IDC_PLAY_TIME, QStringLiteral("00:00:00 / 00:00:00"), kFormatCentred)->SetFontHeight(kTimeFontPixels);
  AddLabel(IDC_HOME_LINK, WindowText::tr("Home"), kFormatDefault);
  AddLabel(IDC_HELP_LINK, WindowText::tr("Help"), kFormatDefault);
}

void ZozDlg::ApplyLayoutTable() {
  for (const ControlPlace& place : LayoutTable) {
    control(place.id)->setGeometry(place.x, place.y, place.width, place.height);
  }
}

std::function<void()> ZozDlg::Command(void (ZozDlg::*member)()) {
  return [this, member] { commands_.Run([this, member] { (this->*member)(); }); };
}

std::function<void()> ZozDlg::Command(std::function<void()> command) {
  return [this, command = std::move(command)] { commands_.Run(command); };
}

void ZozDlg::SetUpButtons() {
  connect(button(IDC_ADD_FILE), &QAbstractButton::clicked, this, Command(&ZozDlg::OnAddFiles));
  connect(button(IDC_DELETE), &QAbstractButton::clicked, this, Command(&ZozDlg::OnDeleteSelected));
  connect(button(IDC_CLEAR), &QAbstractButton::clicked, this, Command(&ZozDlg::OnClear));
  connect(button(IDC_EDIT_PROFILE), &QAbstractButton::clicked, this, Command(&ZozDlg::OnEditProfile));
  connect(button(IDC_BROWSE), &QAbstractButton::clicked, this, Command(&ZozDlg::OnBrowse));
  connect(button(IDC_OPEN_FOLDER), &QAbstractButton::clicked, this, Command(&ZozDlg::OnOpenFolder));
  connect(button(IDC_CONVERT), &QAbstractButton::clicked, this, Command(&ZozDlg::OnConvert));
  connect(button(IDC_STOP_CONVERT), &QAbstractButton::clicked, this, Command(&ZozDlg::OnStopConvert));
  connect(button(IDC_MINIMISE), &QAbstractButton::clicked, this, &QWidget::showMinimized);
  connect(button(IDC_CLOSE), &QAbstractButton::clicked, this, &QWidget::close);
  connect(button(IDC_HOME), &QAbstractButton::clicked, this,
          Command([this] { OpenConfiguredPage(kStrHomePage); }));
  connect(button(IDC_HELP), &QAbstractButton::clicked, this,
          Command([this] { OpenConfiguredPage(kStrProductPage); }));
  // A page button without a page to open would do nothing: it is not
  // shown, nor is the word written on it.
  for (const auto& [buttonId, captionId, page] : {std::tuple{IDC_HOME, IDC_CAPTION_HOME, kStrHomePage},
                                                 std::tuple{IDC_HELP, IDC_CAPTION_HELP, kStrProductPage}}) {
    const bool shown = !ProgramPageAddress(page).empty();
    button(buttonId)->setVisible(shown);
    label(captionId)->setVisible(shown);
  }
}

void ZozDlg::SetUpLabels() {
  for (int id : {IDC_HOME_LINK, IDC_HELP_LINK}) static_cast<CwxStatic*>(control(id))->SetLink(true);
  connect(static_cast<CwxStatic*>(control(IDC_HOME_LINK)), &CwxStatic::clicked, this,
          Command([this] { OpenConfiguredPage(kStrHomePage); }));
  connect(static_cast<CwxStatic*>(control(IDC_HELP_LINK)), &CwxStatic::clicked, this,
          Command([this] { OpenConfiguredPage(kStrProductPage); }));
}

void ZozDlg::SetUpJobList() {
  jobList_->setColumnCount(4);
  jobList_->setHeaderLabels({WindowText::tr("File Name"), WindowText::tr("Duration"),
                             WindowText::tr("Output Size"), WindowText::tr("Status")});
  jobList_->setRootIsDecorated(false);
  jobList_->setUniformRowHeights(true);
  jobList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  jobList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  jobList_->setAllColumnsShowFocus(true);
  // The three short columns keep a sixth of the list each; the name column
  // takes what is left of the rows' width, so a vertical scroll bar narrows
  // the names instead of pushing Status out of sight.
  const int sixth = jobList_->width() / 6;
  QHeaderView* header = jobList_->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < 4; ++column) {
    header->setSectionResizeMode(column, QHeaderView::Fixed);
    jobList_->setColumnWidth(column, sixth);
  }
  jobList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  jobList_->setTextElideMode(Qt::ElideMiddle);
  jobList_->viewport()->installEventFilter(this);
  jobList_->installEventFilter(this);
}

void ZozDlg::SetUpSliders() {
  progress_->setRange(0, 10000);
  seekSlider_->SetBitmapChannel(kImgSeekChannel, kImgSeekActive, kSeekTransparent);
  seekSlider_->SetRange(0, 10000);
  seekSlider_->SetPos(0);
  seekSlider_->setCursor(Qt::PointingHandCursor);
  seekSlider_->setEnabled(false);
  volumeSlider_->SetBitmapChannel(kImgVolumeChannel, kImgVolumeActive, kVolumeTransparent);
  volumeSlider_->SetRange(0, 256);
  volumeSlider_->SetPos(0);
  volumeSlider_->setEnabled(false);
}

QWidget* ZozDlg::control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

CGdipButton* ZozDlg::button(int id) const { return static_cast<CGdipButton*>(control(id)); }
CwxStatic* ZozDlg::label(int id) const { return static_cast<CwxStatic*>(control(id)); }

void ZozDlg::SetUiState(int bit, bool on) {
  const bool wasOn = (uiState_ & bit) != 0;
  if (wasOn == on && bit != kUiPreviewPlaying) return;
  uiState_ = on ? (uiState_ | bit) : (uiState_ & ~bit);
  switch (bit) {
    case kUiConverting:
      if (on) {
        progress_->show();
        SwapButtons(IDC_CONVERT, IDC_STOP_CONVERT);
      } else {
        label(IDC_STATUS_LINE)->setText({});
        label(IDC_EXTENSION)->setText({});
        label(IDC_REMAINING)->setText(QStringLiteral("00:00:00"));
        label(IDC_ELAPSED)->setText(QStringLiteral("00:00:00"));
        label(IDC_FILE_NAME)->setText(ShownText(kFinishedFileName));
        progress_->setValue(0);
        progress_->hide();
        SwapButtons(IDC_STOP_CONVERT, IDC_CONVERT);
      }
      break;
    case kUiPreviewLoaded:
      seekSlider_->setEnabled(on);
      volumeSlider_->setEnabled(on);
      if (!on) SwapButtons(IDC_PAUSE, IDC_PLAY);
      volumeSlider_->SetPos(on ? preview_->volume() : 0);
      break;
    case kUiPreviewPlaying:
      SwapButtons(on ? IDC_PLAY : IDC_PAUSE, on ? IDC_PAUSE : IDC_PLAY);
      break;
    default:
      break;
  }
}

// One button takes the other's place; a focused one hands its focus over,
// so hiding it does not send the focus (and a ring) to the next control.
void ZozDlg::SwapButtons(int hiddenId, int shownId) {
  button(shownId)->show();
  button(hiddenId)->HandFocusTo(*button(shownId));
  button(hiddenId)->hide();
}

void ZozDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!background_.isNull()) {
    painter.drawImage(QRect(0, 0, kWindowWidth, kWindowHeight), background_);
  } else {
    painter.fillRect(rect(), QColor::fromRgb(kBodyColour));
  }
  ReportFirstPaintOnce();
}

// The whole body drags the window: the desktop moves it when it can, else
// the window follows the pointer itself.
void ZozDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void ZozDlg::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) move(event->globalPosition().toPoint() - dragOffset_);
}

void ZozDlg::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void ZozDlg::ShowAboutBox() {
  CAboutDlg about(this);
  about.exec();
}

// Closing is a command like the others: asked for inside another command's
// wait, it comes after that command.
void ZozDlg::closeEvent(QCloseEvent* event) {
  if (closingAllowed_) return event->accept();
  event->ignore();
  if (commands_.busy()) {
    commands_.Run([this] {
      if (ReadyToClose()) close();
    });
    return;
  }
  bool ready = false;
  commands_.Run([this, &ready] { ready = ReadyToClose(); });
  if (ready) event->accept();
}

// Asks before ending a running conversion. A run that ends while the
// question is open takes the question with it: its answer would act on a
// run that is gone, and the window stays.
bool ZozDlg::ReadyToClose() {
  if (IsConverting()) {
    closeQuestionOpen_ = true;
    const bool stop = services_.askYesNo(this, WindowString(kStrStopFirst),
                                         WindowText::tr("!Waring!"), true);
    closeQuestionOpen_ = false;
    if (!stop || !IsConverting()) return false;
    AbandonConversion();
  }
  preview_->StopPreview();
  EndWebCheck();
  closingAllowed_ = true;
  return true;
}

// Closing the window while converting ends every encoder and waits for it,
// so no encoder outlives the window and no shortened file appears under an
// output name: asked to end, an encoder removes its unfinished file; one
// that does not end in time is forced.
void ZozDlg::AbandonConversion() {
  // The encoders' pipes close while they are waited for.
  UnwatchEncoderOutputs();
  lanes_->abandon();
  stopTimers();
}

void ZozDlg::OpenConfiguredPage(int stringId) {
  const QString address = QString::fromStdString(ProgramPageAddress(stringId));
  if (!address.isEmpty()) services_.openUrl(QUrl(address));
}

void ZozDlg::OnOpenFolder() {
  const QString folder = outputFolder_.empty() ? QDir::homePath() : QString::fromStdString(outputFolder_);
  services_.openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace orva

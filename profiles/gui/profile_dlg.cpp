#include "profiles/gui/profile_dlg.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "app/gui/skin_style.h"
#include "profiles/profile.h"
#include "app/gui/window_text.h"

namespace orva {

namespace {

// Dialog units of the dialog's 8-point font, in pixels at 96 dpi.
int DluX(int units) { return static_cast<int>(std::lround(units * 1.5)); }
int DluY(int units) { return static_cast<int>(std::lround(units * 1.625)); }

// Widths, in dialog units, that show the longest codec name and the widest
// frame size ("1408x1152") whole.
constexpr int kCodecWidth = 168;
constexpr int kSizeWidth = 60;
constexpr int kComboHeight = 14;
constexpr int kTextHeight = 8;
// Captions at the left edge keep clear of the dialog's edge or of the
// groups' frames; the others of the box before them.
constexpr int kDialogEdge = 4;
constexpr int kEdgeRoom = 11;
constexpr int kGap = 4;

class ComboTarget : public OptionTarget {
 public:
  explicit ComboTarget(QComboBox& combo) : combo_(combo) {}
  void addItem(const char* text) override { combo_.addItem(QString::fromUtf8(text)); }
  void selectItem(int index) override { combo_.setCurrentIndex(index < combo_.count() ? index : -1); }

 private:
  QComboBox& combo_;
};

void Fill(QComboBox* combo, OptionList list, int index) {
  const QSignalBlocker quiet(combo);
  combo->clear();
  ComboTarget target(*combo);
  FillComboFromOptionList(target, list, index);
}

// The codec entries' names, with the chosen one (the first when the index
// lies outside) selected.
template <typename Entry>
void FillCodecNames(QComboBox* combo, const Entry* entries, int count, int chosen) {
  const QSignalBlocker quiet(combo);
  for (int i = 0; i < count; ++i) combo->addItem(QString::fromUtf8(entries[i].displayName));
  combo->setCurrentIndex(chosen < count ? chosen : 0);
}

VideoCodecEntry& VideoEntry() { return currentProfile->videoCodecs[currentProfile->videoCodecIndex]; }
AudioCodecEntry& AudioEntry() { return currentProfile->audioCodecs[currentProfile->audioCodecIndex]; }

}  // namespace

CProfileDlg::CProfileDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(WindowText::tr("Edit Profile"));
  setStyleSheet(SkinDialogStyleSheet());

  // Column 1: the captions at the left edge and the boxes after them;
  // column 2: the captions and boxes of the right half.
  AddText(WindowText::tr("Profile Name:"), 1, kDialogEdge, 15, 51);
  ShowProfileName(QString::fromUtf8(currentProfile->name));
  AddText(WindowText::tr("Extension:"), 1, kDialogEdge, 29, 51);
  QComboBox* extension = AddCombo(IDC_EXTENSION_COMBO, 1, 61, 27, 104);

  groups_[0] = new QGroupBox(WindowText::tr("Video"), this);
  groups_[0]->setGeometry(DluX(7), DluY(42), DluX(240), DluY(90));
  AddText(WindowText::tr("Video Codec:"), 1, kEdgeRoom, 60, 62);
  // The codec names are the longest texts: their boxes reach the group's edge.
  QComboBox* videoCodec = AddCombo(IDC_VIDEO_CODEC_COMBO, 1, 69, 58, kCodecWidth);
  AddText(WindowText::tr("Size:"), 1, kEdgeRoom, 82, 62);
  AddCombo(IDC_SIZE_COMBO, 1, 69, 80, kSizeWidth);
  AddText(WindowText::tr("BitRate:"), 2, 69 + kSizeWidth + kGap, 82, 169);
  AddCombo(IDC_VIDEO_BITRATE_COMBO, 2, 174, 80, 48);
  AddText(WindowText::tr("AspectRatio:"), 1, kEdgeRoom, 106, 62);
  AddCombo(IDC_ASPECT_COMBO, 1, 69, 103, 48);
  AddText(WindowText::tr("FrameRate:"), 2, 69 + 48 + kGap, 106, 169);
  AddCombo(IDC_FRAME_RATE_COMBO, 2, 174, 103, 48);

  groups_[1] = new QGroupBox(WindowText::tr("Audio"), this);
  groups_[1]->setGeometry(DluX(7), DluY(141), DluX(240), DluY(76));
  AddText(WindowText::tr("Audio Codec:"), 1, kEdgeRoom, 159, 62);
  QComboBox* audioCodec = AddCombo(IDC_AUDIO_CODEC_COMBO, 1, 69, 157, kCodecWidth);
  AddText(WindowText::tr("BitRate:"), 1, kEdgeRoom, 180, 62);
  AddCombo(IDC_AUDIO_BITRATE_COMBO, 1, 69, 177, 48);
  AddText(WindowText::tr("SampleRate:"), 2, 69 + 48 + kGap, 180, 169);
  AddCombo(IDC_SAMPLE_RATE_COMBO, 2, 174, 177, 48);
  AddText(WindowText::tr("Channels:"), 1, kEdgeRoom, 201, 62);
  AddCombo(IDC_CHANNELS_COMBO, 1, 69, 199, 48);
  for (QGroupBox* group : groups_) group->lower();

  // A longer word than "OK" widens the button to the left.
  auto* ok = new QPushButton(WindowText::tr("OK"), this);
  ok->ensurePolished();
  const int okWidth = std::max(DluX(50), ok->sizeHint().width());
  ok->setGeometry(DluX(247) - okWidth, DluY(226), okWidth, DluY(14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  placed_.push_back({ok, 2});
  MakeRoomForCaptions();

  Fill(extension, currentProfile->extensions, currentProfile->extensionIndex);
  if (currentProfile->videoCodecCount == 0) {
    for (int id : {IDC_VIDEO_CODEC_COMBO, IDC_SIZE_COMBO, IDC_VIDEO_BITRATE_COMBO, IDC_FRAME_RATE_COMBO,
                   IDC_ASPECT_COMBO}) {
      combo(id)->setEnabled(false);
    }
  } else {
    FillCodecNames(videoCodec, currentProfile->videoCodecs, currentProfile->videoCodecCount,
                   currentProfile->videoCodecIndex);
    FillVideoOptions();
  }
  FillCodecNames(audioCodec, currentProfile->audioCodecs, currentProfile->audioCodecCount,
                 currentProfile->audioCodecIndex);
  FillAudioOptions();
}

QComboBox* CProfileDlg::AddCombo(int id, int column, int left, int top, int width) {
  auto* combo = new QComboBox(this);
  combo->setGeometry(DluX(left), DluY(top), DluX(width), DluY(kComboHeight));
  combo->setObjectName(QString::number(id));
  combos_[id] = combo;
  placed_.push_back({combo, column});
  connect(combo, &QComboBox::currentIndexChanged, this, [this, id](int index) { OnChanged(id, index); });
  return combo;
}

// A caption ends where its box begins and may take the room before it, from
// `roomFrom` on (dialog units): the dialog's font is wider than the one the
// places were measured in, and other languages have longer words.
void CProfileDlg::AddText(const QString& text, int column, int roomFrom, int top, int right) {
  auto* label = new QLabel(text, this);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setGeometry(DluX(roomFrom), DluY(top) - 3, DluX(right) - DluX(roomFrom), DluY(kTextHeight) + 6);
  captions_.push_back({label, column});
}

// Where a caption of the user's language is longer than its room, the
// column it ends in moves right, and with it the columns after it; the
// groups and the dialog widen by as much.
void CProfileDlg::MakeRoomForCaptions() {
  int shift[3] = {0, 0, 0};
  for (int column = 1; column <= 2; ++column) {
    int shortfall = 0;
    for (const Placed& caption : captions_) {
      if (caption.column != column) continue;
      caption.widget->ensurePolished();
      shortfall = std::max(shortfall, caption.widget->minimumSizeHint().width() - caption.widget->width());
    }
    shift[column] = shift[column - 1] + shortfall;
  }
  for (const Placed& caption : captions_) {
    // It keeps its left end after the column before it and grows to the right.
    QWidget* label = caption.widget;
    label->setGeometry(label->x() + shift[caption.column - 1], label->y(),
                       label->width() + shift[caption.column] - shift[caption.column - 1], label->height());
  }
  for (const Placed& item : placed_) item.widget->move(item.widget->x() + shift[item.column], item.widget->y());
  for (QGroupBox* group : groups_) group->resize(group->width() + shift[2], group->height());
  setFixedSize(DluX(254) + shift[2], DluY(247));
}

QComboBox* CProfileDlg::combo(int id) const {
  const auto found = combos_.find(id);
  return found == combos_.end() ? nullptr : found->second;
}

QString CProfileDlg::profileName() const { return name_->toolTip(); }

// A name longer than its line ends in an ellipsis; the tooltip holds it whole.
void CProfileDlg::ShowProfileName(const QString& name) {
  name_ = new QLabel(this);
  name_->setGeometry(DluX(61), DluY(15) - 3, DluX(186), DluY(kTextHeight) + 6);
  placed_.push_back({name_, 1});
  name_->ensurePolished();
  name_->setText(name_->fontMetrics().elidedText(name, Qt::ElideRight, name_->contentsRect().width()));
  name_->setToolTip(name);
}

void CProfileDlg::FillVideoOptions() {
  const VideoCodecEntry& entry = VideoEntry();
  Fill(combo(IDC_SIZE_COMBO), entry.sizes, entry.sizeIndex);
  Fill(combo(IDC_VIDEO_BITRATE_COMBO), entry.videoBitrates, entry.videoBitrateIndex);
  Fill(combo(IDC_FRAME_RATE_COMBO), entry.frameRates, entry.frameRateIndex);
  Fill(combo(IDC_ASPECT_COMBO), entry.aspectRatios, entry.aspectRatioIndex);
}

void CProfileDlg::FillAudioOptions() {
  const AudioCodecEntry& entry = AudioEntry();
  Fill(combo(IDC_AUDIO_BITRATE_COMBO), entry.audioBitrates, entry.audioBitrateIndex);
  Fill(combo(IDC_SAMPLE_RATE_COMBO), entry.sampleRates, entry.sampleRateIndex);
  Fill(combo(IDC_CHANNELS_COMBO), entry.channels, entry.channelIndex);
}

// Every choice goes into the profile at once; OK, Esc and the close box all
// keep it.
void CProfileDlg::OnChanged(int id, int index) {
  if (index < 0) return;
  switch (id) {
    case IDC_EXTENSION_COMBO: currentProfile->extensionIndex = index; break;
    case IDC_VIDEO_CODEC_COMBO:
      currentProfile->videoCodecIndex = index;
      FillVideoOptions();
      break;
    case IDC_SIZE_COMBO: VideoEntry().sizeIndex = index; break;
    case IDC_VIDEO_BITRATE_COMBO: VideoEntry().videoBitrateIndex = index; break;
    case IDC_FRAME_RATE_COMBO: VideoEntry().frameRateIndex = index; break;
    case IDC_ASPECT_COMBO: VideoEntry().aspectRatioIndex = index; break;
    case IDC_AUDIO_CODEC_COMBO:
      currentProfile->audioCodecIndex = index;
      FillAudioOptions();
      break;
    case IDC_AUDIO_BITRATE_COMBO: AudioEntry().audioBitrateIndex = index; break;
    case IDC_SAMPLE_RATE_COMBO: AudioEntry().sampleRateIndex = index; break;
    case IDC_CHANNELS_COMBO: AudioEntry().channelIndex = index; break;
    default: break;
  }
}

}  // namespace orva

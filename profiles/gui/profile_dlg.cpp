#include "profiles/gui/profile_dlg.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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
  setFixedSize(DluX(254), DluY(247));
  setStyleSheet(SkinDialogStyleSheet());

  AddText(WindowText::tr("Profile Name:"), 7, 15, 44, 8);
  ShowProfileName(QString::fromUtf8(currentProfile->name));
  AddText(WindowText::tr("Extension:"), 16, 29, 35, 8);
  QComboBox* extension = AddCombo(IDC_EXTENSION_COMBO, 61, 27, 104, 14);

  auto* video = new QGroupBox(WindowText::tr("Video"), this);
  video->setGeometry(DluX(7), DluY(42), DluX(240), DluY(90));
  video->lower();
  AddText(WindowText::tr("Video Codec:"), 19, 60, 43, 8);
  // The codec names are the longest texts: their boxes reach the group's edge.
  QComboBox* videoCodec = AddCombo(IDC_VIDEO_CODEC_COMBO, 69, 58, kCodecWidth, 14);
  AddText(WindowText::tr("Size:"), 46, 82, 16, 8);
  AddCombo(IDC_SIZE_COMBO, 69, 80, kSizeWidth, 14);
  AddText(WindowText::tr("BitRate:"), 142, 82, 27, 8);
  AddCombo(IDC_VIDEO_BITRATE_COMBO, 174, 80, 48, 14);
  AddText(WindowText::tr("AspectRatio:"), 20, 106, 42, 8);
  AddCombo(IDC_ASPECT_COMBO, 69, 103, 48, 14);
  AddText(WindowText::tr("FrameRate:"), 130, 106, 39, 8);
  AddCombo(IDC_FRAME_RATE_COMBO, 174, 103, 48, 14);

  auto* audio = new QGroupBox(WindowText::tr("Audio"), this);
  audio->setGeometry(DluX(7), DluY(141), DluX(240), DluY(76));
  audio->lower();
  AddText(WindowText::tr("Audio Codec:"), 18, 159, 44, 8);
  QComboBox* audioCodec = AddCombo(IDC_AUDIO_CODEC_COMBO, 69, 157, kCodecWidth, 14);
  AddText(WindowText::tr("BitRate:"), 35, 180, 27, 8);
  AddCombo(IDC_AUDIO_BITRATE_COMBO, 69, 177, 48, 14);
  AddText(WindowText::tr("SampleRate:"), 127, 180, 42, 8);
  AddCombo(IDC_SAMPLE_RATE_COMBO, 174, 177, 48, 14);
  AddText(WindowText::tr("Channels:"), 29, 201, 33, 8);
  AddCombo(IDC_CHANNELS_COMBO, 69, 199, 48, 14);

  auto* ok = new QPushButton(WindowText::tr("OK"), this);
  ok->setGeometry(DluX(197), DluY(226), DluX(50), DluY(14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

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

QComboBox* CProfileDlg::AddCombo(int id, int left, int top, int width, int height) {
  auto* combo = new QComboBox(this);
  combo->setGeometry(DluX(left), DluY(top), DluX(width), DluY(height));
  combo->setObjectName(QString::number(id));
  combos_[id] = combo;
  connect(combo, &QComboBox::currentIndexChanged, this, [this, id](int index) { OnChanged(id, index); });
  return combo;
}

// Captions end where their place ends and may run further left, since the
// dialog's font is wider than the one the places were measured in.
void CProfileDlg::AddText(const QString& text, int left, int top, int width, int height) {
  constexpr int kExtraWidth = 24;
  auto* label = new QLabel(text, this);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setGeometry(DluX(left) - kExtraWidth, DluY(top) - 3, DluX(width) + kExtraWidth, DluY(height) + 6);
}

QComboBox* CProfileDlg::combo(int id) const {
  const auto found = combos_.find(id);
  return found == combos_.end() ? nullptr : found->second;
}

QString CProfileDlg::profileName() const { return name_->toolTip(); }

// A name longer than its line ends in an ellipsis; the tooltip holds it whole.
void CProfileDlg::ShowProfileName(const QString& name) {
  name_ = new QLabel(this);
  name_->setGeometry(DluX(61), DluY(15) - 3, DluX(186), DluY(8) + 6);
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

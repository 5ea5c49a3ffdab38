// The Edit Profile dialog: the chosen items of the profile in use, each
// written into the profile the moment it is chosen.
#pragma once

#include <QDialog>
#include <map>

class QComboBox;
class QLabel;

namespace orva {

inline constexpr int IDC_PROFILE_NAME = 1035;
inline constexpr int IDC_EXTENSION_COMBO = 1038;
inline constexpr int IDC_VIDEO_CODEC_COMBO = 1036;
inline constexpr int IDC_SIZE_COMBO = 1037;
inline constexpr int IDC_VIDEO_BITRATE_COMBO = 1028;
inline constexpr int IDC_ASPECT_COMBO = 1029;
inline constexpr int IDC_FRAME_RATE_COMBO = 1030;
inline constexpr int IDC_AUDIO_CODEC_COMBO = 1031;
inline constexpr int IDC_AUDIO_BITRATE_COMBO = 1032;
inline constexpr int IDC_SAMPLE_RATE_COMBO = 1034;
inline constexpr int IDC_CHANNELS_COMBO = 1033;

class CProfileDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CProfileDlg(QWidget* parent = nullptr);

  QComboBox* combo(int id) const;
  QString profileName() const;

 private:
  QComboBox* AddCombo(int id, int left, int top, int width, int height);
  void AddText(const QString& text, int left, int top, int width, int height);
  void ShowProfileName(const QString& name);
  void FillVideoOptions();
  void FillAudioOptions();
  void OnChanged(int id, int index);

  std::map<int, QComboBox*> combos_;
  QLabel* name_ = nullptr;
};

}  // namespace orva

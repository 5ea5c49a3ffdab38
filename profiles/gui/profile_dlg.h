// The Edit Profile dialog: the chosen items of the profile in use, each
// written into the profile the moment it is chosen.
#pragma once

#include <QDialog>
#include <array>
#include <map>
#include <vector>

class QComboBox;
class QGroupBox;
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
  // A control and the column of the dialog it belongs to (1 or 2).
  struct Placed {
    QWidget* widget;
    int column;
  };

  QComboBox* AddCombo(int id, int column, int left, int top, int width);
  void AddText(const QString& text, int column, int roomFrom, int top, int right);
  void MakeRoomForCaptions();
  void ShowProfileName(const QString& name);
  void FillVideoOptions();
  void FillAudioOptions();
  void OnChanged(int id, int index);

  std::map<int, QComboBox*> combos_;
  std::vector<Placed> placed_;
  std::vector<Placed> captions_;
  std::array<QGroupBox*, 2> groups_{};
  QLabel* name_ = nullptr;
};

}  // namespace orva

#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <array>
#include <functional>

#include "core/player_settings.h"

namespace quavix {

// The practice chosen from the band's menu: each clef's range, the clefs of the mixed option, the
// accidentals and how notes are named. It stays open beside the game; OK hands the choice on,
// which the game's rules take from its next start.
class PracticeDialog : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<void(const PlayerSettings&)>;

  PracticeDialog(Apply apply, QWidget* parent);
  // Shows the settings as they stand and brings the dialog to the front.
  void present(const PlayerSettings& settings);
  // The settings shown, with what the controls say now.
  PlayerSettings chosen() const;

 private:
  void buildRanges();
  void buildAccidentals();
  void buildNames();
  // OK only for a practice the game can play, with the reason why not.
  void check();

  Apply apply_;
  std::array<QComboBox*, kClefKinds> lowest_{};
  std::array<QComboBox*, kClefKinds> highest_{};
  std::array<QCheckBox*, kClefKinds> mixed_{};
  // The window's clef options, alto alone, tenor alone.
  std::array<QRadioButton*, 3> onlyClef_{};
  std::array<QRadioButton*, 3> accidentals_{};
  // By fifths - kFewestFifths.
  std::array<QCheckBox*, kKeySignatureCount> keys_{};
  std::array<QRadioButton*, 4> namings_{};
  QCheckBox* redKeyName_ = nullptr;
  PlayerSettings shown_;
  QLabel* problem_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace quavix

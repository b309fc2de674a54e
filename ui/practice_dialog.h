#pragma once

#include <QBoxLayout>
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
// accidentals, how notes are named and the beginners' helps. It stays open beside the game; OK
// hands the choice on, which the game's rules take from its next start.
class PracticeDialog : public QDialog {
  Q_OBJECT

 public:
  // OK hands the dialog on, for its choice to be written into the settings of that moment.
  using Apply = std::function<void(const PracticeDialog&)>;

  PracticeDialog(Apply apply, QWidget* parent);
  // Shows the settings as they stand and brings the dialog to the front.
  void present(const PlayerSettings& settings);
  // The settings shown, with what the controls say now.
  PlayerSettings chosen() const;
  // What the controls say now, over the settings that the dialog sets.
  void writeChoice(PlayerSettings& settings) const;

 private:
  void buildRanges(QBoxLayout* column);
  void buildAccidentals(QBoxLayout* column);
  void buildNames(QBoxLayout* column);
  void buildHelps(QBoxLayout* column);
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
  // Names and letters on the keys, the missed card's answer, the countdown, the question.
  std::array<QCheckBox*, 5> helps_{};
  PlayerSettings shown_;
  QLabel* problem_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace quavix

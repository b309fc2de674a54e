#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <array>
#include <functional>

#include "core/practice_settings.h"

namespace quavix {

// The practice chosen from the band's menu: each clef's range, the clefs of the mixed option and
// the accidentals. It stays open beside the game; OK hands the choice on, which the game takes
// from its next start.
class PracticeDialog : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<void(const PracticeSettings&)>;

  PracticeDialog(Apply apply, QWidget* parent);
  // Shows the practice as it stands and brings the dialog to the front.
  void present(const PracticeSettings& practice);
  // What the controls say now.
  PracticeSettings chosen() const;

 private:
  void buildRanges();
  void buildAccidentals();
  // OK only for a practice the game can play, with the reason why not.
  void check();

  Apply apply_;
  std::array<QComboBox*, kClefKinds> lowest_{};
  std::array<QComboBox*, kClefKinds> highest_{};
  std::array<QCheckBox*, kClefKinds> mixed_{};
  std::array<QRadioButton*, 3> accidentals_{};
  QLabel* problem_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace quavix

#include "ui/practice_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace quavix {

namespace {

constexpr std::array<std::optional<Clef>, 3> kOnlyClefs = {std::nullopt, Clef::Alto, Clef::Tenor};

// In the order of the dialog's check boxes.
constexpr std::array<bool PlayerSettings::*, 5> kHelps = {
    &PlayerSettings::keyNames, &PlayerSettings::keyLetters, &PlayerSettings::showMissedAnswer,
    &PlayerSettings::countdown, &PlayerSettings::askBeforeClearing};

QString clefName(Clef clef) {
  switch (clef) {
    case Clef::Treble:
      return PracticeDialog::tr("高音谱");
    case Clef::Bass:
      return PracticeDialog::tr("低音谱");
    case Clef::Alto:
      return PracticeDialog::tr("中音谱");
    case Clef::Tenor:
      return PracticeDialog::tr("次中音谱");
  }
  return {};
}

// Every natural note of the clef's staff, lowest first, each holding its height.
QComboBox* noteChoice(Clef clef, QWidget* parent) {
  auto* box = new QComboBox(parent);
  const NoteRange staff = widestRange(clef);
  for (int height = staff.lowest; height <= staff.highest; ++height) {
    box->addItem(QString::fromStdString(noteName(naturalAt(height))), height);
  }
  return box;
}

void selectHeight(QComboBox* box, int height) { box->setCurrentIndex(box->findData(height)); }

int16_t chosenHeight(const QComboBox* box) {
  return static_cast<int16_t>(box->currentData().toInt());
}

}  // namespace

PracticeDialog::PracticeDialog(Apply apply, QWidget* parent)
    : QDialog(parent), apply_(std::move(apply)) {
  setWindowTitle(tr("练习设置"));
  setModal(false);
  auto* page = new QVBoxLayout(this);
  // Two columns, so that the dialog fits a small screen's height.
  auto* columns = new QHBoxLayout();
  auto* left = new QVBoxLayout();
  auto* right = new QVBoxLayout();
  columns->addLayout(left);
  columns->addLayout(right);
  page->addLayout(columns);
  buildRanges(left);
  buildAccidentals(left);
  buildNames(right);
  buildHelps(right);
  right->addStretch();
  layout()->addWidget(new QLabel(tr("谱号、音域和升降号从下一局开始生效。"), this));
  problem_ = new QLabel(this);
  problem_->setStyleSheet("color: #c00000");
  layout()->addWidget(problem_);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout()->addWidget(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
    apply_(*this);
    accept();
  });
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PracticeDialog::buildRanges(QBoxLayout* column) {
  auto* group = new QGroupBox(tr("音域与谱号"), this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(tr("最低"), group), 0, 1);
  grid->addWidget(new QLabel(tr("最高"), group), 0, 2);
  grid->addWidget(new QLabel(tr("混合时出现"), group), 0, 3);
  for (Clef clef : kAllClefs) {
    const int i = static_cast<int>(clef);
    grid->addWidget(new QLabel(clefName(clef), group), i + 1, 0);
    lowest_[i] = noteChoice(clef, group);
    highest_[i] = noteChoice(clef, group);
    mixed_[i] = new QCheckBox(group);
    grid->addWidget(lowest_[i], i + 1, 1);
    grid->addWidget(highest_[i], i + 1, 2);
    grid->addWidget(mixed_[i], i + 1, 3, Qt::AlignCenter);
    for (QComboBox* box : {lowest_[i], highest_[i]}) {
      connect(box, &QComboBox::currentIndexChanged, this, &PracticeDialog::check);
    }
    connect(mixed_[i], &QCheckBox::toggled, this, &PracticeDialog::check);
  }
  // The window's clef options, or one C clef alone.
  auto* only = new QHBoxLayout();
  const QString onlyNames[] = {tr("按窗口的谱号选项"), tr("只用中音谱"), tr("只用次中音谱")};
  for (size_t i = 0; i < onlyClef_.size(); ++i) {
    onlyClef_[i] = new QRadioButton(onlyNames[i], group);
    only->addWidget(onlyClef_[i]);
  }
  grid->addLayout(only, kClefKinds + 1, 0, 1, 4);
  column->addWidget(group);
}

void PracticeDialog::buildAccidentals(QBoxLayout* column) {
  auto* group = new QGroupBox(tr("升降号"), this);
  auto* rows = new QVBoxLayout(group);
  const QString names[] = {tr("只有自然音"), tr("音符前的升号和降号"), tr("十五个调号")};
  for (size_t i = 0; i < accidentals_.size(); ++i) {
    accidentals_[i] = new QRadioButton(names[i], group);
    rows->addWidget(accidentals_[i]);
  }
  // The signatures' keys in the order of fifths, flats on the first row.
  auto* keys = new QGridLayout();
  for (int i = 0; i < kKeySignatureCount; ++i) {
    keys_[i] = new QCheckBox(QString::fromStdString(keyName(i + kFewestFifths)), group);
    keys->addWidget(keys_[i], i / 8, i % 8);
    connect(keys_[i], &QCheckBox::toggled, this, &PracticeDialog::check);
  }
  rows->addLayout(keys);
  column->addWidget(group);
}

void PracticeDialog::buildNames(QBoxLayout* column) {
  auto* group = new QGroupBox(tr("音名"), this);
  auto* rows = new QVBoxLayout(group);
  const QString names[] = {tr("字母：C D E F G A B"), tr("唱名：Do Re Mi Fa Sol La Si"),
                           tr("德式：C D E F G A H"), tr("简谱：1 2 3 4 5 6 7")};
  for (size_t i = 0; i < namings_.size(); ++i) {
    namings_[i] = new QRadioButton(names[i], group);
    rows->addWidget(namings_[i]);
  }
  redKeyName_ = new QCheckBox(tr("在变红的键上写出音名"), group);
  rows->addWidget(redKeyName_);
  column->addWidget(group);
}

void PracticeDialog::buildHelps(QBoxLayout* column) {
  auto* group = new QGroupBox(tr("初学者帮助"), this);
  auto* rows = new QVBoxLayout(group);
  const QString names[] = {tr("在琴键上写出音名"), tr("在琴键上写出电脑键盘的字母"),
                           tr("漏掉的音符：答案键变红并读出音名"), tr("测试时在得分后显示剩余时间"),
                           tr("分数清零前先询问")};
  for (size_t i = 0; i < helps_.size(); ++i) {
    helps_[i] = new QCheckBox(names[i], group);
    rows->addWidget(helps_[i]);
  }
  column->addWidget(group);
}

void PracticeDialog::present(const PlayerSettings& settings) {
  shown_ = settings;
  const PracticeSettings& practice = settings.practice;
  for (Clef clef : kAllClefs) {
    const int i = static_cast<int>(clef);
    selectHeight(lowest_[i], practice.range(clef).lowest);
    selectHeight(highest_[i], practice.range(clef).highest);
    mixed_[i]->setChecked(practice.mixedClefs[i]);
  }
  for (size_t i = 0; i < onlyClef_.size(); ++i) {
    onlyClef_[i]->setChecked(kOnlyClefs[i] == practice.onlyClef);
  }
  accidentals_[static_cast<size_t>(practice.accidentals)]->setChecked(true);
  for (int i = 0; i < kKeySignatureCount; ++i) keys_[i]->setChecked(practice.keys[i]);
  namings_[static_cast<size_t>(settings.noteNames)]->setChecked(true);
  redKeyName_->setChecked(settings.redKeyName);
  for (size_t i = 0; i < helps_.size(); ++i) helps_[i]->setChecked(settings.*kHelps[i]);
  check();
  show();
  raise();
  activateWindow();
}

PlayerSettings PracticeDialog::chosen() const {
  PlayerSettings settings = shown_;
  writeChoice(settings);
  return settings;
}

void PracticeDialog::writeChoice(PlayerSettings& settings) const {
  PracticeSettings& practice = settings.practice;
  for (Clef clef : kAllClefs) {
    const int i = static_cast<int>(clef);
    practice.range(clef) = {chosenHeight(lowest_[i]), chosenHeight(highest_[i])};
    practice.mixedClefs[i] = mixed_[i]->isChecked();
  }
  for (size_t i = 0; i < onlyClef_.size(); ++i) {
    if (onlyClef_[i]->isChecked()) practice.onlyClef = kOnlyClefs[i];
  }
  for (size_t i = 0; i < accidentals_.size(); ++i) {
    if (accidentals_[i]->isChecked()) practice.accidentals = static_cast<Accidentals>(i);
  }
  for (int i = 0; i < kKeySignatureCount; ++i) practice.keys[i] = keys_[i]->isChecked();
  for (size_t i = 0; i < namings_.size(); ++i) {
    if (namings_[i]->isChecked()) settings.noteNames = kNamings[i];
  }
  settings.redKeyName = redKeyName_->isChecked();
  for (size_t i = 0; i < helps_.size(); ++i) settings.*kHelps[i] = helps_[i]->isChecked();
}

void PracticeDialog::check() {
  const PracticeSettings practice = chosen().practice;
  QString problem;
  for (Clef clef : kAllClefs) {
    if (!fitsStaff(clef, practice.range(clef))) {
      problem = tr("%1的最低音高于最高音。").arg(clefName(clef));
    }
  }
  if (std::ranges::find(practice.keys, true) == practice.keys.end()) {
    problem = tr("调号至少要选一个。");
  }
  if (std::ranges::find(practice.mixedClefs, true) == practice.mixedClefs.end()) {
    problem = tr("混合至少要有一个谱号。");
  }
  problem_->setText(problem);
  problem_->setVisible(!problem.isEmpty());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

}  // namespace quavix

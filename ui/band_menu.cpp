#include "ui/band_menu.h"

#include <QActionGroup>
#include <algorithm>
#include <utility>

#include "ui/shown_text.h"

namespace quavix {

BandMenu::BandMenu(Velmora& velmora, Run run, QWidget* parent)
    : QMenu(parent), velmora_(velmora), run_(std::move(run)), sizes_(new QMenu(this)) {
  connect(this, &QMenu::aboutToShow, this, &BandMenu::rebuild);
}

void BandMenu::rebuild() {
  clear();
  addToggle(tr("背景音乐"), &PlayerSettings::backgroundMusic);
  addInstrumentEntries();
  addMicrophone();
  addPracticeEntry();
  addFluencyGames();
  addTranspositions();
  addSizes();
  addStatisticsEntry();
  addLanguages();
}

void BandMenu::change(const std::function<void(PlayerSettings&)>& edit) {
  run_([this, edit] {
    PlayerSettings changed = velmora_.settings();
    edit(changed);
    velmora_.changeSettings(changed);
  });
}

void BandMenu::addInstrumentEntries() {
  addSection(tr("MIDI 输入"));
  const auto sources = velmora_.midiSources();
  if (sources.empty()) addAction(tr("未找到 MIDI 输入"))->setEnabled(false);
  for (const MidiSource& source : sources) {
    // Other programs send to the game's own port; it is no device of its own.
    QAction* action = addAction(source.ownPort ? tr("其他程序接到 Quavix 的 MIDI")
                                               : QString::fromStdString(source.name));
    action->setCheckable(true);
    action->setChecked(source.connected);
    connect(action, &QAction::toggled, this, [this, name = source.name](bool on) {
      change([&](PlayerSettings& settings) {
        auto& off = settings.switchedOffMidiInputs;
        std::erase(off, name);
        if (!on) off.push_back(name);
      });
    });
  }
  addToggle(tr("MIDI 键盘的音也由合成器奏出"), &PlayerSettings::midiEcho);

  // The group goes with its heading when the menu is cleared.
  auto* group = new QActionGroup(addSection(tr("电脑键盘的八度")));
  for (int octave = kLowestKeyOctave; octave <= kHighestKeyOctave; ++octave) {
    QAction* action = addAction(tr("A 键为 C%1").arg(octave));
    action->setCheckable(true);
    action->setChecked(velmora_.settings().computerKeyOctave == octave);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, octave] {
      change([octave](PlayerSettings& settings) { settings.computerKeyOctave = octave; });
    });
  }
}

void BandMenu::addMicrophone() {
  // The group goes with its heading when the menu is cleared.
  auto* group = new QActionGroup(addSection(tr("麦克风")));
  addToggle(tr("听麦克风里奏出或唱出的音"), &PlayerSettings::microphoneOn);
  if (const std::string& problem = velmora_.microphoneProblem(); !problem.empty()) {
    addAction(tr("麦克风听不到：%1").arg(QString::fromStdString(problem)))->setEnabled(false);
  }
  const std::string& chosen = velmora_.settings().microphoneDevice;
  std::vector<std::string> devices = velmora_.microphoneDevices();
  devices.insert(devices.begin(), "");
  // A device unplugged since it was chosen is still shown as the choice.
  if (std::ranges::find(devices, chosen) == devices.end()) devices.push_back(chosen);
  for (const std::string& device : devices) {
    QAction* action =
        addAction(device.empty() ? tr("系统默认的录音设备") : QString::fromStdString(device));
    action->setCheckable(true);
    action->setChecked(device == chosen);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, device] {
      change([device](PlayerSettings& settings) { settings.microphoneDevice = device; });
    });
  }
}

void BandMenu::addPracticeEntry() {
  addSeparator();
  connect(addAction(tr("练习设置")), &QAction::triggered, this, [this] {
    // A closed dialog is made anew, in the interface's language of the moment.
    if (practice_ && !practice_->isVisible()) {
      practice_->deleteLater();
      practice_ = nullptr;
    }
    if (!practice_) {
      practice_ = new PracticeDialog(
          [this](const PracticeDialog& dialog) {
            change([&](PlayerSettings& settings) { dialog.writeChoice(settings); });
          },
          parentWidget());
    }
    practice_->present(velmora_.settings());
  });
}

void BandMenu::addFluencyGames() {
  // The submenu is this menu's child, which clearing the entries would leave behind.
  delete runs_;
  runs_ = addMenu(tr("一分钟测速"));
  for (const RunNoteSet set : kRunNoteSets) {
    connect(runs_->addAction(shownText(runNoteSetName(set))), &QAction::triggered, this,
            [this, set] { run_([this, set] { velmora_.startRun(set); }); });
  }
  const std::vector<WrittenNote> due = dueNotes_ ? dueNotes_() : std::vector<WrittenNote>{};
  const QString review = tr("今日复习");
  QAction* action =
      addAction(due.empty() ? review : tr("%1（%2 个音到期）").arg(review).arg(due.size()));
  connect(action, &QAction::triggered, this, [this] {
    run_([this] { velmora_.startReview(dueNotes_ ? dueNotes_() : std::vector<WrittenNote>{}); });
  });
}

void BandMenu::addTranspositions() {
  const auto name = [](Transposition transposition) {
    switch (transposition) {
      case Transposition::Concert:
        return tr("实际音高（钢琴、小提琴、长笛、人声）");
      case Transposition::BFlat:
        return tr("降 B 调：低大二度（单簧管、小号、次中音萨克斯）");
      case Transposition::EFlat:
        return tr("降 E 调：低大六度（中音萨克斯）");
      case Transposition::F:
        return tr("F 调：低纯五度（圆号）");
      case Transposition::OctaveDown:
        return tr("低八度（吉他、贝斯）");
    }
    return QString();
  };
  auto* group = new QActionGroup(addSection(tr("乐器移调")));
  for (const TranspositionInfo& info : transpositions()) {
    QAction* action = addAction(name(info.transposition));
    action->setCheckable(true);
    action->setChecked(velmora_.settings().transposition == info.transposition);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, chosen = info.transposition] {
      change([chosen](PlayerSettings& settings) { settings.transposition = chosen; });
    });
  }
}

void BandMenu::addSizes() {
  sizes_->clear();
  sizes_->setTitle(tr("大小"));
  addSeparator();
  addMenu(sizes_);
  QActionGroup* group = nullptr;
  const auto add = [&](const QString& text, int scale) {
    QAction* action = sizes_->addAction(text);
    // The group goes with the first entry when the submenu is cleared.
    if (!group) group = new QActionGroup(action);
    action->setCheckable(true);
    action->setChecked(velmora_.settings().windowScale == scale);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, scale] {
      change([scale](PlayerSettings& settings) { settings.windowScale = scale; });
    });
  };
  for (int scale : layout::kScaleChoices) add(QStringLiteral("%1 %").arg(scale), scale);
  add(tr("适合屏幕"), layout::kFitScreen);
}

void BandMenu::addStatisticsEntry() {
  addSeparator();
  connect(addAction(tr("统计")), &QAction::triggered, this, &BandMenu::statisticsRequested);
}

void BandMenu::addToggle(const QString& text, bool PlayerSettings::*setting) {
  QAction* action = addAction(text);
  action->setCheckable(true);
  action->setChecked(velmora_.settings().*setting);
  connect(action, &QAction::toggled, this, [this, setting](bool on) {
    change([setting, on](PlayerSettings& settings) { settings.*setting = on; });
  });
}

void BandMenu::addLanguages() {
  auto* group = new QActionGroup(addSeparator());
  for (const LanguageInfo& info : languages()) {
    const Language language = info.language;
    QAction* action = addAction(QString::fromUtf8(info.name.data(), qsizetype(info.name.size())));
    action->setCheckable(true);
    action->setChecked(velmora_.settings().language == language);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, language] {
      change([language](PlayerSettings& settings) { settings.language = language; });
    });
  }
}

}  // namespace quavix

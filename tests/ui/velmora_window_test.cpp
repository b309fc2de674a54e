#include "ui/velmora_window.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/clock_random.h"
#include "core/midi_words.h"
#include "core/note_model.h"
#include "platform/files/qt_picture_files.h"
#include "ui/band_menu.h"
#include "ui/keyboard_widget.h"

namespace quavix {
namespace {

using Log = std::vector<std::string>;
using Messages = std::vector<std::pair<uint32_t, uint32_t>>;  // handle, word
constexpr uint32_t kHandle = 42;

// What a key of this pitch offset sends when pressed and released.
Messages keyWords(int offset) {
  return {{kHandle, noteOnWord(offset)}, {kHandle, noteOffWord(offset)}};
}

// The game's events are not this window's concern; the statistics tests follow them.
struct NoRecorder : GameRecorder {
  void opened() override {}
  void closed() override {}
  void gameStarted(PlayMode, int, int16_t) override {}
  void gameEnded(int16_t) override {}
  void cardShown(int, int) override {}
  void answered(int, int, int, bool) override {}
  void cardMissed(int, int) override {}
};

// The window on recording services: opening and closing MIDI, the sound set-up and the score
// file go to one log in order. The tune never starts, and the game has to go on without it.
struct Rig : MidiOutput, SoundSystem, ScoreStorage, SettingsStore {
  Log log;
  Messages messages;
  std::vector<int> scoreAtMessage;
  ClockRandom random;
  QtPictureFiles pictures;
  NoRecorder recorder;
  Velmora velmora{{*this, *this, random, pictures, *this, *this, recorder}};
  VelmoraWindow window{velmora};

  uint32_t midiOutOpen(uint32_t* handle, uint32_t device) override {
    log.push_back("midiOutOpen " + std::to_string(device));
    *handle = kHandle;
    return 0;
  }
  uint32_t midiOutShortMsg(uint32_t handle, uint32_t word) override {
    messages.emplace_back(handle, word);
    scoreAtMessage.push_back(velmora.state().scores[0]);
    return 0;
  }
  uint32_t midiOutClose(uint32_t handle) override {
    log.push_back("midiOutClose " + std::to_string(handle));
    return 0;
  }
  bool setUpAudio() override {
    log.push_back("setUpAudio");
    return false;
  }
  bool playNoteSample(std::string_view) override { return true; }
  void loadScores(GameState& state) override {
    log.push_back("loadScores");
    state.scores[0] = 50;
  }
  bool saveScores(const GameState&) override {
    log.push_back("saveScores");
    return true;
  }
  PlayerSettings loadSettings() override { return {}; }
  void saveSettings(const PlayerSettings&) override { log.push_back("saveSettings"); }
};

}  // namespace

class VelmoraWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Rig> rig_;

  VelmoraWindow& window() { return rig_->window; }
  QWidget* widget(const char* name, int index = -1) { return window().controlWidget(name, index); }
  // At a window pixel; the keyboard starts at 8, 392.
  void click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(window().keyboard(), button, {}, QPoint(x - 8, y - 392));
    QTest::mouseRelease(window().keyboard(), button, {}, QPoint(x - 8, y - 392));
  }
  Messages sent() { return std::exchange(rig_->messages, {}); }

 private slots:
  void init() {
    rig_ = std::make_unique<Rig>();
    rig_->velmora.Form_Load();
    window().mirror();
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
  }

  void opensAfterTheScoresAndMidiWithItsWidgetsInPlace() {
    QCOMPARE(rig_->log, (Log{"loadScores", "midiOutOpen 0", "setUpAudio"}));
    QCOMPARE(window().size(), QSize(812, 522));
    QCOMPARE(window().minimumSize(), window().maximumSize());
    QCOMPARE(widget("Text1")->font().pixelSize(), 64);
    QVERIFY(!widget("Command4")->isEnabled());
    QVERIFY(!widget("Label1")->isVisible());
    // Raised last is drawn on top: the card under everything, the keys over the band.
    const QObjectList order = window().children();
    QCOMPARE(order.indexOf(widget("Picture1")), 0);
    QVERIFY(order.indexOf(window().keyboard()) > order.indexOf(widget("Picture2")));
    const std::tuple<const char*, int, QRect> places[] = {
        {"Text2", -1, {264, 208, 305, 33}},   {"Command3", -1, {32, 336, 65, 33}},
        {"Frame2", -1, {184, 328, 185, 57}},  {"Option1", 2, {128, 8, 57, 33}},
        {"Label1", -1, {373, 16, 25, 49}},    {"Command2", 22, {8, 392, 792, 113}},
        {"Picture1", -1, {248, -82, 79, 80}}, {"Image1", 1, {24, 21, 32, 32}},
    };
    for (const auto& [name, index, place] : places)
      QCOMPARE(widget(name, index)->geometry(), place);
  }

  // Along the keys' upper part, where the black keys lie over the white ones, every key shows:
  // pressed with any button, each sends its own note on and off, a semitone above the last.
  void aWalkAlongTheKeysPlaysEverySemitoneFromA1() {
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    int current = 32;  // A1 comes first
    for (int x = 8; x < 800; ++x) {
      click(x, 400, buttons[x % 3]);
      const Messages words = sent();
      QCOMPARE(words.size(), size_t{2});
      const int note = (words[0].second >> 8) & 0x7F;
      QCOMPARE(words, keyWords(note - kMidiBaseNote));
      if (note != current) QCOMPARE(note, ++current);
    }
    QCOMPARE(current, 88);
  }

  // From middle C, Command1(16), at keyboard pixels 384 to 407 below the black keys, to
  // Command1(0).
  void theReleaseGoesToThePressedKeyWhereverThePointerIs() {
    QTest::mousePress(window().keyboard(), Qt::RightButton, {}, {392, 88});
    QTest::mouseMove(window().keyboard(), {12, 88});
    QTest::mouseRelease(window().keyboard(), Qt::RightButton, {}, {12, 88});
    QCOMPARE(sent(), keyWords(kWhiteKeyOffsets[16]));
  }

  // Command1(0) is never the answer, Command2(10) never is; each costs 10 points, judged after
  // its note goes out. In learning mode the answer key, Command1(31), turns red.
  void aGameJudgesAfterTheNoteAndMirrorsTheModel() {
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    QCOMPARE(widget("Command3")->property("text").toString(), QString("游戏结束"));
    click(12, 480);
    click(410, 400);
    QCOMPARE(rig_->scoreAtMessage, (std::vector<int>{50, 40, 40, 30}));
    QCOMPARE(widget("Label2")->property("text").toString(), QString("得分:30"));
    QCOMPARE(window().grab().toImage().pixel(8 + 24 * 31 + 12, 480), qRgb(255, 0, 0));

    rig_->velmora.Timer1_Timer();
    window().mirror();
    const GameState& s = rig_->velmora.state();
    QCOMPARE(widget("Picture1")->pos(),
             QPoint(qRound(s.noteLeft / 15.0), qRound((s.noteFallY - 500) / 15.0)));
  }

  // MIDI is closed before the scores are saved, once however often the unload runs.
  void closingUnloadsOnce() {
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    rig_->log.clear();
    window().close();
    QVERIFY(!window().timer1().isActive());
    QCOMPARE(rig_->log, (Log{"midiOutClose 42", "saveScores"}));
    rig_->velmora.Form_Unload();
    QCOMPARE(rig_->log.size(), size_t{2});
  }

  // The band's menu opens on the band and by the Menu key, never on a key or a button.
  void theBandMenuOpensOnlyOnTheBand() {
    struct Case {
      QContextMenuEvent::Reason reason;
      QPoint at;  // window pixels
      bool opens;
    };
    const Case cases[] = {
        {.reason = QContextMenuEvent::Mouse, .at = {400, 330}, .opens = true},
        {.reason = QContextMenuEvent::Mouse, .at = {400, 450}, .opens = false},  // a key
        {.reason = QContextMenuEvent::Mouse, .at = {60, 40}, .opens = false},    // Text1
        {.reason = QContextMenuEvent::Keyboard, .at = {0, 0}, .opens = true},
    };
    for (const Case& c : cases) {
      QContextMenuEvent event(c.reason, c.at, window().mapToGlobal(c.at));
      QApplication::sendEvent(&window(), &event);
      QCOMPARE(window().bandMenu()->isVisible(), c.opens);
      window().bandMenu()->hide();
    }
  }

  // A setting changed in the menu is kept at once.
  void aMenuSettingIsKept() {
    window().bandMenu()->popup({0, 0});
    QAction* music = window().bandMenu()->actions().value(0);
    QVERIFY(music && music->isChecked());
    rig_->log.clear();
    music->trigger();
    QVERIFY(!rig_->velmora.settings().backgroundMusic);
    QCOMPARE(rig_->log, Log{"saveSettings"});
  }

  void theMenuAsksForTheStatistics() {
    window().bandMenu()->popup({0, 0});
    QSignalSpy asked(window().bandMenu(), &BandMenu::statisticsRequested);
    const QList<QAction*> entries = window().bandMenu()->actions();
    const auto statistics = std::find_if(entries.begin(), entries.end(),
                                         [](QAction* a) { return a->text() == "统计"; });
    QVERIFY(statistics != entries.end());
    (*statistics)->trigger();
    QCOMPARE(asked.count(), 1);
  }
};

}  // namespace quavix

QTEST_MAIN(quavix::VelmoraWindowTest)
#include "velmora_window_test.moc"

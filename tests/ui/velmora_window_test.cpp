#include "ui/velmora_window.h"

#include <QtTest>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/clock_random.h"
#include "core/midi_words.h"
#include "core/note_model.h"
#include "platform/files/qt_picture_files.h"
#include "tests/core/recording_services.h"
#include "ui/keyboard_widget.h"

namespace quavix {
namespace {

using Messages = std::vector<std::pair<uint32_t, uint32_t>>;  // handle, word
using test::RecordingServices;

// What a key of this pitch offset sends when pressed and released.
Messages keyWords(int offset) {
  return {{RecordingServices::kHandle, noteOnWord(offset)},
          {RecordingServices::kHandle, noteOffWord(offset)}};
}

// The window on recording services, with the real pictures.
struct Rig {
  RecordingServices services;
  ClockRandom random;
  QtPictureFiles pictures;
  Velmora velmora{{services, services, random, pictures, services}};
  VelmoraWindow window{velmora};
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
  Messages sent() { return std::exchange(rig_->services.messages, {}); }

 private slots:
  void init() {
    rig_ = std::make_unique<Rig>();
    rig_->velmora.Form_Load();
    window().mirror();
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
  }

  void opensWithItsWidgetsInPlace() {
    QCOMPARE(window().size(), QSize(812, 522));
    QCOMPARE(window().minimumSize(), window().maximumSize());
    QCOMPARE(widget("Text1")->font().pixelSize(), 64);
    QVERIFY(!widget("Command4")->isEnabled());
    QVERIFY(!widget("Label1")->isVisible());
    // Raised last is drawn on top: the card under everything, the keys over the band.
    const QObjectList order = window().children();
    QCOMPARE(order.indexOf(widget("Picture1")), 0);
    QVERIFY(order.indexOf(window().keyboard()) > order.indexOf(widget("Picture2")));
    struct Place {
      const char* name;
      int index = -1;
      QRect geometry;
    };
    const Place places[] = {
        {.name = "Text2", .geometry = {264, 208, 305, 33}},
        {.name = "Command3", .geometry = {32, 336, 65, 33}},
        {.name = "Frame2", .geometry = {184, 328, 185, 57}},
        {.name = "Option1", .index = 2, .geometry = {128, 8, 57, 33}},
        {.name = "Label1", .geometry = {373, 16, 25, 49}},
        {.name = "Command2", .index = 22, .geometry = {8, 392, 792, 113}},
        {.name = "Picture1", .geometry = {248, -82, 79, 80}},
        {.name = "Image1", .index = 1, .geometry = {24, 21, 32, 32}},
    };
    for (const Place& p : places) QCOMPARE(widget(p.name, p.index)->geometry(), p.geometry);
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

  // Command1(0) and Command2(10) are wrong answers, 10 points each. In learning mode the answer
  // key, Command1(31), turns red.
  void aGameMirrorsTheModel() {
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    QCOMPARE(widget("Command3")->property("text").toString(), QString("游戏结束"));
    click(12, 480);
    click(410, 400);
    QCOMPARE(widget("Label2")->property("text").toString(), QString("得分:30"));
    QCOMPARE(window().grab().toImage().pixel(8 + 24 * 31 + 12, 480), qRgb(255, 0, 0));

    rig_->velmora.Timer1_Timer();
    window().mirror();
    const GameState& s = rig_->velmora.state();
    QCOMPARE(widget("Picture1")->pos(),
             QPoint(qRound(s.noteLeft / 15.0), qRound((s.noteFallY - 500) / 15.0)));
  }

  void closingStopsTheTimerAndUnloads() {
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    window().close();
    QVERIFY(!window().timer1().isActive());
    QVERIFY(rig_->velmora.unloaded());
  }
};

}  // namespace quavix

QTEST_MAIN(quavix::VelmoraWindowTest)
#include "velmora_window_test.moc"

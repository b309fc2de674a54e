#include <QContextMenuEvent>
#include <cmath>

#include "core/window_layout.h"
#include "tests/ui/window_rig.h"
#include "ui/card_widget.h"
#include "ui/keyboard_widget.h"

namespace quavix {
namespace {

// The WCAG contrast ratio of two colours, 1 to 21.
double contrast(QRgb a, QRgb b) {
  const auto luminance = [](QRgb c) {
    const auto linear = [](int v) {
      const double x = v / 255.0;
      return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How well a control's text stands out: the best contrast of a pixel that the text changes
// against what is there without it. Glyph cores reach the full ink colour.
double textContrast(QWidget* widget) {
  const QImage with = widget->grab().toImage();
  const QString text = widget->property("text").toString();
  widget->setProperty("text", QString());
  const QImage without = widget->grab().toImage();
  widget->setProperty("text", text);
  double best = 0;
  for (int y = 0; y < with.height(); ++y) {
    for (int x = 0; x < with.width(); ++x) {
      if (with.pixel(x, y) != without.pixel(x, y)) {
        best = std::max(best, contrast(with.pixel(x, y), without.pixel(x, y)));
      }
    }
  }
  return best;
}

}  // namespace

class VelmoraWindowTest : public WindowTest {
  Q_OBJECT

  QPalette normal_;

 private slots:
  void initTestCase() { normal_ = QApplication::palette(); }
  void init() { open(); }
  void cleanup() { QApplication::setPalette(normal_); }

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
        {.name = "Option1", .index = 2, .geometry = {128, 8, 57, 33}},
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
      const Words words = sent();
      QCOMPARE(words.size(), size_t{2});
      const int note = (words[0] >> 8) & 0x7F;
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
    QCOMPARE(text("Command3"), "游戏结束");
    click(12, 480);
    click(410, 400);
    QCOMPARE(text("Label2"), "得分:30");
    QCOMPARE(window().grab().toImage().pixel(8 + 24 * 31 + 12, 480), qRgb(255, 0, 0));

    rig_->velmora.Timer1_Timer();
    window().mirror();
    const GameState& s = rig_->velmora.state();
    QCOMPARE(widget("Picture1")->pos(),
             QPoint(qRound(s.noteLeft / 15.0), qRound((s.noteFallY - 500) / 15.0)));
  }

  // Light text on dark ground, as a dark desktop scheme has it. The first card of a learning
  // game at 50 points is middle C, whose ledger line must not vanish into the white card.
  void aDarkSchemeLeavesEveryTextAndLineLegible() {
    QPalette dark(QColor(45, 45, 45), QColor(30, 30, 30));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      dark.setColor(role, QColor(235, 235, 235));
    }
    QApplication::setPalette(dark);
    open();
    const std::pair<const char*, int> texts[] = {{"Text1", -1},  {"Text2", -1},  {"Command3", -1},
                                                 {"Option1", 0}, {"Option1", 1}, {"Option1", 2},
                                                 {"Option2", 0}, {"Option2", 1}};
    for (const auto& [name, index] : texts) {
      QVERIFY2(textContrast(widget(name, index)) >= 4.5, name);
    }
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    rig_->velmora.Timer1_Timer();
    window().mirror();
    for (const char* name : {"Command3", "Label2"}) {
      QVERIFY2(textContrast(widget(name)) >= 4.5, name);
    }
    const CardModel& card = rig_->velmora.controls().picture1;
    QCOMPARE(card.lines.size(), size_t{1});
    const LedgerLine& line = card.lines.front();
    const QImage face = window().card()->image();
    for (int x = layout::toPixels(line.x1); x < layout::toPixels(line.x2); ++x) {
      QCOMPARE(face.pixel(x, layout::toPixels(line.y1)), qRgb(0, 0, 0));
    }
  }

  // Another naming names middle C in the hint and, when asked for, the red key in white.
  void theNamingShowsInTheHintAndOnTheRedKey() {
    PlayerSettings solfege;
    solfege.noteNames = NoteNaming::Solfege;
    solfege.redKeyName = true;
    open(solfege);
    QVERIFY(text("Label1").endsWith("Do "));
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    rig_->velmora.Timer1_Timer();
    click(428, 500);  // D4 for middle C: Command1(16) turns red
    const QImage keys = window().keyboard()->grab().toImage();
    int written = 0;
    for (int y = 60; y < 113; ++y) {
      for (int x = 385; x < 407; ++x) written += qGreen(keys.pixel(x, y)) > 150;  // not red
    }
    QVERIFY2(written > 5, qPrintable(QString::number(written)));
  }

  void closingStopsTheTimerAndUnloads() {
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    window().close();
    QVERIFY(!window().timer1().isActive());
    QVERIFY(rig_->velmora.unloaded());
  }

  // Keys reach the buttons only when the player focused them; clicks keep the keyboard's
  // focus on the piano, whose computer keys then play.
  void spaceAfterAClickOnThePianoPressesNoButton() {
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QVERIFY(window().keyboard()->hasFocus());
    click(404, 480);
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    QVERIFY(window().keyboard()->hasFocus());
    const QVariant running = widget("Command3")->property("text");
    sent();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
      QTest::keyClick(QApplication::focusWidget(), key);
      QCOMPARE(widget("Command3")->property("text"), running);
    }
    QVERIFY(sent().empty());

    QWidget* focus = QApplication::focusWidget();
    QTest::keyPress(focus, Qt::Key_A);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", true);
    QApplication::sendEvent(focus, &repeat);
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);  // a shortcut plays nothing
    QTest::keyRelease(focus, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(sent(), keyWords(kWhiteKeyOffsets[16]));
    // A German layout's Z lies where a US one has Y, and plays G sharp; the octave stays.
    QKeyEvent z(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, 29, 0, 0, "z");
    QApplication::sendEvent(focus, &z);
    QCOMPARE(sent(), Words{noteOnWord(kBlackKeyOffsets[13])});
    QCOMPARE(rig_->velmora.settings().computerKeyOctave, kDefaultKeyOctave);
  }

  // Middle C held on a MIDI keyboard: sounded once, drawn pressed until it is let go, through
  // a click of the mouse on it.
  void aMidiKeyIsDrawnPressedWhileHeld() {
    const QPoint middleC(8 + 24 * 16 + 12, 480);
    window().playMidi(1, {0x90, 60, 100});
    QVERIFY(window().grab().toImage().pixel(middleC) != qRgb(255, 255, 255));
    click(middleC.x(), middleC.y());
    QVERIFY(window().grab().toImage().pixel(middleC) != qRgb(255, 255, 255));
    window().playMidi(1, {0x80, 60, 0});
    QCOMPARE(window().grab().toImage().pixel(middleC), qRgb(255, 255, 255));
    QCOMPARE(sent(), keyWords(kWhiteKeyOffsets[16]));
  }
};

}  // namespace quavix

QTEST_MAIN(quavix::VelmoraWindowTest)
#include "velmora_window_test.moc"

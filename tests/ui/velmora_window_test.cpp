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
  double best = 1;
  for (int y = 0; y < with.height(); ++y) {
    for (int x = 0; x < with.width(); ++x) {
      best = std::max(best, contrast(with.pixel(x, y), without.pixel(x, y)));
    }
  }
  return best;
}

// Every device row of a line `rows` layout pixels high at `row`, from column `from` to `to`, is
// solid black, and the rows either side are white: a stretched picture would leave grey there.
void checkSolidLine(const QImage& card, qreal zoom, int row, int from, int to) {
  const auto device = [zoom](int pixels) { return static_cast<int>(std::lround(pixels * zoom)); };
  for (int x = device(from); x < device(to); ++x) {
    QCOMPARE(card.pixel(x, device(row) - 1), qRgb(255, 255, 255));
    for (int y = device(row); y < device(row + 1); ++y) QCOMPARE(card.pixel(x, y), qRgb(0, 0, 0));
    QCOMPARE(card.pixel(x, device(row + 1)), qRgb(255, 255, 255));
  }
}

}  // namespace

class VelmoraWindowTest : public WindowTest {
  Q_OBJECT

  QPalette normal_;

 private slots:
  void initTestCase() { normal_ = QApplication::palette(); }
  void init() { open(); }
  void cleanup() { QApplication::setPalette(normal_); }

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

  // Light text on dark ground, as a dark desktop scheme has it. The first card of a learning
  // game at 50 points is middle C, whose ledger line must not vanish into the white card.
  void aDarkSchemeLeavesEveryTextAndLineLegible() {
    QPalette dark(QColor(45, 45, 45), QColor(30, 30, 30));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      dark.setColor(role, QColor(235, 235, 235));
    QApplication::setPalette(dark);
    open();
    for (QWidget* w : {widget("Text1"), widget("Text2"), widget("Command3"), widget("Option1", 0),
                       widget("Option1", 2), widget("Option2", 1)}) {
      QVERIFY2(textContrast(w) >= 4.5, qPrintable(w->property("text").toString()));
    }
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    rig_->velmora.Timer1_Timer();
    window().mirror();
    QVERIFY(textContrast(widget("Label2")) >= 4.5);
    const CardModel& card = rig_->velmora.controls().picture1;
    QCOMPARE(card.lines.size(), size_t{1});
    const LedgerLine& line = card.lines.front();
    const QImage face = window().card()->image();
    for (int x = layout::toPixels(line.x1); x < layout::toPixels(line.x2); ++x) {
      QCOMPARE(face.pixel(x, layout::toPixels(line.y1)), qRgb(0, 0, 0));
    }
  }

  // At any size every control stands where the layout puts it, a press at a key's scaled place
  // plays that key, and the card's staff and ledger lines are solid rows, also on a screen of
  // pixel ratio 2 (the test runs again under QT_SCALE_FACTOR=2).
  void theWindowScalesAndStaysSharp() {
    for (int percent : {200, 150, 100}) {
      PlayerSettings sized;
      sized.windowScale = percent;
      open(sized);
      const qreal perTwip = percent / 1500.0;
      QCOMPARE(window().size(), QSize(std::lround(12180 * perTwip), std::lround(7830 * perTwip)));
      for (const char* name : {"Text1", "Command3", "Frame2", "Picture2"}) {
        const QRect shown = widget(name)->geometry();
        const layout::TwipRect& r = layout::control(name).rect;
        QVERIFY2(std::abs(shown.left() - r.left * perTwip) <= 0.5, name);
        QVERIFY2(std::abs(shown.right() + 1 - r.right() * perTwip) <= 0.5, name);
        QVERIFY2(std::abs(shown.bottom() + 1 - r.bottom() * perTwip) <= 0.5, name);
      }
      const QPoint middleC = QPointF(404 * percent / 100.0, 500 * percent / 100.0).toPoint();
      QTest::mouseClick(window().keyboard(), Qt::LeftButton, {},
                        middleC - window().keyboard()->pos());
      QCOMPARE(sent(), keyWords(kWhiteKeyOffsets[16]));

      QTest::mouseClick(widget("Command3"), Qt::LeftButton);
      rig_->velmora.Timer1_Timer();
      window().mirror();
      const QImage card = window().card()->image();
      const qreal zoom = percent / 100.0 * card.devicePixelRatio();
      for (int row : {26, 32, 38, 44, 50}) checkSolidLine(card, zoom, row, 60, 79);
      const LedgerLine& ledger = rig_->velmora.controls().picture1.lines.at(0);
      checkSolidLine(card, zoom, layout::toPixels(ledger.y1), layout::toPixels(ledger.x1),
                     layout::toPixels(ledger.x2));
    }
  }

  // Keys reach the buttons only when the player focused them; clicks keep the keyboard's
  // focus on the piano, whose computer keys then play.
  void clicksLeaveTheFocusOnThePianoWhoseComputerKeysPlay() {
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), window().keyboard());

    QWidget* focus = window().keyboard();
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
};

}  // namespace quavix

QTEST_MAIN(quavix::VelmoraWindowTest)
#include "velmora_window_test.moc"

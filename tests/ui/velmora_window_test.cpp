#include "ui/velmora_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "fakes.h"
#include "ui/card_widget.h"
#include "ui/colour_button.h"
#include "ui/keyboard_widget.h"
#include "ui/option_box.h"

namespace quavix::testing {

namespace {

constexpr uint32_t kHandle = RecordingMidi::kHandle;

// A point inside a key, in the keyboard widget's coordinates (it starts at window pixel 8, 392).
QPoint onKeyboard(int windowX, int windowY) { return QPoint(windowX - 8, windowY - 392); }

QRgb windowPixel(QWidget* window, int x, int y) { return window->grab().toImage().pixel(x, y); }

}  // namespace

class VelmoraWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Rig> rig_;
  std::unique_ptr<VelmoraWindow> window_;

  Velmora& velmora() { return *rig_->velmora; }
  template <typename T = QWidget>
  T* widget(const char* name, int index = -1) {
    return qobject_cast<T*>(window_->controlWidget(name, index));
  }
  void pressAndRelease(Qt::MouseButton button, QPoint at) {
    QTest::mousePress(window_->keyboard(), button, {}, at);
    QTest::mouseRelease(window_->keyboard(), button, {}, at);
  }
  std::vector<MidiMessage> takeMessages() { return std::exchange(rig_->midi.messages, {}); }

 private slots:
  void init() {
    rig_ = std::make_unique<Rig>();
    rig_->scores.stored = {50, 0, 0, 0};
    rig_->make();
    window_ = std::make_unique<VelmoraWindow>(velmora());
    velmora().Form_Load();
    window_->mirror();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    window_.reset();
    rig_.reset();
  }

  void buildsAtItsFixedSize() {
    QCOMPARE(window_->size(), QSize(812, 522));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->windowTitle(), QString("Quavix"));
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(255, 255, 128));
    QVERIFY(!window_->windowIcon().isNull());
  }

  void widgetsStandAtTheirPixelPositions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Text2") << "Text2" << -1 << QRect(264, 208, 305, 33);
    QTest::newRow("Text1") << "Text1" << -1 << QRect(120, 64, 577, 97);
    QTest::newRow("Command4") << "Command4" << -1 << QRect(112, 336, 65, 33);
    QTest::newRow("Frame2") << "Frame2" << -1 << QRect(184, 328, 185, 57);
    QTest::newRow("Option1(0)") << "Option1" << 0 << QRect(16, 8, 57, 33);
    QTest::newRow("Option1(2)") << "Option1" << 2 << QRect(128, 8, 57, 33);
    QTest::newRow("Frame1") << "Frame1" << -1 << QRect(448, 328, 113, 57);
    QTest::newRow("Option2(1)") << "Option2" << 1 << QRect(56, 8, 57, 33);
    QTest::newRow("Command3") << "Command3" << -1 << QRect(32, 336, 65, 33);
    QTest::newRow("Picture2") << "Picture2" << -1 << QRect(8, 320, 793, 73);
    QTest::newRow("Label2") << "Label2" << -1 << QRect(584, 16, 185, 33);
    QTest::newRow("Label1") << "Label1" << -1 << QRect(373, 16, 25, 49);
    QTest::newRow("keys") << "Command2" << 22 << QRect(8, 392, 792, 113);
    QTest::newRow("Picture1") << "Picture1" << -1 << QRect(248, -82, 79, 80);
    QTest::newRow("Image1(0)") << "Image1" << 0 << QRect(24, 17, 32, 32);
    QTest::newRow("Image1(1)") << "Image1" << 1 << QRect(24, 21, 32, 32);
  }

  void widgetsStandAtTheirPixelPositions() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, geometry);
    QWidget* w = window_->controlWidget(name.toStdString(), index);
    QVERIFY(w);
    QCOMPARE(w->geometry(), geometry);
  }

  void opensInItsInitialState() {
    QCOMPARE(widget<ColourButton>("Command3")->text(), QString("游戏开始"));
    QVERIFY(!widget("Command4")->isEnabled());
    QVERIFY(widget<OptionBox>("Option1", 0)->isChecked());
    QVERIFY(widget<OptionBox>("Option2", 0)->isChecked());
    QCOMPARE(widget<OptionBox>("Option2", 1)->text(), QString("测试  模式"));
    QVERIFY(!widget("Label1")->isVisible());
    QCOMPARE(widget<QLineEdit>("Text1")->text(), QString("  Quavix2.0版  "));
    QVERIFY(widget<QLineEdit>("Text2")->isReadOnly());
    QCOMPARE(widget<QLabel>("Label2")->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(!window_->timer1().isActive());
    QCOMPARE(window_->timer1().interval(), 20);
    QCOMPARE(window_->timer1().timerType(), Qt::PreciseTimer);
    QCOMPARE(window_->timer2().interval(), 60000);
    QCOMPARE(window_->timer2().timerType(), Qt::PreciseTimer);
  }

  // Raised last is drawn on top: the keyboard over the band, the band's buttons over the band,
  // the card under everything.
  void widgetsStackAsTheLayoutSays() {
    const QObjectList order = window_->children();
    auto place = [&](const char* name, int index = -1) {
      return order.indexOf(widget(name, index));
    };
    QVERIFY(place("Picture2") > place("Picture1"));
    QVERIFY(place("Command2", 0) > place("Picture2"));
    QVERIFY(place("Frame1") > place("Picture2"));
    QVERIFY(place("Text2") > place("Text1"));
    QCOMPARE(order.indexOf(widget("Picture1")), 0);
  }

  void anyButtonSoundsAWhiteKey_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
  }

  void anyButtonSoundsAWhiteKey() {
    QFETCH(Qt::MouseButton, button);
    // Middle C, Command1(16): window pixels 392 to 415, below the black keys.
    pressAndRelease(button, onKeyboard(400, 480));
    const std::vector<MidiMessage> expected = {{kHandle, 0x00643C9D}, {kHandle, 0x00643C8D}};
    QCOMPARE(takeMessages(), expected);
  }

  void aBlackKeyTakesThePressOverAWhiteKey() {
    // Command2(10), C#4, covers window pixels 408 to 424 over Command1(16) and Command1(17).
    pressAndRelease(Qt::LeftButton, onKeyboard(410, 400));
    pressAndRelease(Qt::LeftButton, onKeyboard(424, 464));
    pressAndRelease(Qt::LeftButton, onKeyboard(425, 400));
    const std::vector<MidiMessage> expected = {{kHandle, 0x00643D9D}, {kHandle, 0x00643D8D},
                                               {kHandle, 0x00643D9D}, {kHandle, 0x00643D8D},
                                               {kHandle, 0x00643E9D}, {kHandle, 0x00643E8D}};
    QCOMPARE(takeMessages(), expected);
  }

  void theReleaseGoesToThePressedKeyWhereverThePointerIs() {
    QTest::mousePress(window_->keyboard(), Qt::RightButton, {}, onKeyboard(400, 480));
    QTest::mouseMove(window_->keyboard(), onKeyboard(20, 480));
    QTest::mouseRelease(window_->keyboard(), Qt::RightButton, {}, onKeyboard(20, 480));
    const std::vector<MidiMessage> expected = {{kHandle, 0x00643C9D}, {kHandle, 0x00643C8D}};
    QCOMPARE(takeMessages(), expected);
  }

  void theBandCoversTheLowestKeysTopEdge() {
    pressAndRelease(Qt::LeftButton, onKeyboard(12, 392));
    QVERIFY(takeMessages().empty());
    // Command1(0) shows at x 9 to 23, left of the lowest black key; Command1(1) from x 33.
    QCOMPARE(windowPixel(window_.get(), 16, 392), qRgb(0, 0, 0));
    QCOMPARE(windowPixel(window_.get(), 16, 393), qRgb(255, 255, 255));
    QCOMPARE(windowPixel(window_.get(), 45, 392), qRgb(255, 255, 255));
  }

  void aGameMirrorsTheModelOntoTheWidgets() {
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    QCOMPARE(widget<ColourButton>("Command3")->text(), QString("游戏结束"));
    QVERIFY(!widget("Text1")->isVisible());
    QVERIFY(!widget("Frame1")->isEnabled());
    QVERIFY(!widget("Option1", 1)->isEnabled());
    QVERIFY(window_->timer1().isActive());
    QCOMPARE(widget<QLabel>("Label2")->text(), QString("得分:50"));

    // Command1(0) never answers; in learning mode the answer key, Command1(31), turns red.
    pressAndRelease(Qt::LeftButton, onKeyboard(12, 480));
    QCOMPARE(widget<QLabel>("Label2")->text(), QString("得分:40"));
    const int answerKeyX = 8 + 24 * 31 + 12;
    QCOMPARE(windowPixel(window_.get(), answerKeyX, 480), qRgb(255, 0, 0));

    velmora().Timer1_Timer();
    window_->mirror();
    const GameState& s = velmora().state();
    QCOMPARE(window_->card()->pos(),
             QPoint(qRound(s.noteLeft / 15.0), qRound((s.noteFallY - 500) / 15.0)));
    QCOMPARE(window_->card()->image().pixel(40, 26), qRgb(0, 0, 0));
    QCOMPARE(window_->card()->image().pixel(40, 27), qRgb(255, 255, 255));

    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    QVERIFY(!window_->timer1().isActive());
    QVERIFY(widget("Command4")->isEnabled());
    QCOMPARE(windowPixel(window_.get(), answerKeyX, 480), qRgb(255, 255, 255));
  }

  void optionClicksSelectAloneInTheirGroup() {
    QTest::mouseClick(widget("Option1", 2), Qt::LeftButton);
    QVERIFY(widget<OptionBox>("Option1", 2)->isChecked());
    QVERIFY(!widget<OptionBox>("Option1", 0)->isChecked());
    QCOMPARE(velmora().state().scoreSlot, int16_t{2});
    QTest::mouseClick(widget("Option2", 0), Qt::LeftButton);
    QVERIFY(widget("Label1")->isVisible());
    QTest::mouseClick(widget("Option2", 1), Qt::LeftButton);
    QVERIFY(!widget("Label1")->isVisible());
    QCOMPARE(velmora().state().scoreSlot, int16_t{3});
  }

  void closingUnloadsOnceAndStopsTheTimers() {
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    rig_->log.clear();
    window_->close();
    QVERIFY(!window_->timer1().isActive());
    QCOMPARE(rig_->log, (CallLog{"midiOutClose 42", "saveScores"}));
    velmora().Form_Unload();
    QCOMPARE(rig_->log.size(), size_t{2});
  }
};

}  // namespace quavix::testing

QTEST_MAIN(quavix::testing::VelmoraWindowTest)
#include "velmora_window_test.moc"

#include <QContextMenuEvent>
#include <QPushButton>
#include <iostream>
#include <sstream>

#include "core/window_layout.h"
#include "tests/ui/window_rig.h"
#include "ui/interface_language.h"
#include "ui/practice_dialog.h"

namespace quavix {

class BandMenuTest : public WindowTest {
  Q_OBJECT

 private slots:
  void init() { open(); }

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

  // A setting changed in the menu is kept at once; the statistics are asked for.
  void theMenuEntriesDoWhatTheySay() {
    rig_->services.log.clear();
    choose("背景音乐", true);
    QVERIFY(!rig_->velmora.settings().backgroundMusic);
    QCOMPARE(rig_->services.log, Log{"saveSettings"});
    choose("keys", true);
    QCOMPARE(rig_->velmora.settings().switchedOffMidiInputs, std::vector<std::string>{"keys"});
    QSignalSpy asked(window().bandMenu(), &BandMenu::statisticsRequested);
    choose("统计");
    QCOMPARE(asked.count(), 1);
  }

  // The practice dialog stays open beside the window, refuses what no game can play, and keeps
  // its choice at once.
  void thePracticeDialogKeepsOnlyAPlayableChoice() {
    choose("练习设置");
    auto* dialog = window().findChild<PracticeDialog*>();
    QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
    QCOMPARE(dialog->chosen(), PlayerSettings{});
    const auto notes = dialog->findChildren<QComboBox*>();  // lowest and highest, per clef
    const auto mixed = dialog->findChildren<QCheckBox*>();
    QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    notes[0]->setCurrentIndex(1);
    notes[1]->setCurrentIndex(0);
    QVERIFY(!ok->isEnabled());
    notes[1]->setCurrentIndex(1);
    for (QCheckBox* clef : mixed) clef->setChecked(false);
    QVERIFY(!ok->isEnabled());
    mixed[2]->setChecked(true);
    const auto radios = dialog->findChildren<QRadioButton*>();  // accidentals, then namings
    radios[2]->setChecked(true);
    radios[4]->setChecked(true);
    rig_->services.log.clear();
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(rig_->services.log, Log{"saveSettings"});
    QCOMPARE(rig_->velmora.settings(), dialog->chosen());
    QCOMPARE(rig_->velmora.settings().practice.mixedClefs[static_cast<int>(Clef::Alto)], true);
  }

  // A new language changes the texts and nothing else, whatever the game is doing, and is kept.
  void aNewLanguageChangesOnlyTexts_data() {
    QTest::addColumn<bool>("test");
    QTest::addColumn<int>("ticks2");  // -1: idle
    QTest::newRow("idle") << false << -1;
    QTest::newRow("learning game") << false << 0;
    QTest::newRow("test running") << true << 1;
    QTest::newRow("test over") << true << 3;
  }
  void aNewLanguageChangesOnlyTexts() {
    QFETCH(bool, test);
    QFETCH(int, ticks2);
    Velmora& velmora = rig_->velmora;
    // The timers run but their ticks are held back: only the language may change anything.
    for (const QTimer* timer : {&window().timer1(), &window().timer2()})
      const_cast<QTimer*>(timer)->blockSignals(true);
    if (test) QTest::mouseClick(widget("Option2", 1), Qt::LeftButton);
    if (ticks2 >= 0) QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    for (int i = 0; i < 30; ++i) velmora.Timer1_Timer();
    for (int i = 0; i < ticks2; ++i) velmora.Timer2_Timer();
    window().mirror();
    QTest::qWait(5);
    const int remaining2 = window().timer2().remainingTime();
    const GameState state = velmora.state();
    const Controls controls = velmora.controls();
    const bool timer1 = window().timer1().isActive(), timer2 = window().timer2().isActive();
    const QString score = QString::number(state.scores[state.scoreSlot]);
    const QStringList chinese = texts();

    rig_->services.log.clear();
    choose("English");
    QCOMPARE(rig_->services.log, (Log{"noteNames en", "saveSettings"}));
    QCOMPARE(text("Command3"), ticks2 >= 0 ? "Stop" : "Start");
    QCOMPARE(text("Label2"), ticks2 >= 0 ? "Score: " + score : "");
    QCOMPARE(text("Text1"), "  Quavix 2.0  ");
    QCOMPARE(text("Option2", 0), "Learn mode");
    for (const layout::ControlSpec& spec : layout::controlTable()) {
      const QString source = QString::fromUtf8(spec.text.data(), qsizetype(spec.text.size()));
      if (!spec.text.empty())
        QVERIFY2(text(spec.name.data(), spec.index) != source, spec.name.data());
    }
    QVERIFY(velmora.state() == state);
    QVERIFY(velmora.controls() == controls);
    QCOMPARE(window().timer1().isActive(), timer1);
    QCOMPARE(window().timer2().isActive(), timer2);
    // Timer2 times the test's minutes: it goes on rather than starting a new one.
    QVERIFY(window().timer2().remainingTime() <= remaining2);

    choose("中文");
    QCOMPARE(texts(), chinese);
    QVERIFY(velmora.state() == state);
    QCOMPARE(rig_->velmora.settings().language, Language::Chinese);
  }

  // A language kept from the last run shows from the first frame; Chinese needs no translation.
  void theKeptLanguageShowsFromTheStart() {
    PlayerSettings english;
    english.language = Language::English;
    open(english);
    QCOMPARE(text("Command3"), "Start");
    QCOMPARE(text("Text2"), "Click the note's key");
    QCOMPARE(rig_->services.log.front(), "noteNames en");
    rig_.reset();
    QCOMPARE(QCoreApplication::translate("Velmora", "游戏开始"), "游戏开始");
  }

  // A translation missing from the program is said on stderr, not silently ignored.
  void aMissingTranslationIsSaid() {
    const LanguageInfo broken[] = {{Language::English, "en", "English", ":/i18n/none.qm", "en"}};
    InterfaceLanguage language(broken);
    std::ostringstream said;
    std::streambuf* stderrBuffer = std::cerr.rdbuf(said.rdbuf());
    language.use(Language::English);
    std::cerr.rdbuf(stderrBuffer);
    QVERIFY(said.str().find("none.qm") != std::string::npos);
  }
};

}  // namespace quavix

QTEST_MAIN(quavix::BandMenuTest)
#include "band_menu_test.moc"

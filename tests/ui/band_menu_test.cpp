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

  // A setting changed in the menu is applied and kept at once; the statistics are asked for.
  void theMenuEntriesDoWhatTheySay() {
    rig_->services.log.clear();
    choose("背景音乐");
    QVERIFY(!rig_->services.kept.backgroundMusic);
    QCOMPARE(rig_->services.musicOn, (std::vector<bool>{true, false}));
    QCOMPARE(rig_->services.log, Log{"saveSettings"});
    choose("keys");
    QCOMPARE(rig_->velmora.settings().switchedOffMidiInputs, std::vector<std::string>{"keys"});
    choose("降 E 调：低大六度（中音萨克斯）");
    QVERIFY(rig_->services.kept.transposition == Transposition::EFlat);
    rig_->services.refusal = "no microphone (refused)";
    choose("听麦克风里奏出或唱出的音");
    QVERIFY(rig_->services.kept.microphoneOn);
    // The refusal is shown; the device chosen next listens.
    choose("麦克风听不到：no microphone (refused)");
    rig_->services.refusal.clear();
    choose("USB microphone");
    QCOMPARE(rig_->services.kept.microphoneDevice, "USB microphone");
    QCOMPARE(rig_->velmora.microphoneProblem(), "");
    QSignalSpy asked(window().bandMenu(), &BandMenu::statisticsRequested);
    choose("统计");
    QCOMPARE(asked.count(), 1);
  }

  // A size resizes the window at once and is kept; the offscreen screen, 800 x 600, is too small
  // for more than the normal size.
  void theSizesResizeTheWindow() {
    choose("250 %", "大小");
    QCOMPARE(rig_->services.kept.windowScale, 250);
    QCOMPARE(window().size(), QSize(2030, 1305));
    choose("适合屏幕", "大小");
    QCOMPARE(rig_->services.kept.windowScale, layout::kFitScreen);
    QCOMPARE(window().size(), QSize(812, 522));
  }

  // A run over a set starts as a test and gives the player's learning mode back at its end; the
  // review says how many notes are due and draws them first.
  void theFluencyGamesStartFromTheMenu() {
    window().bandMenu()->setDueNotes([] { return std::vector<WrittenNote>{{Clef::Bass, {}}}; });
    window().bandMenu()->popup({0, 0});
    const auto entries = window().bandMenu()->actions();
    const auto runs = std::ranges::find_if(entries, [](QAction* a) { return a->menu(); });
    QVERIFY(runs != entries.end());
    (*runs)->menu()->actions().at(1)->trigger();
    window().bandMenu()->hide();
    QCOMPARE(text("Command3"), "游戏结束");
    QVERIFY(rig_->velmora.controls().option2Selected[1]);
    rig_->velmora.Timer2_Timer();
    QVERIFY(rig_->velmora.controls().option2Selected[0] && !rig_->velmora.controls().gameRunning);
    choose("今日复习（1 个音到期）");
    QCOMPARE(rig_->velmora.practice().queued.size(), 1u);
  }

  // The practice dialog stays open beside the window, refuses what no game can play, and keeps
  // its choice at once.
  void thePracticeDialogKeepsOnlyAPlayableChoice() {
    choose("练习设置");
    auto* dialog = window().findChild<PracticeDialog*>();
    QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
    QCOMPARE(dialog->chosen(), PlayerSettings{});
    const auto notes = dialog->findChildren<QComboBox*>();  // lowest and highest, per clef
    const auto boxes = dialog->findChildren<QCheckBox*>();  // mixed clefs, keys, red key name
    QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    notes[0]->setCurrentIndex(1);
    notes[1]->setCurrentIndex(0);
    QVERIFY(!ok->isEnabled());
    notes[1]->setCurrentIndex(1);
    for (QCheckBox* box : boxes) box->setChecked(false);
    boxes[2]->setChecked(true);  // alto
    QVERIFY(!ok->isEnabled());
    boxes[kClefKinds + 2 - kFewestFifths]->setChecked(true);  // D major
    QVERIFY(ok->isEnabled());
    const auto radios = dialog->findChildren<QRadioButton*>();  // accidentals, then namings
    radios[2]->setChecked(true);
    radios[4]->setChecked(true);
    rig_->services.log.clear();
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(rig_->services.log, Log{"saveSettings"});
    QCOMPARE(rig_->velmora.settings(), dialog->chosen());
    QCOMPARE(rig_->velmora.settings().practice.mixedClefs[static_cast<int>(Clef::Alto)], true);
    QCOMPARE(rig_->velmora.settings().practice.hasKey(2), true);
  }

  // A new language changes the texts and nothing else, even during a test, and is kept.
  void aNewLanguageChangesOnlyTexts() {
    Velmora& velmora = rig_->velmora;
    // The timers run but their ticks are held back: only the language may change anything.
    for (const QTimer* timer : {&window().timer1(), &window().timer2()})
      const_cast<QTimer*>(timer)->blockSignals(true);
    QTest::mouseClick(widget("Option2", 1), Qt::LeftButton);
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    for (int i = 0; i < 30; ++i) velmora.Timer1_Timer();
    velmora.Timer2_Timer();
    window().mirror();
    QTest::qWait(5);
    const int remaining2 = window().timer2().remainingTime();
    const GameState state = velmora.state();
    const Controls controls = velmora.controls();
    const QString score = QString::number(state.scores[state.scoreSlot]);

    rig_->services.log.clear();
    choose("English");
    QCOMPARE(rig_->services.log, (Log{"noteNames en", "saveSettings"}));
    QCOMPARE(text("Command3"), "Stop");
    QCOMPARE(text("Label2"), "Score: " + score);
    for (const layout::ControlSpec& spec : layout::controlTable()) {
      const QString source = QString::fromUtf8(spec.text.data(), qsizetype(spec.text.size()));
      if (!spec.text.empty())
        QVERIFY2(text(spec.name.data(), spec.index) != source, spec.name.data());
    }
    QVERIFY(velmora.state() == state);
    QVERIFY(velmora.controls() == controls);
    QVERIFY(window().timer1().isActive() && window().timer2().isActive());
    // Timer2 times the test's minutes: it goes on rather than starting a new one.
    QVERIFY(window().timer2().remainingTime() <= remaining2);
  }

  // A language and a quiet tune kept from the last run hold from the first frame.
  void theKeptSettingsHoldFromTheStart() {
    PlayerSettings english;
    english.language = Language::English;
    english.backgroundMusic = false;
    open(english);
    QCOMPARE(rig_->services.musicOn, std::vector<bool>{false});
    QCOMPARE(text("Command3"), "Start");
    QCOMPARE(text("Text2"), "Click the note's key");
    QCOMPARE(rig_->services.log.front(), "noteNames en");
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

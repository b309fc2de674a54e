#include "ui/statistics_window.h"

#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "core/midi_notes.h"
#include "core/note_model.h"
#include "tests/stats/stats_doubles.h"
#include "ui/heat_map_widget.h"
#include "ui/score_history_chart.h"
#include "ui/viridis.h"

namespace quavix {
namespace {

// Treble: C4 always right, D4 half right, E4 never shown.
Statistics trebleRecord() {
  Statistics s;
  s.notes[0][kMiddleC] = {4, 4, 0, 0, 4000, 0, {}};
  s.notes[0][kMiddleC - 1] = {2, 1, 1, 0, 900, 300, {{60, 1}}};
  return s;
}

}  // namespace

class StatisticsWindowTest : public QObject {
  Q_OBJECT

  // The window opened over `given`, the way the menu opens it.
  struct Shown {
    ScriptedClock clock;
    MemoryStatistics storage;
    StatisticsRecorder recorder{storage, clock};
    std::unique_ptr<StatisticsWindow> window;
    explicit Shown(const Statistics& given) {
      storage.stored.statistics = given;
      recorder.opened();
      window = std::make_unique<StatisticsWindow>(recorder);
      window->present();
    }
  };

  // The colour drawn on a white key, low on it, clear of its edge and its octave name.
  static QColor drawnOn(HeatMapWidget* map, int whiteKey) {
    const QRect area = map->keyArea({false, whiteKey});
    return map->grab().toImage().pixelColor(area.left() + 3, area.bottom() - 4);
  }

 private slots:
  // A sharp's or flat's figures colour its black key; another naming names the confusions.
  void blackKeysShowTheirSharpsAndFlatsInTheChosenNaming() {
    Statistics given;
    given.written[{Clef::Treble, *parseNoteName("F#4")}] = {2, 2, 0, 0, 0, 0, {}};
    given.written[{Clef::Treble, *parseNoteName("Gb4")}] = {1, 0, 1, 0, 0, 0, {{65, 1}}};
    Shown shown(given);
    shown.window->setNoteNaming(NoteNaming::German);
    QCoreApplication::processEvents();
    HeatMapWidget* map = shown.window->heatMap();
    const QImage drawn = map->grab().toImage();
    const auto colourOf = [&](int pitch) {
      const QRect area = map->keyArea(*keyForNote(pitch));
      return drawn.pixelColor(area.center());
    };
    QCOMPARE(colourOf(66), viridis(2.0 / 3));
    QCOMPARE(colourOf(61), QColor(80, 80, 80));
    QCOMPARE(shown.window->confusions()->topLevelItem(0)->text(0), QString("Fis₄ → F₄"));
  }

  // Clearing asks first; only a yes forgets.
  void keysShowAccuracyPerClefWithGreyForNotesNeverShownUntilCleared() {
    Shown shown(trebleRecord());
    StatisticsWindow& window = *shown.window;
    HeatMapWidget* map = window.heatMap();
    QCOMPARE(drawnOn(map, answerKey(kMiddleC)), viridis(1.0));
    QCOMPARE(drawnOn(map, answerKey(kMiddleC - 1)), viridis(0.5));
    QCOMPARE(drawnOn(map, answerKey(kMiddleC - 2)), HeatMapWidget::kNeverShown);
    QCOMPARE(drawnOn(map, 0), HeatMapWidget::kNeverShown);  // no card shows A1
    QVERIFY(map->figuresText({false, answerKey(kMiddleC - 1)}).contains("50%"));
    QCOMPARE(window.confusions()->topLevelItem(0)->text(0), QString("D4 → C4"));
    window.showClef(1);
    QCOMPARE(drawnOn(map, answerKey(kMiddleC)), HeatMapWidget::kNeverShown);
    QCOMPARE(window.confusions()->topLevelItemCount(), 0);
    window.showClef(0);
    for (auto [answer, cleared] : {std::pair{QMessageBox::No, false}, {QMessageBox::Yes, true}}) {
      QTimer::singleShot(0, [answer = answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->button(answer)->click();
      });
      window.findChild<QPushButton*>()->click();
      QCOMPARE(shown.recorder.statistics() == Statistics{}, cleared);
      QTRY_COMPARE(drawnOn(map, answerKey(kMiddleC)) == HeatMapWidget::kNeverShown, cleared);
    }
  }

  // One line per mode and clef with each game's final score; while open the window follows the
  // game, and a game's end adds its point.
  void theChartAndTheKeysFollowTheGame() {
    Statistics given;
    given.games = {{PlayMode::Learning, 0, 0, 30, 1000, 1},
                   {PlayMode::Test, 2, 0, 45, 2000, 1},
                   {PlayMode::Learning, 0, 30, 55, 3000, 1},
                   {PlayMode::Learning, 1, 0, 5, 4000, 1}};
    Shown shown(given);
    QMap<QString, QList<QPointF>> lines;
    for (QAbstractSeries* series : shown.window->history()->chart()->series()) {
      lines[series->name()] = static_cast<QLineSeries*>(series)->points();
    }
    const QMap<QString, QList<QPointF>> expected = {
        {ScoreHistoryChart::seriesName(PlayMode::Learning, 0), {{1e6, 30}, {3e6, 55}}},
        {ScoreHistoryChart::seriesName(PlayMode::Learning, 1), {{4e6, 5}}},
        {ScoreHistoryChart::seriesName(PlayMode::Test, 2), {{2e6, 45}}}};
    QCOMPARE(lines, expected);
    HeatMapWidget* map = shown.window->heatMap();
    QCOMPARE(drawnOn(map, answerKey(kMiddleC)), HeatMapWidget::kNeverShown);
    shown.recorder.gameStarted(PlayMode::Test, 0, 0);
    shown.recorder.cardShown(0, kMiddleC);
    shown.recorder.answered(0, kMiddleC, 62, false);
    QTRY_COMPARE(drawnOn(map, answerKey(kMiddleC)), viridis(0.0));
    shown.recorder.gameEnded(0);
    QTRY_COMPARE(shown.window->history()->chart()->series().size(), 4);
  }
};

}  // namespace quavix

QTEST_MAIN(quavix::StatisticsWindowTest)
#include "statistics_window_test.moc"

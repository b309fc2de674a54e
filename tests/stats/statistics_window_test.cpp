#include "ui/statistics_window.h"

#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "core/note_model.h"
#include "ui/heat_map_widget.h"
#include "ui/score_history_chart.h"
#include "ui/viridis.h"

namespace quavix {
namespace {

struct FixedClock : Clock {
  int64_t steadyMilliseconds() override { return 0; }
  int64_t unixSeconds() override { return 1'700'000'000; }
};

struct GivenStatistics : StatisticsStorage {
  Statistics given;
  StoredStatistics loadStatistics() override { return {StoredStatistics::Status::Loaded, given}; }
  bool saveStatistics(const Statistics&) override { return true; }
};

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

  FixedClock clock_;
  GivenStatistics storage_;

  // The colour drawn on a white key, low on it, clear of its edge and its octave name.
  static QColor drawnOn(HeatMapWidget* map, int whiteKey) {
    const QRect area = map->keyArea({false, whiteKey});
    return map->grab().toImage().pixelColor(area.left() + 3, area.bottom() - 4);
  }

 private slots:
  void keysShowAccuracyPerClefWithGreyForNotesNeverShown() {
    storage_.given = trebleRecord();
    StatisticsRecorder recorder(storage_, clock_);
    recorder.opened();
    StatisticsWindow window(recorder);
    window.present();
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
  }

  void theChartHasOneLinePerModeAndClefWithEachGamesFinalScore() {
    storage_.given = {};
    storage_.given.games = {{PlayMode::Learning, 0, 0, 30, 1000, 1},
                            {PlayMode::Test, 2, 0, 45, 2000, 1},
                            {PlayMode::Learning, 0, 30, 55, 3000, 1},
                            {PlayMode::Learning, 1, 0, 5, 4000, 1}};
    StatisticsRecorder recorder(storage_, clock_);
    recorder.opened();
    StatisticsWindow window(recorder);
    window.present();
    QMap<QString, QList<QPointF>> lines;
    for (QAbstractSeries* series : window.history()->chart()->series()) {
      lines[series->name()] = static_cast<QLineSeries*>(series)->points();
    }
    const QMap<QString, QList<QPointF>> expected = {
        {ScoreHistoryChart::seriesName(PlayMode::Learning, 0), {{1e6, 30}, {3e6, 55}}},
        {ScoreHistoryChart::seriesName(PlayMode::Learning, 1), {{4e6, 5}}},
        {ScoreHistoryChart::seriesName(PlayMode::Test, 2), {{2e6, 45}}}};
    QCOMPARE(lines, expected);
  }

  // While open the window follows the game; a game's end adds its point to the chart.
  void anOpenWindowFollowsTheGame() {
    storage_.given = {};
    StatisticsRecorder recorder(storage_, clock_);
    recorder.opened();
    StatisticsWindow window(recorder);
    window.present();
    HeatMapWidget* map = window.heatMap();
    QCOMPARE(drawnOn(map, answerKey(kMiddleC)), HeatMapWidget::kNeverShown);
    recorder.gameStarted(PlayMode::Learning, 0, 0);
    recorder.cardShown(0, kMiddleC);
    recorder.answered(0, kMiddleC, 62, false);
    QTRY_COMPARE(drawnOn(map, answerKey(kMiddleC)), viridis(0.0));
    recorder.gameEnded(0);
    QTRY_COMPARE(window.history()->chart()->series().size(), 1);
  }

  // Clearing asks first; only a yes forgets.
  void clearingTakesAYes() {
    for (auto [answer, cleared] : {std::pair{QMessageBox::No, false}, {QMessageBox::Yes, true}}) {
      storage_.given = trebleRecord();
      StatisticsRecorder recorder(storage_, clock_);
      recorder.opened();
      StatisticsWindow window(recorder);
      window.present();
      QTimer::singleShot(0, [answer = answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->button(answer)->click();
      });
      window.findChild<QPushButton*>()->click();
      QCOMPARE(recorder.statistics() == Statistics{}, cleared);
      QTRY_COMPARE(drawnOn(window.heatMap(), answerKey(kMiddleC)) == HeatMapWidget::kNeverShown,
                   cleared);
    }
  }
};

}  // namespace quavix

QTEST_MAIN(quavix::StatisticsWindowTest)
#include "statistics_window_test.moc"

#include "ui/statistics_window.h"

#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "core/note_model.h"
#include "tests/stats/stats_doubles.h"
#include "ui/heat_map_widget.h"
#include "ui/score_history_chart.h"
#include "ui/viridis.h"

namespace quavix {

class StatisticsWindowTest : public QObject {
  Q_OBJECT

  // The colour drawn on a white key, low on it, clear of its edge and its octave name.
  static QColor drawnOn(HeatMapWidget* map, int note) {
    const QRect area = map->keyArea({false, answerKey(note)});
    return map->grab().toImage().pixelColor(area.left() + 3, area.bottom() - 4);
  }

 private slots:
  // Treble C4 always right, D4 half right, B3 never shown, one line per mode and clef with each
  // game's final score. While open the window follows the game, and a game's end adds its point.
  // Clearing asks first; only a yes forgets.
  void keysChartAndConfusionsFollowTheRecordUntilCleared() {
    ScriptedClock clock;
    MemoryStatistics storage;
    storage.stored.statistics.notes[0][kMiddleC] = {4, 4, 0, 0, 4000, 0, {}};
    storage.stored.statistics.notes[0][kMiddleC - 1] = {2, 1, 1, 0, 900, 300, {{60, 1}}};
    storage.stored.statistics.games = {{PlayMode::Learning, 0, 0, 30, 1000, 1},
                                       {PlayMode::Test, 2, 0, 45, 2000, 1},
                                       {PlayMode::Learning, 0, 30, 55, 3000, 1}};
    StatisticsRecorder recorder{storage, clock};
    recorder.opened();
    StatisticsWindow window(recorder);
    window.present();
    HeatMapWidget* map = window.heatMap();
    QCOMPARE(drawnOn(map, kMiddleC), viridis(1.0));
    QCOMPARE(drawnOn(map, kMiddleC - 1), viridis(0.5));
    QCOMPARE(drawnOn(map, kMiddleC + 1), HeatMapWidget::kNeverShown);
    QVERIFY(map->figuresText({false, answerKey(kMiddleC - 1)}).contains("50%"));
    QCOMPARE(window.confusions()->topLevelItem(0)->text(0), QString("D4 → C4"));
    QMap<QString, QList<QPointF>> lines;
    for (QAbstractSeries* series : window.history()->chart()->series()) {
      lines[series->name()] = static_cast<QLineSeries*>(series)->points();
    }
    QCOMPARE(lines,
             (QMap<QString, QList<QPointF>>{
                 {ScoreHistoryChart::seriesName(PlayMode::Learning, 0), {{1e6, 30}, {3e6, 55}}},
                 {ScoreHistoryChart::seriesName(PlayMode::Test, 2), {{2e6, 45}}}}));
    window.showClef(1);
    QCOMPARE(drawnOn(map, kMiddleC), HeatMapWidget::kNeverShown);
    QCOMPARE(window.confusions()->topLevelItemCount(), 0);
    recorder.gameStarted(PlayMode::Learning, 1, 0);
    recorder.cardShown(1, kMiddleC);
    recorder.answered(1, kMiddleC, 62, false);
    QTRY_COMPARE(drawnOn(map, kMiddleC), viridis(0.0));
    recorder.gameEnded(5);
    QTRY_COMPARE(window.history()->chart()->series().size(), 3);
    for (auto [answer, cleared] : {std::pair{QMessageBox::No, false}, {QMessageBox::Yes, true}}) {
      QTimer::singleShot(0, [answer = answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->button(answer)->click();
      });
      window.findChild<QPushButton*>()->click();
      QCOMPARE(recorder.statistics() == Statistics{}, cleared);
      QTRY_COMPARE(drawnOn(map, kMiddleC) == HeatMapWidget::kNeverShown, cleared);
    }
  }
};

}  // namespace quavix

QTEST_MAIN(quavix::StatisticsWindowTest)
#include "statistics_window_test.moc"

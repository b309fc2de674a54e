#include "ui/statistics_window.h"

#include <QSpinBox>
#include <QtTest>

#include "core/statistics_recorder.h"

namespace quavix {

struct FixedClock : Clock {
  int64_t steadyMilliseconds() override { return 0; }
  int64_t unixSeconds() override { return 1'700'000'000; }
  int64_t utcOffsetSeconds() override { return 0; }
};

struct KeptStatistics : StatisticsStorage {
  StoredStatistics loadStatistics() override { return {StoredStatistics::Status::Loaded, {}}; }
  bool saveStatistics(const Statistics&) override { return true; }
};

class StatisticsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The goal set in the window goes to the record; the export writes the history where asked and
  // the notes beside it, one row each after the header.
  void theGoalIsKeptAndTheExportWritesBothTables() {
    FixedClock clock;
    KeptStatistics storage;
    StatisticsRecorder recorder(storage, clock);
    recorder.opened();
    recorder.gameStarted(PlayMode::Learning, 0, 0, std::nullopt);
    recorder.cardShown(0, 15);
    recorder.answered(0, 15, 60, true);
    recorder.gameEnded(10);
    StatisticsWindow window(recorder);
    window.present();
    window.findChild<QSpinBox*>()->setValue(25);
    QCOMPARE(recorder.statistics().dailyGoalMinutes, int16_t{25});

    const QTemporaryDir dir;
    QVERIFY(window.exportTo(dir.filePath("week.csv")));
    for (const char* name : {"week.csv", "week-notes.csv"}) {
      QFile file(dir.filePath(name));
      QVERIFY2(file.open(QIODevice::ReadOnly), name);
      const QByteArray text = file.readAll();
      QVERIFY2(text.startsWith("\xEF\xBB\xBF"), name);
      QCOMPARE(text.count("\r\n"), 2);
    }
  }
};

}  // namespace quavix

QTEST_MAIN(quavix::StatisticsWindowTest)
#include "statistics_window_test.moc"

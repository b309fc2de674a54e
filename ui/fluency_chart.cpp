#include "ui/fluency_chart.h"

#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "core/fluency.h"
#include "core/practice_days.h"
#include "ui/chart_reset.h"

namespace quavix {

namespace {

constexpr qint64 kMillisecondsPerDay = 86'400'000;

QValueAxis* valueAxis(const QString& title, double highest) {
  auto* axis = new QValueAxis;
  axis->setRange(0, highest);
  axis->applyNiceNumbers();
  axis->setLabelFormat(QStringLiteral("%d"));
  axis->setTitleText(title);
  return axis;
}

}  // namespace

FluencyChart::FluencyChart(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignBottom);
  setMinimumSize(480, 260);
}

void FluencyChart::setGames(const std::vector<GameRecord>& games) {
  QChart* chart = this->chart();
  clearChart(*chart);
  // Games of older files were not counted, and would count as minutes without a note.
  std::vector<GameRecord> counted;
  std::copy_if(games.begin(), games.end(), std::back_inserter(counted),
               [](const GameRecord& game) { return game.right + game.wrong + game.missed > 0; });
  const std::vector<DayFigures> days = figuresByDay(counted);
  chart->setTitle(days.empty() ? tr("还没有作答过的游戏") : tr("每天的流畅度"));
  if (days.empty()) return;

  auto* notes = new QLineSeries;
  notes->setName(tr("音/分"));
  auto* accuracy = new QLineSeries;
  accuracy->setName(tr("正确率 %"));
  double fastest = 10;
  for (const DayFigures& day : days) {
    const Fluency fluency = fluencyOf(day.right, day.wrong, day.missed, day.playMilliseconds);
    const auto at = static_cast<double>(day.day * kMillisecondsPerDay);
    notes->append(at, fluency.notesPerMinute);
    accuracy->append(at, 100 * fluency.accuracy);
    fastest = std::max(fastest, fluency.notesPerMinute);
  }
  notes->setPointsVisible(days.size() < 200);
  accuracy->setPointsVisible(days.size() < 200);

  auto* time = new QDateTimeAxis;
  time->setFormat(QStringLiteral("MM-dd"));
  const qint64 first = days.front().day * kMillisecondsPerDay;
  const qint64 last = days.back().day * kMillisecondsPerDay;
  time->setRange(QDateTime::fromMSecsSinceEpoch(first - kMillisecondsPerDay, Qt::UTC),
                 QDateTime::fromMSecsSinceEpoch(last + kMillisecondsPerDay, Qt::UTC));
  chart->addAxis(time, Qt::AlignBottom);
  QValueAxis* perMinute = valueAxis(tr("音/分"), fastest);
  chart->addAxis(perMinute, Qt::AlignLeft);
  QValueAxis* percent = valueAxis(tr("正确率 %"), 100);
  chart->addAxis(percent, Qt::AlignRight);
  chart->addSeries(notes);
  notes->attachAxis(time);
  notes->attachAxis(perMinute);
  chart->addSeries(accuracy);
  accuracy->attachAxis(time);
  accuracy->attachAxis(percent);
}

}  // namespace quavix

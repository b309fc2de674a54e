#include "ui/score_history_chart.h"

#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <map>
#include <utility>

namespace quavix {

ScoreHistoryChart::ScoreHistoryChart(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignBottom);
  setMinimumSize(480, 260);
}

QString ScoreHistoryChart::seriesName(PlayMode mode, int clefChoice) {
  const QString clefs[] = {tr("高音谱号"), tr("低音谱号"), tr("混合")};
  const QString modeName = mode == PlayMode::Test ? tr("测试") : tr("学习");
  return tr("%1 · %2").arg(modeName, clefs[clefChoice]);
}

void ScoreHistoryChart::setGames(const std::vector<GameRecord>& games) {
  QChart* chart = this->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  chart->setTitle(games.empty() ? tr("还没有结束的游戏") : tr("每局结束时的得分"));

  std::map<std::pair<PlayMode, int>, QList<QPointF>> lines;
  qint64 first = 0, last = 0;
  int highest = 10;
  for (const GameRecord& game : games) {
    const qint64 at = game.startedAt * 1000;
    lines[{game.mode, game.clefChoice}].append(QPointF(static_cast<double>(at), game.endScore));
    first = first == 0 ? at : std::min(first, at);
    last = std::max(last, at);
    highest = std::max<int>(highest, game.endScore);
  }
  if (lines.empty()) return;
  // Smoothing thousands of short segments costs more than it shows.
  setRenderHint(QPainter::Antialiasing, games.size() < 2000);

  auto* time = new QDateTimeAxis;
  time->setFormat(QStringLiteral("MM-dd HH:mm"));
  // A single moment still needs a span to be drawn in.
  time->setRange(QDateTime::fromMSecsSinceEpoch(first - 60'000),
                 QDateTime::fromMSecsSinceEpoch(last + 60'000));
  auto* score = new QValueAxis;
  score->setRange(0, highest);
  score->applyNiceNumbers();
  score->setLabelFormat(QStringLiteral("%d"));
  score->setTitleText(tr("得分"));
  chart->addAxis(time, Qt::AlignBottom);
  chart->addAxis(score, Qt::AlignLeft);
  for (auto& [key, points] : lines) {
    auto* series = new QLineSeries;
    series->setName(seriesName(key.first, key.second));
    series->setPointsVisible(points.size() < 200);
    series->replace(points);
    chart->addSeries(series);
    series->attachAxis(time);
    series->attachAxis(score);
  }
}

}  // namespace quavix

#include "ui/score_history_chart.h"

#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

#include "core/fluency.h"
#include "ui/chart_reset.h"

namespace quavix {

ScoreHistoryChart::ScoreHistoryChart(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignBottom);
  setMinimumSize(480, 260);
}

QString ScoreHistoryChart::seriesName(PlayMode mode, int clefChoice) {
  const QString clefs[] = {tr("高音谱号"), tr("低音谱号"), tr("混合")};
  const QString modes[] = {tr("学习"), tr("测试"), tr("一分钟测速"), tr("今日复习")};
  return tr("%1 · %2").arg(modes[static_cast<int>(mode)], clefs[clefChoice]);
}

bool ScoreHistoryChart::answeredSomething(const GameRecord& game) {
  // Games of older files have no counts; a score that moved had answers.
  return game.right + game.wrong + game.missed > 0 || game.endScore != game.startScore;
}

void ScoreHistoryChart::setGames(const std::vector<GameRecord>& games) {
  QChart* chart = this->chart();
  clearChart(*chart);
  details_.clear();
  std::map<std::pair<PlayMode, int>, QList<QPointF>> lines;
  qint64 first = 0, last = 0;
  int highest = 10, lowest = 0;
  for (const GameRecord& game : games) {
    if (!answeredSomething(game)) continue;
    const qint64 at = game.startedAt * 1000;
    const int gained = game.endScore - game.startScore;
    lines[{game.mode, game.clefChoice}].append(QPointF(static_cast<double>(at), gained));
    details_[at] = gameDetails(game);
    first = first == 0 ? at : std::min(first, at);
    last = std::max(last, at);
    highest = std::max(highest, gained);
    lowest = std::min(lowest, gained);
  }
  chart->setTitle(lines.empty() ? tr("还没有作答过的游戏") : tr("每局得分增减"));
  if (lines.empty()) return;
  // Smoothing thousands of short segments costs more than it shows.
  setRenderHint(QPainter::Antialiasing, games.size() < 2000);

  auto* time = new QDateTimeAxis;
  time->setFormat(QStringLiteral("MM-dd HH:mm"));
  // A single moment still needs a span to be drawn in.
  time->setRange(QDateTime::fromMSecsSinceEpoch(first - 60'000),
                 QDateTime::fromMSecsSinceEpoch(last + 60'000));
  auto* score = new QValueAxis;
  score->setRange(lowest, highest);
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
    connect(series, &QLineSeries::hovered, this, &ScoreHistoryChart::showDetails);
  }
}

QString ScoreHistoryChart::gameDetails(const GameRecord& game) {
  const Fluency fluency = fluencyOf(game.right, game.wrong, game.missed, game.durationMilliseconds);
  const int gained = game.endScore - game.startScore;
  QString text = tr("%1\n%2 分")
                     .arg(seriesName(game.mode, game.clefChoice),
                          (gained > 0 ? QStringLiteral("+") : QString()) + QString::number(gained));
  if (fluency.attempts > 0) {
    text += tr("，%1 音/分，正确率 %2%")
                .arg(QString::number(fluency.notesPerMinute, 'f', 1))
                .arg(qRound(100 * fluency.accuracy));
  }
  return text;
}

// The game nearest the pointer along the time axis.
void ScoreHistoryChart::showDetails(const QPointF& point, bool entered) {
  if (!entered || details_.empty()) {
    QToolTip::hideText();
    return;
  }
  auto after = details_.lower_bound(static_cast<qint64>(point.x()));
  if (after == details_.end() || (after != details_.begin() &&
                                  point.x() - std::prev(after)->first < after->first - point.x())) {
    --after;
  }
  QToolTip::showText(QCursor::pos(), after->second, this);
}

}  // namespace quavix

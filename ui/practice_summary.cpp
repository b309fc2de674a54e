#include "ui/practice_summary.h"

#include <QBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <map>

#include "core/fluency.h"
#include "core/practice_days.h"
#include "ui/shown_text.h"

namespace quavix {

namespace {

QString runFigures(const Fluency& run) {
  return PracticeSummary::tr("%1 音/分，正确率 %2%")
      .arg(QString::number(run.notesPerMinute, 'f', 1))
      .arg(qRound(100 * run.accuracy));
}

}  // namespace

PracticeSummary::PracticeSummary(QWidget* parent) : QWidget(parent) {
  review_ = new QLabel(this);
  goal_ = new QSpinBox(this);
  goal_->setRange(1, kLongestGoalMinutes);
  goal_->setSuffix(tr(" 分钟"));
  days_ = new QLabel(this);
  best_ = new QLabel(this);
  best_->setWordWrap(true);
  auto* goalRow = new QHBoxLayout;
  goalRow->addWidget(new QLabel(tr("每日目标"), this));
  goalRow->addWidget(goal_);
  goalRow->addWidget(days_, 1);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(0, 0, 0, 0);
  page->addWidget(review_);
  page->addLayout(goalRow);
  page->addWidget(best_);
  connect(goal_, &QSpinBox::valueChanged, this, &PracticeSummary::goalChanged);
}

void PracticeSummary::setStatistics(const Statistics& statistics, int64_t today) {
  const auto boxes = boxCounts(statistics.memories);
  review_->setText(tr("今日复习：%1 个音到期　　复习盒 1–5：%2 / %3 / %4 / %5 / %6")
                       .arg(dueNotes(statistics.memories, today).size())
                       .arg(boxes[0])
                       .arg(boxes[1])
                       .arg(boxes[2])
                       .arg(boxes[3])
                       .arg(boxes[4]));

  const QSignalBlocker quiet(goal_);
  goal_->setValue(statistics.dailyGoalMinutes);
  const auto days = figuresByDay(statistics.games);
  const auto week = weekMinutes(days, today);
  const QString names[] = {tr("一"), tr("二"), tr("三"), tr("四"), tr("五"), tr("六"), tr("日")};
  QStringList glance;
  for (int day = 0; day < 7; ++day) {
    const bool future = day > weekday(today);
    const bool met = week[day] >= statistics.dailyGoalMinutes;
    glance << names[day] + (future ? QStringLiteral(" –")
                            : met  ? QStringLiteral(" ✓")
                                   : QString(" %1′").arg(week[day]));
  }
  days_->setText(tr("连续达标 %1 天　　本周：%2")
                     .arg(streakDays(days, today, statistics.dailyGoalMinutes))
                     .arg(glance.join(QStringLiteral("  "))));

  std::map<RunNoteSet, Fluency> best;
  for (const GameRecord& game : statistics.games) {
    if (game.mode != PlayMode::Run || !game.noteSet) continue;
    const Fluency run = fluencyOf(game.right, game.wrong, game.missed, game.durationMilliseconds);
    auto [found, added] = best.try_emplace(*game.noteSet, run);
    if (run.scored() &&
        (!found->second.scored() || run.notesPerMinute > found->second.notesPerMinute)) {
      found->second = run;
    }
  }
  QStringList bests;
  for (const auto& [set, run] : best) {
    if (run.scored())
      bests << shownText(runNoteSetName(set)) + QStringLiteral(" ") + runFigures(run);
  }
  best_->setText(bests.isEmpty() ? tr("一分钟测速的最好成绩：还没有 15 次以上作答的测速")
                                 : tr("一分钟测速的最好成绩：%1").arg(bests.join(tr("；"))));
}

}  // namespace quavix

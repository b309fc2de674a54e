#include "ui/statistics_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include "core/note_naming.h"
#include "core/statistics_tables.h"
#include "platform/files/atomic_write.h"
#include "ui/fluency_chart.h"
#include "ui/heat_map_widget.h"
#include "ui/practice_summary.h"
#include "ui/score_history_chart.h"
#include "ui/shown_text.h"

namespace quavix {

StatisticsWindow::StatisticsWindow(StatisticsRecorder& recorder, QWidget* parent)
    : QWidget(parent, Qt::Window), recorder_(recorder) {
  setWindowTitle(tr("统计"));
  // Open or not, it never keeps the program running once the game's window has closed.
  setAttribute(Qt::WA_QuitOnClose, false);

  clefs_ = new QTabBar(this);
  clefs_->addTab(tr("高音谱号"));
  clefs_->addTab(tr("低音谱号"));
  clefs_->addTab(tr("中音谱号"));
  clefs_->addTab(tr("次中音谱号"));
  view_ = new QComboBox(this);
  view_->addItems({tr("按正确率着色"), tr("按反应时间着色")});
  heatMap_ = new HeatMapWidget(this);
  summary_ = new PracticeSummary(this);
  confusions_ = new QTreeWidget(this);
  confusions_->setHeaderLabels({tr("最常混淆"), tr("次数")});
  confusions_->setRootIsDecorated(false);
  confusions_->setFixedWidth(220);
  confusions_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  confusions_->header()->setStretchLastSection(false);
  auto* charts = new QTabWidget(this);
  history_ = new ScoreHistoryChart(charts);
  fluency_ = new FluencyChart(charts);
  charts->addTab(fluency_, tr("每天的流畅度"));
  charts->addTab(history_, tr("每局得分"));
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  export_ = new QPushButton(tr("导出 CSV…"), this);
  clear_ = new QPushButton(tr("清除统计"), this);

  auto* top = new QHBoxLayout;
  top->addWidget(clefs_, 1);
  top->addWidget(view_);
  auto* middle = new QHBoxLayout;
  middle->addWidget(confusions_);
  middle->addWidget(charts, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(note_, 1);
  bottom->addWidget(export_);
  bottom->addWidget(clear_);
  auto* page = new QVBoxLayout(this);
  page->addLayout(top);
  page->addWidget(heatMap_);
  page->addWidget(summary_);
  page->addLayout(middle, 1);
  page->addLayout(bottom);

  connect(clefs_, &QTabBar::currentChanged, this, [this] { refresh(); });
  connect(view_, &QComboBox::currentIndexChanged, this,
          [this](int view) { heatMap_->setView(static_cast<HeatMapWidget::View>(view)); });
  connect(summary_, &PracticeSummary::goalChanged, this,
          [this](int minutes) { recorder_.setDailyGoal(static_cast<int16_t>(minutes)); });
  connect(export_, &QPushButton::clicked, this, &StatisticsWindow::askWhereToExport);
  connect(clear_, &QPushButton::clicked, this, &StatisticsWindow::askToClear);
  recorder_.setListener([this] { refreshSoon(); });
  resize(sizeHint().expandedTo(QSize(820, 680)));
}

StatisticsWindow::~StatisticsWindow() { recorder_.setListener(nullptr); }

void StatisticsWindow::present() {
  show();
  raise();
  activateWindow();
}

void StatisticsWindow::setNoteNaming(NoteNaming naming) {
  naming_ = naming;
  refreshSoon();
}

void StatisticsWindow::showEvent(QShowEvent* event) {
  refresh();
  QWidget::showEvent(event);
}

// Events come within the game's handlers; the drawing waits until they are done.
void StatisticsWindow::refreshSoon() {
  if (refreshPending_ || !isVisible()) return;
  refreshPending_ = true;
  QTimer::singleShot(0, this, [this] {
    refreshPending_ = false;
    refresh();
  });
}

void StatisticsWindow::refresh() {
  const Statistics& statistics = recorder_.statistics();
  const int clef = clefs_->currentIndex();
  heatMap_->setFigures(statistics, clef, naming_);
  const auto name = [this](int pitch) {
    return QString::fromStdString(nameWithOctave(naming_, spellingOfPitch(pitch)));
  };

  confusions_->clear();
  for (const Confusion& c : mostConfused(statistics, clef, kConfusionsShown)) {
    const QString pair = QStringLiteral("%1 → %2").arg(name(c.notePitch), name(c.pressedPitch));
    auto* row = new QTreeWidgetItem(confusions_, {pair, QString::number(c.times)});
    row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  }

  // Games are only ever added at the end, or all cleared.
  const auto& games = statistics.games;
  const std::optional<GameRecord> last = games.empty() ? std::nullopt : std::optional(games.back());
  if (!charted_ || games.size() != chartedCount_ || last != chartedLast_) {
    history_->setGames(games);
    fluency_->setGames(games);
    charted_ = true;
    chartedCount_ = games.size();
    chartedLast_ = last;
  }
  summary_->setStatistics(statistics, recorder_.today());
  summary_->setEnabled(recorder_.recording());
  clear_->setEnabled(recorder_.recording());
  note_->setText(recorder_.recording() ? QString()
                                       : tr("统计文件无法读取或来自更新的版本，本次不记录。"));
}

void StatisticsWindow::askToClear() {
  const auto answer = QMessageBox::question(
      this, tr("清除统计"), tr("清除所有音符的统计和得分历史？分数不受影响，清除后无法恢复。"),
      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer == QMessageBox::Yes) recorder_.clear();
}

void StatisticsWindow::askWhereToExport() {
  const QString path = QFileDialog::getSaveFileName(
      this, tr("导出 CSV"), QDir::home().filePath("quavix-games.csv"), tr("CSV 文件 (*.csv)"));
  if (!path.isEmpty()) exportTo(path);
}

bool StatisticsWindow::exportTo(const QString& gamesPath) {
  const Translate translate = [](const char* text) { return shownText(text).toStdString(); };
  const Statistics& statistics = recorder_.statistics();
  const QString notesPath = QString::fromStdString(notesTablePath(gamesPath.toStdString()));
  const std::pair<QString, std::string> files[] = {
      {gamesPath, csvText(gameTable(statistics, translate))},
      {notesPath, csvText(noteTable(statistics, naming_, translate))}};
  for (const auto& [path, text] : files) {
    std::string problem;
    if (!writeFileAtomically(path.toStdString(), text, problem)) {
      QMessageBox::warning(this, tr("导出 CSV"),
                           tr("无法写入 %1：%2").arg(path, QString::fromStdString(problem)));
      return false;
    }
  }
  note_->setText(tr("已导出到 %1 和 %2").arg(gamesPath, notesPath));
  return true;
}

}  // namespace quavix

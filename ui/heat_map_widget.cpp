#include "ui/heat_map_widget.h"

#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <vector>

#include "core/fluency.h"
#include "core/note_model.h"
#include "ui/control_widgets.h"
#include "ui/viridis.h"

namespace quavix {

namespace {

using control_widgets::pixelRect;

constexpr int kMargin = 8;
constexpr int kScaleGap = 14;
constexpr int kScaleHeight = 14;
constexpr int kScaleWidth = 300;
constexpr int kTextHeight = 18;
const QColor kBlackKeyGrey(80, 80, 80);
const QColor kMapKeyEdge(40, 40, 40);
// The response-time scale: yellow at half a second or less, dark violet at four or more.
constexpr double kFastest = 500, kSlowest = 4000;

QRect keyboardArea() {
  const QRect first = pixelRect(layout::whiteKeyRect(0));
  const QRect last = pixelRect(layout::whiteKeyRect(kWhiteKeyCount - 1));
  return first.united(last);
}

int keyPitch(layout::KeyRef key) {
  return kMidiBaseNote +
         (key.black ? kBlackKeyOffsets.at(key.index) : kWhiteKeyOffsets.at(key.index));
}

int64_t recentMedian(const Statistics& statistics, int clef, int pitch) {
  std::vector<int64_t> times;
  for (const auto& [card, memory] : statistics.memories) {
    if (static_cast<int>(card.clef) != clef || pitchOf(card.note) != pitch) continue;
    for (const TimedAnswer& answer : memory.recent) times.push_back(answer.milliseconds);
  }
  return quavix::medianOf(std::move(times));
}

}  // namespace

const QColor HeatMapWidget::kNeverShown(190, 190, 190);

HeatMapWidget::HeatMapWidget(QWidget* parent) : QWidget(parent) {
  const QRect keys = keyboardArea();
  setFixedSize(keys.width() + 2 * kMargin,
               keys.height() + 2 * kMargin + kScaleGap + kScaleHeight + kTextHeight);
  setMouseTracking(true);
}

void HeatMapWidget::setFigures(const Statistics& statistics, int clef, NoteNaming naming) {
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    white_[i] = figuresOfPitch(statistics, clef, keyPitch({false, i}));
    whiteMedian_[i] = recentMedian(statistics, clef, keyPitch({false, i}));
  }
  for (int i = 0; i < kBlackKeyCount; ++i) {
    black_[i] = figuresOfPitch(statistics, clef, keyPitch({true, i}));
    blackMedian_[i] = recentMedian(statistics, clef, keyPitch({true, i}));
  }
  clef_ = clef;
  naming_ = naming;
  update();
}

QString HeatMapWidget::pitchText(int midiNote) const {
  return QString::fromStdString(nameWithOctave(naming_, spellingOfPitch(midiNote)));
}

QRect HeatMapWidget::keyArea(layout::KeyRef key) const {
  const QRect rect =
      pixelRect(key.black ? layout::blackKeyRect(key.index) : layout::whiteKeyRect(key.index));
  return rect.translated(QPoint(kMargin, kMargin) - keyboardArea().topLeft());
}

std::optional<layout::KeyRef> HeatMapWidget::keyAt(QPoint point) const {
  for (int i = 0; i < kBlackKeyCount; ++i) {
    if (keyArea({true, i}).contains(point)) return layout::KeyRef{true, i};
  }
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    if (keyArea({false, i}).contains(point)) return layout::KeyRef{false, i};
  }
  return std::nullopt;
}

void HeatMapWidget::setView(View view) {
  view_ = view;
  update();
}

const NoteFigures& HeatMapWidget::figuresOf(layout::KeyRef key) const {
  return key.black ? black_.at(key.index) : white_.at(key.index);
}

int64_t HeatMapWidget::medianOf(layout::KeyRef key) const {
  return key.black ? blackMedian_.at(key.index) : whiteMedian_.at(key.index);
}

// A black key stays black until a sharp or a flat on it has been answered or missed.
QColor HeatMapWidget::colourOf(layout::KeyRef key) const {
  const NoteFigures& figures = figuresOf(key);
  if (view_ == View::ResponseTime) {
    const int64_t median = medianOf(key);
    if (median == 0) return key.black ? kBlackKeyGrey : kNeverShown;
    return viridis(1 - std::clamp((median - kFastest) / (kSlowest - kFastest), 0.0, 1.0));
  }
  if (figures.outcomes() == 0) return key.black ? kBlackKeyGrey : kNeverShown;
  return viridis(static_cast<double>(figures.right) / figures.outcomes());
}

QString HeatMapWidget::figuresText(layout::KeyRef key) const {
  const QString name = pitchText(keyPitch(key));
  if (!clefCanShowPitch(clef_, keyPitch(key))) return tr("%1：此谱号不出现这个音").arg(name);
  const NoteFigures& figures = figuresOf(key);
  if (figures.shown == 0) return tr("%1：还没有出现过").arg(name);
  // A card ends answered right or missed, or unfinished when its game stopped; wrong keys do not
  // end it and are counted apart.
  const uint32_t unfinished =
      figures.shown - std::min(figures.shown, figures.right + figures.missed);
  QString text = tr("%1：出现 %2 张 = 答对 %3 + 漏掉 %4")
                     .arg(name)
                     .arg(figures.shown)
                     .arg(figures.right)
                     .arg(figures.missed);
  if (unfinished > 0) text += tr(" + 未完 %1").arg(unfinished);
  text += tr("\n另按错 %1 次").arg(figures.wrong);
  if (figures.outcomes() > 0) {
    text += tr("\n正确率 %1%").arg(qRound(100.0 * figures.right / figures.outcomes()));
  }
  if (figures.right > 0) {
    const double seconds = figures.rightMilliseconds / 1000.0 / figures.right;
    text += tr("\n答对平均用时 %1 秒").arg(seconds, 0, 'f', 1);
  }
  if (medianOf(key) > 0) {
    text += tr("\n最近答对用时中位数 %1 秒").arg(medianOf(key) / 1000.0, 0, 'f', 1);
  }
  return text;
}

void HeatMapWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(kMapKeyEdge);
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    const QRect area = keyArea({false, i});
    painter.fillRect(area, colourOf({false, i}));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
  }
  for (int i = 0; i < kBlackKeyCount; ++i) {
    painter.fillRect(keyArea({true, i}), colourOf({true, i}));
  }
  // The Cs name the octaves, as on a teacher's chart.
  QFont small = font();
  small.setPixelSize(10);
  painter.setFont(small);
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    const int pitch = keyPitch({false, i});
    if (pitch % 12 != 0) continue;
    const QRect area = keyArea({false, i});
    const QColor back = colourOf({false, i});
    painter.setPen(back.lightness() > 128 ? Qt::black : Qt::white);
    painter.drawText(area.adjusted(0, 0, 0, -3), Qt::AlignHCenter | Qt::AlignBottom,
                     pitchText(pitch));
  }
  paintScale(painter);
}

void HeatMapWidget::paintScale(QPainter& painter) const {
  const int top = keyArea({false, 0}).bottom() + kScaleGap;
  const QRect bar(kMargin + 80, top, kScaleWidth, kScaleHeight);
  QLinearGradient gradient(bar.topLeft(), bar.topRight());
  for (int i = 0; i <= 10; ++i) gradient.setColorAt(i / 10.0, viridis(i / 10.0));
  // The window's own text colour, legible on a dark scheme too.
  painter.setPen(palette().color(QPalette::WindowText));
  const bool time = view_ == View::ResponseTime;
  painter.drawText(QRect(kMargin, top, 74, kScaleHeight), Qt::AlignVCenter,
                   time ? tr("用时") : tr("正确率"));
  painter.fillRect(bar, gradient);
  const QRect labels(bar.left() - 20, bar.bottom() + 2, bar.width() + 40, kTextHeight - 2);
  painter.drawText(labels, Qt::AlignLeft | Qt::AlignTop, time ? tr("≥4 秒") : QStringLiteral("0%"));
  painter.drawText(labels, Qt::AlignHCenter | Qt::AlignTop,
                   time ? tr("2¼ 秒") : QStringLiteral("50%"));
  painter.drawText(labels, Qt::AlignRight | Qt::AlignTop,
                   time ? tr("≤0.5 秒") : QStringLiteral("100%"));
  const QRect grey(bar.right() + 40, top, kScaleHeight * 2, kScaleHeight);
  painter.fillRect(grey, kNeverShown);
  painter.drawText(QRect(grey.right() + 6, top, 260, kScaleHeight), Qt::AlignVCenter,
                   time ? tr("还没有答对的用时") : tr("没有出现或没有作答"));
}

bool HeatMapWidget::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const std::optional<layout::KeyRef> key = keyAt(help->pos());
  if (key) {
    QToolTip::showText(help->globalPos(), figuresText(*key), this, keyArea(*key));
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

}  // namespace quavix

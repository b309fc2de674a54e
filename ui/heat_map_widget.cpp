#include "ui/heat_map_widget.h"

#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QToolTip>

#include "core/note_model.h"
#include "ui/viridis.h"

namespace quavix {

namespace {

using layout::toPixels;

constexpr int kMargin = 8;
constexpr int kScaleGap = 14;
constexpr int kScaleHeight = 14;
constexpr int kScaleWidth = 300;
constexpr int kTextHeight = 18;
const QColor kBlackKeyGrey(80, 80, 80);
const QColor kMapKeyEdge(40, 40, 40);

QRect pixelRect(const layout::TwipRect& r) {
  return QRect(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height));
}

QRect keyboardArea() {
  const QRect first = pixelRect(layout::whiteKeyRect(0));
  const QRect last = pixelRect(layout::whiteKeyRect(kWhiteKeyCount - 1));
  return first.united(last);
}

int keyPitch(layout::KeyRef key) {
  return kMidiBaseNote +
         (key.black ? kBlackKeyOffsets.at(key.index) : kWhiteKeyOffsets.at(key.index));
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
  }
  for (int i = 0; i < kBlackKeyCount; ++i) {
    black_[i] = figuresOfPitch(statistics, clef, keyPitch({true, i}));
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

const NoteFigures& HeatMapWidget::figuresOf(layout::KeyRef key) const {
  return key.black ? black_.at(key.index) : white_.at(key.index);
}

// A black key stays black until a sharp or a flat on it has been answered or missed.
QColor HeatMapWidget::colourOf(layout::KeyRef key) const {
  const NoteFigures& figures = figuresOf(key);
  if (figures.outcomes() == 0) return key.black ? kBlackKeyGrey : kNeverShown;
  return viridis(static_cast<double>(figures.right) / figures.outcomes());
}

QString HeatMapWidget::figuresText(layout::KeyRef key) const {
  const QString name = pitchText(keyPitch(key));
  if (!clefCanShowPitch(clef_, keyPitch(key))) return tr("%1：此谱号不出现这个音").arg(name);
  const NoteFigures& figures = figuresOf(key);
  if (figures.shown == 0) return tr("%1：还没有出现过").arg(name);
  QString text = tr("%1：出现 %2 次\n答对 %3 次，答错 %4 次，漏掉 %5 次")
                     .arg(name)
                     .arg(figures.shown)
                     .arg(figures.right)
                     .arg(figures.wrong)
                     .arg(figures.missed);
  if (figures.outcomes() > 0) {
    text += tr("\n正确率 %1%").arg(qRound(100.0 * figures.right / figures.outcomes()));
  }
  if (figures.right > 0) {
    const double seconds = figures.rightMilliseconds / 1000.0 / figures.right;
    text += tr("\n答对平均用时 %1 秒").arg(seconds, 0, 'f', 1);
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
  const QRect bar(kMargin + 60, top, kScaleWidth, kScaleHeight);
  QLinearGradient gradient(bar.topLeft(), bar.topRight());
  for (int i = 0; i <= 10; ++i) gradient.setColorAt(i / 10.0, viridis(i / 10.0));
  painter.setPen(Qt::black);
  painter.drawText(QRect(kMargin, top, 56, kScaleHeight), Qt::AlignVCenter, tr("正确率"));
  painter.fillRect(bar, gradient);
  const QRect labels(bar.left() - 20, bar.bottom() + 2, bar.width() + 40, kTextHeight - 2);
  painter.drawText(labels, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("0%"));
  painter.drawText(labels, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("50%"));
  painter.drawText(labels, Qt::AlignRight | Qt::AlignTop, QStringLiteral("100%"));
  const QRect grey(bar.right() + 40, top, kScaleHeight * 2, kScaleHeight);
  painter.fillRect(grey, kNeverShown);
  painter.drawText(QRect(grey.right() + 6, top, 200, kScaleHeight), Qt::AlignVCenter,
                   tr("没有出现或没有作答"));
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

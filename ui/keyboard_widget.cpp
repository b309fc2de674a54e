#include "ui/keyboard_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/mouse_codes.h"
#include "ui/colours.h"
#include "ui/control_widgets.h"

namespace quavix {

namespace {

using control_widgets::pixelRect;

const QColor kKeyEdge(64, 64, 64);
constexpr int kNamePixels = 10;
// "Sol#" within a black key.
constexpr int kBlackKeyNamePixels = 8;

bool isKey(const layout::ControlSpec& c) {
  return c.name == layout::kWhiteKeys || c.name == layout::kBlackKeys;
}

int heldIndex(layout::KeyRef key) { return key.black ? kWhiteKeyCount + key.index : key.index; }

layout::TwipRect keyRect(layout::KeyRef key) {
  return key.black ? layout::blackKeyRect(key.index) : layout::whiteKeyRect(key.index);
}

int buttonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kLeftButton;
    case Qt::RightButton:
      return kRightButton;
    case Qt::MiddleButton:
      return kMiddleButton;
    default:
      return 0;
  }
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? kShiftMask : 0) |
         (modifiers & Qt::ControlModifier ? kCtrlMask : 0) |
         (modifiers & Qt::AltModifier ? kAltMask : 0);
}

}  // namespace

KeyboardWidget::KeyboardWidget(QWidget* parent) : QWidget(parent) {
  whiteColours_.fill(kWhite);
  // A click takes the keyboard away from the buttons, so that the computer keys play.
  setFocusPolicy(Qt::ClickFocus);
  setScale(layout::kNormalScale);
}

void KeyboardWidget::setScale(int percent) {
  percent_ = percent;
  const layout::TwipRect first = layout::whiteKeyRect(0);
  const layout::TwipRect last = layout::whiteKeyRect(kWhiteKeyCount - 1);
  const QRect area =
      pixelRect({first.left, first.top, last.right() - first.left, last.height}, percent);
  setGeometry(area);

  // Each key loses what the window's other controls above it cover: Command1(0)'s top edge
  // lies under the black band, the others' over it.
  paintOrder_.clear();
  const auto table = layout::controlTable();
  for (auto it = table.rbegin(); it != table.rend(); ++it) {
    if (!isKey(*it)) continue;
    const QRect rect = pixelRect(it->rect, percent).translated(-area.topLeft());
    QRegion visible(rect);
    for (auto above = table.begin(); above != it.base() - 1; ++above) {
      if (above->container.empty() && !isKey(*above)) {
        visible -= pixelRect(above->rect, percent).translated(-area.topLeft());
      }
    }
    paintOrder_.push_back({{it->name == layout::kBlackKeys, it->index}, rect, visible});
  }
  update();
}

void KeyboardWidget::setKeyColours(const Controls& controls) {
  const QString answerName = QString::fromStdString(controls.answerName);
  if (controls.whiteKeyColours == whiteColours_ && controls.blackKeyColours == blackColours_ &&
      answerName == answerName_ && controls.keyLabels == labels_) {
    return;
  }
  whiteColours_ = controls.whiteKeyColours;
  blackColours_ = controls.blackKeyColours;
  answerName_ = answerName;
  labels_ = controls.keyLabels;
  update();
}

void KeyboardWidget::setHeldKeys(const KeyRouter& keys) {
  decltype(held_) held{};
  for (const PaintedKey& painted : paintOrder_) {
    held[heldIndex(painted.key)] = keys.isHeld(painted.key);
  }
  mouseKey_ = keys.mouseKey();
  if (held == held_) return;
  held_ = held;
  update();
}

void KeyboardWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (const PaintedKey& key : paintOrder_) {
    p.setClipRegion(key.visible);
    paintKey(p, key);
  }
}

void KeyboardWidget::paintKey(QPainter& p, const PaintedKey& painted) const {
  const QRect r = painted.rect;
  const bool held = held_[heldIndex(painted.key)];
  if (painted.key.black) {
    const Colour colour = blackColours_[painted.key.index];
    if (colour == layout::kBlack) {
      p.fillRect(r, held ? QColor(70, 70, 70) : Qt::black);
    } else {
      const QColor face = toQColor(colour, palette());
      p.fillRect(r, held ? face.darker(115) : face);
    }
    // A lighter front edge, as the key's top face ends.
    p.fillRect(r.x() + px(2), r.bottom() - px(5), r.width() - px(4), px(4), QColor(45, 45, 45));
    paintLabel(p, r.adjusted(0, 0, 0, -px(6)), labels_.black[painted.key.index], colour == kRed,
               Qt::white, kBlackKeyNamePixels);
    return;
  }
  const Colour colour = whiteColours_[painted.key.index];
  QColor face = toQColor(colour, palette());
  p.fillRect(r, held ? face.darker(115) : face);
  p.setPen(QPen(kKeyEdge, px(1)));
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.drawLine(r.bottomLeft(), r.bottomRight());
  if (painted.key.index == kWhiteKeyCount - 1) p.drawLine(r.topRight(), r.bottomRight());
  paintLabel(p, r, labels_.white[painted.key.index], colour == kRed,
             colour == kRed ? Qt::white : QColor(kKeyEdge), kNamePixels);
}

// Near the key's front edge, where a black key above does not hide it: the note's name (the red
// answer key's own when it has one), and above it the computer key that plays it.
void KeyboardWidget::paintLabel(QPainter& p, const QRect& key, const KeyLabel& label, bool red,
                                const QColor& ink, int namePixels) const {
  const QString name =
      red && !answerName_.isEmpty() ? answerName_ : QString::fromStdString(label.name);
  if (name.isEmpty() && label.letter.empty()) return;
  QFont font = p.font();
  font.setBold(false);
  // The red key's own name as it always was.
  font.setPixelSize(px(red && !answerName_.isEmpty() ? kNamePixels : namePixels));
  p.setFont(font);
  p.setPen(ink);
  const QRect nameLine = key.adjusted(0, 0, 0, -px(4));
  p.drawText(nameLine, Qt::AlignHCenter | Qt::AlignBottom, name);
  font.setBold(true);
  font.setPixelSize(px(kNamePixels));
  p.setFont(font);
  p.drawText(nameLine.adjusted(0, 0, 0, -px(13)), Qt::AlignHCenter | Qt::AlignBottom,
             QString::fromStdString(label.letter));
}

QPoint KeyboardWidget::toWindowPixel(QPointF local) const { return local.toPoint() + pos(); }

QPoint KeyboardWidget::twipsInKey(layout::KeyRef key, QPointF local) const {
  const layout::TwipRect r = keyRect(key);
  const QPoint at = toWindowPixel(local);
  return QPoint(layout::toTwips(at.x(), percent_), layout::toTwips(at.y(), percent_)) -
         QPoint(r.left, r.top);
}

void KeyboardWidget::mousePressEvent(QMouseEvent* event) {
  const int button = buttonCode(event->button());
  if (button == 0) return;
  std::optional<layout::KeyRef> key = mouseKey_;
  if (!key) {
    const QPoint at = toWindowPixel(event->position());
    key = layout::keyAt(at.x(), at.y(), percent_);
    if (!key) return;
  }
  const QPoint inKey = twipsInKey(*key, event->position());
  emit keyPressed(*key, button, shiftCode(event->modifiers()), inKey.x(), inKey.y());
}

// Only a button that pressed the key releases it; the handlers know which.
void KeyboardWidget::mouseReleaseEvent(QMouseEvent* event) {
  const int button = buttonCode(event->button());
  if (!mouseKey_ || button == 0) return;
  const QPoint inKey = twipsInKey(*mouseKey_, event->position());
  emit keyReleased(*mouseKey_, button, shiftCode(event->modifiers()), inKey.x(), inKey.y());
}

}  // namespace quavix

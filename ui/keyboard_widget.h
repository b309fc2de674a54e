#pragma once

#include <QRegion>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "core/controls_model.h"
#include "core/key_router.h"
#include "core/state.h"
#include "core/window_layout.h"

namespace quavix {

// The 56 keys of the piano, Command1 white and Command2 black, as one widget: it draws them
// from the layout and the white keys' colours, and sends a press to the key drawn on top there.
// Like a button holding the mouse, the key the mouse holds gets every press and release until
// all buttons are up, wherever the pointer goes.
class KeyboardWidget : public QWidget {
  Q_OBJECT

 public:
  explicit KeyboardWidget(QWidget* parent);

  // Lays the keys out at `percent` of the layout's size.
  void setScale(int percent);

  // Repaints only when a key's colour or label changed.
  void setKeyColours(const Controls& controls);
  // Held keys are drawn pressed, whoever holds them.
  void setHeldKeys(const KeyRouter& keys);

 signals:
  // x and y are in twips from the key's top-left corner; button and shift as Velmora takes them.
  void keyPressed(quavix::layout::KeyRef key, int button, int shift, int x, int y);
  void keyReleased(quavix::layout::KeyRef key, int button, int shift, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct PaintedKey {
    layout::KeyRef key;
    QRect rect;
    QRegion visible;  // the part no other control covers
  };

  void paintKey(QPainter& painter, const PaintedKey& key) const;
  void paintLabel(QPainter& p, const QRect& key, const KeyLabel& label, bool red, const QColor& ink,
                  int namePixels) const;
  QPoint toWindowPixel(QPointF local) const;
  QPoint twipsInKey(layout::KeyRef key, QPointF local) const;
  // A length in the layout's pixels at the keyboard's scale.
  int px(int pixels) const { return layout::scaledPixels(pixels, percent_); }

  std::vector<PaintedKey> paintOrder_;  // bottom to top
  std::array<Colour, kWhiteKeyCount> whiteColours_{};
  std::array<Colour, kBlackKeyCount> blackColours_{};
  QString answerName_;
  KeyLabels labels_;
  std::array<bool, kWhiteKeyCount + kBlackKeyCount> held_{};
  std::optional<layout::KeyRef> mouseKey_;
  int percent_ = layout::kNormalScale;
};

}  // namespace quavix

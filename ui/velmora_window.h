#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/controls_model.h"
#include "core/velmora.h"
#include "core/window_scale.h"
#include "ui/interface_language.h"

class QLabel;
class QLineEdit;

namespace quavix {

class BandMenu;
class CardWidget;
class ColourButton;
class KeyboardWidget;
class NoteImage;
class OptionBox;

// The Qt window of Velmora: builds the widgets from the layout, forwards their events to the
// handlers and after each handler brings the widgets in line with the controls' model.
class VelmoraWindow : public QWidget {
  Q_OBJECT

 public:
  explicit VelmoraWindow(Velmora& velmora);

  // Shows what changed in the model since the last call; the first call shows everything.
  void mirror();

  // The widget of a layout row; every key's is the keyboard.
  QWidget* controlWidget(std::string_view name, int index = -1) const;
  KeyboardWidget* keyboard() const { return keyboard_; }
  CardWidget* card() const { return card_; }
  const QTimer& timer1() const { return timer1_; }
  const QTimer& timer2() const { return timer2_; }
  BandMenu* bandMenu() const { return bandMenu_; }
  // What an instrument played, handed over to this thread: a MIDI message or a note heard.
  void play(const std::function<void(Velmora&)>& handler);

 signals:
  void firstPainted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A window that fits the screen fits it again once its frame is known, and on a new screen.
  void showEvent(QShowEvent* event) override;
  // Closing runs the unload and is never refused.
  void closeEvent(QCloseEvent* event) override;
  // The band's menu: a right click on the band, or the Menu key anywhere in the window.
  void contextMenuEvent(QContextMenuEvent* event) override;
  // The computer keys play whatever has the focus, unless it takes them itself.
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // A new language shows every text again; leaving the window releases the computer keys.
  void changeEvent(QEvent* event) override;

 private:
  void buildControls();
  void showTexts();
  void showCaptions(const Controls& now);
  void stackControls();
  // Lays the window out anew at the size the settings ask for.
  void applyScale();
  int fitScreenScale() const;
  void refit();
  void placeCard(const Controls& now, const Controls* before);
  void connectHandlers();
  void keyEvent(bool down, layout::KeyRef key, int button, int shift, int x, int y);
  // Runs a handler of the model, unless the window has unloaded, and shows what it changed.
  template <typename Handler>
  void run(Handler handler) {
    if (velmora_.unloaded()) return;
    handler();
    mirror();
  }

  Velmora& velmora_;
  std::map<std::pair<std::string, int>, QWidget*> widgets_;
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  ColourButton* command3_ = nullptr;
  ColourButton* command4_ = nullptr;
  QWidget* band_ = nullptr;
  BandMenu* bandMenu_ = nullptr;
  QWidget* frame1_ = nullptr;
  QWidget* frame2_ = nullptr;
  std::array<OptionBox*, 3> option1_{};
  std::array<OptionBox*, 2> option2_{};
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  KeyboardWidget* keyboard_ = nullptr;
  CardWidget* card_ = nullptr;
  std::array<NoteImage*, 2> image1_{};
  QTimer timer1_;
  QTimer timer2_;
  QTimer midiLookout_;
  std::optional<Controls> shown_;
  InterfaceLanguage language_;
  NoteNaming namingShown_ = NoteNaming::Letters;
  std::optional<int> scaleShown_;  // as the settings give it, fitting the screen or not
  int scale_ = layout::kNormalScale;
  bool painted_ = false;
};

}  // namespace quavix

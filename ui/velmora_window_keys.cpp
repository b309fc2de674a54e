#include <QKeyEvent>

#include "core/computer_keys.h"
#include "ui/computer_key_event.h"
#include "ui/velmora_window.h"

// The window's key events: the piano's keys under the mouse, the computer's keys and MIDI.
namespace quavix {

// A key of the Command1 (white) or Command2 (black) array, to its handler.
void VelmoraWindow::keyEvent(bool down, layout::KeyRef key, int button, int shift, int x, int y) {
  run([&] {
    Velmora& v = velmora_;
    if (key.black) {
      down ? v.Command2_MouseDown(key.index, button, shift, x, y)
           : v.Command2_MouseUp(key.index, button, shift, x, y);
    } else {
      down ? v.Command1_MouseDown(key.index, button, shift, x, y)
           : v.Command1_MouseUp(key.index, button, shift, x, y);
    }
  });
}

void VelmoraWindow::play(const std::function<void(Velmora&)>& handler) {
  run([&] { handler(velmora_); });
}

void VelmoraWindow::keyPressEvent(QKeyEvent* event) {
  const char key = pianoKeyOfPress(*event);
  bool played = false;
  // A held key's repeats are no new presses.
  if (event->isAutoRepeat()) {
    played = isPianoComputerKey(key);
  } else if (key != 0) {
    run([&] { played = velmora_.computerKeyDown(key); });
  }
  if (!played) QWidget::keyPressEvent(event);
}

void VelmoraWindow::keyReleaseEvent(QKeyEvent* event) {
  const char key = pianoKeyOfRelease(*event);
  bool played = false;
  if (key != 0 && !event->isAutoRepeat()) run([&] { played = velmora_.computerKeyUp(key); });
  if (!played) QWidget::keyReleaseEvent(event);
}

}  // namespace quavix

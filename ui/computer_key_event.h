#pragma once

class QKeyEvent;

namespace quavix {

// The piano's computer keys go by their place on the keyboard, not by what the player's layout
// types there: the lower-case character a US layout has at the pressed key, or 0. A press with
// Ctrl, Alt or Meta is the desktop's shortcut and plays nothing; a release always counts, so
// that a key let go while a modifier is down does not stay held.
char pianoKeyOfPress(const QKeyEvent& event);
char pianoKeyOfRelease(const QKeyEvent& event);

}  // namespace quavix

#include "ui/computer_key_event.h"

#include <QKeyEvent>
#include <array>
#include <utility>

namespace quavix {

namespace {

#ifdef Q_OS_LINUX
constexpr bool kKeyCodesAreXkb = true;
#else
constexpr bool kKeyCodesAreXkb = false;
#endif

// X and Wayland key codes (the kernel's key code plus 8) of the keys the piano uses, by the
// character a US layout types there.
constexpr std::array<std::pair<quint32, char>, 20> kKeyCodes = {{
    {38, 'a'}, {39, 's'}, {40, 'd'}, {41, 'f'},  {42, 'g'}, {43, 'h'}, {44, 'j'},
    {45, 'k'}, {46, 'l'}, {47, ';'}, {48, '\''}, {25, 'w'}, {26, 'e'}, {28, 't'},
    {29, 'y'}, {30, 'u'}, {32, 'o'}, {33, 'p'},  {52, 'z'}, {53, 'x'},
}};

// On Linux desktops, X and Wayland alike, a key's native scan code is its XKB key code.
char pianoKey(const QKeyEvent& event) {
  if (kKeyCodesAreXkb && event.nativeScanCode() != 0) {
    for (const auto& [code, character] : kKeyCodes) {
      if (code == event.nativeScanCode()) return character;
    }
    return 0;
  }
  // Elsewhere, or for a synthesised event, the character is all there is.
  const int key = event.key();
  if (key <= 0x20 || key >= 0x7F) return 0;
  return static_cast<char>(key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key);
}

}  // namespace

char pianoKeyOfPress(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  return pianoKey(event);
}

char pianoKeyOfRelease(const QKeyEvent& event) { return pianoKey(event); }

}  // namespace quavix

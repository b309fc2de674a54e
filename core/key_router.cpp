#include "core/key_router.h"

#include <algorithm>

namespace quavix {

namespace {

bool sameDevice(int a, int b) { return a == b || (isMouseSource(a) && isMouseSource(b)); }

template <typename Visit>
void forEachKey(Visit visit) {
  for (int i = 0; i < kWhiteKeyCount; ++i) visit(layout::KeyRef{false, i});
  for (int i = 0; i < kBlackKeyCount; ++i) visit(layout::KeyRef{true, i});
}

}  // namespace

bool KeyRouter::heldElsewhere(const Slot& slot, int source) {
  return std::any_of(slot.holders.begin(), slot.holders.end(),
                     [source](int holder) { return !sameDevice(holder, source); });
}

bool KeyRouter::holds(int source, layout::KeyRef key) const {
  const auto& holders = slot(key).holders;
  return std::find(holders.begin(), holders.end(), source) != holders.end();
}

KeyAction KeyRouter::press(int source, layout::KeyRef key, bool sounds) {
  if (holds(source, key)) return {};
  Slot& s = slot(key);
  const bool elsewhere = heldElsewhere(s, source);
  s.holders.push_back(source);
  if (elsewhere) return {};
  s.sounding = s.sounding || sounds;
  return {true, sounds};
}

KeyAction KeyRouter::release(int source, layout::KeyRef key) {
  Slot& s = slot(key);
  const auto it = std::find(s.holders.begin(), s.holders.end(), source);
  if (it == s.holders.end()) return {};
  s.holders.erase(it);
  if (heldElsewhere(s, source)) return {};
  const KeyAction action{true, s.sounding};
  if (s.holders.empty()) s.sounding = false;
  return action;
}

std::vector<KeyRelease> KeyRouter::releaseAll(int source) {
  std::vector<KeyRelease> released;
  forEachKey([&](layout::KeyRef key) {
    if (const KeyAction action = release(source, key); action.run) {
      released.push_back({key, action.sound});
    }
  });
  return released;
}

std::optional<layout::KeyRef> KeyRouter::mouseKey() const {
  std::optional<layout::KeyRef> found;
  forEachKey([&](layout::KeyRef key) {
    const auto& holders = slot(key).holders;
    if (!found && std::any_of(holders.begin(), holders.end(), isMouseSource)) found = key;
  });
  return found;
}

}  // namespace quavix

#include "core/played_keys.h"

#include <algorithm>

#include "core/note_model.h"

namespace quavix {

namespace {

constexpr uint8_t kNoteOff = 0x80;
constexpr uint8_t kNoteOn = 0x90;

}  // namespace

std::optional<layout::KeyRef> keyForNote(int note) {
  const int offset = note - kMidiBaseNote;
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    if (kWhiteKeyOffsets[i] == offset) return layout::KeyRef{false, i};
  }
  for (int i = 0; i < kBlackKeyCount; ++i) {
    if (kBlackKeyOffsets[i] == offset) return layout::KeyRef{true, i};
  }
  return std::nullopt;
}

std::optional<NotePlay> readNoteMessage(std::span<const uint8_t> message) {
  if (message.size() < 3) return std::nullopt;
  const uint8_t kind = message[0] & 0xF0;
  const uint8_t note = message[1];
  const uint8_t velocity = message[2];
  if ((note | velocity) & 0x80) return std::nullopt;
  if (kind == kNoteOn) return NotePlay{note, velocity != 0};
  if (kind == kNoteOff) return NotePlay{note, false};
  return std::nullopt;
}

std::vector<int>& HeldKeys::holders(layout::KeyRef key) {
  return key.black ? black_.at(key.index) : white_.at(key.index);
}

const std::vector<int>& HeldKeys::holders(layout::KeyRef key) const {
  return key.black ? black_.at(key.index) : white_.at(key.index);
}

bool HeldKeys::press(int source, layout::KeyRef key) {
  std::vector<int>& list = holders(key);
  if (std::find(list.begin(), list.end(), source) != list.end()) return false;
  list.push_back(source);
  return list.size() == 1;
}

bool HeldKeys::release(int source, layout::KeyRef key) {
  std::vector<int>& list = holders(key);
  const auto it = std::find(list.begin(), list.end(), source);
  if (it == list.end()) return false;
  list.erase(it);
  return list.empty();
}

std::vector<layout::KeyRef> HeldKeys::releaseAll(int source) {
  std::vector<layout::KeyRef> freed;
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    if (release(source, {false, i})) freed.push_back({false, i});
  }
  for (int i = 0; i < kBlackKeyCount; ++i) {
    if (release(source, {true, i})) freed.push_back({true, i});
  }
  return freed;
}

}  // namespace quavix

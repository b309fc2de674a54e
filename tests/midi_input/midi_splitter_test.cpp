#include "platform/midi_input/midi_splitter.h"

#include <gtest/gtest.h>

namespace quavix {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes longSysex() {
  Bytes bytes(70000, 0x01);
  bytes.front() = 0xF0;
  bytes.back() = 0xF7;
  return bytes;
}

TEST(MidiSplitter, CutsPiecesIntoWholeMessages) {
  const struct {
    const char* name;
    std::vector<Bytes> pieces, messages;
  } cases[] = {
      // clang-format off
      {"a note after an unterminated SysEx is heard", {{0xF0, 0x7E}, {1, 0x90, 60, 100}}, {{0x90, 60, 100}}},
      {"real-time bytes inside a SysEx over pieces", {{0xF0, 1, 0xF8, 2}, {0xFE, 0xF7}}, {{0xF8}, {0xFE}, {0xF0, 1, 2, 0xF7}}},
      {"two messages in one piece", {{0x90, 60, 100, 0x80, 60, 0}}, {{0x90, 60, 100}, {0x80, 60, 0}}},
      {"stray data bytes and ends are dropped", {{60, 100}, {0xF7}, {0xC0, 5}}, {{0xC0, 5}}},
      {"a SysEx too long to keep is dropped", {longSysex(), {0x90, 60, 100}}, {{0x90, 60, 100}}},
      // clang-format on
  };
  for (const auto& c : cases) {
    MidiSplitter splitter;
    std::vector<Bytes> out;
    for (const Bytes& piece : c.pieces) splitter.feed(piece, [&](Bytes m) { out.push_back(m); });
    EXPECT_EQ(out, c.messages) << c.name;
  }
}

}  // namespace
}  // namespace quavix

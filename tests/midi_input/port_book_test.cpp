#include "platform/midi_input/port_book.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/midi_input/midi_splitter.h"

namespace quavix {
namespace {

// A port list that records what is listened to; "bad:out" refuses.
struct FakePorts : MidiPorts {
  struct Link : MidiLink {
    Link(FakePorts& ports, int id) : ports(ports), id(id) {}
    ~Link() override { ports.open.erase(id); }
    FakePorts& ports;
    int id;
  };

  std::vector<std::string> found;
  std::map<int, std::string> open;  // id: port name, "" for the game's own

  std::vector<std::string> list() override { return found; }
  std::unique_ptr<MidiLink> listen(const std::optional<std::string>& source, int id) override {
    if (source == "bad:out") return nullptr;
    open[id] = source.value_or("");
    return std::make_unique<Link>(*this, id);
  }
  bool gone() const override { return false; }
};

// Every source is connected but the game's own ports and the pass-through, and kept; what goes
// or is switched off is let go of (the own port stays open, unlistened); plugged in or switched
// on again, a port is a new source, and only then is a refusing one tried again.
TEST(MidiPortBook, ConnectsKeepsAndLetsGoOfPortsStepByStep) {
  const MidiSource own{1, "Quavix", true, true}, ownOff{1, "Quavix", false, true};
  const std::vector<std::string> all{"keys 20:0", "Quavix:Quavix 128:0",
                                     "Midi Through:Midi Through Port-0 14:0", "piano:out",
                                     "bad:out"};
  const std::vector<std::string> replugged{"keys 24:0", "piano:out", "bad:out"};
  const struct {
    std::vector<std::string> found, off;
    std::vector<MidiSource> sources;
    std::map<int, std::string> open;
  } steps[] = {
      // clang-format off
      {all, {}, {own, {2, "keys", true}, {3, "piano:out", true}, {4, "bad:out"}}, {{1, ""}, {2, "keys 20:0"}, {3, "piano:out"}}},
      {all, {}, {own, {2, "keys", true}, {3, "piano:out", true}, {4, "bad:out"}}, {{1, ""}, {2, "keys 20:0"}, {3, "piano:out"}}},
      {all, {"piano:out", "Quavix"}, {ownOff, {2, "keys", true}, {3, "piano:out"}, {4, "bad:out"}}, {{1, ""}, {2, "keys 20:0"}}},
      {{"piano:out"}, {}, {own, {5, "piano:out", true}}, {{1, ""}, {5, "piano:out"}}},
      {replugged, {"keys"}, {own, {5, "piano:out", true}, {0, "keys"}, {6, "bad:out"}}, {{1, ""}, {5, "piano:out"}}},
      {replugged, {"keys", "bad:out"}, {own, {5, "piano:out", true}, {0, "keys"}, {6, "bad:out"}}, {{1, ""}, {5, "piano:out"}}},
      {replugged, {}, {own, {5, "piano:out", true}, {7, "keys", true}, {8, "bad:out"}}, {{1, ""}, {5, "piano:out"}, {7, "keys 24:0"}}},
      // clang-format on
  };
  FakePorts ports;
  MidiPortBook book{"Quavix"};
  for (size_t i = 0; i < std::size(steps); ++i) {
    ports.found = steps[i].found;
    book.refresh(ports, steps[i].off);
    EXPECT_EQ(book.sources(), steps[i].sources) << "step " << i;
    EXPECT_EQ(ports.open, steps[i].open) << "step " << i;
  }
}

using Bytes = std::vector<uint8_t>;

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
      {"a SysEx too long to keep is dropped", {{0xF0}, Bytes(70000, 1), {0xF7, 0x90, 60, 100}}, {{0x90, 60, 100}}},
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

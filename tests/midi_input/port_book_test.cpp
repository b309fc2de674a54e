#include "platform/midi_input/port_book.h"

#include <gtest/gtest.h>

#include <map>

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
  int attempts = 0;

  std::vector<std::string> list() override { return found; }
  std::unique_ptr<MidiLink> listen(const std::optional<std::string>& source, int id) override {
    ++attempts;
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
    int attempts;
  } steps[] = {
      // clang-format off
      {all, {}, {own, {2, "keys", true}, {3, "piano:out", true}, {4, "bad:out"}}, {{1, ""}, {2, "keys 20:0"}, {3, "piano:out"}}, 4},
      {all, {}, {own, {2, "keys", true}, {3, "piano:out", true}, {4, "bad:out"}}, {{1, ""}, {2, "keys 20:0"}, {3, "piano:out"}}, 4},
      {all, {"piano:out", "Quavix"}, {ownOff, {2, "keys", true}, {3, "piano:out"}, {4, "bad:out"}}, {{1, ""}, {2, "keys 20:0"}}, 4},
      {{"piano:out"}, {}, {own, {5, "piano:out", true}}, {{1, ""}, {5, "piano:out"}}, 5},
      {replugged, {"keys"}, {own, {5, "piano:out", true}, {0, "keys"}, {6, "bad:out"}}, {{1, ""}, {5, "piano:out"}}, 6},
      {replugged, {"keys", "bad:out"}, {own, {5, "piano:out", true}, {0, "keys"}, {6, "bad:out"}}, {{1, ""}, {5, "piano:out"}}, 6},
      {replugged, {}, {own, {5, "piano:out", true}, {7, "keys", true}, {8, "bad:out"}}, {{1, ""}, {5, "piano:out"}, {7, "keys 24:0"}}, 8},
      // clang-format on
  };
  FakePorts ports;
  MidiPortBook book{"Quavix"};
  for (size_t i = 0; i < std::size(steps); ++i) {
    ports.found = steps[i].found;
    book.refresh(ports, steps[i].off);
    EXPECT_EQ(book.sources(), steps[i].sources) << "step " << i;
    EXPECT_EQ(ports.open, steps[i].open) << "step " << i;
    EXPECT_EQ(ports.attempts, steps[i].attempts) << "step " << i;
  }
}

}  // namespace
}  // namespace quavix

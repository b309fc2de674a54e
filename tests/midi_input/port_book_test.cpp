#include "platform/midi_input/port_book.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace quavix {
namespace {

// A port list that records what is listened to; a port in `refusing` refuses.
struct FakePorts : MidiPorts {
  struct Link : MidiLink {
    Link(FakePorts& ports, int id) : ports(ports), id(id) {}
    ~Link() override { ports.open.erase(id); }
    FakePorts& ports;
    int id;
  };

  std::vector<std::string> found;
  std::set<std::string> refusing;
  std::map<int, std::string> open;  // id: port name, "" for the game's own
  int attempts = 0;

  std::vector<std::string> list() override { return found; }
  std::unique_ptr<MidiLink> listen(const std::optional<std::string>& source, int id) override {
    ++attempts;
    if (source && refusing.contains(*source)) return nullptr;
    open[id] = source.value_or("");
    return std::make_unique<Link>(*this, id);
  }
  bool gone() const override { return false; }
};

class MidiPortBookTest : public testing::Test {
 protected:
  std::vector<MidiSource> refresh(std::vector<std::string> found,
                                  const std::vector<std::string>& off = {}) {
    ports.found = std::move(found);
    book.refresh(ports, off);
    return book.sources();
  }

  FakePorts ports;
  MidiPortBook book{"Quavix"};
};

TEST_F(MidiPortBookTest, ConnectsEverySourceButOwnAndPassThroughAndKeepsThem) {
  const std::vector<std::string> found{"keys:keys out 20:0", "Quavix:Quavix 128:0",
                                       "Midi Through:Midi Through Port-0 14:0", "piano:out"};
  const std::vector<MidiSource> listed{
      {1, "Quavix", true, true}, {2, "keys:keys out", true}, {3, "piano:out", true}};
  EXPECT_EQ(refresh(found), listed);
  EXPECT_EQ(refresh(found), listed);
  EXPECT_EQ(ports.open,
            (std::map<int, std::string>{{1, ""}, {2, "keys:keys out 20:0"}, {3, "piano:out"}}));
  EXPECT_EQ(ports.attempts, 3);
}

TEST_F(MidiPortBookTest, LetsGoOfWhatGoesOrIsSwitchedOffAndTakesReplugsAsNewSources) {
  refresh({"keys 20:0", "piano:out"});
  // Switched off: let go of, still listed; our own port stays open, unlistened.
  EXPECT_EQ(
      refresh({"keys 20:0", "piano:out"}, {"piano:out", "Quavix"}),
      (std::vector<MidiSource>{{1, "Quavix", false, true}, {2, "keys", true}, {3, "piano:out"}}));
  EXPECT_EQ(ports.open, (std::map<int, std::string>{{1, ""}, {2, "keys 20:0"}}));
  // Gone, and plugged in again under new numbers; switched on again.
  EXPECT_EQ(refresh({"piano:out"}),
            (std::vector<MidiSource>{{1, "Quavix", true, true}, {4, "piano:out", true}}));
  EXPECT_EQ(
      refresh({"keys 24:0", "piano:out"}, {"keys"}),
      (std::vector<MidiSource>{{1, "Quavix", true, true}, {4, "piano:out", true}, {0, "keys"}}));
  refresh({"keys 24:0", "piano:out"});
  EXPECT_EQ(ports.open, (std::map<int, std::string>{{1, ""}, {4, "piano:out"}, {5, "keys 24:0"}}));
}

TEST_F(MidiPortBookTest, ARefusingPortIsTriedAgainOnlyWhenPluggedOrSwitchedOnAgain) {
  ports.refusing = {"keys:out"};
  EXPECT_EQ(refresh({"keys:out"}),
            (std::vector<MidiSource>{{1, "Quavix", true, true}, {2, "keys:out", false}}));
  refresh({"keys:out"});
  EXPECT_EQ(ports.attempts, 2);
  refresh({});
  refresh({"keys:out"});
  EXPECT_EQ(ports.attempts, 3);
  refresh({"keys:out"}, {"keys:out"});
  ports.refusing.clear();
  EXPECT_EQ(refresh({"keys:out"}),
            (std::vector<MidiSource>{{1, "Quavix", true, true}, {4, "keys:out", true}}));
}

}  // namespace
}  // namespace quavix

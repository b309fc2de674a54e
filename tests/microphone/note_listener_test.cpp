#include "platform/microphone/note_listener.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <vector>

#include "tests/sound/sound_test_support.h"

namespace quavix {
namespace {

constexpr int kRate = 44100;  // what the game asks the capture for; a device may give 48 kHz
constexpr float kNoteRms = 0.1f, kNoiseRms = kNoteRms / 10;  // 20 dB signal to noise

struct Played {
  int note;
  double start, end;  // seconds into its phrase
};
struct Phrase {
  int program;  // General MIDI
  std::vector<Played> notes;
};

// Single notes across each instrument's sounding range, then repeated notes, legato changes
// and held notes.
std::vector<Phrase> phrases() {
  const std::pair<int, std::vector<int>> ranges[] = {
      {0, {33, 41, 48, 55, 62, 69, 76, 84, 88}},  // piano
      {40, {55, 62, 69, 76, 83, 88}},             // violin
      {73, {60, 67, 74, 81, 88}},                 // flute
      {71, {50, 57, 64, 71, 78, 84}},             // clarinet
      {56, {52, 58, 65, 72, 79}},                 // trumpet
      {24, {40, 45, 52, 59, 64, 71, 76}},         // guitar
      {52, {48, 55, 60, 67, 72}}};                // voices, "aah"
  std::vector<Phrase> table;
  for (const auto& [program, notes] : ranges)
    for (const int note : notes) table.push_back({program, {{note, 0, 0.6}}});
  table.push_back({0, {{60, 0, 0.4}, {60, 0.4, 0.8}, {60, 0.8, 1.2}}});
  table.push_back({24, {{52, 0, 0.4}, {52, 0.4, 0.8}}});
  table.push_back({40, {{67, 0, 0.35}, {69, 0.35, 0.7}, {71, 0.7, 1.05}}});
  table.push_back({73, {{72, 0, 0.4}, {74, 0.4, 0.8}}});
  table.push_back({52, {{60, 0, 2.5}}});
  table.push_back({71, {{62, 0, 2.5}}});
  return table;
}

struct Expected {
  int note;
  int64_t start, end;  // frames
  int64_t onset;       // where the note first rises above the room's noise
};

// Where a note rendered alone first rises above the room's noise, scaled as its phrase is: a
// sample's silent lead-in and a legato note still hidden under the one before are no part of
// the answer's delay.
int64_t onsetAfterNoteOn(fluid_synth_t* solo, const Played& played, int program, float gain,
                         int rate) {
  fluid_synth_program_change(solo, 0, program);
  fluid_synth_noteon(solo, 0, played.note, 100);
  constexpr int kBlock = 64;
  float left[kBlock], right[kBlock];
  int64_t frames = 0;
  for (double power = 0; frames < rate / 2 && std::sqrt(power / kBlock) * gain < kNoiseRms;
       frames += kBlock) {
    fluid_synth_write_float(solo, kBlock, left, 0, 1, right, 0, 1);
    power = 0;
    for (int i = 0; i < kBlock; ++i) power += std::pow(left[i] + right[i], 2);
  }
  fluid_synth_all_sounds_off(solo, -1);
  return frames - kBlock;
}

// Renders the phrases one after the other, each at the same loudness, after a second and a half
// of the room alone, and adds the room's noise.
std::vector<float> render(const std::vector<Phrase>& table, std::vector<Expected>& expected,
                          int rate = kRate) {
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", rate);
  fluid_synth_t* synth = new_fluid_synth(settings);
  fluid_synth_t* solo = new_fluid_synth(settings);
  EXPECT_NE(fluid_synth_sfload(synth, test::kTimGM6mb, 1), FLUID_FAILED);
  EXPECT_NE(fluid_synth_sfload(solo, test::kTimGM6mb, 1), FLUID_FAILED);
  std::vector<float> signal(size_t(1.5 * rate), 0.0f);
  for (const Phrase& phrase : table) {
    fluid_synth_program_change(synth, 0, phrase.program);
    std::vector<float> left, right;
    const auto renderTo = [&](double seconds) {
      const size_t frames = size_t(seconds * rate) - left.size();
      left.resize(left.size() + frames), right.resize(right.size() + frames);
      fluid_synth_write_float(synth, int(frames), left.data() + left.size() - frames, 0, 1,
                              right.data() + right.size() - frames, 0, 1);
    };
    for (const Played& played : phrase.notes) {
      renderTo(played.start);
      fluid_synth_noteon(synth, 0, played.note, 100);
      renderTo(played.end);
      fluid_synth_noteoff(synth, 0, played.note);
    }
    const size_t sounding = left.size();
    renderTo(phrase.notes.back().end + 0.35);
    fluid_synth_all_sounds_off(synth, -1);
    double power = 0;
    for (size_t i = 0; i < sounding; ++i) power += std::pow(left[i] + right[i], 2);
    const float gain = kNoteRms / float(std::sqrt(power / sounding));
    for (const Played& played : phrase.notes) {
      const auto start = int64_t(signal.size() + played.start * rate);
      expected.push_back({played.note, start, int64_t(signal.size() + played.end * rate),
                          start + onsetAfterNoteOn(solo, played, phrase.program, gain, rate)});
    }
    for (size_t i = 0; i < left.size(); ++i) signal.push_back((left[i] + right[i]) * gain);
  }
  delete_fluid_synth(solo);
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return signal;
}

// A room's noise: more rumble than hiss, as a fan and traffic make.
void addRoomNoise(std::vector<float>& signal) {
  std::mt19937 random(7);
  std::normal_distribution<float> white;
  float rumble = 0;
  std::vector<float> noise(signal.size());
  double power = 0;
  for (float& n : noise) {
    rumble = 0.97f * rumble + 0.03f * white(random);
    n = 5 * rumble + 0.3f * white(random);
    power += n * n;
  }
  const float gain = kNoiseRms / float(std::sqrt(power / noise.size()));
  for (size_t i = 0; i < signal.size(); ++i) signal[i] += noise[i] * gain;
}

struct Press {
  int note;
  int64_t frame;
};

// The presses heard, deaf from frame `deafFrom` to `deafTo`.
std::vector<Press> listen(const std::vector<float>& signal, int rate = kRate, size_t deafFrom = 0,
                          size_t deafTo = 0) {
  std::vector<Press> presses;
  NoteListener listener(rate, [&](std::optional<int> note, int64_t frame) {
    if (note) presses.push_back({*note, frame});
  });
  // In the capture's blocks.
  for (size_t at = 0; at < signal.size(); at += 256) {
    listener.setDeaf(at >= deafFrom && at < deafTo);
    listener.feed(std::span(signal).subspan(at, std::min<size_t>(256, signal.size() - at)));
  }
  return presses;
}

// Each note is heard once, at its pitch, soon after its onset; nothing else is heard but for
// rare slips, and octave slips rarer still. Prints the onset-to-press figures, at the rate the
// game asks for first.
TEST(NoteListener, HearsRenderedInstrumentsInARoomsNoise) {
  for (const int rate : {kRate, 48000}) {
    std::vector<Expected> expected;
    std::vector<float> signal = render(phrases(), expected, rate);
    addRoomNoise(signal);
    std::vector<double> latencies;
    int octaveSlips = 0, strays = 0;
    for (const Press& press : listen(signal, rate)) {
      const auto sounding = std::find_if(expected.begin(), expected.end(), [&](const Expected& e) {
        return press.frame > e.start && press.frame <= e.end + rate / 10;
      });
      if (sounding != expected.end() && sounding->note == press.note &&
          press.frame - sounding->onset < rate / 4) {
        latencies.push_back(1000.0 * double(press.frame - sounding->onset) / rate);
      } else if (sounding != expected.end() && (press.note - sounding->note) % 12 == 0) {
        ++octaveSlips;
      } else {
        ++strays;
      }
      if (sounding != expected.end()) sounding->start = INT64_MAX / 2;  // heard once at most
    }
    const auto notes = double(expected.size());
    EXPECT_GE(latencies.size(), 0.97 * notes) << rate;
    EXPECT_LE(octaveSlips, 0.01 * notes) << rate;
    EXPECT_LE(strays, 0.01 * notes) << rate;
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty())
      std::printf("microphone-latency-ms median %.1f worst %.1f over %zu of %zu notes at %d Hz\n",
                  latencies[latencies.size() / 2], latencies.back(), latencies.size(),
                  expected.size(), rate);
    std::vector<float> roomAlone(10 * size_t(rate));
    addRoomNoise(roomAlone);
    EXPECT_TRUE(listen(roomAlone, rate).empty()) << rate;
  }
}

// While the game's own sound plays, nothing is heard; a note held through it is not pressed again
// after it, a note begun after it is.
TEST(NoteListener, ANoteHeldThroughDeafnessIsPressedOnce) {
  std::vector<Expected> expected;
  std::vector<float> signal = render({{71, {{62, 0, 2.5}}}, {0, {{60, 0, 0.6}}}}, expected);
  addRoomNoise(signal);
  const auto deafFrom = size_t(expected[0].start + kRate), deafTo = deafFrom + kRate / 3;
  std::vector<int> heard;
  for (const Press& press : listen(signal, kRate, deafFrom, deafTo)) {
    EXPECT_FALSE(press.frame > int64_t(deafFrom) && press.frame <= int64_t(deafTo));
    heard.push_back(press.note);
  }
  EXPECT_EQ(heard, (std::vector<int>{62, 60}));
}

// A dying note that sinks under the gate and swells back over it, as its partials beat, is not
// pressed again; a note that comes back softly after a pause is.
TEST(NoteListener, ANoteBackOverTheGateIsPressedAgainOnlyAfterAPause) {
  for (const auto& [pause, presses] : {std::pair{0.15, 1u}, {0.45, 2u}}) {
    std::vector<float> signal(size_t((2.5 + pause) * kRate));
    for (size_t i = size_t(1.5 * kRate); i < signal.size(); ++i) {
      const double t = double(i) / kRate - 1.5;
      // Down 16 dB in 50 ms, and after the pause back up to -4 dB in 100 ms.
      const double db = t < 0.5 ? 0
                                : std::max(-16 * (t - 0.5) / 0.05, -16.0) +
                                      std::clamp((t - 0.5 - pause) * 120, 0.0, 12.0);
      signal[i] = float(kNoteRms * std::sqrt(2) * std::pow(10, db / 20) *
                        std::sin(2 * std::numbers::pi * 440 * t));
    }
    addRoomNoise(signal);
    EXPECT_EQ(listen(signal).size(), presses) << pause;
  }
}

}  // namespace
}  // namespace quavix

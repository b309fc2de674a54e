#pragma once

#include <aubio/aubio.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace quavix {

// Hears notes in a mono signal. A note that sounds steadily for a short while is heard from then
// on, until it stops or another note takes its place; the same note attacked again is heard
// anew. Nothing quieter than the room's own level above a margin is heard: that level is learnt
// in the first second and then from the pauses between notes. A jump of whole octaves without a
// new attack is taken for the pitch tracker's slip, not for a new note.
class NoteListener {
 public:
  // A change of what is heard: the MIDI note that sounds, or none. `frame` counts the samples
  // fed so far.
  using Heard = std::function<void(std::optional<int> note, int64_t frame)>;

  NoteListener(int sampleRate, Heard heard);
  ~NoteListener();
  NoteListener(const NoteListener&) = delete;
  NoteListener& operator=(const NoteListener&) = delete;

  void feed(std::span<const float> samples);
  // While the game's own sound may reach the microphone: hear nothing and learn nothing.
  void setDeaf(bool deaf) { deaf_ = deaf; }

 private:
  // The pitch of the newest sound, from the shortest window that can tell it.
  struct Pitch {
    float note = 0;
    float confidence = 0;     // how well the newest sound keeps this pitch
    bool clear = false;       // a note may be taken from it
    bool windowLoud = false;  // its window holds mostly loud sound
  };
  struct Window {
    aubio_pitch_t* pitch;
    unsigned length;
    float lowestNote;  // the lowest whose octave below fits the window too
    int loudHops;      // for the window to hold mostly loud sound
  };
  static constexpr unsigned kHop = 128;
  // Short windows follow a note's start closely; the longest holds two periods of the lowest.
  static constexpr std::array<unsigned, 3> kPitchWindows{256, 512, 1024};
  static constexpr unsigned kLongestWindow = kPitchWindows.back();

  void analyseHop();
  Pitch pitch();
  void noticeAttack(bool onset, float level, float confidence);
  void followSteadiness(std::optional<int> candidate, float note);
  void learnRoom(float level);
  void hear(std::optional<int> note);

  const int step_;        // input samples per analysed sample
  const int sampleRate_;  // analysed
  float before_ = 0, last_ = 0;
  bool odd_ = false;
  Heard heard_;
  std::array<Window, kPitchWindows.size()> windows_;
  aubio_onset_t* onset_;
  fvec_t* result_;
  std::array<float, kLongestWindow> recent_{};  // analysed samples, the newest hop last
  unsigned filled_ = 0;
  int64_t frame_ = 0;
  bool deaf_ = false;

  std::vector<float> firstSecond_;  // hop levels, until the room's level is known
  std::optional<float> roomLevel_;  // dB
  std::optional<int> candidate_;
  int steadyHops_ = 0;
  float bandLow_ = 0, bandHigh_ = 0;  // the steady pitch's span so far
  int attackHops_ = 0;                // left to judge the last onset
  float attackRise_ = 0, toneConfidence_ = 0, attackConfidence_ = 1;
  std::array<float, 8> recentConfidences_{};
  float lastConfidence_ = 0;
  int quietHops_ = 0;
  int loudHops_ = 0;
  std::array<float, 8> recentLevels_{};
  std::optional<int> held_;
  std::optional<int> lostNote_;
  int64_t pressedAt_ = 0;
  bool attacked_ = false;  // an onset came after the held note's own
};

}  // namespace quavix

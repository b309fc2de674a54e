#include "platform/microphone/note_listener.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quavix {

namespace {

// Analysed at about 22 kHz: the highest fundamental heard is 2.6 kHz, and half the rate halves
// the cost of every hop.
constexpr int kHighestAnalysedRate = 24000;
constexpr unsigned kHop = 128;
// Two periods of the lowest note.
constexpr unsigned kPitchWindow = 1024;
constexpr unsigned kOnsetWindow = 512;
// How far above the room's level a note must be.
constexpr float kGateDb = 10.0f;
// The share of the way the room's level moves towards a pause's level in one hop: about two
// seconds to follow a change.
constexpr float kRoomFollow = 0.003f;
constexpr float kMinConfidence = 0.8f;
constexpr int kLowestNote = 28, kHighestNote = 100;
// A pitch is taken only once it has held this long within a narrow band: a scoop up to the note
// and the tracker's octave slips while the attack fills the pitch window both drift or jump.
constexpr int kSteadyHops = 5;
constexpr float kSteadyBand = 0.2f;
// Until the pitch window holds mostly the new sound, its pitch may be an octave off.
constexpr int kLoudHops = 6;
// A held note goes on through the wavering of a voice, a bow or a chorus.
constexpr float kHeldConfidence = 0.5f, kHeldWaver = 0.7f;
constexpr float kInTune = 0.35f;
constexpr int kReleaseHops = 12;
// An onset is an attack only when the level leaps or the tone's periodicity breaks, as a new
// stroke, pluck or tongued note does; a chorus's beating swells by 10 dB and keeps its tone.
constexpr float kAttackRiseDb = 15.0f;
constexpr float kBrokenConfidence = 0.12f;  // the fall from the tone's confidence before
constexpr int kAttackHops = 4;
// An onset this soon after a press is that note's own attack.
constexpr double kOwnAttackSeconds = 0.12;

float levelDb(const float* samples, unsigned count) {
  double sum = 0;
  for (unsigned i = 0; i < count; ++i) sum += double(samples[i]) * samples[i];
  return float(10.0 * std::log10(sum / count + 1e-12));
}

}  // namespace

NoteListener::NoteListener(int sampleRate, Heard heard)
    : step_(sampleRate > kHighestAnalysedRate ? 2 : 1),
      sampleRate_(sampleRate / step_),
      heard_(std::move(heard)),
      pitch_(new_aubio_pitch("yinfast", kPitchWindow, kHop, uint_t(sampleRate_))),
      onset_(new_aubio_onset("specdiff", kOnsetWindow, kHop, uint_t(sampleRate_))),
      hop_(new_fvec(kHop)),
      result_(new_fvec(1)) {
  aubio_pitch_set_unit(pitch_, "midi");
  // The gate below decides what is loud enough.
  aubio_pitch_set_silence(pitch_, -120);
  aubio_onset_set_minioi_s(onset_, 0.05f);
}

NoteListener::~NoteListener() {
  del_fvec(result_);
  del_fvec(hop_);
  del_aubio_onset(onset_);
  del_aubio_pitch(pitch_);
}

void NoteListener::feed(std::span<const float> samples) {
  for (const float sample : samples) {
    if (step_ == 2) {
      // A [1 2 1] low-pass before every other sample is dropped: nothing folds from the top
      // octave down onto the notes.
      const float smoothed = 0.25f * before_ + 0.5f * last_ + 0.25f * sample;
      before_ = last_, last_ = sample;
      if ((odd_ = !odd_)) continue;
      hop_->data[filled_++] = smoothed;
    } else {
      hop_->data[filled_++] = sample;
    }
    if (filled_ == kHop) {
      filled_ = 0;
      frame_ += kHop;
      analyseHop();
    }
  }
}

void NoteListener::analyseHop() {
  const float level = levelDb(hop_->data, kHop);
  aubio_pitch_do(pitch_, hop_, result_);
  const float note = result_->data[0];
  const float confidence = aubio_pitch_get_confidence(pitch_);
  aubio_onset_do(onset_, hop_, result_);
  const bool onset = result_->data[0] > 0;
  if (deaf_) {
    // A note that outlasts the deafness is the one already heard, not a new attack.
    if (held_) lostNote_ = held_;
    hear(std::nullopt);
    candidate_.reset();
    steadyHops_ = 0;
    return;
  }
  if (!roomLevel_) return learnRoom(level);

  const bool loud = level > *roomLevel_ + kGateDb;
  loudHops_ = loud ? loudHops_ + 1 : 0;
  noticeAttack(onset, level, confidence);
  std::optional<int> candidate;
  const float nearest = std::round(note);
  if (loud && confidence >= kMinConfidence && std::abs(note - nearest) <= kInTune &&
      nearest >= kLowestNote && nearest <= kHighestNote) {
    candidate = int(nearest);
  }
  followSteadiness(candidate, note);
  const bool goesOn = held_ && loud && confidence >= kHeldConfidence &&
                      std::abs(note - float(*held_)) <= kHeldWaver;
  quietHops_ = candidate || goesOn ? 0 : quietHops_ + 1;
  if (!loud) lostNote_.reset();

  if (!candidate) {
    if (!held_ && !loud) learnRoom(level);
    if (quietHops_ >= kReleaseHops && held_) {
      // Still loud: the tracker lost the note, which comes back only with a new attack.
      if (loud) lostNote_ = held_;
      hear(std::nullopt);
    }
    return;
  }
  if (steadyHops_ < kSteadyHops || loudHops_ < kLoudHops) return;
  if (!held_) {
    if (candidate != lostNote_ || attacked_) hear(candidate);
    return;
  }
  const int step = *candidate - *held_;
  if (attacked_ || (step % 12 != 0)) {
    if (step == 0) hear(std::nullopt);
    hear(candidate);
  }
}

void NoteListener::noticeAttack(bool onset, float level, float confidence) {
  const size_t hop = size_t(frame_ / kHop);
  if (onset) {
    attackHops_ = kAttackHops;
    attackRise_ = level - *std::min_element(recentLevels_.begin(), recentLevels_.end());
    toneConfidence_ = *std::max_element(recentConfidences_.begin(), recentConfidences_.end());
    attackConfidence_ = confidence;
  }
  recentLevels_[hop % recentLevels_.size()] = level;
  recentConfidences_[hop % recentConfidences_.size()] = confidence;
  if (attackHops_ == 0) return;
  --attackHops_;
  attackConfidence_ = std::min(attackConfidence_, confidence);
  if ((attackRise_ > kAttackRiseDb || toneConfidence_ - attackConfidence_ > kBrokenConfidence) &&
      frame_ - pressedAt_ > kOwnAttackSeconds * sampleRate_) {
    attacked_ = true;
    attackHops_ = 0;
  }
}

void NoteListener::followSteadiness(std::optional<int> candidate, float note) {
  if (!candidate || candidate != candidate_ ||
      std::max(bandHigh_, note) - std::min(bandLow_, note) > kSteadyBand) {
    steadyHops_ = 0;
    bandLow_ = bandHigh_ = note;
  }
  candidate_ = candidate;
  if (!candidate) return;
  ++steadyHops_;
  bandLow_ = std::min(bandLow_, note);
  bandHigh_ = std::max(bandHigh_, note);
}

void NoteListener::learnRoom(float level) {
  if (roomLevel_) {
    *roomLevel_ += (level - *roomLevel_) * kRoomFollow;
    return;
  }
  firstSecond_.push_back(level);
  if (firstSecond_.size() * kHop < unsigned(sampleRate_)) return;
  auto middle = firstSecond_.begin() + firstSecond_.size() / 2;
  std::nth_element(firstSecond_.begin(), middle, firstSecond_.end());
  roomLevel_ = *middle;
  firstSecond_ = {};
}

void NoteListener::hear(std::optional<int> note) {
  if (note == held_) return;
  held_ = note;
  attacked_ = false;
  pressedAt_ = frame_;
  heard_(note, frame_ * step_);
}

}  // namespace quavix

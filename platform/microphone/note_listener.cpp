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
constexpr int kSteadyHops = 4;
constexpr float kSteadyBand = 0.3f;
// Nor while the sound still swells this much over a few hops: an attack may sound another pitch
// than its note, as a flute's first breath sounds the octave below.
constexpr float kSwellDb = 6.0f;
constexpr size_t kSwellHops = 3;
// A window tells a note whose period is at most this share of it: two periods still fit it with
// room to compare, so an octave slip can be seen.
constexpr float kPeriodsShare = 1.0f / 3;
// A multiple of the period that repeats this much better, as a share of the sound's power and
// against the period's own misfit, is the note's own period.
constexpr float kSlipGain = 0.03f, kSlipRatio = 0.5f;
// A held note goes on through the wavering of a voice, a bow or a chorus.
constexpr float kHeldConfidence = 0.5f, kHeldWaver = 0.7f;
constexpr float kInTune = 0.35f;
constexpr int kReleaseHops = 12;
// A note that faded comes back without a new attack only after this long below the gate.
constexpr int kForgetHops = 43;
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

// How much `count` samples differ from those `lag` later, as a share of their power: near 0
// when the sound repeats after `lag`.
float misfit(const float* samples, unsigned count, float lag) {
  const auto whole = unsigned(lag);
  const float part = lag - float(whole);
  double difference = 0, power = 0;
  for (unsigned i = 0; i < count; ++i) {
    const float later = samples[i + whole] + part * (samples[i + whole + 1] - samples[i + whole]);
    difference += double(samples[i] - later) * (samples[i] - later);
    power += double(samples[i]) * samples[i] + double(later) * later;
  }
  return float(difference / (power + 1e-12));
}

// Yin takes the first period that repeats well enough; when the fundamental is weak, as in a
// sung vowel, two or three of them may repeat far better: the note is an octave, or an octave and
// a fifth, lower than yin says. Returns by how many semitones.
float slipAbove(const float* samples, unsigned length, float note, int sampleRate) {
  const float period = float(sampleRate) / (440 * std::exp2((note - 69) / 12));
  int slip = 1;
  float bestGain = kSlipGain;
  for (const int periods : {2, 3}) {
    const float lag = float(periods) * period;
    // Enough of the window left to compare.
    if (lag + 2 > float(length - length / 4)) break;
    const unsigned count = length - unsigned(lag) - 2;
    const float once = misfit(samples, count, period), more = misfit(samples, count, lag);
    if (once - more > bestGain && more < kSlipRatio * once) slip = periods, bestGain = once - more;
  }
  return 12 * std::log2(float(slip));
}

}  // namespace

NoteListener::NoteListener(int sampleRate, Heard heard)
    : step_(sampleRate > kHighestAnalysedRate ? 2 : 1),
      sampleRate_(sampleRate / step_),
      heard_(std::move(heard)),
      onset_(new_aubio_onset("specdiff", kOnsetWindow, kHop, uint_t(sampleRate_))),
      result_(new_fvec(1)) {
  for (size_t i = 0; i < windows_.size(); ++i) {
    const unsigned length = kPitchWindows[i];
    // Handed a whole window each time, so the hops that need no pitch cost nothing.
    aubio_pitch_t* pitch = new_aubio_pitch("yinfast", length, length, uint_t(sampleRate_));
    aubio_pitch_set_unit(pitch, "midi");
    // The gate below decides what is loud enough.
    aubio_pitch_set_silence(pitch, -120);
    const float lowestHz = float(sampleRate_) / (kPeriodsShare * float(length));
    // Until a window holds mostly the new sound, its pitch may be an octave off.
    windows_[i] = {pitch, length, 69 + 12 * std::log2(lowestHz / 440), int(length * 3 / 4 / kHop)};
  }
  aubio_onset_set_minioi_s(onset_, 0.05f);
}

NoteListener::~NoteListener() {
  del_fvec(result_);
  del_aubio_onset(onset_);
  for (const Window& window : windows_) del_aubio_pitch(window.pitch);
}

void NoteListener::feed(std::span<const float> samples) {
  for (const float sample : samples) {
    if (step_ == 2) {
      // A [1 2 1] low-pass before every other sample is dropped: nothing folds from the top
      // octave down onto the notes.
      const float smoothed = 0.25f * before_ + 0.5f * last_ + 0.25f * sample;
      before_ = last_, last_ = sample;
      if ((odd_ = !odd_)) continue;
      recent_[kLongestWindow - kHop + filled_++] = smoothed;
    } else {
      recent_[kLongestWindow - kHop + filled_++] = sample;
    }
    if (filled_ == kHop) {
      filled_ = 0;
      frame_ += kHop;
      analyseHop();
      std::copy(recent_.begin() + kHop, recent_.end(), recent_.begin());
    }
  }
}

void NoteListener::analyseHop() {
  fvec_t hop{kHop, recent_.end() - kHop};
  const float level = levelDb(hop.data, kHop);
  aubio_onset_do(onset_, &hop, result_);
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
  // Nothing below the gate is judged, so its pitch is not worth the work.
  const auto [note, confidence, clear, windowLoud] = loud ? pitch() : Pitch{};
  // A break in the tone counts when it lasts two hops: one is a short window's jitter.
  noticeAttack(onset, level, std::max(confidence, lastConfidence_));
  lastConfidence_ = confidence;
  std::optional<int> candidate;
  const float nearest = std::round(note);
  if (clear && std::abs(note - nearest) <= kInTune && nearest >= kLowestNote &&
      nearest <= kHighestNote) {
    candidate = int(nearest);
  }
  followSteadiness(candidate, note);
  const bool goesOn = held_ && loud && confidence >= kHeldConfidence &&
                      std::abs(note - float(*held_)) <= kHeldWaver;
  quietHops_ = candidate || goesOn ? 0 : quietHops_ + 1;
  if (!loud && quietHops_ >= kForgetHops) lostNote_.reset();

  if (!candidate) {
    if (!held_ && !loud) learnRoom(level);
    if (quietHops_ >= kReleaseHops && held_) {
      // Still loud, the tracker lost the note; or it faded, and a dying note swells over the
      // gate again as its partials beat. Either way it comes back only with a new attack.
      lostNote_ = held_;
      hear(std::nullopt);
    }
    return;
  }
  const size_t hops = size_t(frame_ / kHop);
  const bool swelling =
      level - recentLevels_[(hops - kSwellHops) % recentLevels_.size()] > kSwellDb;
  if (steadyHops_ < kSteadyHops || !windowLoud || swelling) return;
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

NoteListener::Pitch NoteListener::pitch() {
  Pitch heard;
  std::array<Pitch, kPitchWindows.size()> tried;
  size_t triedCount = 0;
  for (const Window& window : windows_) {
    fvec_t samples{window.length, recent_.end() - window.length};
    aubio_pitch_do(window.pitch, &samples, result_);
    heard = {result_->data[0], aubio_pitch_get_confidence(window.pitch), false,
             loudHops_ >= window.loudHops};
    tried[triedCount++] = heard;
    const bool longest = &window == &windows_.back();
    const bool fits = heard.note >= window.lowestNote;
    if (heard.confidence < kMinConfidence || !(fits || longest)) continue;
    if (fits) heard.note -= slipAbove(samples.data, window.length, heard.note, sampleRate_);
    heard.clear = true;
    break;
  }
  // Longer windows still hold older sound: a shorter one that hears about the same note, if
  // less surely, tells how the newest sound keeps the tone, and an attack breaks it there first.
  for (size_t i = 0; i + 1 < triedCount; ++i) {
    if (std::abs(tried[i].note - heard.note) <= kHeldWaver)
      heard.confidence = std::min(heard.confidence, tried[i].confidence);
  }
  return heard;
}

void NoteListener::noticeAttack(bool onset, float level, float confidence) {
  const size_t hop = size_t(frame_ / kHop);
  if (onset) {
    attackHops_ = kAttackHops;
    attackRise_ = level - *std::min_element(recentLevels_.begin(), recentLevels_.end());
    // Onsets are found a few hops late, so the break may lie just before: the tone is what
    // sounded before that.
    toneConfidence_ = 0, attackConfidence_ = confidence;
    for (int age = 1; age <= int(recentConfidences_.size()); ++age) {
      const float before = recentConfidences_[(hop - size_t(age)) % recentConfidences_.size()];
      if (age <= kAttackHops)
        attackConfidence_ = std::min(attackConfidence_, before);
      else
        toneConfidence_ = std::max(toneConfidence_, before);
    }
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
    // The held note again is heard only from what sounds after the attack.
    if (held_) steadyHops_ = 0;
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

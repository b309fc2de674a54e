#pragma once

#include <vector>

#include "sound/audio_engine.h"

namespace quavix::test {

// Mono sound at the output rate.
using Signal = std::vector<double>;

// Renders `seconds` of the engine's mix and folds it to mono.
Signal renderMono(AudioEngine& engine, double seconds);

// The part of `signal` from `from` to `to` seconds.
Signal slice(const Signal& signal, double from, double to);

// Amplitude of the component at `frequency` Hz, measured through a Hann window.
double toneAmplitude(const Signal& signal, double frequency);

// How much stronger the component at `frequency` is than those a semitone either side.
double semitoneContrast(const Signal& signal, double frequency);

double rms(const Signal& signal);
double peak(const Signal& signal);

// Seconds at which the loudness (RMS in 10 ms steps) rises through half its maximum, counting a
// new rise only after it has fallen below a tenth of the maximum.
std::vector<double> onsets(const Signal& signal);

// Seconds from the start to the last value above `threshold`.
double soundingLength(const Signal& signal, double threshold);

}  // namespace quavix::test

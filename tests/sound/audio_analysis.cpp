#include "audio_analysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quavix::test {

Signal renderMono(AudioEngine& engine, double seconds) {
  const int frames = static_cast<int>(seconds * kOutputRate);
  std::vector<float> stereo(static_cast<size_t>(frames) * kOutputChannels);
  engine.render(stereo.data(), frames);
  Signal mono(frames);
  for (int i = 0; i < frames; ++i) mono[i] = 0.5 * (stereo[2 * i] + stereo[2 * i + 1]);
  return mono;
}

Signal slice(const Signal& signal, double from, double to) {
  const auto index = [&](double seconds) {
    return std::clamp<size_t>(static_cast<size_t>(seconds * kOutputRate), 0, signal.size());
  };
  return Signal(signal.begin() + index(from), signal.begin() + index(to));
}

double toneAmplitude(const Signal& signal, double frequency) {
  const size_t n = signal.size();
  const double step = 2 * std::numbers::pi * frequency / kOutputRate;
  double re = 0, im = 0, windowSum = 0;
  for (size_t i = 0; i < n; ++i) {
    const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (n - 1));
    re += signal[i] * window * std::cos(step * i);
    im -= signal[i] * window * std::sin(step * i);
    windowSum += window;
  }
  return 2 * std::hypot(re, im) / windowSum;
}

double semitoneContrast(const Signal& signal, double frequency) {
  const double semitone = std::pow(2.0, 1.0 / 12);
  const double neighbours = std::max(toneAmplitude(signal, frequency / semitone),
                                     toneAmplitude(signal, frequency * semitone));
  return toneAmplitude(signal, frequency) / neighbours;
}

double rms(const Signal& signal) {
  double sum = 0;
  for (double x : signal) sum += x * x;
  return signal.empty() ? 0 : std::sqrt(sum / signal.size());
}

double peak(const Signal& signal) {
  double most = 0;
  for (double x : signal) most = std::max(most, std::abs(x));
  return most;
}

std::vector<double> onsets(const Signal& signal) {
  constexpr double kStep = 0.01;
  std::vector<double> loudness;
  for (double t = 0; t + kStep <= static_cast<double>(signal.size()) / kOutputRate; t += kStep) {
    loudness.push_back(rms(slice(signal, t, t + kStep)));
  }
  const double top = *std::max_element(loudness.begin(), loudness.end());
  std::vector<double> found;
  bool quiet = true;
  for (size_t i = 0; i < loudness.size(); ++i) {
    if (quiet && loudness[i] > 0.5 * top) {
      found.push_back(i * kStep);
      quiet = false;
    } else if (loudness[i] < 0.1 * top) {
      quiet = true;
    }
  }
  return found;
}

double soundingLength(const Signal& signal, double threshold) {
  for (size_t i = signal.size(); i > 0; --i) {
    if (std::abs(signal[i - 1]) > threshold) return static_cast<double>(i) / kOutputRate;
  }
  return 0;
}

}  // namespace quavix::test

// Reads a raw recording (s16le, stereo, 44100 Hz) and prints figures the end-to-end script checks.
//   audio_probe rms FILE           RMS level of the whole recording, 0..1
//   audio_probe tone FILE FREQ     where FREQ is loudest: its ratio to the semitones either side,
//                                  and how much of it is left in the last half second
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

// Power at `freq` of the samples from `begin`, `n` of them.
double goertzel(const std::vector<double>& x, size_t begin, size_t n, double freq) {
  const double c = 2 * std::cos(2 * std::numbers::pi * freq / 44100);
  double s1 = 0, s2 = 0;
  for (size_t i = begin; i < begin + n; ++i) s2 = std::exchange(s1, x[i] + c * s1 - s2);
  return s1 * s1 + s2 * s2 - c * s1 * s2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 2 ? argv[1] : "";
  if (mode != "rms" && (mode != "tone" || argc < 4)) {
    std::fprintf(stderr, "usage: audio_probe rms FILE | audio_probe tone FILE FREQ\n");
    return 2;
  }
  std::ifstream in(argv[2], std::ios::binary);
  std::vector<double> x;  // folded to mono
  for (int16_t lr[2]; in.read(reinterpret_cast<char*>(lr), sizeof lr);) {
    x.push_back((lr[0] + lr[1]) / 65536.0);
  }
  if (mode == "rms") {
    double sum = 0;
    for (double v : x) sum += v * v;
    return std::printf("%.6f\n", x.empty() ? 0.0 : std::sqrt(sum / x.size())) < 0;
  }
  const double f = std::stod(argv[3]), semitone = std::pow(2.0, 1.0 / 12);
  // Blocks of 100 ms, long enough to separate semitones at 55 Hz; the last half second.
  constexpr size_t block = 4410, tail = 22050;
  if (x.size() < block + tail) return std::printf("0 0 1\n") < 0;
  double peak = 0, peakRatio = 0, tailPower = 0;
  for (size_t b = 0; b + block <= x.size(); b += block / 2) {
    const double p = goertzel(x, b, block, f);
    if (p > peak) {
      peak = p;
      peakRatio =
          p / std::max(goertzel(x, b, block, f / semitone), goertzel(x, b, block, f * semitone));
    }
    if (b >= x.size() - tail) tailPower = std::max(tailPower, p);
  }
  std::printf("%.3g %.3g %.3g\n", peak, peakRatio, peak > 0 ? tailPower / peak : 1.0);
  return 0;
}

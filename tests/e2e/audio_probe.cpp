// Reads a raw recording (s16le, stereo, 44100 Hz) and prints figures the end-to-end script checks.
//   audio_probe rms FILE           RMS level of the whole recording, 0..1
//   audio_probe tone FILE FREQ     where FREQ is loudest: its ratio to the semitones either side,
//                                  and how much of it is left in the last half second
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr double kRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;

std::vector<double> readMono(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  std::vector<double> mono(bytes.size() / 4);
  for (size_t i = 0; i < mono.size(); ++i) {
    int16_t l, r;
    std::memcpy(&l, &bytes[4 * i], 2);
    std::memcpy(&r, &bytes[4 * i + 2], 2);
    mono[i] = (l + r) / 65536.0;
  }
  return mono;
}

double goertzel(const std::vector<double>& x, size_t begin, size_t n, double freq) {
  const double w = 2 * kPi * freq / kRate, c = 2 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (size_t i = begin; i < begin + n; ++i) {
    const double s = x[i] + c * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  return s1 * s1 + s2 * s2 - c * s1 * s2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: audio_probe rms FILE | audio_probe tone FILE FREQ\n");
    return 2;
  }
  const std::string mode = argv[1];
  const auto x = readMono(argv[2]);
  if (mode == "rms") {
    double sum = 0;
    for (double v : x) sum += v * v;
    std::printf("%.6f\n", x.empty() ? 0.0 : std::sqrt(sum / x.size()));
    return 0;
  }
  if (mode != "tone" || argc < 4) return 2;
  const double f = std::stod(argv[3]);
  const double lower = f * std::pow(2.0, -1.0 / 12), upper = f * std::pow(2.0, 1.0 / 12);
  const size_t block = 4410;  // 100 ms, long enough to separate semitones at 55 Hz
  const size_t tail = 22050;
  if (x.size() < block + tail) {
    std::printf("0 0 1\n");
    return 0;
  }
  double peak = 0, peakRatio = 0;
  for (size_t b = 0; b + block <= x.size(); b += block / 2) {
    const double p = goertzel(x, b, block, f);
    if (p > peak) {
      peak = p;
      peakRatio = p / std::max(goertzel(x, b, block, lower), goertzel(x, b, block, upper));
    }
  }
  double tailPower = 0;
  for (size_t b = x.size() - tail; b + block <= x.size(); b += block / 2)
    tailPower = std::max(tailPower, goertzel(x, b, block, f));
  std::printf("%.3g %.3g %.3g\n", peak, peakRatio, peak > 0 ? tailPower / peak : 1.0);
  return 0;
}

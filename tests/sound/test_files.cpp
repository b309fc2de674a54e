#include "test_files.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <numbers>

namespace quavix::test {

namespace {

void put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

void putBig(std::string& out, uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
    out += static_cast<char>((value >> shift) & 0xFF);
  }
}

int bytesPerSample(WavFormat format) {
  switch (format) {
    case WavFormat::u8:
      return 1;
    case WavFormat::s16:
      return 2;
    default:
      return 4;
  }
}

std::string riffWav(int rate, int channels, WavFormat format, const std::string& data,
                    unsigned dataBytes) {
  const int width = bytesPerSample(format);
  std::string out = "RIFF";
  put32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  put32(out, 16);
  put16(out, format == WavFormat::f32 ? 3 : 1);
  put16(out, channels);
  put32(out, rate);
  put32(out, rate * channels * width);
  put16(out, channels * width);
  put16(out, 8 * width);
  out += "data";
  put32(out, dataBytes);
  return out + data;
}

}  // namespace

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quavix-sound-XXXXXX").string();
  path_ = ::mkdtemp(pattern.data());
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

std::string toneWav(int rate, int channels, WavFormat format, double frequency, double seconds) {
  std::string data;
  const int frames = static_cast<int>(seconds * rate);
  for (int i = 0; i < frames; ++i) {
    const double x = 0.5 * std::sin(2 * std::numbers::pi * frequency * i / rate);
    for (int c = 0; c < channels; ++c) {
      switch (format) {
        case WavFormat::u8:
          data += static_cast<char>(static_cast<uint8_t>(std::lround(128 + 127 * x)));
          break;
        case WavFormat::s16:
          put16(data, static_cast<uint16_t>(static_cast<int16_t>(std::lround(32767 * x))));
          break;
        case WavFormat::s32:
          put32(data, static_cast<uint32_t>(static_cast<int32_t>(std::lround(2147483647.0 * x))));
          break;
        case WavFormat::f32: {
          const float f = static_cast<float>(x);
          uint32_t bits;
          std::memcpy(&bits, &f, sizeof bits);
          put32(data, bits);
          break;
        }
      }
    }
  }
  return riffWav(rate, channels, format, data, static_cast<unsigned>(data.size()));
}

std::string wavHeader(unsigned dataBytes) {
  return riffWav(22050, 1, WavFormat::s16, "", dataBytes);
}

std::string oneNoteMidi(int key, double noteSeconds, double lengthSeconds) {
  constexpr int kDivision = 480;  // ticks a beat; 120 beats a minute by default
  const auto ticks = [](double seconds) { return static_cast<uint32_t>(seconds * 2 * kDivision); };
  const auto delta = [](std::string& out, uint32_t value) {  // variable-length quantity
    std::string bytes(1, static_cast<char>(value & 0x7F));
    for (value >>= 7; value != 0; value >>= 7)
      bytes.insert(0, 1, static_cast<char>(0x80 | (value & 0x7F)));
    out += bytes;
  };
  std::string track;
  delta(track, 0);
  track += {'\x90', static_cast<char>(key), '\x64'};
  delta(track, ticks(noteSeconds));
  track += {'\x80', static_cast<char>(key), '\x00'};
  delta(track, ticks(lengthSeconds) - ticks(noteSeconds));
  track += {'\xFF', '\x2F', '\x00'};
  std::string out = "MThd";
  putBig(out, 6, 4);
  putBig(out, 0, 2);
  putBig(out, 1, 2);
  putBig(out, kDivision, 2);
  out += "MTrk";
  putBig(out, static_cast<uint32_t>(track.size()), 4);
  return out + track;
}

ScopedEnv::ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  if (value) {
    ::setenv(name, value->c_str(), 1);
  } else {
    ::unsetenv(name);
  }
}

ScopedEnv::~ScopedEnv() {
  if (old_) {
    ::setenv(name_.c_str(), old_->c_str(), 1);
  } else {
    ::unsetenv(name_.c_str());
  }
}

int lineCount(std::string_view text) {
  int lines = 0;
  for (char c : text) lines += c == '\n';
  return lines + (!text.empty() && text.back() != '\n');
}

}  // namespace quavix::test

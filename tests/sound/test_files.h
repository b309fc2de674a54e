#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quavix::test {

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& path, std::string_view bytes);

enum class WavFormat { u8, s16, s32, f32 };

// A WAV file holding a sine tone at half of full scale, the same in every channel.
std::string toneWav(int rate, int channels, WavFormat format, double frequency, double seconds);

// A WAV file whose header promises `dataBytes` of 16-bit mono sound at 22050 Hz, without them.
std::string wavHeader(unsigned dataBytes);

// A Standard MIDI File at 120 beats a minute: one note of `key` on channel 1 from its start for
// `noteSeconds`, and its end of track at `lengthSeconds`.
std::string oneNoteMidi(int key, double noteSeconds, double lengthSeconds);

// Sets (or, with nullopt, removes) an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// Lines of text, counting a last line without its newline.
int lineCount(std::string_view text);

}  // namespace quavix::test

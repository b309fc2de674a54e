#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "platform/sound/sound_services.h"

namespace quavix {
namespace {

long residentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// What the sound costs the window's start-up: the SoundFont loaded for the keyboard, the device
// opened and the tune set up on its own synthesiser. QUAVIX_SOUNDFONT picks the SoundFont, e.g.
// the 148 MB FluidR3_GM.sf2. resident_MB is the most memory the sound held above the start.
void BM_SoundStartUp(benchmark::State& state) {
  const long before = residentKilobytes();
  long most = 0;
  for (auto _ : state) {
    SoundServices services(AudioEngine::Output::caller);
    uint32_t handle = 0;
    services.midi().midiOutOpen(&handle, 0);
    if (!services.sound().setUpAudio()) state.SkipWithError("no tune");
    most = std::max(most, residentKilobytes() - before);
  }
  state.counters["resident_MB"] = static_cast<double>(most) / 1024;
}
BENCHMARK(BM_SoundStartUp)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace quavix

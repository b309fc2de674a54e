#include <benchmark/benchmark.h>

#include <vector>

#include "core/midi_words.h"
#include "core/note_model.h"
#include "platform/sound/sound_services.h"

namespace quavix {
namespace {

// A note-name sample read, converted and started, as in a key press handler.
void BM_PlayNoteSample(benchmark::State& state) {
  SoundServices services(AudioEngine::Output::caller);
  for (auto _ : state) benchmark::DoNotOptimize(services.sound().playNoteSample("2.wav"));
}
BENCHMARK(BM_PlayNoteSample)->Unit(benchmark::kMicrosecond);

// One device buffer of the mix with the tune, a held key and a sample: it must take well under
// the buffer's own 5.3 ms.
void BM_MixDeviceBuffer(benchmark::State& state) {
  SoundServices services(AudioEngine::Output::caller);
  uint32_t handle = 0;
  services.midi().midiOutOpen(&handle, 0);
  services.sound().setUpAudio();
  std::vector<float> buffer(kDeviceBufferFrames * kOutputChannels);
  int buffers = 0;
  for (auto _ : state) {
    if (buffers++ % 100 == 0) {
      services.midi().midiOutShortMsg(handle, noteOnWord(kWhiteKeyOffsets[buffers % 33]));
      services.sound().playNoteSample("2.wav");
    }
    services.engine().render(buffer.data(), kDeviceBufferFrames);
    benchmark::DoNotOptimize(buffer.data());
  }
}
BENCHMARK(BM_MixDeviceBuffer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quavix

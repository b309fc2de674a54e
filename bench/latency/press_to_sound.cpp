// Press-to-sound on the default sound output: from a key's note-on to the end of the first audio
// callback whose frames carry the note, plus the length of that callback's buffer, which is how
// long those frames take to play out. The sound is the program's own engine on its own output;
// the tune is left off so that the note is the first sound after silence. The first press comes
// after SILENCE seconds of it. With TAIL, each later press comes TAIL ms after the release before
// it, into that note's fading tail, instead of after silence.
//   press_to_sound [PRESSES [SILENCE [TAIL]]]
// prints "presses N buffer-ms B callback-ms median M worst W press-to-sound-ms median S worst T
// first-press-ms F", B being the longest buffer that carried a note.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/latency/heard_output.h"
#include "core/midi_words.h"
#include "core/note_model.h"
#include "platform/sound/audio_format.h"
#include "platform/sound/sound_services.h"

namespace {

using namespace latency;

constexpr int kMiddleC = 16;

}  // namespace

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
  const int silence = argc > 2 ? std::max(0, std::atoi(argv[2])) : 0;
  const int tail = argc > 3 ? std::max(0, std::atoi(argv[3])) : 0;
  HeardKeyboard keys;
  if (!keys.open("press_to_sound")) return 1;
  auto& sound = keys.sound;
  auto& heard = keys.heard;
  // -40 dBFS: louder than what is left of a key 0.2 s after its release.
  if (tail > 0) heard.audible = 0.01f;
  const uint32_t handle = keys.handle;

  const int16_t key = quavix::kWhiteKeyOffsets[kMiddleC];
  std::mt19937 phase(12345);
  std::vector<double> delays, heardAfter;
  double longestBuffer = 0;
  for (int i = 0; i < presses; ++i) {
    if (i > 0 && tail > 0) {
      std::this_thread::sleep_for(milliseconds(tail));
    } else if (!waitForSilence(heard)) {
      std::fprintf(stderr, "press_to_sound: the output does not fall silent\n");
      return 1;
    }
    if (i == 0) std::this_thread::sleep_for(std::chrono::seconds(silence));
    // Presses land anywhere within a buffer's period.
    std::this_thread::sleep_for(std::chrono::microseconds(phase() % 20000));
    heard.audibleAt = 0;
    heard.sentAt = nowNs();
    sound.midi().midiOutShortMsg(handle, quavix::noteOnWord(key));
    const bool carried = waitFor([&] { return heard.audibleAt != 0; }, milliseconds(2000));
    sound.midi().midiOutShortMsg(handle, quavix::noteOffWord(key));
    if (!carried) {
      std::fprintf(stderr, "press_to_sound: no callback carried the note within 2 s\n");
      return 1;
    }
    delays.push_back(heard.delayMs());
    heardAfter.push_back(heard.delayMs() + heard.bufferMs());
    longestBuffer = std::max(longestBuffer, heard.bufferMs());
    heard.sentAt = 0;
  }
  sound.midi().midiOutClose(handle);

  const auto [median, worst] = spreadOf(delays);
  const double first = heardAfter.front();
  const auto [heardMedian, heardWorst] = spreadOf(heardAfter);
  std::printf(
      "presses %d buffer-ms %.2f callback-ms median %.2f worst %.2f press-to-sound-ms median %.2f "
      "worst %.2f first-press-ms %.2f\n",
      presses, longestBuffer, median, worst, heardMedian, heardWorst, first);
  return 0;
}

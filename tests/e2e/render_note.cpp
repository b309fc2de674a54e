// Renders one note with FluidSynth, as raw s16le stereo at 44100 Hz on stdout, for the
// end-to-end test to play into the sound server.
//   render_note SOUNDFONT PROGRAM NOTE SECONDS
#include <fluidsynth.h>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: render_note SOUNDFONT PROGRAM NOTE SECONDS\n");
    return 2;
  }
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", 44100);
  fluid_synth_t* synth = new_fluid_synth(settings);
  if (fluid_synth_sfload(synth, argv[1], 1) == FLUID_FAILED) {
    std::fprintf(stderr, "render_note: cannot load %s\n", argv[1]);
    return 1;
  }
  fluid_synth_program_change(synth, 0, std::stoi(argv[2]));
  const int frames = int(std::stod(argv[4]) * 44100);
  std::vector<int16_t> stereo(size_t(frames) * 2);
  fluid_synth_noteon(synth, 0, std::stoi(argv[3]), 110);
  fluid_synth_write_s16(synth, frames, stereo.data(), 0, 2, stereo.data(), 1, 2);
  const bool written =
      std::fwrite(stereo.data(), sizeof(int16_t), stereo.size(), stdout) == stereo.size();
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return written ? 0 : 1;
}

#pragma once

#include <string>
#include <string_view>

#include "core/interfaces/sound_system.h"
#include "platform/sound/audio_engine.h"

namespace quavix {

inline constexpr std::string_view kTuneFileName = "MIDI1084.MID";

// The background tune and the note-name samples, played by the engine. Both files are found
// with findDataFile(). Each failure is said in one line on stderr, and the game goes on
// without that sound. UI thread only.
class EngineSoundSystem : public SoundSystem {
 public:
  explicit EngineSoundSystem(AudioEngine& engine, std::string_view tuneName = kTuneFileName)
      : engine_(engine), tuneName_(tuneName) {}

  // Reads the tune and starts it looping. False when there is no synthesiser or sound card (the
  // engine has said so already) or the tune can't be read or played.
  bool setUpAudio() override;
  void setMusicOn(bool on) override { engine_.setTunePaused(!on); }
  // Reads the file afresh, converts it and starts it in the place of the sample before. Returns
  // once it is loaded; it plays on in the background. When it fails, the sample before plays on.
  bool playNoteSample(std::string_view fileName) override;
  void setNoteNameLanguage(Language language) override;

 private:
  AudioEngine& engine_;
  std::string tuneName_;
  // The subfolder of the shipped note names; the Chinese ones are the data folder's own.
  std::string_view noteNameSet_;
};

}  // namespace quavix

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "core/controls_model.h"
#include "core/interfaces/game_recorder.h"
#include "core/interfaces/microphone.h"
#include "core/interfaces/midi_input.h"
#include "core/interfaces/midi_output.h"
#include "core/interfaces/picture_files.h"
#include "core/interfaces/random_source.h"
#include "core/interfaces/score_storage.h"
#include "core/interfaces/settings_store.h"
#include "core/interfaces/sound_system.h"
#include "core/judging.h"
#include "core/key_router.h"
#include "core/mouse_codes.h"
#include "core/player_settings.h"
#include "core/practice_game.h"
#include "core/run_note_sets.h"
#include "core/state.h"

namespace quavix {

constexpr char kCardPictureFile[] = "card.bmp";

struct VelmoraServices {
  MidiOutput& midi;
  SoundSystem& sound;
  RandomSource& random;
  PictureFiles& pictures;
  ScoreStorage& scores;
  SettingsStore& settings;
  MidiInput& midiInput;
  GameRecorder& recorder;
  Microphone& microphone;
};

// The main window without its widgets: the game record, the controls' run-time properties and
// the window's event handlers. A view forwards events here and mirrors controls() afterwards.
class Velmora {
 public:
  // Lays the window out as it is created, before its load.
  explicit Velmora(VelmoraServices services);

  void Form_Load();
  // Runs its steps only the first time, however often the program's ways of ending call it.
  void Form_Unload();

  void Command1_MouseDown(int index, int button, int shift, int x, int y);
  void Command1_MouseUp(int index, int button, int shift, int x, int y);
  void Command2_MouseDown(int index, int button, int shift, int x, int y);
  void Command2_MouseUp(int index, int button, int shift, int x, int y);
  void Command3_Click();
  void Command4_Click();
  void Option1_Click(int index);
  void Option2_Click(int index);
  void Timer1_Timer();
  void Timer2_Timer();
  // The one-minute fluency run over a note set: a test of one minute, its note weights fixed so
  // that cards fall at one speed. A running game is stopped first, and the player's options come
  // back when it ends.
  void startRun(RunNoteSet set);
  // A learning game over the player's practice settings whose first cards are these notes.
  void startReview(const std::vector<WrittenNote>& due);
  // The band's menu: the player's settings, kept at once.
  void changeSettings(const PlayerSettings& settings);

  // Every press and release, from the mouse or an instrument, goes through the key router,
  // which runs a key's handler once however many sources hold it. A MIDI message from input
  // `source`, on this thread:
  void midiMessage(int source, std::span<const uint8_t> message);
  // Looks for MIDI inputs that came or went; a source that goes lets go of its keys.
  void refreshMidiInputs();
  std::vector<MidiSource> midiSources() const { return services_.midiInput.sources(); }
  // The note the microphone hears from now on (a sounding pitch), or none; never sounded.
  void microphoneNote(std::optional<int> note);
  std::vector<std::string> microphoneDevices() const { return services_.microphone.devices(); }
  // Why the microphone the player switched on does not listen; empty while it does.
  const std::string& microphoneProblem() const { return microphoneProblem_; }
  // A computer key by the lower-case character it types on a US layout, wherever the player's
  // layout puts it, auto-repeats left out. True when it plays a key or shifts the octave.
  bool computerKeyDown(char key);
  bool computerKeyUp(char key);
  // As when the window loses the keyboard, whose releases then go elsewhere.
  void releaseComputerKeys();

  const GameState& state() const { return state_; }
  const Controls& controls() const { return controls_; }
  const PlayerSettings& settings() const { return settings_; }
  const PracticeGame& practice() const { return practice_; }
  bool unloaded() const { return unloaded_; }
  // Who holds which key, for the view to draw them pressed and to send the mouse's releases.
  const KeyRouter& keys() const { return keys_; }

 private:
  void beginGame(PlayMode mode, const PracticeSettings& rules, std::optional<RunNoteSet> noteSet);
  // The stop half of Command3_Click.
  void stopRunningGame();
  // A run or a review chooses its own options; the player's are kept until it ends.
  void takeOverOptions();
  // Every way a game ends tells the recorder, which ignores an end it already heard.
  void recordGameEnd();
  void recordAnswer(Judgement judgement, int pressedPitch);
  // The game's own notes, natural notes on the treble and bass clefs, have their own statistics.
  bool cardIsGameNote() const;
  Judgement judge(layout::KeyRef key);
  // The card's note as the naming says it, and the key that answers it.
  SpelledNote namedCardNote() const;
  layout::KeyRef answerKeyOfCard() const;
  // The helps: the missed card's answer shown and said, the test's time left, the keys' labels.
  void showMissedAnswer();
  void restartHelps();
  void countDown();
  void showKeyLabels();

  VelmoraServices services_;
  GameState state_;
  Controls controls_;
  PlayerSettings settings_;
  PracticeGame practice_;
  PlayMode mode_ = PlayMode::Learning;
  struct PlayerOptions {
    int clef = 0;
    int mode = 0;
  };
  std::optional<PlayerOptions> keptOptions_;
  void keyDown(int source, layout::KeyRef key);
  void keyUp(int source, layout::KeyRef key);
  void keyUp(layout::KeyRef key, bool sound);
  void letGo(int source);
  // Follows the settings: listens or stops, and pauses the tune while listening.
  void listenToMicrophone();
  void followMusic();

  uint32_t midiOutHandle_ = 0;
  // Ticks of Timer1 that a missed card's answer still holds the next card back.
  int missedAnswerTicks_ = 0;
  // Ticks of Timer1 in the test's current minute.
  int minuteTicks_ = 0;
  bool unloaded_ = false;
  KeyRouter keys_;
  std::vector<int> listenedSources_;
  bool microphoneListening_ = false;
  bool musicOn_ = true;  // as last told to the sound
  std::string microphoneProblem_;
  // Held computer keys and the notes they pressed; 0 for the octave keys.
  std::vector<std::pair<char, int>> computerKeysDown_;
};

}  // namespace quavix

#include "core/velmora.h"

#include <algorithm>
#include <iostream>
#include <utility>

#include "core/card_fall.h"
#include "core/computer_keys.h"
#include "core/game_control.h"
#include "core/game_mode.h"
#include "core/key_marks.h"
#include "core/midi_notes.h"
#include "core/midi_words.h"
#include "core/note_model.h"
#include "core/practice_face.h"
#include "core/practice_judging.h"

namespace quavix {

namespace {

constexpr int kTicksPerSecond = 50;
// Long enough to hear the name.
constexpr int kMissedAnswerTicks = kTicksPerSecond;

// The toolkit selects a clicked option and clears the others of its group before the handler.
template <size_t N>
void selectOption(std::array<bool, N>& group, int index) {
  std::fill(group.begin(), group.end(), false);
  group.at(index) = true;
}

template <size_t N>
int selectedIndex(const std::array<bool, N>& group) {
  return static_cast<int>(std::find(group.begin(), group.end(), true) - group.begin());
}

// About six seconds from top to bottom: a card falls at 12 minus half its weight a tick.
constexpr int16_t kRunWeight = 4;

}  // namespace

Velmora::Velmora(VelmoraServices services)
    : services_(services),
      controls_(initialControls()),
      settings_(services_.settings.loadSettings()) {
  services_.sound.setNoteNameLanguage(settings_.language);
  controls_.picture1.picture = services_.pictures.loadBuiltIn(kCardPictureFile);
  showKeyLabels();
  // The card starts out of sight, so the game goes on with a blank card.
  if (!controls_.picture1.picture) {
    std::cerr << "quavix: cannot read the card picture " << kCardPictureFile << '\n';
  }
}

void Velmora::Form_Load() {
  // The score file's own trap answers a failed read with a fresh file.
  services_.scores.loadScores(state_);
  services_.midi.midiOutOpen(&midiOutHandle_, 0);
  controls_.timer1Enabled = false;
  // Without music or samples the game still plays; the MIDI device stays open as it is.
  musicOn_ = settings_.backgroundMusic && !settings_.microphoneOn;
  services_.sound.setMusicOn(musicOn_);
  services_.sound.setUpAudio();
  // After the sound's start-up, which the capture's shares a system with.
  listenToMicrophone();
  fillKeyTables(state_);
  refreshMidiInputs();
  services_.recorder.opened();
}

void Velmora::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  if (microphoneListening_) services_.microphone.listen(std::nullopt);
  services_.midi.midiOutClose(midiOutHandle_);
  services_.scores.saveScores(state_);
  recordGameEnd();
  services_.recorder.closed();
}

void Velmora::Command1_MouseDown(int index, int button, int, int, int) {
  keyDown(mouseSource(button), {false, index});
}

void Velmora::Command1_MouseUp(int index, int button, int, int, int) {
  keyUp(mouseSource(button), {false, index});
}

void Velmora::Command2_MouseDown(int index, int button, int, int, int) {
  keyDown(mouseSource(button), {true, index});
}

void Velmora::Command2_MouseUp(int index, int button, int, int, int) {
  keyUp(mouseSource(button), {true, index});
}

void Velmora::Command3_Click() {
  if (controls_.gameRunning) {
    stopRunningGame();
  } else {
    beginGame(learningModeSelected(controls_) ? PlayMode::Learning : PlayMode::Test,
              settings_.practice, std::nullopt);
  }
}

void Velmora::beginGame(PlayMode mode, const PracticeSettings& rules,
                        std::optional<RunNoteSet> noteSet) {
  controls_.runResult.reset();
  quavix::Command3_Click(state_, controls_);
  mode_ = mode;
  restartHelps();
  // The weight every note starts a game with, as the game just set it.
  startPractice(practice_, rules, state_.noteWeights[0][0]);
  services_.recorder.gameStarted(mode, selectedIndex(controls_.option1Selected),
                                 state_.scores[state_.scoreSlot], noteSet);
}

void Velmora::stopRunningGame() {
  quavix::Command3_Click(state_, controls_);
  restartHelps();
  if (practice_.active) clearKeyMarks(controls_);
  recordGameEnd();
}

void Velmora::takeOverOptions() {
  if (controls_.gameRunning) stopRunningGame();
  keptOptions_ = PlayerOptions{selectedIndex(controls_.option1Selected),
                               selectedIndex(controls_.option2Selected)};
}

void Velmora::startRun(RunNoteSet set) {
  takeOverOptions();
  // A fixed set names its clef in its own list of mixed clefs.
  if (set != RunNoteSet::Practice) Option1_Click(2);
  Option2_Click(1);
  beginGame(PlayMode::Run, runRules(set, settings_.practice), set);
  practice_.active = true;
  for (auto& steps : practice_.weights) {
    for (auto& accidentals : steps) accidentals.fill(kRunWeight);
  }
}

void Velmora::startReview(const std::vector<WrittenNote>& due) {
  takeOverOptions();
  Option2_Click(0);
  beginGame(PlayMode::Review, settings_.practice, std::nullopt);
  practice_.active = true;
  queueNotes(practice_, due);
}

void Velmora::Command4_Click() { quavix::Command4_Click(state_); }

void Velmora::Option1_Click(int index) {
  selectOption(controls_.option1Selected, index);
  quavix::Option1_Click(state_, controls_, index);
}

void Velmora::Option2_Click(int index) {
  selectOption(controls_.option2Selected, index);
  quavix::Option2_Click(state_, controls_, index);
}

void Velmora::Timer1_Timer() {
  ++minuteTicks_;
  countDown();
  if (missedAnswerTicks_ > 0) {
    --missedAnswerTicks_;
    return;
  }
  const TickOutcome outcome =
      quavix::Timer1_Timer(state_, controls_, services_.random, services_.pictures,
                           practice_.active ? &practice_ : nullptr);
  GameRecorder& recorder = services_.recorder;
  const bool gameNote = cardIsGameNote();
  const WrittenNote written{practice_.card.clef, practice_.card.note};
  if (outcome.spawned) {
    showKeyLabels();
    gameNote ? recorder.cardShown(state_.currentClef, state_.currentNote)
             : recorder.writtenCardShown(written);
  }
  if (outcome.missed) {
    gameNote ? recorder.cardMissed(state_.currentClef, state_.currentNote)
             : recorder.writtenCardMissed(written);
    if (settings_.showMissedAnswer && !testModeSelected(controls_)) showMissedAnswer();
  }
  if (outcome.stopped) recordGameEnd();
}

void Velmora::Timer2_Timer() {
  if (mode_ == PlayMode::Run) {
    stopRunningGame();
    return;
  }
  quavix::Timer2_Timer(state_, controls_);
  minuteTicks_ = 0;
  countDown();
  if (!testTimeIsUp(state_)) return;
  if (practice_.active) clearKeyMarks(controls_);
  recordGameEnd();
}

void Velmora::showKeyLabels() {
  controls_.keyLabels = keyLabels(settings_, practice_.active ? practice_.card.keyFifths : 0);
}

void Velmora::recordGameEnd() {
  const auto game = services_.recorder.gameEnded(state_.scores[state_.scoreSlot]);
  if (game && game->mode == PlayMode::Run) {
    controls_.runResult =
        fluencyOf(game->right, game->wrong, game->missed, game->durationMilliseconds);
  }
  if (keptOptions_) {
    const PlayerOptions kept = *std::exchange(keptOptions_, std::nullopt);
    Option1_Click(kept.clef);
    Option2_Click(kept.mode);
  }
  mode_ = PlayMode::Learning;
}

bool Velmora::cardIsGameNote() const {
  return !practice_.active || (isGameStep(practice_.card.clef, practice_.card.step) &&
                               practice_.card.note.accidental == 0);
}

Judgement Velmora::judge(layout::KeyRef key) {
  const NoteNaming naming = settings_.noteNames;
  const Judgement judgement = practice_.active
                                  ? judgePracticeKey(state_, practice_, controls_, services_.sound,
                                                     keyMidiNote(state_, key), naming)
                                  : judgeKey(state_, controls_, services_.sound, key, naming);
  if (judgement == Judgement::Wrong) {
    controls_.answerName = settings_.redKeyName ? nameIn(naming, namedCardNote()) : std::string();
  }
  return judgement;
}

SpelledNote Velmora::namedCardNote() const {
  if (!practice_.active) return spellingOfNote(state_.currentNote);
  return namedNote(settings_.noteNames, practice_.card.keyFifths, practice_.card.note);
}

// Every spelling the cards use sounds on a key of the keyboard.
layout::KeyRef Velmora::answerKeyOfCard() const {
  if (!practice_.active) return {false, answerKey(state_.currentNote)};
  return *keyForNote(pitchOf(practice_.card.note));
}

void Velmora::showMissedAnswer() {
  const SpelledNote named = namedCardNote();
  markKeyRed(controls_, answerKeyOfCard());
  controls_.answerName = settings_.redKeyName ? nameIn(settings_.noteNames, named) : std::string();
  services_.sound.playNoteSample(spokenNameFile(settings_.noteNames, named));
  missedAnswerTicks_ = kMissedAnswerTicks;
}

void Velmora::restartHelps() {
  missedAnswerTicks_ = 0;
  minuteTicks_ = 0;
  countDown();
}

// Timer1 counts the seconds, Timer2 the minutes that end the test or the run.
void Velmora::countDown() {
  if (!settings_.countdown || !controls_.gameRunning || !testModeSelected(controls_)) {
    controls_.secondsLeft.reset();
    return;
  }
  const int minutes = mode_ == PlayMode::Run ? 1 : kTestMinutes;
  const int minutesLeft = std::max(0, minutes - state_.testTicks);
  const int secondsGone = std::min(minuteTicks_ / kTicksPerSecond, 59);
  controls_.secondsLeft = minutesLeft == 0 ? 0 : 60 * minutesLeft - secondsGone;
}

void Velmora::recordAnswer(Judgement judgement, int pressedPitch) {
  if (judgement == Judgement::NotJudged) return;
  const bool right = judgement == Judgement::Right;
  if (cardIsGameNote()) {
    services_.recorder.answered(state_.currentClef, state_.currentNote, pressedPitch, right);
  } else {
    services_.recorder.writtenAnswered({practice_.card.clef, practice_.card.note}, pressedPitch,
                                       right);
  }
}

void Velmora::changeSettings(const PlayerSettings& settings) {
  if (settings == settings_) return;
  const bool inputsChanged = settings.switchedOffMidiInputs != settings_.switchedOffMidiInputs;
  const bool microphoneChanged = settings.microphoneOn != settings_.microphoneOn ||
                                 settings.microphoneDevice != settings_.microphoneDevice;
  if (settings.language != settings_.language) {
    services_.sound.setNoteNameLanguage(settings.language);
  }
  // A note-off would no longer find the key its note-on pressed.
  if (settings.transposition != settings_.transposition) {
    for (const int source : listenedSources_) letGo(source);
    letGo(kMicrophone);
  }
  settings_ = settings;
  showKeyLabels();
  services_.settings.saveSettings(settings_);
  if (inputsChanged) refreshMidiInputs();
  if (microphoneChanged) listenToMicrophone();
  followMusic();
}

void Velmora::followMusic() {
  // A tune even lowered has pitches the microphone would hear.
  const bool on = settings_.backgroundMusic && !microphoneListening_;
  if (on != musicOn_) services_.sound.setMusicOn(on);
  musicOn_ = on;
}

void Velmora::listenToMicrophone() {
  letGo(kMicrophone);
  const bool wasListening = microphoneListening_;
  microphoneProblem_.clear();
  if (settings_.microphoneOn) {
    microphoneProblem_ = services_.microphone.listen(settings_.microphoneDevice);
    if (!microphoneProblem_.empty()) std::cerr << "quavix: " << microphoneProblem_ << '\n';
  } else if (wasListening) {
    services_.microphone.listen(std::nullopt);
  }
  microphoneListening_ = settings_.microphoneOn && microphoneProblem_.empty();
  followMusic();
}

void Velmora::microphoneNote(std::optional<int> note) {
  // A note queued before the microphone stopped comes too late to hold a key.
  if (!microphoneListening_) return;
  letGo(kMicrophone);
  if (!note) return;
  if (const auto key = keyForNote(writtenNote(settings_.transposition, *note))) {
    keyDown(kMicrophone, *key);
  }
}

// The note-on goes out before the press is judged.
void Velmora::keyDown(int source, layout::KeyRef key) {
  // The microphone's note sounds in the room already; the synthesiser would answer itself.
  const bool sounds = source != kMicrophone && (!isMidiSource(source) || settings_.midiEcho);
  const KeyAction action = keys_.press(source, key, sounds);
  if (!action.run) return;
  if (action.sound)
    services_.midi.midiOutShortMsg(midiOutHandle_, noteOnWord(keyOffset(state_, key)));
  recordAnswer(judge(key), keyMidiNote(state_, key));
  // A run's cards all fall at one speed.
  if (mode_ == PlayMode::Run) practice_.weight() = kRunWeight;
}

void Velmora::keyUp(int source, layout::KeyRef key) {
  const KeyAction action = keys_.release(source, key);
  if (action.run) keyUp(key, action.sound);
}

void Velmora::keyUp(layout::KeyRef key, bool sound) {
  if (sound) services_.midi.midiOutShortMsg(midiOutHandle_, noteOffWord(keyOffset(state_, key)));
}

void Velmora::letGo(int source) {
  for (const KeyRelease& released : keys_.releaseAll(source)) keyUp(released.key, released.sound);
}

void Velmora::midiMessage(int source, std::span<const uint8_t> message) {
  // A message queued before its source went away comes too late to hold a key.
  if (std::find(listenedSources_.begin(), listenedSources_.end(), source) ==
      listenedSources_.end()) {
    return;
  }
  const auto play = readNoteMessage(message);
  if (!play) return;
  const auto key = keyForNote(writtenNote(settings_.transposition, play->note));
  if (!key) return;
  if (play->down) {
    keyDown(source, *key);
  } else {
    keyUp(source, *key);
  }
}

void Velmora::refreshMidiInputs() {
  services_.midiInput.refresh(settings_.switchedOffMidiInputs);
  std::vector<int> listened;
  for (const MidiSource& source : services_.midiInput.sources()) {
    if (source.connected) listened.push_back(source.id);
  }
  for (const int id : listenedSources_) {
    if (std::find(listened.begin(), listened.end(), id) == listened.end()) letGo(id);
  }
  listenedSources_ = std::move(listened);
}

bool Velmora::computerKeyDown(char key) {
  for (const auto& [held, note] : computerKeysDown_) {
    if (held == key) return true;
  }
  if (const int step = computerKeyOctaveStep(key)) {
    computerKeysDown_.emplace_back(key, 0);
    PlayerSettings changed = settings_;
    changed.computerKeyOctave =
        std::clamp(settings_.computerKeyOctave + step, kLowestKeyOctave, kHighestKeyOctave);
    changeSettings(changed);
    return true;
  }
  const auto note = computerKeyNote(key, settings_.computerKeyOctave);
  if (!note) return false;
  computerKeysDown_.emplace_back(key, *note);
  if (const auto pianoKey = keyForNote(*note)) keyDown(kComputerKeys, *pianoKey);
  return true;
}

bool Velmora::computerKeyUp(char key) {
  for (auto it = computerKeysDown_.begin(); it != computerKeysDown_.end(); ++it) {
    if (it->first != key) continue;
    // The note it pressed, whatever the octave is now.
    const int note = it->second;
    computerKeysDown_.erase(it);
    if (const auto pianoKey = keyForNote(note)) keyUp(kComputerKeys, *pianoKey);
    return true;
  }
  return isPianoComputerKey(key);
}

void Velmora::releaseComputerKeys() {
  computerKeysDown_.clear();
  letGo(kComputerKeys);
}

}  // namespace quavix

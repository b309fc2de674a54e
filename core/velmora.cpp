#include "core/velmora.h"

#include <algorithm>
#include <iostream>

#include "core/card_fall.h"
#include "core/game_control.h"
#include "core/game_mode.h"
#include "core/midi_words.h"
#include "core/note_model.h"

namespace quavix {

namespace {

// The toolkit selects a clicked option and clears the others of its group before the handler.
template <size_t N>
void selectOption(std::array<bool, N>& group, int index) {
  std::fill(group.begin(), group.end(), false);
  group.at(index) = true;
}

}  // namespace

Velmora::Velmora(VelmoraServices services)
    : services_(services),
      controls_(initialControls()),
      settings_(services_.settings.loadSettings()) {
  controls_.picture1.picture = services_.pictures.load(kCardPictureFile);
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
  services_.sound.setUpAudio();
  fillKeyTables(state_);
  services_.recorder.opened();
}

void Velmora::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  services_.midi.midiOutClose(midiOutHandle_);
  services_.scores.saveScores(state_);
  recordGameEnd();
  services_.recorder.closed();
}

void Velmora::Command1_MouseDown(int index, int, int, int, int) {
  services_.midi.midiOutShortMsg(midiOutHandle_, noteOnWord(state_.whiteKeyOffsets.at(index)));
  recordAnswer(judgeWhiteKey(state_, controls_, services_.sound, index),
               whiteKeyMidiNote(state_, index));
}

void Velmora::Command1_MouseUp(int index, int, int, int, int) {
  services_.midi.midiOutShortMsg(midiOutHandle_, noteOffWord(state_.whiteKeyOffsets.at(index)));
}

void Velmora::Command2_MouseDown(int index, int, int, int, int) {
  services_.midi.midiOutShortMsg(midiOutHandle_, noteOnWord(state_.blackKeyOffsets.at(index)));
  recordAnswer(judgeBlackKey(state_, controls_), blackKeyMidiNote(state_, index));
}

void Velmora::Command2_MouseUp(int index, int, int, int, int) {
  services_.midi.midiOutShortMsg(midiOutHandle_, noteOffWord(state_.blackKeyOffsets.at(index)));
}

void Velmora::Command3_Click() {
  const bool starting = controls_.command3Caption == kCaptionStart;
  quavix::Command3_Click(state_, controls_);
  if (!starting) {
    recordGameEnd();
    return;
  }
  const auto& clefs = controls_.option1Selected;
  const int clefChoice =
      static_cast<int>(std::find(clefs.begin(), clefs.end(), true) - clefs.begin());
  services_.recorder.gameStarted(
      learningModeSelected(controls_) ? PlayMode::Learning : PlayMode::Test, clefChoice,
      state_.scores[state_.scoreSlot]);
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
  const TickOutcome outcome =
      quavix::Timer1_Timer(state_, controls_, services_.random, services_.pictures);
  if (outcome.spawned) services_.recorder.cardShown(state_.currentClef, state_.currentNote);
  if (outcome.missed) services_.recorder.cardMissed(state_.currentClef, state_.currentNote);
  if (outcome.stopped) recordGameEnd();
}

void Velmora::Timer2_Timer() {
  quavix::Timer2_Timer(state_, controls_);
  if (testTimeIsUp(state_)) recordGameEnd();
}

void Velmora::recordGameEnd() { services_.recorder.gameEnded(state_.scores[state_.scoreSlot]); }

void Velmora::recordAnswer(Judgement judgement, int pressedPitch) {
  if (judgement == Judgement::NotJudged) return;
  services_.recorder.answered(state_.currentClef, state_.currentNote, pressedPitch,
                              judgement == Judgement::Right);
}

void Velmora::changeSettings(const PlayerSettings& settings) {
  if (settings == settings_) return;
  settings_ = settings;
  services_.settings.saveSettings(settings_);
}

}  // namespace quavix

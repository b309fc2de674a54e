#pragma once

#include <QMenu>
#include <functional>
#include <vector>

#include "core/velmora.h"
#include "ui/practice_dialog.h"

namespace quavix {

// The context menu of the black band: the player's settings. It is built afresh each time it
// opens, so it always shows the model as it stands.
class BandMenu : public QMenu {
  Q_OBJECT

 public:
  // Runs a handler and mirrors the window afterwards, as every other event does.
  using Run = std::function<void(const std::function<void()>&)>;

  BandMenu(Velmora& velmora, Run run, QWidget* parent);
  // Where today's review finds the notes due; without it a review draws as a learning game.
  void setDueNotes(std::function<std::vector<WrittenNote>()> dueNotes) {
    dueNotes_ = std::move(dueNotes);
  }

 signals:
  void statisticsRequested();

 private:
  void rebuild();
  void addStatisticsEntry();
  void addPracticeEntry();
  // The one-minute run over each note set, and today's review.
  void addFluencyGames();
  // A check entry for one yes-or-no setting.
  void addToggle(const QString& text, bool PlayerSettings::*setting);
  // One entry per language, each named in its own language.
  void addLanguages();
  // The MIDI inputs, the echo and the computer keys' octave.
  void addInstrumentEntries();
  // Listening on or off, the capture device, and why it does not listen.
  void addMicrophone();
  // What the instrument played into a MIDI input or the microphone sounds against its part.
  void addTranspositions();
  // The window's sizes, in a submenu of their own.
  void addSizes();
  void change(const std::function<void(PlayerSettings&)>& edit);

  Velmora& velmora_;
  Run run_;
  PracticeDialog* practice_ = nullptr;
  QMenu* runs_ = nullptr;
  std::function<std::vector<WrittenNote>()> dueNotes_;
  QMenu* sizes_;
};

}  // namespace quavix

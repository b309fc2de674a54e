#include "platform/sound/engine_sound_system.h"

#include <cstdint>
#include <vector>

#include "platform/files/data_files.h"
#include "platform/files/regular_file.h"
#include "platform/sound/sample.h"
#include "platform/sound/sound_problem.h"

namespace quavix {

namespace {

// Tunes of this kind take a few kilobytes; a file far larger is not one, and it would be held in
// memory for the whole run.
constexpr std::uint64_t kMaxTuneBytes = 4 * 1024 * 1024;

}  // namespace

bool EngineSoundSystem::setUpAudio() {
  if (!engine_.canSynthesize()) return false;
  const auto path = findDataFile(tuneName_);
  std::vector<char> midiFile;
  std::string problem;
  if (!readWholeFile(path, kMaxTuneBytes, midiFile, problem)) {
    reportSoundProblem("cannot read the background tune " + quoted(path) + " (" + problem +
                       "); playing without it");
    return false;
  }
  if (!engine_.startTune(midiFile, problem)) {
    reportSoundProblem("cannot play the background tune " + quoted(path) + " (" + problem +
                       "); playing without it");
    return false;
  }
  return true;
}

bool EngineSoundSystem::playNoteSample(std::string_view fileName) {
  if (!engine_.hasOutput()) return false;
  const auto path = findSpokenName(fileName, noteNameSet_);
  std::string problem;
  auto sample = loadSample(path, problem);
  if (!sample) {
    reportSoundProblem("cannot play the note sample " + quoted(path) + " (" + problem + ")");
    return false;
  }
  engine_.playSample(std::move(sample));
  return true;
}

void EngineSoundSystem::setNoteNameLanguage(Language language) {
  noteNameSet_ = languageInfo(language).noteNames;
}

}  // namespace quavix

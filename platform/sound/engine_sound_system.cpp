#include "platform/sound/engine_sound_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/files/data_files.h"
#include "platform/sound/sample.h"
#include "platform/sound/sound_problem.h"

namespace quavix {

namespace {

struct FileClose {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool readWholeFile(const std::filesystem::path& path, std::vector<char>& bytes,
                   std::string& problem) {
  const std::unique_ptr<std::FILE, FileClose> file{std::fopen(path.c_str(), "rb")};
  if (!file) {
    problem = std::strerror(errno);
    return false;
  }
  char block[16384];
  size_t got = 0;
  while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) {
    bytes.insert(bytes.end(), block, block + got);
  }
  if (std::ferror(file.get())) {
    problem = std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace

bool EngineSoundSystem::setUpAudio() {
  if (!engine_.canSynthesize()) return false;
  const auto path = findDataFile(tuneName_);
  std::vector<char> midiFile;
  std::string problem;
  if (!readWholeFile(path, midiFile, problem)) {
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
  const auto path = findDataFile(fileName, noteNameSet_);
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
  noteNameSet_ = language == Language::English ? kEnglishNoteNames : std::string_view{};
}

}  // namespace quavix

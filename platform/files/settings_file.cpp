#include "platform/files/settings_file.h"

#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <iostream>
#include <map>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/files/atomic_write.h"
#include "platform/files/ini_text.h"
#include "platform/files/practice_settings_file.h"
#include "platform/files/regular_file.h"
#include "platform/files/settings_text.h"

namespace quavix {

namespace {

constexpr char kBackgroundMusic[] = "sound/backgroundMusic";
constexpr char kLanguage[] = "interface/language";
constexpr char kMidiEcho[] = "midi/echo";
constexpr char kSwitchedOffMidiInputs[] = "midi/switchedOffInputs";
constexpr char kComputerKeyOctave[] = "keys/octave";
constexpr char kTransposition[] = "input/transposition";
constexpr char kMicrophoneOn[] = "microphone/on";
constexpr char kMicrophoneDevice[] = "microphone/device";
constexpr char kWindowScale[] = "window/scale";
constexpr char kFitScreen[] = "fit";
// Far above what the settings take; keeps a stray huge file from being read whole.
constexpr std::uint64_t kMaxSettingsBytes = 1024 * 1024;

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

PlayerSettings SettingsFile::loadSettings() {
  PlayerSettings settings;
  std::error_code error;
  if (!std::filesystem::exists(path_, error)) return settings;
  std::vector<char> bytes;
  std::string problem;
  if (!readWholeFile(path_, kMaxSettingsBytes, bytes, problem)) {
    std::cerr << "quavix: cannot read the settings file " << path_.string() << " (" << problem
              << "), using the defaults\n";
    return settings;
  }
  const SettingsText file(path_, {bytes.data(), bytes.size()});
  settings.backgroundMusic = file.readBool(kBackgroundMusic, settings.backgroundMusic);
  settings.language =
      file.readCode(kLanguage, languages(), &LanguageInfo::language, settings.language);
  settings.midiEcho = file.readBool(kMidiEcho, settings.midiEcho);
  settings.switchedOffMidiInputs = splitIniList(file.text(kSwitchedOffMidiInputs).value_or(""));
  settings.computerKeyOctave = file.readInt(kComputerKeyOctave, kLowestKeyOctave, kHighestKeyOctave,
                                            settings.computerKeyOctave);
  settings.transposition = file.readCode(kTransposition, transpositions(),
                                         &TranspositionInfo::transposition, settings.transposition);
  settings.microphoneOn = file.readBool(kMicrophoneOn, settings.microphoneOn);
  // Quoted as a list's one item: a device's name may hold commas, semicolons or edge spaces.
  const auto device = splitIniList(file.text(kMicrophoneDevice).value_or(""));
  if (!device.empty()) settings.microphoneDevice = device.front();
  settings.windowScale = file.text(kWindowScale) == kFitScreen
                             ? layout::kFitScreen
                             : file.readInt(kWindowScale, layout::kSmallestScale,
                                            layout::kLargestScale, settings.windowScale);
  readPracticeSettings(file, settings);
  return settings;
}

void SettingsFile::saveSettings(const PlayerSettings& settings) {
  const auto yesNo = [](bool on) { return std::string(on ? "true" : "false"); };
  std::vector<std::pair<std::string, std::string>> values = {
      {kBackgroundMusic, yesNo(settings.backgroundMusic)},
      {kLanguage, std::string(languageInfo(settings.language).code)},
      {kMidiEcho, yesNo(settings.midiEcho)},
      {kSwitchedOffMidiInputs, joinIniList(settings.switchedOffMidiInputs)},
      {kComputerKeyOctave, std::to_string(settings.computerKeyOctave)},
      {kTransposition, std::string(transpositionInfo(settings.transposition).code)},
      {kMicrophoneOn, yesNo(settings.microphoneOn)},
      {kMicrophoneDevice,
       joinIniList(settings.microphoneDevice.empty() ? std::vector<std::string>{}
                                                     : std::vector{settings.microphoneDevice})},
      {kWindowScale, settings.windowScale == layout::kFitScreen
                         ? kFitScreen
                         : std::to_string(settings.windowScale)},
  };
  addPracticeSettings(settings, values);
  const std::string text = formatIni(values);
  std::string problem;
  if (!writeFileAtomically(path_, text, problem)) {
    std::cerr << "quavix: cannot write the settings file " << path_.string() << ": " << problem
              << '\n';
  }
}

std::filesystem::path defaultSettingsFilePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::filesystem::path(folder.toStdString()) / "quavix" / "settings.ini";
}

}  // namespace quavix

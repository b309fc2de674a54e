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
#include "platform/files/regular_file.h"

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
// Far above what the settings take; keeps a stray huge file from being read whole.
constexpr std::uint64_t kMaxSettingsBytes = 1024 * 1024;

// The file's values; one that can't be used keeps its default and costs a line on stderr.
class SettingsText {
 public:
  SettingsText(const std::filesystem::path& path, std::string_view text)
      : path_(path), values_(readIniValues(text)) {}

  std::optional<std::string> text(const char* key) const {
    const auto found = values_.find(key);
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }

  bool readBool(const char* key, bool fallback) const {
    const auto value = text(key);
    if (!value) return fallback;
    std::string lower = *value;
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower == "true") return true;
    if (lower == "false") return false;
    return ignoring(key, "not true or false", fallback);
  }

  // One of the rows' codes, read as that row's `choice`.
  template <typename Row, typename T>
  T readCode(const char* key, std::span<const Row> rows, T Row::*choice, T fallback) const {
    const auto value = text(key);
    if (!value) return fallback;
    std::string known;
    for (const auto& row : rows) {
      if (row.code == *value) return row.*choice;
      known += (known.empty() ? "" : " or ") + std::string(row.code);
    }
    return ignoring(key, "not " + known, fallback);
  }

  int readInt(const char* key, int lowest, int highest, int fallback) const {
    const auto value = text(key);
    if (!value) return fallback;
    int number = 0;
    const char* end = value->data() + value->size();
    const auto [stop, error] = std::from_chars(value->data(), end, number);
    if (error == std::errc() && stop == end && number >= lowest && number <= highest) {
      return number;
    }
    return ignoring(
        key, "not a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest),
        fallback);
  }

 private:
  template <typename T>
  T ignoring(const char* key, const std::string& why, T fallback) const {
    std::cerr << "quavix: ignoring the setting " << key << " in " << path_.string() << ": " << why
              << '\n';
    return fallback;
  }

  const std::filesystem::path& path_;
  std::map<std::string, std::string> values_;
};

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
  return settings;
}

void SettingsFile::saveSettings(const PlayerSettings& settings) {
  const auto yesNo = [](bool on) { return std::string(on ? "true" : "false"); };
  const std::string text = formatIni({
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
  });
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

#include "platform/files/settings_file.h"

#include <QSettings>
#include <QStandardPaths>
#include <array>
#include <iostream>
#include <utility>

#include "platform/files/practice_settings_file.h"

namespace quavix {

namespace {

constexpr char kBackgroundMusic[] = "sound/backgroundMusic";
constexpr char kLanguage[] = "interface/language";
constexpr std::array<std::pair<Language, const char*>, 2> kLanguageNames = {
    {{Language::Chinese, "zh"}, {Language::English, "en"}}};
constexpr char kMidiEcho[] = "midi/echo";
constexpr char kSwitchedOffMidiInputs[] = "midi/switchedOffInputs";
constexpr char kComputerKeyOctave[] = "keys/octave";

QString qPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// A value of the wrong type keeps the default rather than turning into false or 0.
bool readBool(const QSettings& file, const char* key, bool fallback) {
  const QVariant value = file.value(key);
  if (!value.isValid()) return fallback;
  const QString text = value.toString().trimmed().toLower();
  if (text == QLatin1String("true")) return true;
  if (text == QLatin1String("false")) return false;
  std::cerr << "quavix: ignoring the setting " << key << " in " << file.fileName().toStdString()
            << ": not true or false\n";
  return fallback;
}

Language readLanguage(const QSettings& file, Language fallback) {
  const QVariant value = file.value(kLanguage);
  if (!value.isValid()) return fallback;
  const QString text = value.toString().trimmed();
  for (const auto& [language, name] : kLanguageNames) {
    if (text == QLatin1String(name)) return language;
  }
  std::cerr << "quavix: ignoring the setting " << kLanguage << " in "
            << file.fileName().toStdString() << ": not zh or en\n";
  return fallback;
}

const char* languageName(Language language) {
  for (const auto& [known, name] : kLanguageNames) {
    if (known == language) return name;
  }
  return kLanguageNames.front().second;
}

int readInt(const QSettings& file, const char* key, int lowest, int highest, int fallback) {
  const QVariant value = file.value(key);
  if (!value.isValid()) return fallback;
  bool isNumber = false;
  const int number = value.toString().trimmed().toInt(&isNumber);
  if (isNumber && number >= lowest && number <= highest) return number;
  std::cerr << "quavix: ignoring the setting " << key << " in " << file.fileName().toStdString()
            << ": not a whole number from " << lowest << " to " << highest << '\n';
  return fallback;
}

std::vector<std::string> readNames(const QSettings& file, const char* key) {
  std::vector<std::string> names;
  for (const QString& name : file.value(key).toStringList()) {
    if (!name.isEmpty()) names.push_back(name.toStdString());
  }
  return names;
}

QStringList toQStrings(const std::vector<std::string>& names) {
  QStringList list;
  for (const std::string& name : names) list.push_back(QString::fromStdString(name));
  return list;
}

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

PlayerSettings SettingsFile::loadSettings() {
  PlayerSettings settings;
  QSettings file(qPath(path_), QSettings::IniFormat);
  if (file.status() != QSettings::NoError) {
    std::cerr << "quavix: cannot read the settings file " << path_.string()
              << ", using the defaults\n";
    return settings;
  }
  settings.backgroundMusic = readBool(file, kBackgroundMusic, settings.backgroundMusic);
  settings.language = readLanguage(file, settings.language);
  settings.midiEcho = readBool(file, kMidiEcho, settings.midiEcho);
  settings.switchedOffMidiInputs = readNames(file, kSwitchedOffMidiInputs);
  settings.computerKeyOctave = readInt(file, kComputerKeyOctave, kLowestKeyOctave,
                                       kHighestKeyOctave, settings.computerKeyOctave);
  readPracticeSettings(file, settings);
  return settings;
}

void SettingsFile::saveSettings(const PlayerSettings& settings) {
  QSettings file(qPath(path_), QSettings::IniFormat);
  // A damaged file would otherwise keep its unreadable lines beside the new ones.
  file.clear();
  file.setValue(kBackgroundMusic, settings.backgroundMusic);
  file.setValue(kLanguage, QLatin1String(languageName(settings.language)));
  file.setValue(kMidiEcho, settings.midiEcho);
  file.setValue(kSwitchedOffMidiInputs, toQStrings(settings.switchedOffMidiInputs));
  file.setValue(kComputerKeyOctave, settings.computerKeyOctave);
  writePracticeSettings(file, settings);
  file.sync();
  if (file.status() != QSettings::NoError) {
    std::cerr << "quavix: cannot write the settings file " << path_.string() << '\n';
  }
}

std::filesystem::path defaultSettingsFilePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::filesystem::path(folder.toStdString()) / "quavix" / "settings.ini";
}

}  // namespace quavix

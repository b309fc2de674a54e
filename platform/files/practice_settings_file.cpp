#include "platform/files/practice_settings_file.h"

#include <algorithm>
#include <array>
#include <optional>

namespace quavix {

namespace {

constexpr char kClefs[] = "practice/clefs";
constexpr char kOnlyClef[] = "practice/onlyClef";
constexpr char kAccidentals[] = "practice/accidentals";
constexpr char kKeys[] = "practice/keys";
constexpr char kNames[] = "practice/names";

// The beginners' helps, each a yes or no.
struct HelpInfo {
  bool PlayerSettings::*help;
  const char* key;
};
constexpr std::array<HelpInfo, 6> kHelps = {{
    {&PlayerSettings::redKeyName, "practice/redKeyName"},
    {&PlayerSettings::keyNames, "practice/keyNames"},
    {&PlayerSettings::keyLetters, "practice/keyLetters"},
    {&PlayerSettings::showMissedAnswer, "practice/showMissedAnswer"},
    {&PlayerSettings::countdown, "practice/countdown"},
    {&PlayerSettings::askBeforeClearing, "practice/askBeforeClearing"},
}};

struct AccidentalsInfo {
  Accidentals accidentals;
  std::string_view code;
};
constexpr std::array<AccidentalsInfo, 3> kAccidentalCodes = {
    {{Accidentals::None, "none"},
     {Accidentals::SharpsFlats, "sharps-flats"},
     {Accidentals::Keys, "keys"}}};

struct OnlyClefInfo {
  std::optional<Clef> clef;
  std::string_view code;
};
constexpr std::array<OnlyClefInfo, 3> kOnlyClefCodes = {
    {{std::nullopt, "none"}, {Clef::Alto, "alto"}, {Clef::Tenor, "tenor"}}};

std::string endKey(const char* end, Clef clef) {
  return std::string("practice/") + end + "." + std::string(clefCode(clef));
}

std::string naturalName(int16_t height) { return noteName(naturalAt(height)); }

// One end of a clef's range: a note its cards can show, read at its letter's height.
std::optional<int16_t> readEnd(const SettingsText& file, const std::string& key, Clef clef) {
  const auto value = file.text(key.c_str());
  if (!value) return std::nullopt;
  const auto note = parseNoteName(*value);
  const NoteRange staff = widestRange(clef);
  if (note && diatonicOf(*note) >= staff.lowest && diatonicOf(*note) <= staff.highest) {
    return static_cast<int16_t>(diatonicOf(*note));
  }
  return file.ignoring(
      key.c_str(),
      "not a note from " + naturalName(staff.lowest) + " to " + naturalName(staff.highest),
      std::optional<int16_t>());
}

NoteRange readRange(const SettingsText& file, Clef clef, NoteRange fallback) {
  const std::string lowestKey = endKey("lowest", clef);
  const NoteRange read = {readEnd(file, lowestKey, clef).value_or(fallback.lowest),
                          readEnd(file, endKey("highest", clef), clef).value_or(fallback.highest)};
  if (read.lowest <= read.highest) return read;
  return file.ignoring(lowestKey.c_str(), "above the highest note", fallback);
}

// A list of codes as which of N choices it names; `indexOf` gives a code's choice. A list with
// an unknown code or none at all keeps the fallback, as nothing could be drawn from it.
template <size_t N, typename IndexOf>
std::array<bool, N> readChoices(const SettingsText& file, const char* key,
                                std::array<bool, N> fallback, IndexOf indexOf, const char* what) {
  const auto value = file.text(key);
  if (!value) return fallback;
  std::array<bool, N> chosen{};
  bool readable = true;
  for (const std::string& code : splitIniList(*value)) {
    const std::optional<size_t> index = indexOf(code);
    if (index) chosen[*index] = true;
    readable = readable && index;
  }
  if (readable && std::ranges::find(chosen, true) != chosen.end()) return chosen;
  return file.ignoring(key, what, fallback);
}

std::optional<size_t> clefIndex(const std::string& code) {
  const auto clef = clefOfCode(code);
  return clef ? std::optional<size_t>(static_cast<size_t>(*clef)) : std::nullopt;
}

std::optional<size_t> keyIndex(const std::string& name) {
  for (int fifths = kFewestFifths; fifths <= kMostFifths; ++fifths) {
    if (keyName(fifths) == name) return static_cast<size_t>(fifths - kFewestFifths);
  }
  return std::nullopt;
}

}  // namespace

void readPracticeSettings(const SettingsText& file, PlayerSettings& settings) {
  PracticeSettings& practice = settings.practice;
  for (Clef clef : kAllClefs) practice.range(clef) = readRange(file, clef, practice.range(clef));
  practice.mixedClefs = readChoices(file, kClefs, practice.mixedClefs, clefIndex,
                                    "not a list of treble, bass, alto and tenor");
  practice.onlyClef = file.readCode(kOnlyClef, std::span<const OnlyClefInfo>(kOnlyClefCodes),
                                    &OnlyClefInfo::clef, practice.onlyClef);
  practice.accidentals =
      file.readCode(kAccidentals, std::span<const AccidentalsInfo>(kAccidentalCodes),
                    &AccidentalsInfo::accidentals, practice.accidentals);
  practice.keys =
      readChoices(file, kKeys, practice.keys, keyIndex, "not a list of major keys from Cb to C#");
  if (const auto names = file.text(kNames)) {
    const auto naming = namingOfCode(*names);
    settings.noteNames = naming ? *naming
                                : file.ignoring(kNames, "not letters, solfege, german or numbers",
                                                settings.noteNames);
  }
  for (const auto& [help, key] : kHelps) settings.*help = file.readBool(key, settings.*help);
}

void addPracticeSettings(const PlayerSettings& settings,
                         std::vector<std::pair<std::string, std::string>>& values) {
  const PracticeSettings& practice = settings.practice;
  std::vector<std::string> clefs;
  for (Clef clef : kAllClefs) {
    if (practice.mixedClefs[static_cast<int>(clef)]) clefs.emplace_back(clefCode(clef));
  }
  values.emplace_back(kClefs, joinIniList(clefs));
  for (const auto& [clef, code] : kOnlyClefCodes) {
    if (clef == practice.onlyClef) values.emplace_back(kOnlyClef, code);
  }
  for (Clef clef : kAllClefs) {
    values.emplace_back(endKey("lowest", clef), naturalName(practice.range(clef).lowest));
    values.emplace_back(endKey("highest", clef), naturalName(practice.range(clef).highest));
  }
  for (const auto& [accidentals, code] : kAccidentalCodes) {
    if (accidentals == practice.accidentals) values.emplace_back(kAccidentals, code);
  }
  std::vector<std::string> keys;
  for (int fifths = kFewestFifths; fifths <= kMostFifths; ++fifths) {
    if (practice.hasKey(fifths)) keys.push_back(keyName(fifths));
  }
  values.emplace_back(kKeys, joinIniList(keys));
  values.emplace_back(kNames, namingCode(settings.noteNames));
  for (const auto& [help, key] : kHelps) {
    values.emplace_back(key, settings.*help ? "true" : "false");
  }
}

}  // namespace quavix

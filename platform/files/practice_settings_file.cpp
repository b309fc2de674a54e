#include "platform/files/practice_settings_file.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

namespace quavix {

namespace {

constexpr char kMixedClefs[] = "practice/mixedClefs";
constexpr char kAccidentals[] = "practice/accidentals";
constexpr char kNoteNames[] = "practice/noteNames";
constexpr char kRedKeyName[] = "practice/redKeyName";
constexpr std::array<std::pair<Accidentals, const char*>, 3> kAccidentalCodes = {
    {{Accidentals::None, "none"},
     {Accidentals::SharpsFlats, "sharps-flats"},
     {Accidentals::Keys, "keys"}}};

std::string rangeKey(Clef clef) { return "practice/" + std::string(clefCode(clef)) + "Range"; }

void ignore(const QSettings& file, const std::string& key, const std::string& why) {
  std::cerr << "quavix: ignoring the setting " << key << " in " << file.fileName().toStdString()
            << ": " << why << '\n';
}

std::optional<int16_t> naturalHeight(const QString& text) {
  const auto note = parseNoteName(text.trimmed().toStdString());
  if (!note || note->accidental != 0) return std::nullopt;
  return static_cast<int16_t>(diatonicOf(*note));
}

std::optional<NoteRange> parseRange(const QString& text) {
  const QStringList ends = text.split('-');
  if (ends.size() != 2) return std::nullopt;
  const auto lowest = naturalHeight(ends[0]);
  const auto highest = naturalHeight(ends[1]);
  if (!lowest || !highest) return std::nullopt;
  return NoteRange{*lowest, *highest};
}

QString rangeText(NoteRange range) {
  return QString::fromStdString(noteName(naturalAt(range.lowest)) + "-" +
                                noteName(naturalAt(range.highest)));
}

NoteRange readRange(const QSettings& file, Clef clef, NoteRange fallback) {
  const std::string key = rangeKey(clef);
  const QVariant value = file.value(key);
  if (!value.isValid()) return fallback;
  const auto range = parseRange(value.toString());
  if (range && fitsStaff(clef, *range)) return *range;
  ignore(file, key,
         "not two natural notes from " + rangeText(wholeStaff(clef)).toStdString() +
             ", the lower first");
  return fallback;
}

std::array<bool, kClefKinds> readMixedClefs(const QSettings& file,
                                            std::array<bool, kClefKinds> fallback) {
  const QVariant value = file.value(kMixedClefs);
  if (!value.isValid()) return fallback;
  std::array<bool, kClefKinds> clefs{};
  bool readable = true;
  for (const QString& code : value.toStringList()) {
    const auto clef = clefOfCode(code.trimmed().toStdString());
    if (clef) clefs[static_cast<int>(*clef)] = true;
    readable = readable && clef;
  }
  // The mixed option needs a clef to draw from.
  if (readable && std::ranges::find(clefs, true) != clefs.end()) return clefs;
  ignore(file, kMixedClefs, "not a list of treble, bass, alto and tenor");
  return fallback;
}

Accidentals readAccidentals(const QSettings& file, Accidentals fallback) {
  const QVariant value = file.value(kAccidentals);
  if (!value.isValid()) return fallback;
  const QString text = value.toString().trimmed();
  for (const auto& [accidentals, code] : kAccidentalCodes) {
    if (text == QLatin1String(code)) return accidentals;
  }
  ignore(file, kAccidentals, "not none, sharps-flats or keys");
  return fallback;
}

NoteNaming readNoteNames(const QSettings& file, NoteNaming fallback) {
  const QVariant value = file.value(kNoteNames);
  if (!value.isValid()) return fallback;
  if (const auto naming = namingOfCode(value.toString().trimmed().toStdString())) return *naming;
  ignore(file, kNoteNames, "not letters, solfege, german or numbers");
  return fallback;
}

bool readRedKeyName(const QSettings& file, bool fallback) {
  const QVariant value = file.value(kRedKeyName);
  if (!value.isValid()) return fallback;
  const QString text = value.toString().trimmed();
  if (text == QLatin1String("true") || text == QLatin1String("false")) return text == "true";
  ignore(file, kRedKeyName, "not true or false");
  return fallback;
}

}  // namespace

void readPracticeSettings(const QSettings& file, PlayerSettings& settings) {
  PracticeSettings& practice = settings.practice;
  for (Clef clef : kAllClefs) practice.range(clef) = readRange(file, clef, practice.range(clef));
  practice.mixedClefs = readMixedClefs(file, practice.mixedClefs);
  practice.accidentals = readAccidentals(file, practice.accidentals);
  settings.noteNames = readNoteNames(file, settings.noteNames);
  settings.redKeyName = readRedKeyName(file, settings.redKeyName);
}

void writePracticeSettings(QSettings& file, const PlayerSettings& settings) {
  const PracticeSettings& practice = settings.practice;
  for (Clef clef : kAllClefs) file.setValue(rangeKey(clef), rangeText(practice.range(clef)));
  QStringList clefs;
  for (Clef clef : kAllClefs) {
    if (practice.mixedClefs[static_cast<int>(clef)]) {
      clefs.push_back(QString::fromUtf8(clefCode(clef).data(), clefCode(clef).size()));
    }
  }
  file.setValue(kMixedClefs, clefs);
  for (const auto& [accidentals, code] : kAccidentalCodes) {
    if (accidentals == practice.accidentals) file.setValue(kAccidentals, QLatin1String(code));
  }
  const std::string_view naming = namingCode(settings.noteNames);
  file.setValue(kNoteNames, QString::fromUtf8(naming.data(), naming.size()));
  file.setValue(kRedKeyName, settings.redKeyName);
}

}  // namespace quavix

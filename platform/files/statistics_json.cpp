#include "platform/files/statistics_json.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/note_model.h"

namespace quavix {

namespace {

// Whole numbers in a JSON double stay exact up to 2^53.
constexpr double kLargestExact = 9007199254740992.0;
// Julian day of 1970-01-01, where the game's day numbers start.
constexpr qint64 kJulianDayOf1970 = 2440588;

struct Damage : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A missing entry counts as zero; anything but a whole number in range is damage.
double readNumber(const QJsonObject& object, const char* key, double low, double high) {
  const QJsonValue value = object.value(QLatin1String(key));
  if (value.isUndefined()) return 0;
  const double number = value.toDouble(std::nan(""));
  if (!value.isDouble() || number != std::floor(number) || number < low || number > high) {
    throw Damage(std::string("\"") + key + "\" is not a whole number from " +
                 std::to_string(static_cast<long long>(low)) + " to " +
                 std::to_string(static_cast<long long>(high)));
  }
  return number;
}

uint32_t readCount(const QJsonObject& object, const char* key) {
  return static_cast<uint32_t>(readNumber(object, key, 0, std::numeric_limits<uint32_t>::max()));
}

int16_t readScore(const QJsonObject& object, const char* key) {
  return static_cast<int16_t>(readNumber(object, key, std::numeric_limits<int16_t>::min(),
                                         std::numeric_limits<int16_t>::max()));
}

QJsonObject objectAt(const QJsonValue& value, const char* what) {
  if (!value.isObject()) throw Damage(std::string("an entry of \"") + what + "\" is no object");
  return value.toObject();
}

QJsonArray arrayOf(const QJsonObject& object, const char* key) {
  const QJsonValue value = object.value(QLatin1String(key));
  if (value.isUndefined()) return {};
  if (!value.isArray()) throw Damage(std::string("\"") + key + "\" is no list");
  return value.toArray();
}

// The figures' keys added to an object that says which note they are for.
QJsonObject withFigures(QJsonObject object, const NoteFigures& figures) {
  QJsonArray instead;
  for (const auto& [pitch, times] : figures.instead) {
    instead.append(QJsonObject{{"pitch", pitch}, {"times", static_cast<double>(times)}});
  }
  object.insert("shown", static_cast<double>(figures.shown));
  object.insert("right", static_cast<double>(figures.right));
  object.insert("wrong", static_cast<double>(figures.wrong));
  object.insert("missed", static_cast<double>(figures.missed));
  object.insert("rightMs", static_cast<double>(figures.rightMilliseconds));
  object.insert("wrongMs", static_cast<double>(figures.wrongMilliseconds));
  object.insert("instead", instead);
  return object;
}

// A practice card's clef and spelling by name, and its pitch for readers of the file.
QJsonObject writtenToJson(const WrittenNote& card, const NoteFigures& figures) {
  const std::string_view clef = clefCode(card.clef);
  return withFigures({{"clef", QString::fromUtf8(clef.data(), qsizetype(clef.size()))},
                      {"note", QString::fromStdString(noteName(card.note))},
                      {"pitch", pitchOf(card.note)}},
                     figures);
}

void readFigures(const QJsonObject& object, NoteFigures& figures) {
  figures.shown = readCount(object, "shown");
  figures.right = readCount(object, "right");
  figures.wrong = readCount(object, "wrong");
  figures.missed = readCount(object, "missed");
  figures.rightMilliseconds =
      static_cast<uint64_t>(readNumber(object, "rightMs", 0, kLargestExact));
  figures.wrongMilliseconds =
      static_cast<uint64_t>(readNumber(object, "wrongMs", 0, kLargestExact));
  for (const QJsonValue& entry : arrayOf(object, "instead")) {
    const QJsonObject pressed = objectAt(entry, "instead");
    const int pitch = static_cast<int>(readNumber(pressed, "pitch", 0, 127));
    figures.instead[pitch] = readCount(pressed, "times");
  }
}

void readNote(const QJsonObject& object, Statistics& statistics) {
  const int clef = static_cast<int>(readNumber(object, "clef", 0, kClefCount - 1));
  const int note = static_cast<int>(readNumber(object, "note", 0, kNoteIndexCount - 1));
  readFigures(object, statistics.notes[clef][note]);
}

void readWritten(const QJsonObject& object, Statistics& statistics) {
  const auto clef = clefOfCode(object.value(QLatin1String("clef")).toString().toStdString());
  const auto note = parseNoteName(object.value(QLatin1String("note")).toString().toStdString());
  if (!clef || !note) throw Damage("a written note's \"clef\" or \"note\" is unknown");
  if (readNumber(object, "pitch", 0, 127) != pitchOf(*note)) {
    throw Damage("a written note's \"pitch\" is not its note's");
  }
  readFigures(object, statistics.written[{*clef, *note}]);
}

constexpr std::array<const char*, 4> kModeNames = {"learning", "test", "run", "review"};

QString text(std::string_view view) {
  return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QString dayText(int64_t day) {
  return QDate::fromJulianDay(day + kJulianDayOf1970).toString(Qt::ISODate);
}

int64_t readDay(const QJsonObject& object, const char* key) {
  const QDate date = QDate::fromString(object.value(QLatin1String(key)).toString(), Qt::ISODate);
  if (!date.isValid()) throw Damage(std::string("\"") + key + "\" is no date");
  return date.toJulianDay() - kJulianDayOf1970;
}

QJsonObject gameToJson(const GameRecord& game) {
  QJsonObject object{
      {"mode", kModeNames.at(static_cast<size_t>(game.mode))},
      {"clefChoice", game.clefChoice},
      {"startScore", game.startScore},
      {"endScore", game.endScore},
      {"startedAt", QDateTime::fromSecsSinceEpoch(game.startedAt, Qt::UTC).toString(Qt::ISODate)},
      {"utcOffsetMinutes", game.utcOffsetMinutes},
      {"durationMs", static_cast<double>(game.durationMilliseconds)},
      {"right", static_cast<double>(game.right)},
      {"wrong", static_cast<double>(game.wrong)},
      {"missed", static_cast<double>(game.missed)},
      {"medianMs", static_cast<double>(game.medianMilliseconds)}};
  if (game.noteSet) object.insert("noteSet", text(runNoteSetCode(*game.noteSet)));
  return object;
}

GameRecord readGame(const QJsonObject& object) {
  GameRecord game;
  const std::string mode = object.value(QLatin1String("mode")).toString().toStdString();
  const auto known = std::find(kModeNames.begin(), kModeNames.end(), mode);
  if (known == kModeNames.end()) throw Damage("a game's \"mode\" is unknown");
  game.mode = static_cast<PlayMode>(known - kModeNames.begin());
  game.clefChoice = static_cast<int16_t>(readNumber(object, "clefChoice", 0, 2));
  game.startScore = readScore(object, "startScore");
  game.endScore = readScore(object, "endScore");
  const QDateTime started =
      QDateTime::fromString(object.value(QLatin1String("startedAt")).toString(), Qt::ISODate);
  if (!started.isValid()) throw Damage("a game's \"startedAt\" is no date");
  game.startedAt = started.toSecsSinceEpoch();
  game.durationMilliseconds =
      static_cast<int64_t>(readNumber(object, "durationMs", 0, kLargestExact));
  game.utcOffsetMinutes = static_cast<int16_t>(readNumber(object, "utcOffsetMinutes", -1440, 1440));
  game.right = readCount(object, "right");
  game.wrong = readCount(object, "wrong");
  game.missed = readCount(object, "missed");
  game.medianMilliseconds = static_cast<int64_t>(readNumber(object, "medianMs", 0, kLargestExact));
  if (object.contains(QLatin1String("noteSet"))) {
    game.noteSet =
        runNoteSetOfCode(object.value(QLatin1String("noteSet")).toString().toStdString());
    if (!game.noteSet) throw Damage("a game's \"noteSet\" is unknown");
  }
  return game;
}

QJsonObject memoryToJson(const WrittenNote& card, const NoteMemory& memory) {
  QJsonArray recent;
  for (const TimedAnswer& answer : memory.recent) {
    recent.append(QJsonObject{{"day", dayText(answer.day)},
                              {"ms", static_cast<double>(answer.milliseconds)}});
  }
  QJsonObject object{{"clef", text(clefCode(card.clef))},
                     {"note", QString::fromStdString(noteName(card.note))},
                     {"box", memory.box},
                     {"recent", recent}};
  if (memory.lastReviewDay != kNeverReviewed) {
    object.insert("lastReview", dayText(memory.lastReviewDay));
  }
  return object;
}

void readMemory(const QJsonObject& object, Statistics& statistics) {
  const auto clef = clefOfCode(object.value(QLatin1String("clef")).toString().toStdString());
  const auto note = parseNoteName(object.value(QLatin1String("note")).toString().toStdString());
  if (!clef || !note) throw Damage("a memory's \"clef\" or \"note\" is unknown");
  NoteMemory& memory = statistics.memories[{*clef, *note}];
  memory.box = static_cast<int16_t>(readNumber(object, "box", 1, kBoxCount));
  if (object.contains(QLatin1String("lastReview"))) {
    memory.lastReviewDay = readDay(object, "lastReview");
  }
  for (const QJsonValue& entry : arrayOf(object, "recent")) {
    const QJsonObject answer = objectAt(entry, "recent");
    memory.recent.push_back(
        {readDay(answer, "day"), static_cast<int64_t>(readNumber(answer, "ms", 0, kLargestExact))});
  }
}

}  // namespace

QByteArray statisticsToJson(const Statistics& statistics) {
  QJsonArray notes;
  for (int clef = 0; clef < kClefCount; ++clef) {
    for (int note = 0; note < kNoteIndexCount; ++note) {
      const NoteFigures& figures = statistics.notes[clef][note];
      if (figures != NoteFigures{}) {
        notes.append(withFigures({{"clef", clef}, {"note", note}}, figures));
      }
    }
  }
  QJsonArray written;
  for (const auto& [card, figures] : statistics.written) {
    written.append(writtenToJson(card, figures));
  }
  QJsonArray games;
  for (const GameRecord& game : statistics.games) games.append(gameToJson(game));
  QJsonArray memories;
  for (const auto& [card, memory] : statistics.memories)
    memories.append(memoryToJson(card, memory));
  const QJsonObject root{{"version", kStatisticsVersion},
                         {"dailyGoalMinutes", statistics.dailyGoalMinutes},
                         {"notes", notes},
                         {"written", written},
                         {"games", games},
                         {"memories", memories}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ParsedStatistics statisticsFromJson(const QByteArray& bytes) {
  ParsedStatistics parsed;
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (document.isNull()) {
    parsed.problem =
        bytes.trimmed().isEmpty() ? QStringLiteral("it is empty") : error.errorString();
    return parsed;
  }
  if (!document.isObject()) {
    parsed.problem = QStringLiteral("it holds no object");
    return parsed;
  }
  const QJsonObject root = document.object();
  try {
    if (!root.contains(QLatin1String("version"))) throw Damage("it has no \"version\"");
    const double version = readNumber(root, "version", 1, kLargestExact);
    if (version > kStatisticsVersion) {
      parsed.result = ParsedStatistics::Result::Newer;
      parsed.problem = QString::number(version, 'f', 0);
      return parsed;
    }
    for (const QJsonValue& entry : arrayOf(root, "notes")) {
      readNote(objectAt(entry, "notes"), parsed.statistics);
    }
    for (const QJsonValue& entry : arrayOf(root, "written")) {
      readWritten(objectAt(entry, "written"), parsed.statistics);
    }
    for (const QJsonValue& entry : arrayOf(root, "games")) {
      parsed.statistics.games.push_back(readGame(objectAt(entry, "games")));
    }
    for (const QJsonValue& entry : arrayOf(root, "memories")) {
      readMemory(objectAt(entry, "memories"), parsed.statistics);
    }
    if (root.contains(QLatin1String("dailyGoalMinutes"))) {
      parsed.statistics.dailyGoalMinutes =
          static_cast<int16_t>(readNumber(root, "dailyGoalMinutes", 1, kLongestGoalMinutes));
    }
    parsed.version = static_cast<int>(version);
  } catch (const Damage& damage) {
    parsed.statistics = {};
    parsed.problem = QString::fromStdString(damage.what());
    return parsed;
  }
  parsed.result = ParsedStatistics::Result::Read;
  return parsed;
}

}  // namespace quavix

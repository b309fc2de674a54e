#include "core/statistics_tables.h"

#include <chrono>
#include <cstdio>
#include <map>

#include "core/fluency.h"
#include "core/judging.h"
#include "core/practice_days.h"
#include "core/translatable.h"

namespace quavix {

namespace {

const char* const kModeNames[] = {QUAVIX_TEXT("Velmora", "学习"), QUAVIX_TEXT("Velmora", "测试"),
                                  QUAVIX_TEXT("Velmora", "一分钟测速"),
                                  QUAVIX_TEXT("Velmora", "今日复习")};
const char* const kClefChoices[] = {QUAVIX_TEXT("Velmora", "高音谱号"),
                                    QUAVIX_TEXT("Velmora", "低音谱号"),
                                    QUAVIX_TEXT("Velmora", "混合")};
const char* const kClefNames[] = {
    QUAVIX_TEXT("Velmora", "高音谱号"), QUAVIX_TEXT("Velmora", "低音谱号"),
    QUAVIX_TEXT("Velmora", "中音谱号"), QUAVIX_TEXT("Velmora", "次中音谱号")};

const char* const kGameColumns[] = {
    QUAVIX_TEXT("Velmora", "开始时间"), QUAVIX_TEXT("Velmora", "模式"),
    QUAVIX_TEXT("Velmora", "谱号"),     QUAVIX_TEXT("Velmora", "音域"),
    QUAVIX_TEXT("Velmora", "秒"),       QUAVIX_TEXT("Velmora", "得分增减"),
    QUAVIX_TEXT("Velmora", "答对"),     QUAVIX_TEXT("Velmora", "答错"),
    QUAVIX_TEXT("Velmora", "漏掉"),     QUAVIX_TEXT("Velmora", "音/分"),
    QUAVIX_TEXT("Velmora", "正确率 %"), QUAVIX_TEXT("Velmora", "反应时间中位数 (毫秒)")};
const char* const kNoteColumns[] = {QUAVIX_TEXT("Velmora", "谱号"),
                                    QUAVIX_TEXT("Velmora", "音"),
                                    "MIDI",
                                    QUAVIX_TEXT("Velmora", "出现"),
                                    QUAVIX_TEXT("Velmora", "答对"),
                                    QUAVIX_TEXT("Velmora", "漏掉"),
                                    QUAVIX_TEXT("Velmora", "按错"),
                                    QUAVIX_TEXT("Velmora", "正确率 %"),
                                    QUAVIX_TEXT("Velmora", "反应时间中位数 (毫秒)"),
                                    QUAVIX_TEXT("Velmora", "复习盒")};

template <size_t N>
std::vector<std::string> headerOf(const char* const (&columns)[N], const Translate& translate) {
  std::vector<std::string> header;
  for (const char* column : columns) header.push_back(translate(column));
  return header;
}

std::string decimal(double value, int places) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", places, value);
  return text;
}

// "2024-10-03 21:05" where the game was played.
std::string localTime(const GameRecord& game) {
  using namespace std::chrono;
  const int64_t seconds = game.startedAt + int64_t{game.utcOffsetMinutes} * 60;
  const int64_t day = localDay(seconds, 0);
  const year_month_day date{sys_days{days{day}}};
  const int64_t minute = (seconds - day * 86'400) / 60;
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02lld:%02lld", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<long long>(minute / 60), static_cast<long long>(minute % 60));
  return text;
}

std::string csvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (const char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

void addCsvRow(std::string& text, const std::vector<std::string>& row) {
  for (size_t i = 0; i < row.size(); ++i) {
    if (i > 0) text += ',';
    text += csvField(row[i]);
  }
  text += "\r\n";
}

}  // namespace

Table gameTable(const Statistics& statistics, const Translate& translate) {
  Table table{headerOf(kGameColumns, translate), {}};
  for (const GameRecord& game : statistics.games) {
    const Fluency fluency =
        fluencyOf(game.right, game.wrong, game.missed, game.durationMilliseconds);
    table.rows.push_back(
        {localTime(game), translate(kModeNames[static_cast<int>(game.mode)]),
         translate(kClefChoices[game.clefChoice]),
         game.noteSet ? translate(runNoteSetName(*game.noteSet)) : std::string(),
         decimal(game.durationMilliseconds / 1000.0, 1),
         std::to_string(game.endScore - game.startScore), std::to_string(game.right),
         std::to_string(game.wrong), std::to_string(game.missed),
         decimal(fluency.notesPerMinute, 1),
         fluency.attempts ? decimal(100 * fluency.accuracy, 1) : std::string(),
         game.medianMilliseconds ? std::to_string(game.medianMilliseconds) : std::string()});
  }
  return table;
}

Table noteTable(const Statistics& statistics, NoteNaming naming, const Translate& translate) {
  std::map<WrittenNote, std::pair<NoteFigures, NoteMemory>> notes;
  for (int clef = 0; clef < kClefCount; ++clef) {
    for (int note = 0; note < kNoteIndexCount; ++note) {
      const NoteFigures& figures = statistics.notes[clef][note];
      if (figures != NoteFigures{}) {
        notes[{static_cast<Clef>(clef), spellingOfNote(note)}].first = figures;
      }
    }
  }
  for (const auto& [card, figures] : statistics.written) notes[card].first = figures;
  for (const auto& [card, memory] : statistics.memories) notes[card].second = memory;
  Table table{headerOf(kNoteColumns, translate), {}};
  for (const auto& [card, entry] : notes) {
    const auto& [figures, memory] = entry;
    std::vector<int64_t> times;
    for (const TimedAnswer& answer : memory.recent) times.push_back(answer.milliseconds);
    const int64_t median = medianOf(std::move(times));
    table.rows.push_back(
        {translate(kClefNames[static_cast<int>(card.clef)]), nameWithOctave(naming, card.note),
         std::to_string(pitchOf(card.note)), std::to_string(figures.shown),
         std::to_string(figures.right), std::to_string(figures.missed),
         std::to_string(figures.wrong),
         figures.outcomes() ? decimal(100.0 * figures.right / figures.outcomes(), 1) : "",
         median ? std::to_string(median) : "", std::to_string(memory.box)});
  }
  return table;
}

std::string notesTablePath(const std::string& gamesPath) {
  const size_t dot = gamesPath.rfind('.');
  const size_t slash = gamesPath.rfind('/');
  const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  std::string path = gamesPath;
  return path.insert(extension ? dot : path.size(), "-notes");
}

std::string csvText(const Table& table) {
  std::string text = "\xEF\xBB\xBF";
  addCsvRow(text, table.header);
  for (const auto& row : table.rows) addCsvRow(text, row);
  return text;
}

}  // namespace quavix

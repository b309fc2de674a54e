#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/note_naming.h"
#include "core/statistics.h"

namespace quavix {

// Rows of text with a header, as a spreadsheet takes them.
struct Table {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

// Texts in the core's source language, shown in the player's.
using Translate = std::function<std::string(const char*)>;

// Every game: when, what, its points, answers and fluency.
Table gameTable(const Statistics& statistics, const Translate& translate);
// Every note by clef and spelling: its figures, its median time and its review box.
Table noteTable(const Statistics& statistics, NoteNaming naming, const Translate& translate);
// Where the notes' table goes beside the games' one: "week.csv" -> "week-notes.csv".
std::string notesTablePath(const std::string& gamesPath);
// RFC 4180 text with CRLF line ends, led by a UTF-8 byte-order mark so that spreadsheet programs
// read the names in any script.
std::string csvText(const Table& table);

}  // namespace quavix

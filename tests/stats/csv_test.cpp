#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "core/statistics_tables.h"
#include "tests/files/file_bytes.h"

namespace quavix {
namespace {

std::string same(const char* text) { return text; }

// Fields with commas, quotes, line breaks and Chinese are quoted so that Python's csv module,
// as spreadsheet programs, reads back exactly what was written, after the byte-order mark. The
// notes' table is named after the games' one, whatever dots its folder has.
TEST(Csv, QuotesWhatNeedsItAndReadsBackInPython) {
  const Table table{{"模式", "a,b"}, {{"say \"hi\"", "two\nlines"}, {"plain", ""}}};
  const std::string text = csvText(table);
  EXPECT_EQ(text, "\xEF\xBB\xBF模式,\"a,b\"\r\n\"say \"\"hi\"\"\",\"two\nlines\"\r\nplain,\r\n");
  const QTemporaryDir dir;
  const std::string path = dir.filePath("games.csv").toStdString();
  writeBytes(path, text);
  const std::string script =
      "import csv,sys; rows=list(csv.reader(open(sys.argv[1],encoding='utf-8-sig',newline='')));"
      "sys.stdout.write(repr(rows))";
  FILE* python = popen(("python3 -c \"" + script + "\" " + path).c_str(), "r");
  ASSERT_TRUE(python);
  std::string read;
  char buffer[256];
  while (const size_t n = fread(buffer, 1, sizeof buffer, python)) read.append(buffer, n);
  ASSERT_EQ(pclose(python), 0);
  EXPECT_EQ(read, R"([['模式', 'a,b'], ['say "hi"', 'two\nlines'], ['plain', '']])");
  EXPECT_EQ(notesTablePath("/a.b/week.csv"), "/a.b/week-notes.csv");
  EXPECT_EQ(notesTablePath("/a.b/week"), "/a.b/week-notes");
}

// A run's row: the local time where it was played, its note set, points and fluency.
TEST(Csv, AGameRowSaysWhatTheGameEarned) {
  Statistics statistics;
  statistics.games = {{PlayMode::Run, 2, 10, 190, 1'700'000'000, 60'000, 30, 1, 1, 850, 540,
                       RunNoteSet::BassStaff}};
  const Table table = gameTable(statistics, same);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0], (std::vector<std::string>{"2023-11-15 07:13", "一分钟测速", "混合",
                                                     "低音谱表内 (G2–A3)", "60.0", "180", "30", "1",
                                                     "1", "30.0", "93.8", "850"}));
}

}  // namespace
}  // namespace quavix

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

#include "platform/files/qt_picture_files.h"
#include "tests/support/fifo_guard.h"

namespace quavix {
namespace {

constexpr uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kClear = 0;
const std::vector<QRect> kStaffLines = {
    {0, 26, 80, 1}, {0, 32, 80, 1}, {0, 38, 80, 1}, {0, 44, 80, 1}, {0, 50, 80, 1}};

// A square picture of black lines and one mark of opaque pixels, the clef or the note head,
// within its bounds (left, top, right, bottom); the ground everywhere else.
struct Shipped {
  const char* file;
  int size;
  uint32_t ground;
  std::vector<QRect> lines;
  std::array<int, 4> mark;
};

// The treble clef reaches past the staff, the bass clef stays on it; the first card is a bass.
TEST(ShippedPictures, LinesAndMarkInTheirPixels) {
  const Shipped pictures[] = {{"card.bmp", 80, kWhite, kStaffLines, {3, 25, 24, 48}},
                              {"wode.bmp", 80, kWhite, kStaffLines, {3, 16, 19, 61}},
                              {"wodedi.bmp", 80, kWhite, kStaffLines, {3, 25, 24, 48}},
                              {"note_up.png", 32, kClear, {{7, 0, 1, 19}}, {0, 19, 7, 23}},
                              {"note_down.png", 32, kClear, {{0, 5, 1, 19}}, {0, 0, 7, 4}}};
  for (const Shipped& s : pictures) {
    SCOPED_TRACE(s.file);
    const auto picture = QtPictureFiles().load(s.file);
    ASSERT_TRUE(picture && picture->width == s.size && picture->height == s.size);
    std::array<int, 4> mark = {s.size, s.size, -1, -1};
    for (int y = 0; y < s.size; ++y) {
      for (int x = 0; x < s.size; ++x) {
        const uint32_t p = picture->pixels[y * s.size + x];
        if (std::ranges::any_of(s.lines, [&](const QRect& line) { return line.contains(x, y); })) {
          EXPECT_EQ(p, kBlack) << x << "," << y;
        } else if (p != s.ground) {
          EXPECT_EQ(p >> 24, 0xFFu) << x << "," << y;
          mark = {std::min(mark[0], x), std::min(mark[1], y), std::max(mark[2], x), y};
        }
      }
    }
    EXPECT_EQ(mark, s.mark);
  }
}

// Pictures of the same names in the working directory: the clef pictures are read from there,
// the window's own pictures never; a FIFO is refused at once.
TEST(PictureFiles, WorkingDirectoryReplacesOnlyTheClefPictures) {
  namespace fs = std::filesystem;
  const fs::path previous = fs::current_path();
  const QTemporaryDir dir;
  fs::current_path(dir.path().toStdString());
  QImage stranger(2, 2, QImage::Format_RGB32);
  stranger.fill(Qt::red);
  ASSERT_TRUE(stranger.save("card.bmp") && stranger.save("wodedi.bmp"));
  test::makeFifo("wode.bmp");
  QtPictureFiles files;
  const auto card = files.loadBuiltIn("card.bmp"), bass = files.load("wodedi.bmp");
  ASSERT_TRUE(card && bass);
  EXPECT_EQ(card->width, 80);
  EXPECT_EQ(bass->width, 2);
  std::shared_ptr<const Picture> treble;
  EXPECT_TRUE(test::returnsWithoutAWriter("wode.bmp", [&] { treble = files.load("wode.bmp"); }));
  EXPECT_FALSE(treble);
  fs::current_path(previous);
}

}  // namespace
}  // namespace quavix

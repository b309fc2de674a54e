#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <string>

#include "ui/qt_picture_files.h"

namespace quavix {
namespace {

const std::string kAssets = QUAVIX_ASSETS_DIR;

QImage asset(const std::string& name) {
  QImage image(QString::fromStdString(kAssets + "/" + name));
  return image.convertToFormat(QImage::Format_ARGB32);
}

bool isBlack(QRgb p) { return qAlpha(p) == 255 && qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 0; }
bool isWhite(QRgb p) { return p == qRgb(255, 255, 255); }
bool isStaffRow(int y) { return y == 26 || y == 32 || y == 38 || y == 44 || y == 50; }

// Rows of the clef: the first and last that hold a dark pixel between the staff lines' columns.
std::pair<int, int> clefRows(const QImage& card) {
  int first = -1, last = -1;
  for (int y = 0; y < card.height(); ++y) {
    if (isStaffRow(y)) continue;
    for (int x = 0; x < 30; ++x) {
      if (qGray(card.pixel(x, y)) < 128) {
        if (first < 0) first = y;
        last = y;
      }
    }
  }
  return {first, last};
}

class CardPicture : public ::testing::TestWithParam<const char*> {};

TEST_P(CardPicture, StaffLinesAtTheirRowsAndTheClefAtTheLeft) {
  const QImage card = asset(GetParam());
  ASSERT_EQ(card.size(), QSize(80, 80));
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 80; ++x) {
      const QRgb p = card.pixel(x, y);
      if (isStaffRow(y)) {
        EXPECT_TRUE(isBlack(p)) << x << "," << y;
      } else if (x >= 30) {
        EXPECT_TRUE(isWhite(p)) << x << "," << y;
      }
    }
  }
  const auto [first, last] = clefRows(card);
  EXPECT_GE(first, 0) << "no clef";
}

INSTANTIATE_TEST_SUITE_P(Pictures, CardPicture,
                         ::testing::Values("card.bmp", "wode.bmp", "wodedi.bmp"));

TEST(Pictures, TheTrebleClefReachesPastTheStaffTheBassClefStaysOnIt) {
  const auto [trebleTop, trebleBottom] = clefRows(asset("wode.bmp"));
  EXPECT_LT(trebleTop, 26);
  EXPECT_GT(trebleBottom, 50);
  const auto [bassTop, bassBottom] = clefRows(asset("wodedi.bmp"));
  EXPECT_GE(bassTop, 24);
  EXPECT_LE(bassBottom, 50);
  EXPECT_EQ(asset("card.bmp"), asset("wodedi.bmp"));
}

struct NoteImage {
  const char* file;
  int headTop;
  int stemColumn;
  int stemFirst;
  int stemLast;
};

class NotePicture : public ::testing::TestWithParam<NoteImage> {};

TEST_P(NotePicture, HeadAndStemInTheirPixelsOnTransparency) {
  const NoteImage& n = GetParam();
  const QImage image = asset(n.file);
  ASSERT_EQ(image.size(), QSize(32, 32));
  int headLeft = 32, headRight = -1;
  for (int y = 0; y < 32; ++y) {
    bool rowHasHead = false;
    for (int x = 0; x < 32; ++x) {
      const QRgb p = image.pixel(x, y);
      ASSERT_TRUE(isBlack(p) || qAlpha(p) == 0) << "two colours only, at " << x << "," << y;
      const bool inHead = y >= n.headTop && y < n.headTop + 5;
      const bool inStem = x == n.stemColumn && y >= n.stemFirst && y <= n.stemLast;
      if (inStem) {
        EXPECT_TRUE(isBlack(p)) << "stem at " << y;
      } else if (!inHead) {
        EXPECT_EQ(qAlpha(p), 0) << x << "," << y;
      }
      if (inHead && isBlack(p) && !inStem) {
        rowHasHead = true;
        headLeft = std::min(headLeft, x);
        headRight = std::max(headRight, x);
      }
    }
    if (y >= n.headTop && y < n.headTop + 5) {
      EXPECT_TRUE(rowHasHead) << "head row " << y;
    }
  }
  EXPECT_EQ(headLeft, 0);
  EXPECT_EQ(headRight, 7);
}

INSTANTIATE_TEST_SUITE_P(Pictures, NotePicture,
                         ::testing::Values(NoteImage{"note_up.png", 19, 7, 0, 18},
                                           NoteImage{"note_down.png", 0, 0, 5, 23}));

TEST(Pictures, IconsShowABlackClefAndAYellowArrow) {
  for (auto [file, size] : {std::pair{"icon.png", 32}, std::pair{"icon-128.png", 128}}) {
    const QImage icon = asset(file);
    ASSERT_EQ(icon.size(), QSize(size, size)) << file;
    int black = 0, yellow = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const QColor c = QColor::fromRgba(icon.pixel(x, y));
        if (c.alpha() == 255 && c.lightness() < 40) ++black;
        if (c.alpha() == 255 && c.red() > 200 && c.green() > 150 && c.blue() < 80) ++yellow;
      }
    }
    EXPECT_GT(black, size * size / 40) << file;
    EXPECT_GT(yellow, size * size / 40) << file;
  }
}

TEST(QtPictureFiles, DecodesAPictureFileIntoPixels) {
  QtPictureFiles files;
  const auto picture = files.load("wode.bmp");
  ASSERT_NE(picture, nullptr);
  ASSERT_EQ(picture->width, 80);
  ASSERT_EQ(picture->height, 80);
  ASSERT_EQ(picture->pixels.size(), 80u * 80u);
  EXPECT_EQ(picture->pixels[26 * 80 + 79], 0xFF000000u);
  EXPECT_EQ(picture->pixels[27 * 80 + 79], 0xFFFFFFFFu);
  EXPECT_EQ(files.load("no-such-picture.bmp"), nullptr);
}

}  // namespace
}  // namespace quavix

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "platform/files/qt_picture_files.h"
#include "tests/files/file_bytes.h"
#include "tests/support/fifo_guard.h"

namespace quavix {
namespace {

// Pictures of the same names in the working directory: the clef pictures are read from there,
// the window's own pictures never. A FIFO, and a picture far larger than a card (a few bytes of
// run lengths that claim 1100 x 1100 pixels), are refused at once.
TEST(PictureFiles, WorkingDirectoryReplacesOnlyTheClefPicturesAndHostileOnesAreRefused) {
  namespace fs = std::filesystem;
  const fs::path previous = fs::current_path();
  const QTemporaryDir dir;
  fs::current_path(dir.path().toStdString());
  QImage stranger(2, 2, QImage::Format_RGB32);
  stranger.fill(Qt::red);
  ASSERT_TRUE(stranger.save("card.bmp") && stranger.save("wodedi.bmp"));
  QtPictureFiles files;
  const auto card = files.loadBuiltIn("card.bmp"), bass = files.load("wodedi.bmp");
  ASSERT_TRUE(card && bass);
  EXPECT_EQ(card->width, 80);
  EXPECT_EQ(bass->width, 2);
  writeBytes("./huge.bmp",
             std::string("BM\x40\0\0\0\0\0\0\0\x3e\0\0\0\x28\0\0\0\x4c\x04\0\0\x4c\x04\0\0"
                         "\1\0\x08\0\1\0\0\0\2\0\0\0\0\0\0\0\0\0\0\0\2\0\0\0\0\0\0\0"
                         "\xff\xff\xff\0\0\0\0\0\0\1",
                         64));
  test::makeFifo("wode.bmp");
  EXPECT_FALSE(files.load("huge.bmp"));
  std::shared_ptr<const Picture> treble;
  EXPECT_TRUE(test::returnsWithoutAWriter("wode.bmp", [&] { treble = files.load("wode.bmp"); }));
  EXPECT_FALSE(treble);
  fs::current_path(previous);
}

}  // namespace
}  // namespace quavix

// Draws the pictures the window ships: the note card with its two clefs, the two note images
// and the window icon. Usage: quavix_make_pictures OUTPUT_DIR
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cstdio>

#include "ui/card_art.h"

namespace {

using namespace quavix::card_art;

constexpr int kNoteSize = 32;
constexpr char kMusicFont[] = "/usr/share/fonts/truetype/freefont/FreeSerif.ttf";

// The head is point-symmetric, so one pattern serves the stem-up picture (rows 19-23) and,
// turned half round, the stem-down one (rows 0-4).
// clang-format off
constexpr std::array<const char*, 5> kNoteHead = {
    "...#####",
    ".#######",
    "########",
    "#######.",
    "#####...",
};
// clang-format on

QImage clefCard(const QString& family, bool treble) {
  QImage image(kCardSize, kCardSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  drawStaff(p, kCardSize, 1);
  drawClef(p, family, treble, 1);
  return image;
}

QImage noteImage(bool stemUp) {
  QImage image(kNoteSize, kNoteSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  const QRgb black = qRgb(0, 0, 0);
  const int headTop = stemUp ? 19 : 0;
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 8; ++c) {
      const bool filled = stemUp ? kNoteHead[r][c] == '#' : kNoteHead[4 - r][7 - c] == '#';
      if (filled) image.setPixel(c, headTop + r, black);
    }
  }
  const int stemColumn = stemUp ? 7 : 0;
  const int stemFirst = stemUp ? 0 : 5;
  const int stemLast = stemUp ? 18 : 23;
  for (int r = stemFirst; r <= stemLast; ++r) image.setPixel(stemColumn, r, black);
  return image;
}

// A treble clef on a staff with a yellow arrow pointing down: notes falling onto the staff.
QImage icon(const QString& family, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  p.setPen(QPen(QColor(90, 90, 90), 0.8));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 4, 4);
  p.setPen(QPen(Qt::black, 1.0));
  for (int i = 0; i < 5; ++i) p.drawLine(QLineF(2, 10.5 + 4 * i, 30, 10.5 + 4 * i));
  p.fillPath(fittedGlyph(family, kTrebleClef, 3, 4, 26), Qt::black);
  const QPolygonF arrow({{21, 2}, {27, 2}, {27, 12}, {30.5, 12}, {24, 21}, {17.5, 12}, {21, 12}});
  p.setPen(QPen(QColor(120, 80, 0), 1.0));
  p.setBrush(QColor(255, 210, 0));
  p.drawPolygon(arrow);
  return image;
}

bool save(const QImage& image, const QDir& dir, const char* name) {
  const QString path = dir.filePath(name);
  if (image.save(path)) return true;
  std::fprintf(stderr, "quavix_make_pictures: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: quavix_make_pictures OUTPUT_DIR\n");
    return 2;
  }
  const int fontId = QFontDatabase::addApplicationFont(kMusicFont);
  if (fontId < 0) {
    std::fprintf(stderr, "quavix_make_pictures: cannot read %s (fonts-freefont-ttf)\n", kMusicFont);
    return 1;
  }
  const QString family = QFontDatabase::applicationFontFamilies(fontId).value(0);
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const QImage bassCard = clefCard(family, false);
  const bool ok =
      save(bassCard, dir, "card.bmp") && save(clefCard(family, true), dir, "wode.bmp") &&
      save(bassCard, dir, "wodedi.bmp") && save(noteImage(true), dir, "note_up.png") &&
      save(noteImage(false), dir, "note_down.png") && save(icon(family, 32), dir, "icon.png") &&
      save(icon(family, 128), dir, "icon-128.png");
  return ok ? 0 : 1;
}

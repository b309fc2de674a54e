#include "platform/files/qt_picture_files.h"

#include <QBuffer>
#include <QImageReader>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/files/data_files.h"
#include "platform/files/regular_file.h"

namespace quavix {

namespace {

// Far above any card or icon; keeps a stray huge file from being read whole.
constexpr std::uint64_t kMaxPictureBytes = 8 * 1024 * 1024;
// A card is 80 pixels wide. Pictures are read afresh at every card, and a small compressed file
// can claim a picture that takes the window's thread and hundreds of MB to decode.
constexpr int kMaxPictureSide = 1024;
constexpr int kMaxDecodedMegabytes = 8;

std::shared_ptr<const Picture> toPicture(const QImage& read) {
  const QImage image = read.convertToFormat(QImage::Format_ARGB32);
  if (image.isNull()) return nullptr;
  auto picture = std::make_shared<Picture>();
  picture->width = image.width();
  picture->height = image.height();
  picture->pixels.resize(static_cast<size_t>(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y) {
    std::memcpy(picture->pixels.data() + static_cast<size_t>(y) * image.width(),
                image.constScanLine(y), static_cast<size_t>(image.width()) * sizeof(uint32_t));
  }
  return picture;
}

}  // namespace

QImage readImage(const std::filesystem::path& path) {
  std::vector<char> bytes;
  std::string problem;
  if (!readWholeFile(path, kMaxPictureBytes, bytes, problem)) return {};
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer);
  reader.setAllocationLimit(kMaxDecodedMegabytes);
  const QSize size = reader.size();
  if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) return {};
  return reader.read();
}

QImage readBuiltInImage(std::string_view name) { return readImage(findBuiltInFile(name)); }

std::shared_ptr<const Picture> QtPictureFiles::load(std::string_view fileName) {
  return toPicture(readImage(findDataFile(fileName)));
}

std::shared_ptr<const Picture> QtPictureFiles::loadBuiltIn(std::string_view fileName) {
  return toPicture(readBuiltInImage(fileName));
}

}  // namespace quavix

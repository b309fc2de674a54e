#include "platform/files/qt_picture_files.h"

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
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                          static_cast<int>(bytes.size()));
}

QImage readBuiltInImage(std::string_view name) { return readImage(findBuiltInFile(name)); }

std::shared_ptr<const Picture> QtPictureFiles::load(std::string_view fileName) {
  return toPicture(readImage(findDataFile(fileName)));
}

std::shared_ptr<const Picture> QtPictureFiles::loadBuiltIn(std::string_view fileName) {
  return toPicture(readBuiltInImage(fileName));
}

}  // namespace quavix

#include "platform/files/qt_picture_files.h"

#include <QString>
#include <cstring>

#include "platform/files/data_files.h"

namespace quavix {

QImage readDataImage(std::string_view name) {
  return QImage(QString::fromStdString(findDataFile(name).string()));
}

std::shared_ptr<const Picture> QtPictureFiles::load(std::string_view fileName) {
  const QImage image = readDataImage(fileName).convertToFormat(QImage::Format_ARGB32);
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

}  // namespace quavix

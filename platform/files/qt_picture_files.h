#pragma once

#include <QImage>
#include <string_view>

#include "core/interfaces/picture_files.h"

namespace quavix {

// A picture file where findDataFile finds it; a null image when it is missing or unreadable.
QImage readDataImage(std::string_view name);

// The game's picture files, decoded by Qt.
class QtPictureFiles : public PictureFiles {
 public:
  std::shared_ptr<const Picture> load(std::string_view fileName) override;
};

}  // namespace quavix

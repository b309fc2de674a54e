#pragma once

#include <QImage>
#include <filesystem>
#include <string_view>

#include "core/interfaces/picture_files.h"

namespace quavix {

// A picture file decoded by Qt; a null image when it is not a readable regular file or not a
// picture.
QImage readImage(const std::filesystem::path& path);

// A picture that is part of the window, where findBuiltInFile finds it.
QImage readBuiltInImage(std::string_view name);

// The game's picture files, decoded by Qt.
class QtPictureFiles : public PictureFiles {
 public:
  std::shared_ptr<const Picture> load(std::string_view fileName) override;
  std::shared_ptr<const Picture> loadBuiltIn(std::string_view fileName) override;
};

}  // namespace quavix

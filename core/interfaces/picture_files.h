#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace quavix {

// A decoded picture file: width x height pixels, 0xAARRGGBB, row by row from the top.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// Reads the picture files the game shows; a test double can fail or count loads.
class PictureFiles {
 public:
  virtual ~PictureFiles() = default;
  // A clef picture, which the player may replace by a file of that name in the working
  // directory. Null when the file is missing or cannot be decoded.
  virtual std::shared_ptr<const Picture> load(std::string_view fileName) = 0;
  // A picture that is part of the window, from the game's own data only.
  virtual std::shared_ptr<const Picture> loadBuiltIn(std::string_view fileName) = 0;
};

}  // namespace quavix

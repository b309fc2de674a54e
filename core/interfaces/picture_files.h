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
  // Null when the file is missing or cannot be decoded.
  virtual std::shared_ptr<const Picture> load(std::string_view fileName) = 0;
};

}  // namespace quavix
